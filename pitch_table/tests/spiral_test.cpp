#include "spiral.h"
#include "staff.h"

#include <gtest/gtest.h>

using namespace pitch_table;

TEST(ColourCode, CountsInBaseSixFromTheBase) {
    struct Case {
        const char* name;
        int index;
        Rgb colour;
    };
    const Case cases[] = {
        {"first", 9, {201, 186, 131}},  {"next", 10, {201, 186, 132}},
        {"carry", 15, {201, 187, 131}}, {"anchor", 93, {203, 188, 131}},
        {"last", 221, {206, 191, 133}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(colourCode(c.index), c.colour);
        EXPECT_EQ(indexOfColour(c.colour), c.index);
    }
    for (int i = 9; i <= 221; ++i)
        ASSERT_EQ(indexOfColour(colourCode(i)), i);
}

TEST(ColourCode, OtherColoursAreNoPitch) {
    for (Rgb c : {baseColour, Rgb{255, 255, 255}, Rgb{255, 0, 0}, Rgb{0, 0, 255},
                  Rgb{207, 186, 131}, Rgb{201, 192, 131}, Rgb{201, 186, 130}, Rgb{0, 0, 0}})
        EXPECT_FALSE(indexOfColour(c)) << c.red << " " << c.green << " " << c.blue;
}

TEST(SpiralGeometry, PlacesTheEdgeCases) {
    const std::vector<SpiralStep> steps = spiralSteps();
    ASSERT_EQ(steps.size(), 213u);
    struct Case {
        const char* name;
        int index;
        SpiralPoint p;
    };
    const Case cases[] = {
        {"top", 9, {262, 12}},      {"clockwise", 10, {292, 14}},   {"octave below", 62, {262, 39}},
        {"anchor", 93, {156, 441}}, {"innermost", 221, {262, 118}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(steps[std::size_t(c.index - 9)].index, c.index);
        EXPECT_EQ(steps[std::size_t(c.index - 9)].p, c.p);
    }
    EXPECT_EQ(steps.back().q, (SpiralPoint{279, 120})); // where index 222 would be
    std::vector<int> rays;
    for (const SpiralStep& s : steps)
        if (s.ray)
            rays.push_back(s.index);
    EXPECT_EQ(rays, (std::vector<int>{9, 18, 27, 31, 40, 49, 53, 62}));
    for (std::size_t k = 0; k + 1 < steps.size(); ++k)
        EXPECT_EQ(steps[k].q, steps[k + 1].p) << steps[k].index;
}

TEST(StaffPlaces, FollowTheSteps) {
    EXPECT_EQ(staffStep(9), 1);
    EXPECT_EQ(staffStep(93), 12);
    EXPECT_EQ(staffStep(221), 29);
    EXPECT_EQ(staffStep(94), 0);
    for (int i : {9, 18, 27, 31, 40, 49, 53, 62, 71, 80, 84, 93, 102, 106, 115, 124, 133, 137})
        if (i + 53 <= 221) {
            EXPECT_EQ(staffStep(i + 53), staffStep(i) + 7) << i;
        }
    const NotePlacement down = notePlacement(50, 12);
    EXPECT_EQ(down.note, noteStemDown);
    EXPECT_EQ(down.noteY, 60);
    const NotePlacement up = notePlacement(50, 29);
    EXPECT_EQ(up.note, noteStemUp);
    EXPECT_EQ(up.noteY, 103);
    EXPECT_EQ(accidentalGlyph(-8), (GlyphRect{9, 7, 8, 27}));
    EXPECT_EQ(accidentalGlyph(-1), (GlyphRect{104, 7, 8, 27}));
    EXPECT_EQ(accidentalGlyph(1), (GlyphRect{142, 7, 8, 27}));
    EXPECT_EQ(accidentalGlyph(8), (GlyphRect{237, 7, 8, 27}));
    for (int fark : {0, 6, 7, -6, -7, 9, -9})
        EXPECT_FALSE(accidentalGlyph(fark)) << fark;
}
