#include "fields.h"

#include <gtest/gtest.h>

#include <limits>

namespace tolvane {
namespace {

TEST(AppendFixed, RoundsAlignsAndFillsWithAsterisks) {
    struct Case {
        const char* name;
        float value;
        int width;
        int decimals;
        const char* expected;
    };
    constexpr float inf = std::numeric_limits<float>::infinity();
    const Case cases[] = {
        {"zero before the point", 0.75f, 7, 3, "  0.750"},
        {"rounded to three decimals", 1.1892045f, 8, 3, "   1.189"},
        {"negative", -1.5f, 8, 3, "  -1.500"},
        {"one decimal", 300.0f, 6, 1, " 300.0"},
        {"fills the width", -999.9f, 6, 1, "-999.9"},
        {"rounds up to one digit too many", -999.95f, 6, 1, "******"},
        {"below 10000 cents", 9999.94f, 6, 1, "9999.9"},
        {"rounds up to 10000.0", 9999.95f, 6, 1, "******"},
        {"largest frequency that fits", 9999.999f, 8, 3, "9999.999"},
        {"10000 does not fit", 10000.0f, 8, 3, "********"},
        {"exact half goes away from zero", 0.0625f, 7, 3, "  0.063"},
        {"negative half", -0.0625f, 7, 3, " -0.063"},
        {"negative rounding to zero has no sign", -0.0004f, 7, 3, "  0.000"},
        {"negative zero", -0.0f, 7, 3, "  0.000"},
        {"huge", 3e38f, 8, 3, "********"},
        {"NaN", std::numeric_limits<float>::quiet_NaN(), 7, 3, "*******"},
        {"infinity", inf, 8, 3, "********"},
        {"minus infinity", -inf, 6, 1, "******"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string line = "|";
        appendFixed(line, c.value, c.width, c.decimals);
        EXPECT_EQ(line, std::string("|") + c.expected);
    }
}

TEST(AppendInteger, SixWideFromMinus99999To999999) {
    struct Case {
        const char* name;
        std::int32_t value;
        const char* expected;
    };
    const Case cases[] = {
        {"small", 6, "     6"},
        {"negative", -3, "    -3"},
        {"widest positive", 999999, "999999"},
        {"widest negative", -99999, "-99999"},
        {"too large", 1000000, "******"},
        {"too small", -100000, "******"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string line;
        appendInteger(line, c.value, 6);
        EXPECT_EQ(line, c.expected);
    }
}

} // namespace
} // namespace tolvane
