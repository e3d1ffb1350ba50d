#include "fraction_search.h"

#include "numbers.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <stdexcept>
#include <utility>

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
    if (i >= m_size)
        throw std::out_of_range("Sonuclar::at: no such row");
    const auto run =
        std::prev(std::upper_bound(m_runs.begin(), m_runs.end(), i,
                                   [](std::size_t row, const Run& r) { return row < r.first; }));
    const int H = run->H + static_cast<int>(i - run->first);
    const Candidate c = candidate(m_ratio, m_whole, run->F, H);
    return {double{c.N}, static_cast<double>(H), c.V, m_centhata(c.V), c.e};
}

void Sonuclar::append(int F, int H, int count) {
    if (!m_runs.empty()) {
        Run& last = m_runs.back();
        if (last.F == F && last.H + last.count == H) {
            last.count += count;
            m_size += static_cast<std::size_t>(count);
            return;
        }
    }
    m_runs.push_back({m_size, count, static_cast<std::int16_t>(F), static_cast<std::int16_t>(H)});
    m_size += static_cast<std::size_t>(count);
}

void Sonuclar::clear() {
    m_runs.clear();
    m_size = 0;
}

namespace {

// How far the single arithmetic of a candidate may stray from the exact
// W + F/H: two roundings for N, one for V, and a little more (relative).
constexpr double valueSlack = 4.0 / (1 << 24);

constexpr int noDenominator = std::numeric_limits<int>::max();

/**
 * The denominators H whose F/H lies within `reach` of `fraction`, computed in
 * double and then moved `widen` steps outwards (inwards when negative):
 * (first, last), empty when first > last.
 */
std::pair<int, int> denominatorsNear(double fraction, double reach, int F, int widen) {
    if (!(reach > 0) || fraction + reach <= 0)
        return {noDenominator, 0};
    const double low = F / (fraction + reach);
    const double high = fraction - reach > 0 ? F / (fraction - reach) : double(noDenominator);
    if (!(low <= high) || low > maxBound)
        return {noDenominator, 0};
    const int first = static_cast<int>(std::floor(low)) + 1 - widen;
    const int last = high >= maxBound ? maxBound : static_cast<int>(std::ceil(high)) - 1 + widen;
    return {first, last};
}

} // namespace

std::size_t kesirara(Sonuclar& sonuclar, float ratio, float tolerance, int bound, bool tightening,
                     CentErrorRule centhata) {
    if (bound < 0 || bound > maxBound)
        throw std::invalid_argument("kesirara: bound out of range");
    // A negative ratio would accept every candidate; zero or infinity has no error to measure.
    if (!(ratio > 0) || !std::isfinite(ratio))
        throw std::invalid_argument("kesirara: the ratio must be positive and finite");

    const float W = static_cast<float>(runtime::floorValue(ratio));
    sonuclar.clear();
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

    // Inside the band, a candidate whose exact value lies this close to the
    // ratio passes the tolerance test whatever the rounding (with a fixed
    // tolerance only), and one farther than `stopReach` from the stop value
    // cannot stop the walk. Such candidates need no test one by one. Far
    // beyond the single range of N, no such promise holds.
    const bool runs = !tightening && double{W} * bound < 1e30;
    const double sureReach =
        r * (double{tolerance} * (1 - 1.0 / (1 << 22)) - valueSlack * (1 + double{tolerance})) -
        1e-12 * r;
    const double stopFraction = double{target} - double{W};
    const double stopReach = 2e-5 + 1e-6 * (std::fabs(double{target}) + 1);

    // Denominators are tested exactly, in the walk's order; false ends the walk.
    const auto visit = [&](int F, int H) {
        const Candidate c = candidate(ratio, W, F, H);
        if (c.e < tolerance) {
            sonuclar.append(F, H, 1);
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
        // All denominators of F = 0 give the same candidate: tested one by one.
        // A step inwards for the sure runs, two outwards for the stop: the
        // double arithmetic of the bounds may be off by a little either way.
        const auto [sureFirst, sureLast] = runs && F > 0
                                               ? denominatorsNear(fraction, sureReach, F, -1)
                                               : std::pair<int, int>{noDenominator, 0};
        const auto [stopFirst, stopLast] = denominatorsNear(stopFraction, stopReach, F, 2);
        for (int H = from; H <= to;) {
            const bool nearStop = H >= stopFirst && H <= stopLast;
            if (!nearStop && H >= sureFirst && H <= sureLast) {
                int last = std::min(sureLast, to);
                if (stopFirst > H && stopFirst <= stopLast)
                    last = std::min(last, stopFirst - 1);
                sonuclar.append(F, H, last - H + 1);
                H = last + 1;
                continue;
            }
            if (!visit(F, H))
                return sonuclar.size();
            ++H;
        }
    }
    return sonuclar.size();
}

} // namespace bexaro
