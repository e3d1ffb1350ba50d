#include "fraction_search.h"

#include "numbers.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace bexaro {

CentErrorRule fractionCentError(float ratio, float centadim) {
    const double lnRatio = std::log(double{ratio});
    const double lnStep = std::log(double{centadim});
    return [lnRatio, lnStep](float deger) {
        return runtime::toInt16(std::fabs(lnRatio - std::log(double{deger})) / lnStep);
    };
}

CentErrorRule pitchCentError(float herz1, float midicent0, float bazfrekans, float centadim) {
    const double lnBase = std::log(double{bazfrekans});
    const double lnStep = std::log(double{centadim});
    return [=](float deger) {
        const float below = static_cast<float>(double{herz1} / double{deger});
        const float position = static_cast<float>((std::log(double{below}) - lnBase) / lnStep);
        return runtime::toInt16(std::fabs(double{position} - double{midicent0}));
    };
}

namespace {

/** A candidate of the walk: W + F/H with the numerator in single arithmetic. */
struct Candidate {
    float N;
    float V;
    float e;
};

Candidate candidate(float ratio, float W, int F, int H) {
    const float N = W * static_cast<float>(H) + static_cast<float>(F);
    const float V = static_cast<float>(double{N} / H);
    const float e = static_cast<float>(std::fabs(double{ratio} - double{V}) / double{ratio});
    return {N, V, e};
}

} // namespace

sonuc Sonuclar::at(std::size_t i) const {
    const Cell cell = m_cells.at(i);
    const Candidate c = candidate(m_ratio, m_whole, cell.F, cell.H);
    return {double{c.N}, static_cast<double>(cell.H), c.V, m_centhata(c.V), c.e};
}

std::size_t kesirara(Sonuclar& sonuclar, float ratio, float tolerance, int bound, bool tightening,
                     CentErrorRule centhata) {
    if (bound < 0 || bound > maxBound)
        throw std::invalid_argument("kesirara: bound out of range");
    // A negative ratio would accept every candidate; zero or infinity has no error to measure.
    if (!(ratio > 0) || !std::isfinite(ratio))
        throw std::invalid_argument("kesirara: the ratio must be positive and finite");

    const float W = static_cast<float>(runtime::floorValue(ratio));
    sonuclar.m_cells.clear();
    sonuclar.m_ratio = ratio;
    sonuclar.m_whole = W;
    sonuclar.m_centhata = std::move(centhata);

    const float target = runtime::roundTo(ratio, 4);
    const double r = ratio;
    const double fraction = r - double{W}; // exact: both are singles near each other

    // A candidate can pass a test only if W + F/H lies within `reach` of the
    // ratio. The stop test needs 5e-5 plus two single ulps of the ratio; the
    // tolerance test tolerance * ratio. The single arithmetic of N and V strays
    // up to a few ulps from the exact W + F/H. Margins are generous: a wider
    // band only costs time, a narrower one would lose rows.
    const double slack = r * 1.5e-6 + 1e-9;
    const auto reachFor = [&](float tol) { return std::max(double{tol} * r, 6e-5) * 1.01 + slack; };

    // Denominators are tested exactly, in the walk's order; false ends the walk.
    const auto visit = [&](int F, int H) {
        const Candidate c = candidate(ratio, W, F, H);
        if (c.e < tolerance) {
            sonuclar.m_cells.push_back(
                {static_cast<std::int16_t>(F), static_cast<std::int16_t>(H)});
            if (tightening)
                tolerance = c.e;
        }
        return runtime::roundTo(c.V, 5) != target;
    };

    for (int F = 0; F < bound; ++F) {
        const double reach = reachFor(tolerance);
        int from = F + 1;
        int to = bound;
        if (F == 0) {
            if (!(std::fabs(fraction) < reach))
                continue;
        } else {
            // F/H must lie within reach of the fraction: H above F/(fraction + reach)
            // and, when fraction > reach, below F/(fraction - reach).
            const double low = F / (fraction + reach);
            if (low > bound)
                continue;
            from = std::max(from, static_cast<int>(std::floor(low)) - 1);
            if (fraction > reach) {
                const double high = F / (fraction - reach);
                if (high < bound)
                    to = static_cast<int>(std::ceil(high)) + 1;
            }
            to = std::min(to, bound);
        }
        for (int H = from; H <= to; ++H)
            if (!visit(F, H))
                return sonuclar.size();
    }
    return sonuclar.size();
}

} // namespace bexaro
