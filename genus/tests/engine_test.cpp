#include "columns.h"
#include "genus_engine.h"
#include "list_line.h"
#include "separator.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace genus {
namespace {

GenusInput inputFrom(const std::vector<Column>& columns, const char* span = "22",
                     const char* limit = "5") {
    GenusInput input;
    for (const Column& c : columns) {
        input.values.push_back(c.value);
        input.symbols.push_back(c.symbol);
        input.included.push_back(true);
    }
    input.lastIndex = static_cast<int>(columns.size()) - 1;
    input.span = span;
    input.limit = limit;
    return input;
}

GenusInput settingsInput(const char* step, const char* span = "22") {
    return inputFrom(buildColumns("4", "13", step, SymbolSystem::ArelEzgi), span);
}

// Columns of the given value texts, all included.
GenusInput valuesInput(std::vector<std::string> values, const char* span = "22") {
    std::vector<Column> columns;
    for (auto& v : values)
        columns.push_back({v, "X "});
    return inputFrom(columns, span);
}

std::vector<std::string> linesOf(const GenusList& list) {
    std::vector<std::string> lines;
    for (std::size_t row = 0; row < list.size(); ++row)
        lines.push_back(list.line(row));
    return lines;
}

constexpr std::array<bool, 3> trichords{true, false, false};
constexpr std::array<bool, 3> tetrachords{false, true, false};
constexpr std::array<bool, 3> pentachords{false, false, true};

TEST(GenusEngine, InitialSettingsListTheFiftySevenTetrachords) {
    GenusEngine engine(settingsInput("1.00"));
    ASSERT_TRUE(engine.compute(tetrachords));
    const auto lines = linesOf(engine.list());
    ASSERT_EQ(lines.size(), 57u);
    EXPECT_EQ(engine.genusCount(), 57);
    const std::vector<std::string> firstEight = {
        "  1)  4 +  6 + 12\tB S A ", "  2)  4 +  7 + 11\tB K A ", "  3)  4 +  8 + 10\tB K T ",
        "  4)  4 +  9 +  9\tB T T ", "  5)  4 + 10 +  8\tB T K ", "  6)  4 + 11 +  7\tB A K ",
        "  7)  4 + 12 +  6\tB A S ", "  8)  4 + 13 +  5\tB A+S "};
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 8), firstEight);

    // The whole list, reviewed once by eye.
    std::ifstream golden(KOMA_TEST_DATA_DIR "/initial_tetrachords.txt", std::ios::binary);
    ASSERT_TRUE(golden.good());
    std::string line;
    std::vector<std::string> expected;
    while (std::getline(golden, line))
        expected.push_back(line);
    EXPECT_EQ(lines, expected);
}

TEST(GenusEngine, CountsPerStepAndSize) {
    struct Case {
        const char* name;
        const char* step;
        std::size_t columns;
        std::size_t tri, tetra, penta;
    };
    const Case cases[] = {
        {"whole komas", "1.00", 10, 5, 57, 28},
        {"quarter komas", "0.25", 37, 85, 4001, 8595},
        {"half komas", "0.50", 19, 27, 633, 708},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const GenusInput input = settingsInput(c.step);
        EXPECT_EQ(input.values.size(), c.columns);
        GenusEngine engine(input);
        ASSERT_TRUE(engine.compute(trichords));
        EXPECT_EQ(engine.genusCount(), static_cast<std::int64_t>(c.tri));
        ASSERT_TRUE(engine.compute(tetrachords));
        EXPECT_EQ(engine.genusCount(), static_cast<std::int64_t>(c.tetra));
        ASSERT_TRUE(engine.compute(pentachords));
        EXPECT_EQ(engine.genusCount(), static_cast<std::int64_t>(c.penta));
        ASSERT_TRUE(engine.compute({true, true, true}));
        EXPECT_EQ(engine.genusCount(), static_cast<std::int64_t>(c.tri + c.tetra + c.penta));
    }
}

// What the literal enumeration lists: DahilMi for every ordered sequence of included
// columns, the first interval outermost.
std::vector<std::string> literalLines(const GenusInput& input, const std::array<bool, 3>& sizes) {
    GenusEngine plain(input);
    std::vector<std::int16_t> inc;
    for (int i = 0; i <= input.lastIndex; ++i)
        if (input.included[static_cast<std::size_t>(i)])
            inc.push_back(static_cast<std::int16_t>(i));
    if (sizes[0])
        for (std::int16_t i : inc)
            for (std::int16_t j : inc)
                plain.DahilMi(2, i, j, 0, 0);
    if (sizes[1])
        for (std::int16_t i : inc)
            for (std::int16_t j : inc)
                for (std::int16_t k : inc)
                    plain.DahilMi(3, i, j, k, 0);
    if (sizes[2])
        for (std::int16_t i : inc)
            for (std::int16_t j : inc)
                for (std::int16_t k : inc)
                    for (std::int16_t m : inc)
                        plain.DahilMi(4, i, j, k, m);
    return linesOf(plain.list());
}

GenusInput rangeInput(const char* min, const char* max, const char* step, const char* span = "22",
                      const char* limit = "5") {
    return inputFrom(buildColumns(min, max, step, SymbolSystem::ArelEzgi), span, limit);
}

// The fast enumeration skips what cannot reach the span; it must still list exactly
// what DahilMi lists for every sequence, in the same order.
TEST(GenusEngine, EnumerationAgreesWithDahilMiForEverySequence) {
    constexpr std::array<bool, 3> all{true, true, true};
    GenusInput halfWithoutOne = settingsInput("0.50");
    halfWithoutOne.included[3] = false;
    halfWithoutOne.limit = "6";
    GenusInput wideWithGaps = rangeInput("1", "60", "1.00");
    for (std::size_t i = 0; i < wideWithGaps.included.size(); i += 3)
        wideWithGaps.included[i] = false; // the smallest included size is 2, not 1
    GenusInput unsorted =
        valuesInput({"40", "-0.5", "11.5", "0", "22", "-22", "10.5", "0.5", "-30"});
    unsorted.limit = "-1";

    struct Case {
        const char* name;
        GenusInput input;
        std::array<bool, 3> sizes;
    };
    const Case cases[] = {
        {"half komas, one left out, limit 6", halfWithoutOne, all},
        {"quarter komas 4 to 13", settingsInput("0.25"), all},
        {"quarter komas 1 to 250", rangeInput("1", "250", "0.25"), trichords},
        {"whole komas 1 to 250", rangeInput("1", "250", "1.00"), {true, true, false}},
        {"quarter komas 1.75 to 20.75, sizes up to the span", rangeInput("1.75", "20.75", "0.25"),
         all},
        {"quarter komas 1.25 to 10.75, fractional extremes", rangeInput("1.25", "10.75", "0.25"),
         all},
        {"whole komas 1 to 60, every third left out", wideWithGaps, all},
        {"negative, zero and positive halves", rangeInput("-5.5", "8.5", "0.50", "3", "0"), all},
        {"only negative quarters", rangeInput("-12", "-1", "0.25", "-22", "-3"), all},
        {"unsorted sizes far on both sides of the span", unsorted, all},
        {"infinite sizes", valuesInput({"5", "1e999", "17", "-1e999", "1e308"}), all},
        {"infinite sizes and span", valuesInput({"5", "1e999", "17", "-1e999"}, "1e999"), all},
        {"sums that overflow to an infinite span",
         valuesInput({"1.7e308", "5", "-1.7e308", "1e308"}, "1e999"), all},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GenusEngine fast(c.input);
        ASSERT_TRUE(fast.compute(c.sizes));
        const auto expected = literalLines(c.input, c.sizes);
        EXPECT_FALSE(expected.empty());
        EXPECT_EQ(linesOf(fast.list()), expected);
    }
}

TEST(GenusEngine, RunningSumRoundsHalvesToEven) {
    struct Case {
        const char* name;
        std::vector<std::string> values;
        const char* span;
        bool listed;
    };
    const Case cases[] = {
        {"21.5 matches 22", {"10.25", "11.25"}, "22", true},
        {"22.5 matches 22", {"10.75", "11.75"}, "22", true},
        {"20.5 matches 20", {"10.25", "10.25"}, "20", true},
        {"20.5 is not 21", {"10.25", "10.25"}, "21", false},
        {"23.5 matches 24", {"11.75", "11.75"}, "24", true},
        {"a fractional span never matches", {"11.25", "11.25"}, "22.5", false},
        {"the span is read leniently", {"11", "11"}, "22 komas", true},
        {"an empty span is 0", {"11", "11"}, "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GenusEngine engine(valuesInput(c.values, c.span));
        engine.DahilMi(2, 0, 1, 0, 0);
        EXPECT_EQ(engine.genusCount(), c.listed ? 1 : 0);
    }
}

TEST(GenusEngine, SmallNeighboursAreRefusedButNotFirstAndLast) {
    // Columns 0..2 hold 4, 5 and 13; the limit is 5.
    struct Case {
        const char* name;
        std::int16_t adet, p, q, r, l;
        bool listed;
    };
    const Case cases[] = {
        {"4 + 5 + 13 refused", 3, 0, 1, 2, 0, false},
        {"4 + 13 + 5 listed", 3, 0, 2, 1, 0, true},
        {"13 + 4 + 5 refused", 3, 2, 0, 1, 0, false},
        {"5 + 13 + 4 listed: first and last are no neighbours", 3, 1, 2, 0, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GenusEngine engine(valuesInput({"4", "5", "13"}));
        engine.DahilMi(c.adet, c.p, c.q, c.r, c.l);
        EXPECT_EQ(engine.genusCount(), c.listed ? 1 : 0);
    }
}

TEST(GenusEngine, SpanWithFractionListsNothing) {
    GenusEngine engine(settingsInput("0.25", "22.5"));
    ASSERT_TRUE(engine.compute({true, true, true}));
    EXPECT_EQ(engine.genusCount(), 0);
}

TEST(GenusEngine, SpanAndLimitThatCannotListAnything) {
    struct Case {
        const char* name;
        const char* span;
        const char* limit;
        SpanProblem problem;
    };
    const Case cases[] = {
        {"initial settings", "22", "5", SpanProblem::None},
        {"fractional limit", "22", "5.5", SpanProblem::None},
        {"span with a fraction", "22.5", "5", SpanProblem::SpanNotWhole},
        {"empty span", "", "5", SpanProblem::SpanNotANumber},
        {"span with letters after the number", "22 komas", "5", SpanProblem::SpanNotANumber},
        {"limit not a number", "22", "x", SpanProblem::LimitNotANumber},
        {"both, the span first", "x", "", SpanProblem::SpanNotANumber},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(checkSpanAndLimit(runtime::testing::localised(c.span),
                                    runtime::testing::localised(c.limit)),
                  c.problem);
    }
}

TEST(GenusEngine, NumberingRunsOnAcrossSizesAndPastOneThousand) {
    GenusEngine engine(settingsInput("1.00"));
    ASSERT_TRUE(engine.compute({true, true, false}));
    const auto lines = linesOf(engine.list());
    ASSERT_EQ(lines.size(), 62u);
    EXPECT_EQ(lines[4].substr(0, 5), "  5) ");
    EXPECT_EQ(lines[5], "  6)  4 +  6 + 12\tB S A ");

    GenusEngine quarters(settingsInput("0.25"));
    ASSERT_TRUE(quarters.compute(tetrachords));
    EXPECT_EQ(quarters.list().line(98).substr(0, 6), " 99)  ");
    EXPECT_EQ(quarters.list().line(99).substr(0, 5), "100) ");
    EXPECT_EQ(quarters.list().line(999).substr(0, 6), "1000) ");
}

TEST(GenusEngine, UncheckedColumnDropsItsGeneraWithoutRebuilding) {
    GenusInput input = settingsInput("1.00");
    GenusEngine all(input);
    ASSERT_TRUE(all.compute(tetrachords));
    input.included[3] = false; // the column of 7
    GenusEngine without(input);
    ASSERT_TRUE(without.compute(tetrachords));
    // The interval fields of a line, as the list shows them.
    auto usesSeven = [](const std::string& line) {
        const std::string fields = line.substr(5, line.find('\t') - 5);
        return (" " + fields + " ").find("  7 ") != std::string::npos;
    };
    std::size_t withSeven = 0;
    for (const std::string& line : linesOf(all.list()))
        if (usesSeven(line))
            ++withSeven;
    EXPECT_GT(withSeven, 0u);
    EXPECT_EQ(without.list().size(), all.list().size() - withSeven);
    for (const std::string& line : linesOf(without.list()))
        EXPECT_FALSE(usesSeven(line)) << line;
}

TEST(GenusEngine, NothingIsTriedWithoutColumnsOrIncludedBoxes) {
    GenusInput none = settingsInput("1.00");
    none.included.assign(none.included.size(), false);
    GenusEngine unchecked(none);
    ASSERT_TRUE(unchecked.compute({true, true, true}));
    EXPECT_EQ(unchecked.genusCount(), 0);

    GenusInput negative = valuesInput({"11"});
    negative.lastIndex = -1;
    GenusEngine empty(negative);
    ASSERT_TRUE(empty.compute({true, true, true}));
    EXPECT_EQ(empty.genusCount(), 0);

    GenusEngine single(valuesInput({"11"}));
    ASSERT_TRUE(single.compute(trichords));
    EXPECT_EQ(linesOf(single.list()), std::vector<std::string>{"  1) 11 + 11\tX X "});
}

TEST(GenusEngine, ProgressReportsAndCancels) {
    GenusEngine engine(settingsInput("0.25"));
    std::vector<double> seen;
    EXPECT_TRUE(engine.compute({true, true, true}, [&](double done) {
        seen.push_back(done);
        return true;
    }));
    ASSERT_FALSE(seen.empty());
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_GE(seen.front(), 0.0);
    EXPECT_LT(seen.back(), 1.0);

    int calls = 0;
    EXPECT_FALSE(engine.compute({true, true, true}, [&](double done) {
        ++calls;
        return done < 0.5;
    }));
    EXPECT_LT(engine.genusCount(), 85 + 4001 + 8595);
}

TEST(GenusEngine, StopsPastItsLineLimit) {
    struct Case {
        const char* name;
        std::array<bool, 3> sizes;
        std::size_t limit;
        bool finished;
    };
    const Case cases[] = {
        {"trichords over", trichords, 84, false},
        {"trichords exactly", trichords, 85, true},
        {"tetrachords over", tetrachords, 4000, false},
        {"pentachords over", pentachords, 100, false},
        {"all under", {true, true, true}, 12681, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GenusEngine engine(settingsInput("0.25"));
        engine.setLimit(c.limit);
        EXPECT_EQ(engine.compute(c.sizes), c.finished);
        EXPECT_EQ(engine.tooMany(), !c.finished);
        EXPECT_LE(engine.list().size(), c.limit);
    }
}

TEST(GenusEngine, ListIsTheSameUnderEitherSeparator) {
    std::vector<std::string> point;
    std::vector<std::string> comma;
    for (char separator : {'.', ','}) {
        runtime::testing::ScopedSeparator scope(separator);
        GenusEngine engine(settingsInput("0.33"));
        ASSERT_TRUE(engine.compute({true, true, false}));
        (separator == '.' ? point : comma) = linesOf(engine.list());
    }
    EXPECT_FALSE(point.empty());
    EXPECT_EQ(point, comma);
    EXPECT_NE(point.back().find("4.33"), std::string::npos) << point.back();
}

TEST(ListLine, FieldsArePaddedNeverCut) {
    struct Case {
        const char* name;
        std::int64_t number;
        const char* expected;
    };
    const Case cases[] = {
        {"one digit", 4, "  4) "},
        {"three digits", 999, "999) "},
        {"four digits", 1000, "1000) "},
        {"past 16 bits", 40000, "40000) "},
        {"past single precision", 123456789, "123456789) "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(fnsDesen(c.number, 3), c.expected);
    }
    std::string s = "4";
    EXPECT_EQ(fnsDesen2(s, 2), " 4");
    EXPECT_EQ(s, " 4");
    std::string wide = "4.25";
    EXPECT_EQ(fnsDesen2(wide, 2), "4.25");
}

} // namespace
} // namespace genus
