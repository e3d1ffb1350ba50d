#include "readout.h"

#include "separator.h"

#include <gtest/gtest.h>

#include <limits>

using namespace pitch_table;
using runtime::testing::localised;

namespace {

PitchTable shippedTable() {
    return decodeTable(readFileBytes(std::string(RUVIZEZO_DATA_DIR) + "/arel.dat").value());
}

std::string label(const Readout& r, int line) {
    return r.labels[line - 1].value_or("<none>");
}

} // namespace

TEST(Readout, TonicLines) {
    const PitchTable t = shippedTable();
    struct Case {
        const char* name;
        int index;
        int tonic;
        std::string label4;
    };
    const Case cases[] = {
        {"on the tonic", 221, 221, "Karar sesi \xFCzerinde"},
        {"9 komas above", 115, 124, localised("Karar sesinden 9 koma, 203.77 Sent tizde")},
        {"53 komas below", 177, 124, localised("Karar sesinden 53 koma, 1200.00 Sent pestte")},
        {"one koma above", 92, 93, localised("Karar sesinden 1 koma, 22.64 Sent tizde")},
        {"header item as tonic", 93, 0, localised("Karar sesinden 93 koma, 2105.66 Sent pestte")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Readout r = readout(t, c.index, c.tonic);
        EXPECT_TRUE(r.complete);
        EXPECT_EQ(label(r, 4), c.label4);
    }
}

TEST(Readout, MainPitchHasOneNoteAndNoNeighbours) {
    const Readout r = readout(shippedTable(), 93, 221);
    EXPECT_EQ(label(r, 1), localised("Neva  440.000   Hz"));
    EXPECT_EQ(label(r, 2), "");
    EXPECT_EQ(label(r, 3), "");
    EXPECT_EQ(label(r, 5), "");
    EXPECT_EQ(label(r, 6), "Piyanoda    A      4     49   nolu tu\xFE");
    EXPECT_EQ(label(r, 7), "Derece  93");
    EXPECT_EQ(r.notes, (std::vector<NoteCall>{{true, 93, 0}}));
}

TEST(Readout, PitchBetweenTwoMainPitchesHasTwoNotes) {
    // Nim Hicaz (26 komas above Rast) lies between Neva (93) above and Çargah (102) below.
    const PitchTable t = shippedTable();
    const Readout r = readout(t, 98, 221);
    EXPECT_EQ(label(r, 1),
              "Nim Hicaz  " + runtime::format(double(t.at(98).frequency), "####.000") + "   Hz");
    EXPECT_EQ(label(r, 2), "Neva perdesinden 5 koma pestte");
    EXPECT_EQ(label(r, 3), "\xC7"
                           "argah perdesinden 4 koma tizde");
    EXPECT_EQ(label(r, 6), "");
    EXPECT_EQ(label(r, 7), "Derece  98");
    EXPECT_EQ(r.notes, (std::vector<NoteCall>{{true, 93, -5}, {false, 102, 4}}));
    // Hicaz, a koma higher, sounds within half a koma of a piano key.
    EXPECT_EQ(label(readout(t, 97, 221), 6), "Piyanoda    G#     4     48   nolu tu\xFE");
}

TEST(Readout, NeighbourOutsideTheTableStopsTheReadout) {
    PitchTable t = shippedTable();
    t.at(97).lowerMain = 240;
    const Readout r = readout(t, 97, 221);
    EXPECT_FALSE(r.complete);
    EXPECT_TRUE(r.labels[1].has_value());
    EXPECT_FALSE(r.labels[2].has_value());
    EXPECT_FALSE(r.labels[6].has_value());
    EXPECT_FALSE(readout(t, 0, 221).complete);
}

TEST(Readout, PitchWithoutAFrequencyShowsItsNameAlone) {
    struct Case {
        const char* name;
        float frequency;
    };
    const Case cases[] = {
        {"NaN", std::numeric_limits<float>::quiet_NaN()},
        {"zero", 0.0f},
        {"negative", -440.0f},
        {"infinity", std::numeric_limits<float>::infinity()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PitchTable t = shippedTable();
        t.at(93).frequency = c.frequency;
        const Readout r = readout(t, 93, 221);
        EXPECT_TRUE(r.complete);
        EXPECT_EQ(label(r, 1), "Neva");
        EXPECT_EQ(label(r, 7), "Derece  93");
    }
}
