#include "columns.h"
#include "numbers.h"
#include "separator.h"
#include "symbols.h"
#include "value_text.h"

#include <gtest/gtest.h>

namespace genus {
namespace {

std::vector<std::string> valuesOf(const std::vector<Column>& columns) {
    std::vector<std::string> values;
    for (const Column& c : columns)
        values.push_back(c.value);
    return values;
}

std::vector<std::string> symbolsOf(const std::vector<Column>& columns) {
    std::vector<std::string> symbols;
    for (const Column& c : columns)
        symbols.push_back(c.symbol);
    return symbols;
}

TEST(Columns, InitialSettingsGiveFourToThirteenWithArelEzgiSymbols) {
    const auto columns = buildColumns("4", "13", "1.00", SymbolSystem::ArelEzgi);
    EXPECT_EQ(valuesOf(columns),
              (std::vector<std::string>{"4", "5", "6", "7", "8", "9", "10", "11", "12", "13"}));
    EXPECT_EQ(symbolsOf(columns), (std::vector<std::string>{"B ", "S ", "S ", "K ", "K ", "T ",
                                                            "T ", "A ", "A ", "A+"}));
}

TEST(Columns, CountFollowsTheStep) {
    struct Case {
        const char* name;
        const char* min;
        const char* max;
        const char* step;
        int lastIndex;
    };
    const Case cases[] = {
        {"whole komas", "4", "13", "1.00", 9},
        {"quarter komas", "4", "13", "0.25", 36},
        {"half komas", "4", "13", "0.50", 18},
        {"thirds", "4", "13", "0.33", 27},
        {"one to thirty in quarters", "1", "30", "0.25", 116},
        {"one column", "5", "5", "1.00", 0},
        {"max one below min", "5", "4", "1.00", -1},
        {"max far below min", "13", "4", "1.00", -9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(columnLastIndex(c.min, c.max, c.step), c.lastIndex);
        const auto columns = buildColumns(c.min, c.max, c.step, SymbolSystem::ArelEzgi);
        EXPECT_EQ(columns.size(), static_cast<std::size_t>(std::max(c.lastIndex, 0) + 1));
    }
}

TEST(Columns, ValueTextsAddTheStepAndReadBackUnderEitherSeparator) {
    for (char separator : {'.', ','}) {
        SCOPED_TRACE(separator);
        runtime::testing::ScopedSeparator scope(separator);
        const auto columns = buildColumns("4", "13", "0.33", SymbolSystem::ArelEzgi);
        const auto first = valuesOf(std::vector<Column>(columns.begin(), columns.begin() + 5));
        EXPECT_EQ(first, (std::vector<std::string>{"4", "4.33", "4.66", "4.99", "5.32"}));
        EXPECT_EQ(readValue(columns[1].value), 4.33);
        EXPECT_EQ(columns[1].symbol, "B ");
        const auto quarters = buildColumns("4", "13", "0.25", SymbolSystem::ArelEzgi);
        EXPECT_EQ(quarters[1].value, "4.25");
        EXPECT_EQ(quarters.back().value, "13");
    }
}

// Typed with the regional separator, the first column still reads like the ones after it.
TEST(Columns, MinimumIsCopiedAsTypedWithAPoint) {
    const auto columns =
        buildColumns(runtime::testing::localised("4.50"), "6", "0.50", SymbolSystem::ArelEzgi);
    ASSERT_EQ(columns.size(), 4u);
    EXPECT_EQ(columns[0].value, "4.50");
    EXPECT_EQ(readValue(columns[0].value), 4.5);
    EXPECT_EQ(columns[1].value, "5");
    EXPECT_EQ(columns[0].symbol, "B ");
    EXPECT_EQ(columns[1].symbol, "S ");
}

TEST(Columns, BadSettingsAreRefused) {
    struct Case {
        const char* name;
        const char* min;
        const char* max;
        const char* step;
        bool tooMany; // else not a number
    };
    const Case cases[] = {
        {"letters in min", "abc", "13", "1.00", false},
        {"empty max", "4", "", "1.00", false},
        {"number and letters", "4", "13x", "1.00", false},
        {"more than the strip holds", "1", "400", "0.25", true},
        {"beyond 16 bits", "1", "1E+9", "0.25", true},
        {"beyond single precision", "1", "1E+300", "1.00", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.tooMany)
            EXPECT_THROW(buildColumns(c.min, c.max, c.step, SymbolSystem::ArelEzgi),
                         TooManyColumns);
        else
            EXPECT_THROW(buildColumns(c.min, c.max, c.step, SymbolSystem::ArelEzgi),
                         runtime::TypeMismatch);
    }
    EXPECT_EQ(columnLastIndex("1", "250.75", "0.25"), maxColumns - 1);
}

TEST(Symbols, SizeClassesOfTheThreeSystems) {
    struct Case {
        const char* name;
        float size;
        const char* arel;
        const char* tore;
        const char* safi;
    };
    const Case cases[] = {
        {"zero", 0.0f, "I ", "I ", "I "},      {"negative", -3.0f, "I ", "I ", "I "},
        {"3.5 bound", 3.5f, "I ", "I ", "I "}, {"4.5 bound", 4.5f, "B ", "B ", "B "},
        {"5", 5.0f, "S ", "S ", "B+"},         {"6", 6.0f, "S ", "C ", "C "},
        {"7", 7.0f, "K ", "C+", "C+"},         {"8.5 bound", 8.5f, "K ", "K ", "T-"},
        {"9", 9.0f, "T ", "T ", "T "},         {"10", 10.0f, "T ", "T ", "T+"},
        {"11", 11.0f, "A ", "A ", "A-"},       {"12.5 bound", 12.5f, "A ", "A ", "A "},
        {"12.51", 12.51f, "A+", "A+", "A+"},   {"4.33 as a single", 4.33f, "B ", "B ", "B "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(fnsSimge(c.size, SymbolSystem::ArelEzgi), c.arel);
        EXPECT_EQ(fnsSimge(c.size, SymbolSystem::ToreKaradeniz), c.tore);
        EXPECT_EQ(fnsSimge(c.size, SymbolSystem::Safiyuddin), c.safi);
    }
}

TEST(ValueText, ReadingsTakeTheRegionalSeparatorAndThePoint) {
    runtime::testing::ScopedSeparator scope(',');
    EXPECT_EQ(readValue("4,25"), 4.25);
    EXPECT_EQ(readValue("4.25"), 4.25);
    EXPECT_EQ(readSetting("0.25"), 0.25);
    EXPECT_EQ(readSetting("0,25"), 0.25);
    EXPECT_EQ(valueText(4.25), "4.25");
    runtime::testing::ScopedSeparator point('.');
    EXPECT_EQ(readValue("4,25"), 4); // as the lenient reading has it
    EXPECT_THROW(readSetting("0,25"), runtime::TypeMismatch);
}

} // namespace
} // namespace genus
