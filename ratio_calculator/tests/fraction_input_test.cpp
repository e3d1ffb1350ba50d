#include "fraction_input.h"

#include "separator.h"

#include <gtest/gtest.h>

namespace bexaro {
namespace {

using runtime::testing::localised;
using Problem = FractionInput::Problem;

TEST(FractionInput, ReadsTheFraction) {
    struct Case {
        const char* name;
        const char* text;
        Problem problem;
        float ratio;
    };
    const Case cases[] = {
        {"plain", "3/2", Problem::None, 1.5f},
        {"blanks", " 7 / 4 ", Problem::None, 1.75f},
        {"comma ends the numerator", "3,5/2", Problem::None, 1.5f},
        {"point whatever the region", "1.41421/1", Problem::None, 1.41421f},
        {"first slash", "6/4/2", Problem::None, 1.5f},
        {"no slash", "32", Problem::NoSlash, 0},
        {"empty", "", Problem::NoSlash, 0},
        {"letters", "abc/2", Problem::BadNumber, 0},
        {"no denominator", "3/", Problem::BadNumber, 0},
        {"zero numerator", "0/5", Problem::BadNumber, 0},
        {"negative numerator", "-3/2", Problem::BadNumber, 0},
        {"negative denominator", "3/-2", Problem::BadNumber, 0},
        {"beyond a single", "1e300/1e-300", Problem::BadNumber, 0},
        {"below a single", "1e-300/1e300", Problem::BadNumber, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const FractionInput in = readFraction(c.text);
        EXPECT_EQ(in.problem, c.problem);
        if (c.problem == Problem::None) {
            EXPECT_EQ(in.ratio, c.ratio);
        }
    }
}

TEST(FractionInput, RatioLabel) {
    struct Case {
        const char* name;
        float ratio;
        std::string text;
    };
    const Case cases[] = {
        {"3/2", 1.5f, " 1.5"},
        {"3/4: no 0 before the point", 0.75f, " .75"},
        {"1/1", 1.0f, " 1"},
        {"six decimals", 1.41421f, " 1.41421"},
        {"rounded to six decimals", 2.0f / 3, " .666667"},
        {"too small for the pattern", 1e-7f, localised("1E-07")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(reoranText(c.ratio), c.text);
    }
}

TEST(FractionInput, ToleranceGuards) {
    struct Case {
        const char* name;
        const char* text;
        float value;
        bool replaced;
    };
    const Case cases[] = {
        {"default", "0.001", 0.001f, false},
        {"0.01 stays", "0.01", 0.01f, false},
        {"0.005", "0.005", 0.005f, false},
        {"0.011", "0.011", 0.001f, true},
        {"zero", "0", 0.001f, true},
        {"negative", "-0.005", 0.001f, true},
        {"comma reads as 0", "0,005", 0.001f, true},
        {"empty", "", 0.001f, true},
        {"letters", "abc", 0.001f, true},
        {"huge", "1e400", 0.001f, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Tolerance t = readTolerance(c.text);
        EXPECT_EQ(t.value, c.value);
        EXPECT_EQ(t.replaced, c.replaced);
    }
}

TEST(FractionInput, RowItems) {
    struct Case {
        const char* name;
        sonuc row;
        std::array<std::string, 4> items;
    };
    const Case cases[] = {
        {"exact", {3, 2, 1.5f, 0, 0.0f}, {"3  /  2", localised("   1.5  "), " 0 ", localised(".")}},
        {"root of two",
         {41, 29, 41.0f / 29, 1, 0.0002608f},
         {"41  /  29", localised("   1.413793  "), " 1 ", localised(".0002608")}},
        {"proper fraction",
         {159, 238, 159.0f / 238, 2, 0.001f},
         {"159  /  238", localised("   .668067  "), " 2 ", localised(".001")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(rowItems(c.row), c.items);
    }
}

} // namespace
} // namespace bexaro
