#include "fraction_search.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace tolvane {

namespace {

constexpr double kLn2 = 0.6931471805599453;
constexpr std::int64_t kMax32 = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kMin32 = std::numeric_limits<std::int32_t>::min();

bool fits32(std::int64_t v) {
    return v >= kMin32 && v <= kMax32;
}

float stepValue(std::int64_t k, float y) {
    return static_cast<float>(static_cast<double>(k) * static_cast<double>(y));
}

// |nearest_integer(z) - z| / z in double, as the closeness tests compare it.
double offWhole(float z) {
    return std::fabs(static_cast<double>(nearest_integer(z)) - static_cast<double>(z)) /
           static_cast<double>(z);
}

struct Candidate {
    FractionRow row;
    float error = 0.0f;
};

Candidate measure(float x, std::int32_t p, std::int32_t q) {
    Candidate c;
    c.row.numerator = p;
    c.row.denominator = q;
    c.row.value = static_cast<float>(static_cast<double>(p) / static_cast<double>(q));
    c.error = static_cast<float>(std::fabs(static_cast<double>(x) - c.row.value));
    c.row.relativeError =
        static_cast<float>(static_cast<double>(c.error) / static_cast<double>(c.row.value));
    c.row.centError = static_cast<float>(
        std::fabs(static_cast<double>(centsOf(x)) - static_cast<double>(centsOf(c.row.value))));
    return c;
}

// The first counter worth trying. Below Z = 1/(1 + Tf) the nearest integer of Z
// is 0 or 1 and the closeness filter fails, and Z never falls as K grows, so the
// counters before that point can be passed over without changing a row. This
// keeps tiny ratios from spending billions of steps on nothing.
std::int64_t firstCounter(float y, float filterTolerance) {
    if (!(filterTolerance <= 1.0f)) {
        return 1;
    }
    // A hair below 1/(1 + Tf), far more than the rounding of the filter's quotient.
    const double hopeless = (1.0 - 1e-7) / (1.0 + static_cast<double>(filterTolerance));
    const double start = std::floor(hopeless / static_cast<double>(y));
    if (!(start <= static_cast<double>(kMax32))) {
        return kMax32 + 1;
    }
    std::int64_t k = std::max<std::int64_t>(1, static_cast<std::int64_t>(start));
    while (k > 1 && stepValue(k - 1, y) >= hopeless) {
        --k;
    }
    return k;
}

} // namespace

float nearest_integer(float x) {
    if (x > 0.0f) {
        return static_cast<float>(std::trunc(static_cast<double>(x) + 0.5));
    }
    if (x < 0.0f) {
        return static_cast<float>(std::trunc(static_cast<double>(x) - 0.5));
    }
    return x == 0.0f ? 0.0f : x;
}

bool split_ratio(float x, RatioParts& parts) {
    if (x == 0.0f || !std::isfinite(x)) {
        return false;
    }
    const double magnitude = std::fabs(static_cast<double>(x));
    const double whole = std::floor(magnitude);
    if (whole > static_cast<double>(kMax32)) {
        return false;
    }
    parts.whole = static_cast<std::int32_t>(whole);
    parts.fraction = static_cast<float>(magnitude - whole);
    parts.sign = x > 0.0f ? 1 : -1;
    return true;
}

bool are_coprime(std::int32_t p, std::int32_t q) {
    // Both are at least 2 past this test, so "no common divisor up to min(p, q)"
    // is the same as a greatest common divisor of 1, found without min(p, q) divisions.
    if (std::min(p, q) <= 1) {
        return true;
    }
    return std::gcd(p, q) == 1;
}

float centsOf(float x) {
    return static_cast<float>(std::log(static_cast<double>(x)) * 1200.0 / kLn2);
}

SearchEnd search_fractions(float x, float stopTolerance, float filterTolerance, RowSink& sink) {
    if (!std::isfinite(x)) {
        return SearchEnd::Exhausted;
    }
    if (x == 0.0f) {
        sink.take(FractionRow{0, 1, 0.0f, 0.0f, 0.0f});
        return SearchEnd::Found;
    }
    if (x == 1.0f) {
        sink.take(FractionRow{1, 1, 1.0f, 0.0f, 0.0f});
        return SearchEnd::Found;
    }

    if (offWhole(x) < static_cast<double>(stopTolerance)) {
        const float whole = nearest_integer(x);
        if (!(whole >= static_cast<float>(kMin32) && whole < 2147483648.0f)) {
            return SearchEnd::Exhausted;
        }
        sink.take(measure(x, static_cast<std::int32_t>(whole), 1).row);
        return SearchEnd::Found;
    }

    RatioParts parts;
    if (!split_ratio(x, parts) || !(filterTolerance > 0.0f)) {
        return SearchEnd::Exhausted; // no closeness quotient is below a filter tolerance of 0
    }
    const double f = parts.fraction;
    const float y = static_cast<float>(-(f / (f - 1.0)));

    for (std::int64_t k = firstCounter(y, filterTolerance); k <= kMax32; ++k) {
        const float z = stepValue(k, y);
        if (!(offWhole(z) < static_cast<double>(filterTolerance))) {
            continue;
        }
        const float nearest = nearest_integer(z);
        if (!(nearest < 2147483648.0f)) {
            return SearchEnd::Exhausted;
        }
        const auto m = static_cast<std::int64_t>(nearest);
        const std::int64_t n = k + m;
        if (!fits32(n)) {
            return SearchEnd::Exhausted;
        }
        const std::int64_t whole = n * parts.whole + m;
        if (!fits32(whole)) {
            return SearchEnd::Exhausted;
        }
        const std::int64_t p = whole * parts.sign;

        const Candidate c = measure(x, static_cast<std::int32_t>(p), static_cast<std::int32_t>(n));
        if (!(c.error < filterTolerance)) {
            continue;
        }
        if (are_coprime(c.row.numerator, c.row.denominator)) {
            sink.take(c.row);
        }
        if (c.error < stopTolerance) {
            return SearchEnd::Found;
        }
    }
    return SearchEnd::Exhausted;
}

} // namespace tolvane
