#include "fraction_input.h"
#include "fraction_search.h"
#include "literal_walk.h"
#include "pitch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>

namespace bexaro {
namespace {

using testing::literalWalk;

const float centadim = centStep();
constexpr std::size_t page = pageRows;
const float bazfrekans = baseFrequency(centadim);

struct Fraction {
    double pay;
    double payda;
    int centhata;
};

std::string describe(const sonuc& s) {
    return std::to_string(s.pay) + "/" + std::to_string(s.payda) + " " + std::to_string(s.deger) +
           " " + std::to_string(s.centhata) + " " + std::to_string(s.bagilhata);
}

std::vector<sonuc> rowsOf(const Sonuclar& list) {
    std::vector<sonuc> rows;
    for (std::size_t i = 0; i < list.size(); ++i)
        rows.push_back(list.at(i));
    return rows;
}

void expectSameRows(const std::vector<sonuc>& fast, const std::vector<sonuc>& walk) {
    ASSERT_EQ(fast.size(), walk.size());
    for (std::size_t i = 0; i < fast.size(); ++i) {
        const sonuc &a = fast[i], &b = walk[i];
        ASSERT_TRUE(a.pay == b.pay && a.payda == b.payda && a.deger == b.deger &&
                    a.centhata == b.centhata && a.bagilhata == b.bagilhata)
            << "row " << i + 1 << ": " << describe(a) << " vs " << describe(b);
    }
}

// The fraction finder: bound 10000, no tightening, cent error from the ratio.
std::vector<sonuc> findFraction(float ratio, float tolerance) {
    Sonuclar rows;
    kesirara(rows, ratio, tolerance, 10000, false, fractionCentError(ratio, centadim));
    return rowsOf(rows);
}

struct Pitches {
    float midicent0, midicent1, herz0, herz1, sesoran;
};

Pitches pitches(float midicent0, float midicent1) {
    const float h0 = frequencyOf(midicent0, centadim, bazfrekans);
    const float h1 = frequencyOf(midicent1, centadim, bazfrekans);
    return {midicent0, midicent1, h0, h1, frequencyRatio(h0, h1)};
}

// The ratio finder: bound 1000, tightening, cent error measured on the pitches.
std::vector<sonuc> findRatio(const Pitches& p, float tolerance) {
    Sonuclar rows;
    kesirara(rows, p.sesoran, tolerance, 1000, true,
             pitchCentError(p.herz1, p.midicent0, bazfrekans, centadim));
    return rowsOf(rows);
}

TEST(FractionFinder, Examples) {
    struct Case {
        const char* name;
        float ratio;
        float tolerance;
        std::vector<Fraction> rows;
    };
    const Case cases[] = {
        {"3/2", 3.0f / 2, 0.001f, {{3, 2, 0}}},
        {"3/2 at 0.02: 1 + 0/H lies 33 % away", 3.0f / 2, 0.02f, {{3, 2, 0}}},
        {"7/4", 7.0f / 4, 0.001f, {{7, 4, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto rows = findFraction(c.ratio, c.tolerance);
        ASSERT_EQ(rows.size(), c.rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i].pay, c.rows[i].pay);
            EXPECT_EQ(rows[i].payda, c.rows[i].payda);
            EXPECT_EQ(rows[i].centhata, c.rows[i].centhata);
        }
        EXPECT_EQ(rows[0].deger, c.ratio);
        EXPECT_EQ(rows[0].bagilhata, 0.0f);
    }
}

TEST(FractionFinder, RootOfTwoListsUnreducedRepeats) {
    const auto rows = findFraction(static_cast<float>(1.41421 / 1.0), 0.001f);
    ASSERT_EQ(rows.size(), 41u);
    EXPECT_EQ(rows.front().pay, 41);
    EXPECT_EQ(rows.front().payda, 29);
    EXPECT_EQ(rows.back().pay, 239);
    EXPECT_EQ(rows.back().payda, 169);
    bool repeat = false;
    for (const sonuc& s : rows)
        repeat = repeat || (s.pay == 82 && s.payda == 58);
    EXPECT_TRUE(repeat);
    for (const sonuc& s : rows)
        EXPECT_LT(s.bagilhata, 0.001f);
}

TEST(FractionFinder, WalkStopsWhereTheValueMatchesToFourDecimals) {
    struct Case {
        const char* name;
        float ratio;
        int F, H;
        long long visited;
    };
    const Case cases[] = {
        {"3/2 after all of F = 0", 1.5f, 1, 2, 10000 + 1},
        {"7/4", 1.75f, 3, 4, 10000 + 9999 + 9998 + 1},
        {"1.41421", static_cast<float>(1.41421), 70, 169, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<sonuc> rows;
        const auto end =
            literalWalk(rows, c.ratio, 0.001f, 10000, false, fractionCentError(c.ratio, centadim));
        ASSERT_TRUE(end.stoppedAt.has_value());
        EXPECT_EQ(end.stoppedAt->first, c.F);
        EXPECT_EQ(end.stoppedAt->second, c.H);
        if (c.visited > 0) {
            EXPECT_EQ(end.visited, c.visited);
        }
    }
}

TEST(RatioFinder, Examples) {
    struct Case {
        const char* name;
        float midicent0, midicent1, tolerance;
        std::vector<Fraction> rows;
    };
    const Case cases[] = {
        {"6000 and 6400",
         6000,
         6400,
         0.001f,
         {{29, 23, 1}, {34, 27, 1}, {63, 50, 0}, {223, 177, 0}, {286, 227, 0}, {349, 277, 0}}},
        {"6000 and 7200: 2/1 at F = 0, H = 1", 6000, 7200, 0.001f, {{2, 1, 0}}},
        {"6000 and 6400 at 0.01",
         6000,
         6400,
         0.01f,
         {{5, 4, 14},
          {19, 15, 9},
          {24, 19, 4},
          {29, 23, 1},
          {34, 27, 1},
          {63, 50, 0},
          {223, 177, 0},
          {286, 227, 0},
          {349, 277, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto rows = findRatio(pitches(c.midicent0, c.midicent1), c.tolerance);
        ASSERT_EQ(rows.size(), c.rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            SCOPED_TRACE(i + 1);
            EXPECT_EQ(rows[i].pay, c.rows[i].pay);
            EXPECT_EQ(rows[i].payda, c.rows[i].payda);
            EXPECT_EQ(rows[i].centhata, c.rows[i].centhata);
        }
    }
}

TEST(RatioFinder, FifthListsTheChainOfBetterApproximations) {
    const Pitches fifth = pitches(6000, 6700);
    EXPECT_EQ(fifth.sesoran, 1.4983258f);
    struct Case {
        const char* name;
        Pitches p;
        bool upward;
    };
    const Case cases[] = {{"6000 and 6700", fifth, true},
                          {"6700 and 6000", pitches(6700, 6000), false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto rows = findRatio(c.p, 0.001f);
        ASSERT_EQ(rows.size(), 71u);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const double big = 238 + 3.0 * i, small = 159 + 2.0 * i;
            EXPECT_EQ(rows[i].pay, c.upward ? big : small) << i;
            EXPECT_EQ(rows[i].payda, c.upward ? small : big) << i;
            if (i > 0) {
                EXPECT_LT(rows[i].bagilhata, rows[i - 1].bagilhata);
            }
        }
        if (c.upward) {
            // 2 for the first five rows, then 1, then 0 from 358/239 (row 41) on.
            for (std::size_t i = 0; i < rows.size(); ++i)
                EXPECT_EQ(rows[i].centhata, i < 5 ? 2 : i < 40 ? 1 : 0) << i;
        }
    }
}

TEST(FractionSearch, RefusesWhatWouldNeverEnd) {
    Sonuclar rows;
    const auto rule = [](float) -> std::int16_t { return 0; };
    EXPECT_THROW(kesirara(rows, -1.5f, 0.001f, 10000, false, rule), std::invalid_argument);
    EXPECT_THROW(kesirara(rows, 0.0f, 0.001f, 10000, false, rule), std::invalid_argument);
    EXPECT_THROW(kesirara(rows, INFINITY, 0.001f, 10000, false, rule), std::invalid_argument);
    EXPECT_THROW(kesirara(rows, 1.5f, 0.001f, 40000, false, rule), std::invalid_argument);
}

// The fast search against the literal walk, row for row and bit for bit.
struct DifferentialCase {
    float ratio;
    float tolerance;
    int bound;
    bool tightening;
};

void compareWithWalk(const DifferentialCase& c) {
    const CentErrorRule rule = fractionCentError(c.ratio, centadim);
    Sonuclar fast;
    std::vector<sonuc> walk;
    const std::size_t count = kesirara(fast, c.ratio, c.tolerance, c.bound, c.tightening, rule);
    literalWalk(walk, c.ratio, c.tolerance, c.bound, c.tightening, rule);
    EXPECT_EQ(count, fast.size());
    expectSameRows(rowsOf(fast), walk);
}

TEST(FractionSearchDifferential, ChosenCases) {
    struct Case {
        const char* name;
        DifferentialCase c;
    };
    const Case cases[] = {
        {"worst case, no tightening", {0.9999f, 0.01f, 10000, false}},
        {"worst case, tightening", {0.9999f, 0.01f, 1000, true}},
        {"the fifth with the pitch bound", {1.4983258f, 0.001f, 1000, true}},
        {"1.41421", {1.41421f, 0.001f, 10000, false}},
        {"just above a whole number", {std::nextafter(2.0f, 3.0f), 0.01f, 10000, false}},
        {"just below a whole number", {std::nextafter(3.0f, 0.0f), 0.01f, 10000, false}},
        {"just below one, tightening", {std::nextafter(1.0f, 0.0f), 0.01f, 1000, true}},
        {"smallest tolerance", {1.2345678f, 1e-45f, 10000, false}},
        {"large whole part", {1234.5678f, 0.01f, 1000, false}},
        {"larger than single arithmetic holds", {98765.43f, 0.0001f, 1000, false}},
        {"tiny ratio", {1e-7f, 0.01f, 10000, false}},
        {"small ratio", {0.0123f, 0.01f, 10000, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        compareWithWalk(c.c);
    }
}

TEST(FractionSearchDifferential, RandomFractionsAndTolerances) {
    std::mt19937 rng(20261211);
    std::uniform_int_distribution<int> part(1, 10000);
    std::uniform_int_distribution<int> kind(0, 6);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    for (int i = 0; i < 3000; ++i) {
        DifferentialCase c{};
        switch (kind(rng)) {
        case 0: // a typed fraction
            c.ratio = static_cast<float>(double(part(rng)) / part(rng));
            break;
        case 1: // a few ulps around a whole number
            c.ratio = static_cast<float>(1 + part(rng) % 8);
            for (int k = part(rng) % 7 - 3; k != 0; k += k > 0 ? -1 : 1)
                c.ratio = std::nextafter(c.ratio, k > 0 ? 100.0f : 0.0f);
            break;
        case 2: // a pitch ratio within a few octaves
            c.ratio = static_cast<float>(std::pow(2.0, (part(rng) % 5000 - 2500) / 1200.0));
            break;
        case 3: // large, up to where W * H no longer fits the single arithmetic
            c.ratio = static_cast<float>(std::pow(10.0, 1 + 7 * unit(rng)));
            break;
        default: // any real from 0.01 to 20
            c.ratio = 0.01f + 20.0f * unit(rng);
            break;
        }
        // Tolerances on a log scale: below 5e-5 the stop test reaches farther than the
        // tolerance, and a missed stop shows as extra rows.
        const int toleranceKind = part(rng) % 4;
        c.tolerance = toleranceKind == 0   ? 0.01f
                      : toleranceKind == 1 ? 1e-45f
                                           : static_cast<float>(std::pow(10.0, -8 + 6 * unit(rng)));
        c.tightening = part(rng) % 2 == 0;
        // The literal walk is slow at the full bound: a few cases take it.
        c.bound = i % 100 == 0 ? 10000 : 1000;
        SCOPED_TRACE(std::to_string(i) + ": ratio " + std::to_string(c.ratio) + " tolerance " +
                     std::to_string(c.tolerance) + " bound " + std::to_string(c.bound) +
                     (c.tightening ? " tightening" : ""));
        compareWithWalk(c);
        if (HasFailure())
            return;
    }
}

// The largest list the fraction finder can give: every candidate is a row. The
// rows are counted and any page is rebuilt, bit for bit as the walk finds it.
TEST(FractionSearchDifferential, FiftyMillionRowsAtRandomPages) {
    const float ratio = 9999999.0f / 100000.0f;
    const CentErrorRule rule = fractionCentError(ratio, centadim);
    Sonuclar fast;
    ASSERT_EQ(kesirara(fast, ratio, 0.01f, 10000, false, rule), 50'005'000u);
    EXPECT_LE(fast.runCount(), 3u * 10000) << "a few runs a numerator";

    std::mt19937_64 rng(20261211);
    std::vector<std::size_t> pages = {0, fast.size() - page};
    for (int i = 0; i < 40; ++i)
        pages.push_back(rng() % (fast.size() - page));
    std::sort(pages.begin(), pages.end());
    std::vector<std::pair<std::size_t, sonuc>> expected;
    std::size_t index = 0;
    auto next = pages.begin();
    literalWalk(
        [&](const sonuc& row) {
            while (next != pages.end() && *next + page <= index)
                ++next;
            if (next != pages.end() && index >= *next)
                expected.emplace_back(index, row);
            ++index;
        },
        ratio, 0.01f, 10000, false, rule);
    ASSERT_EQ(index, fast.size());
    for (const auto& [i, row] : expected) {
        const sonuc got = fast.at(i);
        ASSERT_TRUE(got.pay == row.pay && got.payda == row.payda && got.deger == row.deger &&
                    got.centhata == row.centhata && got.bagilhata == row.bagilhata)
            << "row " << i + 1 << ": " << describe(got) << " vs " << describe(row);
    }
    EXPECT_THROW(fast.at(fast.size()), std::out_of_range);
}

} // namespace
} // namespace bexaro
