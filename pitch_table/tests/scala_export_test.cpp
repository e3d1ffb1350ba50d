#include "scala_export.h"

#include "numbers.h"

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

using namespace pitch_table;

namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

/** Named pitches around a tonic at 100, one unnamed and one cleared among them. */
PitchTable fixture() {
    PitchTable t;
    for (int i = 1; i <= pitchCount; ++i)
        t.at(i).name = fieldText<24>("");
    t.at(100).name = fieldText<24>("Rast");
    t.at(99).name = fieldText<24>("Nim Zirg\xFCle"); // ü in Windows-1254
    t.at(91).name = fieldText<24>("Dik Rast");
    t.at(47).name = fieldText<24>("Gerdaniye");
    t.at(98).name = {}; // a cleared record: 24 zero bytes
    return t;
}

TEST(ScalaExport, OctaveAboveTheTonic) {
    const std::vector<std::string> lines = linesOf(toScl(fixture(), 100, "rast.scl"));
    ASSERT_EQ(lines.size(), 5u + 53u);
    EXPECT_EQ(lines[0], "! rast.scl");
    EXPECT_EQ(lines[1], "!");
    EXPECT_EQ(lines[2], "Karar sesi Rast, \xFCst\xFCndeki 53 koma");
    EXPECT_EQ(lines[3], " 53");
    EXPECT_EQ(lines[4], "!");
    struct Case {
        const char* name;
        int komas;
        const char* line;
    };
    const Case cases[] = {
        {"one koma up, index 99", 1, " 22.641509 Nim Zirg\xFCle"},
        {"a cleared name writes no zero bytes", 2, " 45.283019"},
        {"an unnamed pitch has its cents alone", 3, " 67.924528"},
        {"nine komas", 9, " 203.773585 Dik Rast"},
        {"the octave ends the list", 53, " 1200.000000 Gerdaniye"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(lines[std::size_t(4 + c.komas)], c.line);
    }
}

TEST(ScalaExport, CentsKeepTheirPointAndRise) {
    // Read back: "." whatever the region, each within half a millionth of k x 1200 / 53.
    const std::vector<std::string> lines = linesOf(toScl(fixture(), 100, "x.scl"));
    for (int k = 1; k <= octaveKomas; ++k) {
        SCOPED_TRACE(k);
        const std::string& line = lines[std::size_t(4 + k)];
        ASSERT_NE(line.find('.'), std::string::npos);
        EXPECT_EQ(line.find(','), std::string::npos);
        EXPECT_NEAR(runtime::readLenient(line), k * 1200.0 / 53, 5e-7);
    }
}

TEST(ScalaExport, OctaveMustLieInTheTable) {
    struct Case {
        int tonic;
        bool fits;
    };
    const Case cases[] = {{0, false}, {9, false},  {53, false},
                          {54, true}, {229, true}, {230, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tonic);
        EXPECT_EQ(octaveFits(c.tonic), c.fits);
        if (!c.fits) {
            EXPECT_THROW(toScl(fixture(), c.tonic, "x.scl"), std::out_of_range);
        }
    }
    // The highest tonic that fits reaches index 1.
    EXPECT_NO_THROW(toScl(fixture(), 54, "x.scl"));
}

} // namespace
