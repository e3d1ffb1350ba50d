#pragma once
// The fraction search of the console tool: keeps the whole part of a ratio and
// walks through its fractional part with one counter, trying one numerator per
// step. All reals are single precision; expressions between two of them are
// evaluated in double and rounded to single where a value is stored.

#include <concepts>
#include <cstdint>

namespace tolvane {

/** One table row: the fraction, its value and its errors against the ratio. */
struct FractionRow {
    std::int32_t numerator = 0;
    std::int32_t denominator = 1;
    float value = 0.0f;
    float centError = 0.0f;
    float relativeError = 0.0f;
};

/** How a search ended. */
enum class SearchEnd {
    /** The last delivered row is within the stop tolerance (or an exact case). */
    Found,
    /**
     * Nothing within the stop tolerance before a 32-bit quantity would overflow,
     * or the ratio is not finite. Earlier rows may have been delivered.
     */
    Exhausted,
};

/** Receives the rows of a search, in order, as they are found. */
class RowSink {
public:
    virtual void take(const FractionRow& row) = 0;

protected:
    ~RowSink() = default;
};

/** The stop and filter tolerances the console dialogue uses. */
inline constexpr float kStopTolerance = 0.001f;
inline constexpr float kFilterTolerance = 0.1f;

/**
 * x + 0.5 truncated toward zero for x > 0, x - 0.5 for x < 0, 0 for 0: halves
 * go away from zero (2.5 -> 3, -2.5 -> -3). The sum is taken in double, so
 * 0.49999997f gives 0 and 8388609.0f stays 8388609.
 */
float nearest_integer(float x);

/** The whole part, fractional part and sign of a ratio. */
struct RatioParts {
    std::int32_t whole = 0;
    float fraction = 0.0f;
    std::int32_t sign = 1;
};

/**
 * Splits x into floor(|x|), |x| - floor(|x|) and its sign (-2.25 -> 2, 0.25, -1).
 * Leaves `parts` untouched and returns false when x is 0, not finite, or its
 * whole part does not fit 32 bits.
 */
bool split_ratio(float x, RatioParts& parts);

/**
 * True when no d from 2 up to min(p, q) divides both p and q; true at once when
 * min(p, q) is 1 or less, so are_coprime(-4, 2) and are_coprime(0, 6) hold.
 */
bool are_coprime(std::int32_t p, std::int32_t q);

/** ln(x) x 1200 / ln 2 in double, rounded to single: the cents of a ratio. */
float centsOf(float x);

/**
 * Delivers to `sink`, in order of the walk counter, every fraction in lowest
 * terms whose error is below the filter tolerance, and stops at the first one
 * below the stop tolerance. 0, 1 and ratios within the stop tolerance (relative)
 * of a whole number give one row: 0/1, 1/1, 3000.3 -> 3000/1. A negative ratio
 * always gives its nearest whole number, with a NaN cent error.
 * Example: 523.25f / 440.0f -> 6/5, 13/11, ... 43/36, 44/37.
 * A stop tolerance of 0 or less never stops the walk before the 32-bit bound.
 */
SearchEnd search_fractions(float x, float stopTolerance, float filterTolerance, RowSink& sink);

/** As above, with any callable taking a const FractionRow&. */
template <std::invocable<const FractionRow&> Take>
SearchEnd search_fractions(float x, float stopTolerance, float filterTolerance, Take&& take) {
    struct Adapter final : RowSink {
        explicit Adapter(Take& t)
            : m_take(t) {}
        void take(const FractionRow& row) override { m_take(row); }
        Take& m_take;
    };
    Adapter adapter(take);
    return search_fractions(x, stopTolerance, filterTolerance, static_cast<RowSink&>(adapter));
}

} // namespace tolvane
