#include "numbers.h"
#include "separator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

namespace runtime {
namespace {

using testing::localised;
using testing::ScopedSeparator;

constexpr double inf = std::numeric_limits<double>::infinity();

// Sets (or, when empty, removes) an environment variable for a scope.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value)
        : m_name(name) {
        if (const char* old = std::getenv(name))
            m_old = old;
        set(value);
    }
    ~ScopedEnv() { set(m_old ? m_old->c_str() : ""); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    void set(const char* value) {
        if (*value == '\0')
            unsetenv(m_name);
        else
            setenv(m_name, value, 1);
    }
    const char* m_name;
    std::optional<std::string> m_old;
};

TEST(Separator, SystemSeparatorFollowsTheLanguageOfTheFirstSetVariable) {
    // Most of these locales are not installed on a build machine: the
    // language decides then.
    struct Case {
        const char* name;
        const char* lcAll;
        const char* lcNumeric;
        const char* lang;
        char expected;
    };
    const Case cases[] = {
        {"Turkish", "tr_TR.UTF-8", "", "", ','},
        {"English", "en_US.UTF-8", "", "", '.'},
        {"LC_ALL before LANG", "en_GB.UTF-8", "", "tr_TR.UTF-8", '.'},
        {"LC_NUMERIC when LC_ALL is empty", "", "de_DE.UTF-8", "en_US.UTF-8", ','},
        {"LANG last", "", "", "fr_FR@euro", ','},
        {"language without territory", "", "", "az", ','},
        {"C locale", "C", "", "tr_TR.UTF-8", '.'},
        {"unknown language", "", "", "ja_JP.UTF-8", '.'},
        {"nothing set", "", "", "", '.'},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedEnv lcAll("LC_ALL", c.lcAll);
        ScopedEnv lcNumeric("LC_NUMERIC", c.lcNumeric);
        ScopedEnv lang("LANG", c.lang);
        EXPECT_EQ(systemDecimalSeparator(), c.expected);
    }
}

TEST(Separator, OnlyCommaOrPointCanBeSet) {
    ScopedSeparator keep(decimalSeparator());
    EXPECT_THROW(setDecimalSeparator('x'), std::invalid_argument);
    EXPECT_THROW(setDecimalSeparator('\0'), std::invalid_argument);
}

enum class Outcome { Value, Mismatch, TooLarge };

TEST(ReadReal, ReadsTheRegionalFormAndRejectsEverythingElse) {
    struct Case {
        const char* name;
        const char* separators; // each is tried
        const char* text;
        Outcome outcome;
        double value;
    };
    const Case cases[] = {
        {"integer", ",.", "42", Outcome::Value, 42},
        {"comma decimal", ",", "1,5", Outcome::Value, 1.5},
        {"point decimal", ".", "1.5", Outcome::Value, 1.5},
        {"blanks around and after the sign", ",.", "  -  7  ", Outcome::Value, -7},
        {"plus sign", ",.", "+7", Outcome::Value, 7},
        {"no digit before the separator", ",", ",5", Outcome::Value, 0.5},
        {"no digit after the separator", ".", "5.", Outcome::Value, 5},
        {"nearest double", ".", "0.1", Outcome::Value, 0.1},
        {"exponent E", ",", "1,5E3", Outcome::Value, 1500},
        {"exponent d with sign", ".", "1.5d-2", Outcome::Value, 0.015},
        {"exponent D", ",.", "1D2", Outcome::Value, 100},
        {"exponent e plus", ",.", "2e+2", Outcome::Value, 200},
        {"long exponent", ",.", "1e0000000000000000000001", Outcome::Value, 10},
        {"many digits", ",.", "123456789012345678901234567890", Outcome::Value,
         123456789012345678901234567890.0},
        {"largest double", ".", "1.7976931348623157e308", Outcome::Value,
         std::numeric_limits<double>::max()},
        {"subnormal", ",", "4,9e-324", Outcome::Value, std::numeric_limits<double>::denorm_min()},
        {"underflow", ",.", "1e-400", Outcome::Value, 0},
        {"point under comma", ",", "1.5", Outcome::Mismatch, 0},
        {"comma under point", ".", "1,5", Outcome::Mismatch, 0},
        {"letters", ",.", "abc", Outcome::Mismatch, 0},
        {"empty", ",.", "", Outcome::Mismatch, 0},
        {"only blanks", ",.", "   ", Outcome::Mismatch, 0},
        {"separator alone", ",.", ",", Outcome::Mismatch, 0},
        {"sign alone", ",.", "-", Outcome::Mismatch, 0},
        {"exponent without digits", ",.", "1e", Outcome::Mismatch, 0},
        {"exponent sign without digits", ",.", "1e+", Outcome::Mismatch, 0},
        {"two signs", ",.", "--1", Outcome::Mismatch, 0},
        {"two separators", ",.", "1,2,3", Outcome::Mismatch, 0},
        {"two points", ",.", "1.2.3", Outcome::Mismatch, 0},
        {"blank between digits", ",.", "1 2", Outcome::Mismatch, 0},
        {"blank before the exponent", ",.", "1 e5", Outcome::Mismatch, 0},
        {"tab is not a blank", ",.", "\t1", Outcome::Mismatch, 0},
        {"trailing letter", ",.", "12x", Outcome::Mismatch, 0},
        {"beyond the double range", ",.", "1e309", Outcome::TooLarge, 0},
        {"negative beyond the double range", ".", "-1.8e308", Outcome::TooLarge, 0},
        {"huge exponent", ",.", "1e99999999999", Outcome::TooLarge, 0},
    };
    for (const Case& c : cases) {
        for (const char* s = c.separators; *s != '\0'; ++s) {
            SCOPED_TRACE(std::string(c.name) + " under " + *s);
            ScopedSeparator separator(*s);
            switch (c.outcome) {
            case Outcome::Value:
                EXPECT_EQ(readReal(c.text), c.value);
                break;
            case Outcome::Mismatch:
                try {
                    readReal(c.text);
                    ADD_FAILURE() << "no TypeMismatch";
                } catch (const TypeMismatch& e) {
                    EXPECT_NE(std::string(e.what()).find(std::string("\"") + c.text + "\""),
                              std::string::npos)
                        << e.what();
                }
                break;
            case Outcome::TooLarge:
                EXPECT_THROW(readReal(c.text), Overflow);
                break;
            }
        }
    }
}

TEST(ReadReal, ZeroKeepsItsSign) {
    EXPECT_TRUE(std::signbit(readReal("-0")));
    EXPECT_TRUE(std::signbit(readReal("-1e-400")));
    EXPECT_FALSE(std::signbit(readReal("1e-400")));
}

TEST(ReadInteger, RoundsHalvesToEvenAndChecksTheRange) {
    struct Case {
        const char* name;
        const char* text; // "." is replaced by the separator in force
        Outcome outcome;
        std::int32_t value;
    };
    const Case int16Cases[] = {
        {"half down to even", "2.5", Outcome::Value, 2},
        {"half up to even", "3.5", Outcome::Value, 4},
        {"negative half", "-2.5", Outcome::Value, -2},
        {"below half", "2.4999", Outcome::Value, 2},
        {"largest", "32767", Outcome::Value, 32767},
        {"smallest, a half rounded to even", "-32768.5", Outcome::Value, -32768},
        {"just above", "32768", Outcome::TooLarge, 0},
        {"half that rounds above", "32767.5", Outcome::TooLarge, 0},
        {"just below", "-32769", Outcome::TooLarge, 0},
        {"not a number", "abc", Outcome::Mismatch, 0},
    };
    for (const Case& c : int16Cases) {
        SCOPED_TRACE(std::string("int16 ") + c.name);
        const std::string text = localised(c.text);
        if (c.outcome == Outcome::Value)
            EXPECT_EQ(readInt16(text), c.value);
        else if (c.outcome == Outcome::TooLarge)
            EXPECT_THROW(readInt16(text), Overflow);
        else
            EXPECT_THROW(readInt16(text), TypeMismatch);
    }

    const Case int32Cases[] = {
        {"half up to even", "3.5", Outcome::Value, 4},
        {"largest", "2147483647", Outcome::Value, 2147483647},
        {"smallest, a half rounded to even", "-2147483648.5", Outcome::Value, INT32_MIN},
        {"just above", "2147483648", Outcome::TooLarge, 0},
        {"half that rounds above", "2147483647.5", Outcome::TooLarge, 0},
        {"just below", "-2147483649", Outcome::TooLarge, 0},
        {"beyond the double range", "1e400", Outcome::TooLarge, 0},
        {"exponent without digits", "1e", Outcome::Mismatch, 0},
    };
    for (const Case& c : int32Cases) {
        SCOPED_TRACE(std::string("int32 ") + c.name);
        const std::string text = localised(c.text);
        if (c.outcome == Outcome::Value)
            EXPECT_EQ(readInt32(text), c.value);
        else if (c.outcome == Outcome::TooLarge)
            EXPECT_THROW(readInt32(text), Overflow);
        else
            EXPECT_THROW(readInt32(text), TypeMismatch);
    }
}

TEST(ToInteger, NotANumberOrInfinityOverflows) {
    for (double value : {std::nan(""), inf, -inf}) {
        SCOPED_TRACE(value);
        EXPECT_THROW(toInt16(value), Overflow);
        EXPECT_THROW(toInt32(value), Overflow);
    }
}

TEST(CheckedInt16, AcceptsExactlyTheSixteenBitRange) {
    EXPECT_EQ(checkedInt16(32767), 32767);
    EXPECT_EQ(checkedInt16(-32768), -32768);
    EXPECT_THROW(checkedInt16(32768), Overflow);
    EXPECT_THROW(checkedInt16(-32769), Overflow);
}

TEST(ReadLenient, TakesTheLeadingNumberAndNeverFails) {
    struct Case {
        const char* name;
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"comma ends the number", "3,5", 3},
        {"exponent then letter", " 4.4E2x", 440},
        {"letters", "abc", 0},
        {"empty", "", 0},
        {"no digit before the point", "-.5", -0.5},
        {"point whatever the region", "1.5", 1.5},
        {"blanks inside", " 1 2", 12},
        {"blank after the sign", "- 5", -5},
        {"tabs and line feeds", "\t7\n1", 71},
        {"exponent letter alone", "1e", 1},
        {"exponent letter then letter", "1ex", 1},
        {"exponent sign without digits", "1e+", 1},
        {"exponent D", "1d2", 100},
        {"negative exponent", "25e-1", 2.5},
        {"plus sign", "+3", 3},
        {"second point ends the number", "1.2.3", 1.2},
        {"trailing text", "12abc", 12},
        {"sign alone", "-", 0},
        {"point alone", ".", 0},
        {"exponent without mantissa", "e5", 0},
        {"beyond the double range", "1e400", inf},
        {"negative beyond the double range", "-1e400", -inf},
    };
    for (const Case& c : cases) {
        for (char s : {',', '.'}) {
            SCOPED_TRACE(std::string(c.name) + " under " + s);
            ScopedSeparator separator(s);
            EXPECT_EQ(readLenient(c.text), c.value);
        }
    }
}

TEST(RoundTo, RoundsTheScaledValueHalvesToEven) {
    struct Case {
        const char* name;
        double value;
        int decimals;
        double expected;
    };
    const Case cases[] = {
        {"half down to even", 2.5, 0, 2},
        {"half up to even", 3.5, 0, 4},
        {"negative half", -2.5, 0, -2},
        {"exact binary half", 0.125, 2, 0.12},
        {"exact binary half up", 0.375, 2, 0.38},
        // 2.675 is stored just below, but 2.675 * 100 rounds to 267.5 (Format gives 2.67).
        {"scaled product is a half", 2.675, 2, 2.68},
        {"scaled value just below a half", 1.005, 2, 1},
        {"many decimals", 22.641509433962263, 6, 22.641509},
        {"too large to have decimals", 1e300, 22, 1e300},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(roundTo(c.value, c.decimals), c.expected);
    }
    EXPECT_EQ(roundTo(1.4983258f, 6), 1.498326f);
    EXPECT_THROW(roundTo(1.5, -1), std::invalid_argument);
    EXPECT_THROW(roundTo(1.5, 23), std::invalid_argument);
}

TEST(FloorValue, GoesDownForNegativeValues) {
    EXPECT_EQ(floorValue(-2.5), -3);
    EXPECT_EQ(floorValue(2.9), 2);
}

TEST(NumberToText, DoubleShowsFifteenSignificantDigits) {
    struct Case {
        const char* name;
        double value;
        const char* expected; // "." stands for the separator in force
    };
    const Case cases[] = {
        {"a third", 1.0 / 3.0, "0.333333333333333"},
        {"sum that is not exact", 0.1 + 0.2, "0.3"},
        {"half", 0.5, "0.5"},
        {"negative integer", -2, "-2"},
        {"fifteen digits", 123456789012345.0, "123456789012345"},
        {"rounds up into the exponent form", 999999999999999.5, "1E+15"},
        {"exponent form from 1E+15", 1e15, "1E+15"},
        {"large exponent", 1e100, "1E+100"},
        {"smallest without exponent", 0.0001, "0.0001"},
        {"exponent form below 1E-04", 1e-5, "1E-05"},
        {"exponent form with decimals", -1.5e-7, "-1.5E-07"},
        {"negative zero", -0.0, "0"},
        {"not a number", std::nan(""), "NaN"},
        {"infinity", inf, "Infinity"},
        {"negative infinity", -inf, "-Infinity"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(numberToText(c.value), localised(c.expected));
    }
}

TEST(NumberToText, SingleShowsSevenSignificantDigits) {
    struct Case {
        const char* name;
        float value;
        const char* expected;
    };
    const Case cases[] = {
        {"two thirds", 2.0f / 3.0f, "0.6666667"},    {"ratio", 1.4983258f, "1.498326"},
        {"not exact in binary", 0.1f, "0.1"},        {"seven digits", 1234567.0f, "1234567"},
        {"exponent form from 1E+07", 1e7f, "1E+07"}, {"negative", -8.17479f, "-8.17479"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(numberToText(c.value), localised(c.expected));
    }
}

TEST(NumberToText, IntegersInPlainDecimal) {
    EXPECT_EQ(numberToText(INT64_MIN), "-9223372036854775808");
    EXPECT_EQ(numberToText(1234567), "1234567");
    EXPECT_EQ(numberToText(std::int64_t{0}), "0");
}

TEST(BlankPrefixedText, BlankOrMinusFirstAndPointWhateverTheRegion) {
    struct Case {
        const char* name;
        double value;
        const char* expected;
    };
    const Case cases[] = {
        {"ratio", 1.5, " 1.5"},
        {"below one", 0.75, " .75"},
        {"negative below one", -0.75, "-.75"},
        {"zero", 0, " 0"},
        {"negative zero", -0.0, " 0"},
        {"negative integer", -2, "-2"},
        {"fifteen digits", 1.0 / 3.0, " .333333333333333"},
        {"exponent form", 1e-5, " 1E-05"},
    };
    for (char s : {',', '.'}) {
        ScopedSeparator separator(s);
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + " under " + s);
            EXPECT_EQ(blankPrefixedText(c.value), c.expected);
        }
        SCOPED_TRACE(std::string("single under ") + s);
        EXPECT_EQ(blankPrefixedText(1.5f), " 1.5");
        EXPECT_EQ(blankPrefixedText(0.1f), " .1");
        EXPECT_EQ(blankPrefixedText(-1.4983258f), "-1.498326");
    }
}

TEST(PrintedNumber, BlankPrefixedWithTheRegionalSeparatorAndATrailingBlank) {
    struct Case {
        const char* name;
        double value;
        const char* expected;
    };
    const Case cases[] = {
        {"positive", 3, " 3 "},     {"negative", -3, "-3 "},
        {"below one", 0.5, " .5 "}, {"negative below one", -0.25, "-.25 "},
        {"zero", 0, " 0 "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(printedNumber(c.value), localised(c.expected));
    }
}

TEST(Format, FollowsThePattern) {
    struct Case {
        const char* name;
        double value;
        const char* pattern;
        const char* expected; // "." stands for the separator in force
    };
    const Case cases[] = {
        {"single promoted", static_cast<double>(8.17479f), "#####.#####", "8.17479"},
        {"ratio", static_cast<double>(1.4983258f), "###.######", "1.498326"},
        {"no 0 before the point", 0.5, "####.000", ".500"},
        {"point stays without decimals", 2, "#####.#####", "2."},
        {"zero shows nothing", 0, "#####", ""},
        {"whole number", 41, "#####", "41"},
        {"literal blanks stay", 1.5, "   ####.######  ", "   1.5  "},
        {"more digits than placeholders", 123456, "###", "123456"},
        {"leading 0 placeholder pads", 5, "0#", "05"},
        {"0 before the point", 0.5, "0.00", "0.50"},
        {"zero with 0 placeholders", 0, "0.00", "0.00"},
        {"# after the last 0", 1.5, "0.0#", "1.5"},
        {"# between significant digits", 1.05, "#.##", "1.05"},
        {"trailing 0 placeholders", 440, "####.000", "440.000"},
        {"koma cents times nine", 22.641509433962263 * 9, "####.00", "203.77"},
        {"zeros of the integer part", 1200, "####.00", "1200.00"},
        {"rounds to an integer without a point", 1234.5678, "0", "1235"},
        {"exact binary half to even", 0.125, "#.##", ".12"},
        {"exact binary half up to even", 0.375, "#.##", ".38"},
        {"stored just below a half", 2.675, "#.##", "2.67"},
        {"integer half to even", 2.5, "#", "2"},
        {"negative", -1.5, "#.##", "-1.5"},
        {"negative rounded to zero loses its sign", -0.001, "#.##", "."},
        {"minus before a leading literal", -5, "x#", "-x5"},
        {"literal between placeholders", 5, "#x#", "x5"},
        {"extra digits at the first placeholder", 1234, "#x#", "123x4"},
        {"0 padding across a literal", 7, "00x0", "00x7"},
        {"literal after the decimals", 2.5, "#.## kg", "2.5 kg"},
        {"no integer placeholders", 12.5, ".0", "12.5"},
        {"no placeholders at all", 5, "abc", "abc5"},
        {"large value", 1e20, "#", "100000000000000000000"},
        {"empty pattern", 1.5, "", "1.5"},
        {"not a number", std::nan(""), "#.#", "NaN"},
        {"infinity", -inf, "#.#", "-Infinity"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(format(c.value, c.pattern), localised(c.expected));
    }
    // Only the first "." is the decimal point; later ones stand as they are.
    EXPECT_EQ(format(1.25, "#.#.#"), std::string("1") + decimalSeparator() + "2.5");
}

TEST(Trim, RemovesBlanksOnly) {
    struct Case {
        const char* name;
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {"both ends", "  a b  ", "a b"},
        {"tabs stay", "\ta\t ", "\ta\t"},
        {"only blanks", "   ", ""},
        {"empty", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(trim(c.text), c.expected);
    }
}

TEST(RoundTrip, TextReadsBackUnderBothSeparators) {
    const double values[] = {1.0 / 3.0,
                             2.0 / 3.0,
                             0.1,
                             1e15,
                             1e-5,
                             123456789012345.0,
                             -2.5e-7,
                             1.4983258,
                             22.641509433962263,
                             1.0131641430249148,
                             -440,
                             1e300,
                             5e-300};
    for (char s : {',', '.'}) {
        ScopedSeparator separator(s);
        for (double value : values) {
            SCOPED_TRACE(std::string("under ") + s + ": " + blankPrefixedText(value));
            const std::string text = numberToText(value);
            const double back = readReal(text);
            EXPECT_NEAR(back, value, std::abs(value) * 6e-15);
            EXPECT_EQ(numberToText(back), text);
        }
        SCOPED_TRACE(std::string("format under ") + s);
        EXPECT_EQ(readReal(format(2, "#####.#####")), 2);
        EXPECT_EQ(readReal(format(1.4983258, "###.######")), 1.498326);
    }
}

} // namespace
} // namespace runtime
