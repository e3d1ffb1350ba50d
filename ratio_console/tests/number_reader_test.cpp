#include "number_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>

namespace tolvane {
namespace {

TEST(ParseNumber, AcceptsSignDigitsPointAndExponent) {
    struct Case {
        const char* name;
        const char* text;
        float expected;
    };
    constexpr float inf = std::numeric_limits<float>::infinity();
    const Case cases[] = {
        {"integer", "440", 440.0f},
        {"trailing point", "440.", 440.0f},
        {"leading point", ".5", 0.5f},
        {"E exponent", "4.4E2", 440.0f},
        {"d exponent", "4.4d2", 440.0f},
        {"Q exponent", "4.4Q2", 440.0f},
        {"signed exponent", "44e-1", 4.4f},
        {"plus exponent", "4.4e+2", 440.0f},
        {"plus sign", "+440", 440.0f},
        {"minus sign", "-440", -440.0f},
        {"rounded once to single", "523.25", 523.25f},
        {"nearest float", "466.16", 466.16f},
        {"subnormal", "1e-40", 1e-40f},
        {"beyond the float range", "1e50", inf},
        {"beyond, negative", "-1e50", -inf},
        {"below the float range", "1e-50", 0.0f},
        {"long exponent", "0.0001e99999999999", inf},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        float value = -7.0f;
        ASSERT_TRUE(parseNumber(c.text, value));
        EXPECT_EQ(value, c.expected);
    }
}

TEST(ParseNumber, RejectsEverythingElse) {
    for (const char* text : {"abc", "440Hz", "1e", "e5", ".", "+", "-", "inf", "nan", "0x10",
                             "1.2.3", "4.4E2.5", "1+5", "1,5", ""}) {
        SCOPED_TRACE(text);
        float value = -7.0f;
        EXPECT_FALSE(parseNumber(text, value));
        EXPECT_EQ(value, -7.0f);
    }
}

TEST(ReadValue, TakesTheFirstValueOfALine) {
    struct Case {
        const char* name;
        const char* input;
        ReadKind kind;
        float value;
        const char* text;
    };
    const Case cases[] = {
        {"plain", "440\n", ReadKind::Value, 440.0f, ""},
        {"comma separates", "440,5\n", ReadKind::Value, 440.0f, ""},
        {"slash ends the value", "3/2\n", ReadKind::Value, 3.0f, ""},
        {"blank separates", "440 660\n", ReadKind::Value, 440.0f, ""},
        {"tab before", "\t 440\n", ReadKind::Value, 440.0f, ""},
        {"blank lines passed over", "\n   \n\t\n523.25\n", ReadKind::Value, 523.25f, ""},
        {"carriage return", "440\r\n", ReadKind::Value, 440.0f, ""},
        {"no final line end", "440", ReadKind::Value, 440.0f, ""},
        {"null value", ",5\n", ReadKind::Keep, 0.0f, ""},
        {"null value after blanks", "  ,\n", ReadKind::Keep, 0.0f, ""},
        {"slash", "/\n", ReadKind::Keep, 0.0f, ""},
        {"not a number", "abc\n", ReadKind::NotANumber, 0.0f, "abc"},
        {"unit after the number", "440Hz 5\n", ReadKind::NotANumber, 0.0f, "440Hz"},
        {"empty input", "", ReadKind::EndOfInput, 0.0f, ""},
        {"only blank lines", "\n  \n", ReadKind::EndOfInput, 0.0f, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::istringstream in(c.input);
        const ReadResult result = readValue(in);
        EXPECT_EQ(result.kind, c.kind);
        EXPECT_EQ(result.value, c.value);
        EXPECT_EQ(result.text, c.text);
    }
}

TEST(ReadValue, NextRequestStartsOnANewLine) {
    std::istringstream in("440 660\n,5\n523.25\n");
    EXPECT_EQ(readValue(in).value, 440.0f);
    EXPECT_EQ(readValue(in).kind, ReadKind::Keep);
    EXPECT_EQ(readValue(in).value, 523.25f);
    EXPECT_EQ(readValue(in).kind, ReadKind::EndOfInput);
}

} // namespace
} // namespace tolvane
