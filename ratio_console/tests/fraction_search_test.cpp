#include "fraction_search.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <numeric>
#include <vector>

namespace tolvane {
namespace {

// A ratio as the dialogue forms it from two frequencies.
float ratioOf(float frequency, float base) {
    return static_cast<float>(static_cast<double>(frequency) / static_cast<double>(base));
}

struct Result {
    std::vector<FractionRow> rows;
    SearchEnd end = SearchEnd::Exhausted;
};

Result search(float x) {
    Result result;
    result.end = search_fractions(x, kStopTolerance, kFilterTolerance,
                                  [&](const FractionRow& row) { result.rows.push_back(row); });
    return result;
}

struct Fraction {
    std::int32_t p;
    std::int32_t q;
};

std::vector<Fraction> fractionsOf(const Result& result) {
    std::vector<Fraction> fractions;
    for (const FractionRow& row : result.rows) {
        fractions.push_back({row.numerator, row.denominator});
    }
    return fractions;
}

bool operator==(const Fraction& a, const Fraction& b) {
    return a.p == b.p && a.q == b.q;
}

void PrintTo(const Fraction& f, std::ostream* os) {
    *os << f.p << "/" << f.q;
}

TEST(SearchFractions, DeliversTheRowsOfEachRatioInWalkOrder) {
    struct Case {
        const char* name;
        float ratio;
        std::vector<Fraction> rows;
    };
    const Case cases[] = {
        {"660/440 = 1.5", ratioOf(660.0f, 440.0f), {{3, 2}}},
        {"880/440 = 2, whole number", ratioOf(880.0f, 440.0f), {{2, 1}}},
        {"466.16/440", ratioOf(466.16f, 440.0f), {{17, 16}, {18, 17}}},
        {"1000/440", ratioOf(1000.0f, 440.0f), {{16, 7}, {25, 11}}},
        {"523.25/440",
         ratioOf(523.25f, 440.0f),
         {{6, 5},
          {13, 11},
          {19, 16},
          {20, 17},
          {25, 21},
          {27, 23},
          {31, 26},
          {32, 27},
          {33, 28},
          {37, 31},
          {43, 36},
          {44, 37}}},
        {"445/440", ratioOf(445.0f, 440.0f), {{82, 81}}},
        {"220/440 = 0.5", ratioOf(220.0f, 440.0f), {{1, 2}}},
        {"0.75, whole part 0", 0.75f, {{3, 4}}},
        {"0.1, walks to K = 9", 0.1f, {{1, 10}}},
        {"2.001, within 0.1 % of 2", 2.001f, {{2, 1}}},
        {"3000.3, within 0.1 % of 3000", 3000.3f, {{3000, 1}}},
        {"0", 0.0f, {{0, 1}}},
        {"1", 1.0f, {{1, 1}}},
        {"0.001, 909 steps", 0.001f, {{1, 910}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Result result = search(c.ratio);
        EXPECT_EQ(result.end, SearchEnd::Found);
        EXPECT_EQ(fractionsOf(result), c.rows);
    }
}

TEST(SearchFractions, ExactFractionsHaveNoError) {
    for (const float ratio : {1.5f, 0.75f, 0.0f, 1.0f, 2.0f}) {
        SCOPED_TRACE(ratio);
        const Result result = search(ratio);
        ASSERT_EQ(result.rows.size(), 1u);
        EXPECT_EQ(result.rows[0].value, ratio);
        EXPECT_EQ(result.rows[0].centError, 0.0f);
        EXPECT_EQ(result.rows[0].relativeError, 0.0f);
    }
}

TEST(SearchFractions, ErrorsAreMeasuredAgainstTheFraction) {
    // 2.001 -> 2/1: E = |2.001f - 2|, relative to the fraction's value 2.
    const Result result = search(2.001f);
    ASSERT_EQ(result.rows.size(), 1u);
    const float error = static_cast<float>(2.001f - 2.0);
    EXPECT_EQ(result.rows[0].relativeError, static_cast<float>(error / 2.0));
    EXPECT_EQ(result.rows[0].centError,
              static_cast<float>(std::fabs(static_cast<double>(centsOf(2.001f)) - 1200.0)));
}

TEST(SearchFractions, NegativeRatioEndsAtItsNearestWholeNumber) {
    const Result result = search(-1.5f);
    ASSERT_EQ(fractionsOf(result), (std::vector<Fraction>{{-2, 1}}));
    EXPECT_EQ(result.rows[0].value, -2.0f);
    EXPECT_EQ(result.rows[0].relativeError, -0.25f);
    EXPECT_TRUE(std::isnan(result.rows[0].centError));
}

TEST(SearchFractions, StopsBeforeA32BitQuantityWouldOverflow) {
    struct Case {
        const char* name;
        float ratio;
    };
    const Case cases[] = {
        {"counter past 2^31", 1e-10f},
        {"subnormal ratio", 1e-40f},
        {"whole number past 2^31", 3e9f},
        {"largest float", std::numeric_limits<float>::max()},
        {"infinity", std::numeric_limits<float>::infinity()},
        {"NaN", std::numeric_limits<float>::quiet_NaN()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Result result = search(c.ratio);
        EXPECT_EQ(result.end, SearchEnd::Exhausted);
        EXPECT_TRUE(result.rows.empty());
    }
}

TEST(SearchFractions, SmallestRatiosStillFindTheirFraction) {
    // About 1.8e9 steps: the denominator K + 1 still fits 32 bits.
    const Result result = search(5e-10f);
    EXPECT_EQ(result.end, SearchEnd::Found);
    ASSERT_EQ(result.rows.size(), 1u);
    EXPECT_EQ(result.rows[0].numerator, 1);
    EXPECT_GT(result.rows[0].denominator, 1800000000);
}

// The walk exactly as written, one counter at a time from K = 1, to check that
// passing over hopeless counters changes no row.
std::vector<FractionRow> plainWalk(float x) {
    std::vector<FractionRow> rows;
    const double magnitude = std::fabs(static_cast<double>(x));
    const auto whole = static_cast<std::int64_t>(std::floor(magnitude));
    const double f = static_cast<float>(magnitude - std::floor(magnitude));
    const auto y = static_cast<float>(-(f / (f - 1.0)));
    for (std::int64_t k = 1; k < 100000000; ++k) {
        const auto z = static_cast<float>(static_cast<double>(k) * y);
        const float nz = nearest_integer(z);
        if (!(std::fabs(static_cast<double>(nz) - z) / z < static_cast<double>(kFilterTolerance))) {
            continue;
        }
        const auto m = static_cast<std::int64_t>(nz);
        const std::int64_t n = k + m;
        const auto p = static_cast<std::int32_t>(n * whole + m);
        const auto q = static_cast<std::int32_t>(n);
        FractionRow row{p, q, static_cast<float>(static_cast<double>(p) / q), 0.0f, 0.0f};
        const auto e = static_cast<float>(std::fabs(static_cast<double>(x) - row.value));
        row.relativeError = static_cast<float>(static_cast<double>(e) / row.value);
        row.centError = static_cast<float>(
            std::fabs(static_cast<double>(centsOf(x)) - static_cast<double>(centsOf(row.value))));
        if (!(e < kFilterTolerance)) {
            continue;
        }
        if (std::gcd(p, q) == 1) {
            rows.push_back(row);
        }
        if (e < kStopTolerance) {
            break;
        }
    }
    return rows;
}

bool sameBits(float a, float b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(SearchFractions, MatchesTheStepByStepWalk) {
    std::vector<float> ratios;
    for (int i = 0; i <= 3000; ++i) {
        ratios.push_back(static_cast<float>(0.125 * std::pow(512.0, i / 3000.0)));
    }
    for (const float small : {1e-5f, 3.3e-5f, 0.000123f, 0.001f, 0.0011f, 0.0123f, 0.0999f}) {
        ratios.push_back(small);
    }
    int walked = 0;
    for (const float x : ratios) {
        if (std::fabs(static_cast<double>(nearest_integer(x)) - x) / x < kStopTolerance) {
            continue; // ends before the walk
        }
        ++walked;
        SCOPED_TRACE(x);
        const Result result = search(x);
        const std::vector<FractionRow> expected = plainWalk(x);
        EXPECT_EQ(result.end, SearchEnd::Found);
        ASSERT_EQ(result.rows.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(result.rows[i].numerator, expected[i].numerator);
            EXPECT_EQ(result.rows[i].denominator, expected[i].denominator);
            EXPECT_TRUE(sameBits(result.rows[i].value, expected[i].value));
            EXPECT_TRUE(sameBits(result.rows[i].centError, expected[i].centError));
            EXPECT_TRUE(sameBits(result.rows[i].relativeError, expected[i].relativeError));
        }
    }
    EXPECT_GT(walked, 2000); // the sweep really exercises the walk
}

TEST(NearestInteger, HalvesGoAwayFromZero) {
    struct Case {
        const char* name;
        float x;
        float expected;
    };
    const Case cases[] = {
        {"2.5", 2.5f, 3.0f},
        {"-2.5", -2.5f, -3.0f},
        {"0.5", 0.5f, 1.0f},
        {"just below 2.5", 2.4999998f, 2.0f},
        {"just below 0.5, sum taken in double", 0.49999997f, 0.0f},
        {"just above -0.5", -0.49999997f, 0.0f},
        {"odd number above 2^23", 8388609.0f, 8388609.0f},
        {"zero", 0.0f, 0.0f},
        {"large", 1e30f, 1e30f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(nearest_integer(c.x), c.expected);
    }
}

TEST(SplitRatio, GivesWholePartFractionAndSign) {
    struct Case {
        const char* name;
        float x;
        bool split;
        RatioParts expected;
    };
    const Case cases[] = {
        {"positive", 2.25f, true, {2, 0.25f, 1}},
        {"negative", -2.25f, true, {2, 0.25f, -1}},
        {"below 1", 0.75f, true, {0, 0.75f, 1}},
        {"zero sets nothing", 0.0f, false, {7, 0.5f, 1}},
        {"whole part past 32 bits", 3e9f, false, {7, 0.5f, 1}},
        {"infinity", std::numeric_limits<float>::infinity(), false, {7, 0.5f, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RatioParts parts{7, 0.5f, 1};
        EXPECT_EQ(split_ratio(c.x, parts), c.split);
        EXPECT_EQ(parts.whole, c.expected.whole);
        EXPECT_EQ(parts.fraction, c.expected.fraction);
        EXPECT_EQ(parts.sign, c.expected.sign);
    }
}

TEST(AreCoprime, NoCommonDivisorFromTwoToTheSmaller) {
    struct Case {
        const char* name;
        std::int32_t p;
        std::int32_t q;
        bool expected;
    };
    const Case cases[] = {
        {"3/2", 3, 2, true},
        {"4/2", 4, 2, false},
        {"equal primes", 7, 7, false},
        {"common factor 13", 91, 26, false},
        {"no common factor", 6, 35, true},
        {"smaller is 1", 1, 1, true},
        {"zero", 0, 6, true},
        {"negative", -4, 2, true},
        {"large neighbours", 2147483647, 2147483646, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(are_coprime(c.p, c.q), c.expected);
    }
}

} // namespace
} // namespace tolvane
