#include "fret_search.h"

#include "numbers.h"

#include <algorithm>
#include <cmath>

namespace mirefa {

Geometry makeGeometry(double x_sap, double hesik_sap, double hesik_govde, double hperde) {
    Geometry g;
    g.x_sap = x_sap;
    g.hesik_sap = hesik_sap;
    g.hesik_govde = hesik_govde;
    g.hperde = hperde;
    const double fark = std::abs(hesik_govde - hesik_sap);
    g.x_telbos = std::sqrt(fark * fark + x_sap * x_sap);
    return g;
}

GeometryReading readGeometry(const std::string& x_sap, const std::string& hesik_sap,
                             const std::string& hesik_govde, const std::string& hperde) {
    GeometryReading result;
    const std::string* texts[] = {&x_sap, &hesik_sap, &hesik_govde, &hperde};
    double values[4] = {};
    // Every box is read, so that each one that cannot be used can be marked.
    for (std::size_t i = 0; i < 4; ++i) {
        try {
            values[i] = runtime::readReal(*texts[i]);
        } catch (const runtime::TypeMismatch&) {
            result.faults[i] = GeometryFault::notANumber;
        } catch (const runtime::Overflow&) {
            result.faults[i] = GeometryFault::tooLarge;
        }
    }
    if (result.faults[0] == GeometryFault::none && !(values[0] > 0))
        result.faults[0] = GeometryFault::notPositive;
    if (result.faults == std::array<GeometryFault, 4>{}) {
        const Geometry g = makeGeometry(values[0], values[1], values[2], values[3]);
        // Squares beyond the double range would turn the model into infinities and NaNs.
        const double dn = g.hesik_sap - g.hperde;
        const double db = g.hesik_govde - g.hperde;
        if (std::isfinite(g.x_telbos) && std::isfinite(dn * dn + db * db)) {
            result.geometry = g;
            return result;
        }
        std::size_t largest = 0;
        for (std::size_t i = 1; i < 4; ++i)
            if (std::abs(values[i]) > std::abs(values[largest]))
                largest = i;
        result.faults[largest] = GeometryFault::tooLarge;
    }
    for (std::size_t i = 0; i < 4; ++i)
        if (result.faults[i] != GeometryFault::none) {
            result.badBox = static_cast<GeometryBox>(i);
            break;
        }
    return result;
}

namespace {

/** The values that stay the same for every step of one fret. */
struct Model {
    explicit Model(const Geometry& g)
        : L(g.x_sap)
        , L0(g.x_telbos)
        , dn(g.hesik_sap - g.hperde)
        , db(g.hesik_govde - g.hperde) {}
    double L, L0, dn, db;
};

double rho(const Model& m, double d) {
    const double e = m.L - d;
    const double b = std::sqrt(d * d + m.db * m.db);
    const double a = std::sqrt(e * e + m.dn * m.dn);
    const double t = a + b;
    const double q = t / m.L0;
    const double ratio = (m.L0 / b) * q;
    return ratio;
}

bool usableRatio(double r) {
    return r > 0 && std::isfinite(r);
}

/** The plain walk from d at step k on. */
FretResult walk(const Model& m, double r, double d, std::int64_t k) {
    for (;; ++k) {
        if (rho(m, d) >= r)
            return {d, k, true};
        const double next = d - fretStep;
        if (next <= 0 || next == d)
            return {next, k + 1, false};
        d = next;
    }
}

/**
 * The exact values of d after k subtractions of fretStep, without doing them
 * one by one. Within one binary exponent range the rounded difference
 * d - fretStep is d minus the same multiple of the unit in the last place, as
 * long as the exact difference stays in that range; so the sequence is a chain
 * of runs with a constant step, joined by single steps near each power of two.
 */
class StepSequence {
public:
    /** Builds the runs from d0 until d falls to 0 or below; false when d0 cannot move. */
    bool build(double d0) {
        m_runs.clear();
        double d = d0;
        std::int64_t k = 0;
        while (d > 0) {
            const double next = d - fretStep;
            if (next == d)
                return false;
            int exponent = 0;
            std::frexp(d, &exponent);
            const double lower = std::ldexp(1.0, exponent - 1);
            const double ulp = std::ldexp(1.0, exponent - 53);
            const double delta = d - next;
            std::int64_t length = 1;
            const double units = fretStep / ulp;
            // A step of an exact half unit rounds to even and alternates: walk it singly.
            if (next >= lower + ulp && units - std::floor(units) != 0.5) {
                const double floorLimit = lower + ulp;
                length = std::max<std::int64_t>(
                    1, static_cast<std::int64_t>(std::floor((d - floorLimit) / delta)));
                while (length > 1 && d - double(length) * delta < floorLimit)
                    --length;
                while (d - double(length + 1) * delta >= floorLimit)
                    ++length;
            }
            m_runs.push_back({k, d, delta});
            d = length == 1 ? next : d - double(length) * delta;
            k += length;
        }
        m_runs.push_back({k, d, 0});
        m_end = k;
        return true;
    }

    /** The first k at which d is 0 or below. */
    std::int64_t end() const { return m_end; }

    /** d after k subtractions, 0 <= k <= end(). */
    double at(std::int64_t k) const {
        auto it = std::upper_bound(m_runs.begin(), m_runs.end(), k,
                                   [](std::int64_t key, const Run& run) { return key < run.k; });
        const Run& run = *(it - 1);
        return k == run.k ? run.d : run.d - double(k - run.k) * run.delta;
    }

private:
    struct Run {
        std::int64_t k;
        double d;
        double delta;
    };
    std::vector<Run> m_runs;
    std::int64_t m_end = 0;
};

/**
 * Bounds of the computed ratio over every d in [dLow, dHigh], 0 < dLow <= dHigh
 * <= L. Each rounded operation is monotone in its operands, so the model's
 * operations done on the ends of the range bound the results for any d between:
 * e and a fall as d grows, b grows, and t, q and the ratio are monotone in them.
 */
struct RatioBounds {
    double low, high;
};

RatioBounds rhoBounds(const Model& m, double dLow, double dHigh) {
    const double eLow = m.L - dHigh;
    const double eHigh = m.L - dLow;
    const double aLow = std::sqrt(eLow * eLow + m.dn * m.dn);
    const double aHigh = std::sqrt(eHigh * eHigh + m.dn * m.dn);
    const double bLow = std::sqrt(dLow * dLow + m.db * m.db);
    const double bHigh = std::sqrt(dHigh * dHigh + m.db * m.db);
    const double qLow = (aLow + bLow) / m.L0;
    const double qHigh = (aHigh + bHigh) / m.L0;
    return {(m.L0 / bHigh) * qLow, (m.L0 / bLow) * qHigh};
}

/**
 * The first step in [from, to) whose computed ratio reaches r, as the walk
 * would find it; not reached when none does. Where the heights dwarf the neck
 * the ratio is flat to within its rounding, so no margin separates the steps
 * below r from those above it; bounding whole ranges of steps then skips those
 * that cannot reach r. Steps before `to` have 0 < d <= L.
 */
FretResult firstReaching(const StepSequence& sequence, const Model& m, double r, std::int64_t from,
                         std::int64_t to) {
    constexpr std::int64_t walkedAtOnce = 32;
    if (to - from <= walkedAtOnce) {
        double d = sequence.at(from);
        for (std::int64_t k = from; k < to; ++k) {
            if (rho(m, d) >= r)
                return {d, k, true};
            d = d - fretStep;
        }
        return {d, to, false};
    }
    const RatioBounds bounds = rhoBounds(m, sequence.at(to - 1), sequence.at(from));
    if (bounds.high < r)
        return {sequence.at(to), to, false};
    if (bounds.low >= r)
        return {sequence.at(from), from, true};
    const std::int64_t mid = from + (to - from) / 2;
    const FretResult first = firstReaching(sequence, m, r, from, mid);
    return first.reached ? first : firstReaching(sequence, m, r, mid, to);
}

// The computed ratio lies within about 9 units in the last place of the exact
// (a + b) / b, which grows steadily as d falls from L to 0. A value below
// r (1 - margin) therefore proves that every earlier step was below r too,
// and one above r (1 + margin) that the crossing has happened by then.
constexpr double margin = 1e-14;

FretResult searchWith(StepSequence& sequence, double r, const Geometry& g) {
    if (!usableRatio(r))
        return {0, 0, false};
    const Model m(g);
    const double d0 = m.L / r;
    const double rho0 = rho(m, d0);
    if (rho0 >= r)
        return {d0, 0, true};
    // Beyond the nut threshold the ratio need not grow steadily; that only
    // happens for ratios just below 1, which are a step or two from the answer.
    if (!(d0 <= m.L) || std::isnan(rho0))
        return walk(m, r, d0, 0);
    if (!sequence.build(d0))
        return {d0, 1, false};
    const std::int64_t end = sequence.end();
    const double below = r * (1 - margin);
    const double above = r * (1 + margin);

    std::int64_t lo = 0;
    std::int64_t hi = end;
    while (hi - lo > 1) {
        const std::int64_t mid = lo + (hi - lo) / 2;
        if (rho(m, sequence.at(mid)) < below)
            lo = mid;
        else
            hi = mid;
    }
    std::int64_t first = lo;
    std::int64_t sure = end;
    while (sure - first > 1) {
        const std::int64_t mid = first + (sure - first) / 2;
        if (rho(m, sequence.at(mid)) >= above)
            sure = mid;
        else
            first = mid;
    }
    const FretResult close = firstReaching(sequence, m, r, lo + 1, sure);
    if (close.reached)
        return close;
    if (sure < end)
        return {sequence.at(sure), sure, true};
    return {sequence.at(end), end, false};
}

} // namespace

double soundingRatio(const Geometry& g, double d) {
    return rho(Model(g), d);
}

FretResult searchFretStepByStep(double r, const Geometry& g) {
    if (!usableRatio(r))
        return {0, 0, false};
    const Model m(g);
    return walk(m, r, m.L / r, 0);
}

FretResult searchFret(double r, const Geometry& g) {
    StepSequence sequence;
    return searchWith(sequence, r, g);
}

std::vector<std::optional<double>> PerdeHesapla(const std::vector<double>& perde_oran,
                                                const Geometry& g) {
    std::vector<std::optional<double>> perde_kopru(perde_oran.size());
    StepSequence sequence;
    for (std::size_t i = 0; i < perde_oran.size(); ++i) {
        const FretResult fret = searchWith(sequence, perde_oran[i], g);
        if (fret.reached)
            perde_kopru[i] = fret.d;
    }
    return perde_kopru;
}

} // namespace mirefa
