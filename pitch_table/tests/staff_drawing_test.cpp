#include "staff.h"
#include "staff_drawing.h"

#include <gtest/gtest.h>

using namespace pitch_table;
using platform::PictureBox;

namespace {

bool isBlack(QRgb c) {
    return (c & 0xFFFFFF) == 0;
}

/** A staff picture of the window's size, cleared to white. */
struct StaffFixture : ::testing::Test {
    StaffFixture() {
        box.resize(109, 153);
        box.clear();
    }
    QRgb at(int x, int y) const { return box.image().pixel(x, y); }

    /** Every black pixel of a strip rectangle shows at (x, y). */
    void expectGlyphAt(GlyphRect g, int x, int y) const {
        int black = 0;
        for (int dy = 0; dy < g.height; ++dy)
            for (int dx = 0; dx < g.width; ++dx)
                if (isBlack(glyphStripPicture().pixel(g.x + dx, g.y + dy))) {
                    ++black;
                    ASSERT_TRUE(isBlack(at(x + dx, y + dy))) << dx << "," << dy;
                }
        EXPECT_GT(black, 10);
    }

    PictureBox box;
};

} // namespace

TEST(Pictures, GlyphsLieInsideTheirRectanglesAndTheClefOnItsLines) {
    const QImage& strip = glyphStripPicture();
    ASSERT_EQ(strip.size(), QSize(293, 38));
    std::vector<GlyphRect> rects = {noteStemUp, noteStemDown, naturalGlyph};
    for (int fark : {-8, -5, -4, -3, -2, -1, 1, 2, 3, 4, 5, 8})
        rects.push_back(*accidentalGlyph(fark));
    for (int y = 0; y < strip.height(); ++y)
        for (int x = 0; x < strip.width(); ++x) {
            if (!isBlack(strip.pixel(x, y)))
                continue;
            bool inside = false;
            for (const GlyphRect& r : rects)
                inside =
                    inside || (x >= r.x && x < r.x + r.width && y >= r.y && y < r.y + r.height);
            ASSERT_TRUE(inside) << x << "," << y;
        }
    const QImage& clef = clefPicture();
    ASSERT_EQ(clef.size(), QSize(35, 120));
    for (int row : clefLineRows)
        for (int x = 0; x < 35; ++x)
            ASSERT_TRUE(isBlack(clef.pixel(x, row))) << row;
    int top = 120, bottom = 0;
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 35; ++x)
            if (isBlack(clef.pixel(x, y)) && y != 36 && y != 44 && y != 52 && y != 60 && y != 68) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    EXPECT_NEAR(top, 14, 2);
    EXPECT_NEAR(bottom, 84, 2);
}

TEST(Pictures, SharpsHaveTheirVerticalStrokes) {
    // The sharps differ by their strokes: one for 1, 2, 3 and 5 komas, two for 4 and 8.
    struct Case {
        const char* name;
        int fark;
        int strokes;
    };
    const Case cases[] = {
        {"koma", 1, 1},   {"two komas", 2, 1},      {"three komas", 3, 1},
        {"bakiye", 4, 2}, {"small mucenneb", 5, 1}, {"large mucenneb", 8, 2},
    };
    const QImage& strip = glyphStripPicture();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const GlyphRect g = *accidentalGlyph(c.fark);
        int strokes = 0;
        bool inStroke = false;
        for (int x = g.x; x < g.x + g.width; ++x) {
            // A stroke column holds a black run longer than any slanted bar.
            int run = 0, longest = 0;
            for (int y = g.y; y < g.y + g.height; ++y) {
                run = isBlack(strip.pixel(x, y)) ? run + 1 : 0;
                longest = std::max(longest, run);
            }
            const bool stroke = longest >= 12;
            strokes += stroke && !inStroke;
            inStroke = stroke;
        }
        EXPECT_EQ(strokes, c.strokes);
    }
}

TEST_F(StaffFixture, AnchorNoteOnTheSecondLineWithoutAccidental) {
    notaciz(box, -1, 93, 0);
    expectGlyphAt(noteStemDown, 50, 60);
    EXPECT_TRUE(isBlack(at(54, 64))); // the head on the clef's second line
    for (int row : clefLineRows)
        EXPECT_TRUE(isBlack(at(10, 20 + row))) << row;
    for (int k = 0; k <= 13; ++k) {
        EXPECT_TRUE(isBlack(at(39, 24 + 8 * k)));
        EXPECT_TRUE(isBlack(at(100, 24 + 8 * k)));
        EXPECT_FALSE(isBlack(at(101, 24 + 8 * k)));
    }
    for (int y = 48; y < 75; ++y)
        for (int x = 40; x < 48; ++x)
            if ((y - 24) % 8 != 0) {
                ASSERT_FALSE(isBlack(at(x, y))) << x << "," << y;
            }
}

TEST_F(StaffFixture, NotesAndAccidentalsGoToTheirPlaces) {
    struct Case {
        const char* name;
        std::int16_t anaton, fark;
        GlyphRect note;
        int noteY;
    };
    const Case cases[] = {
        {"top note, reversed flat", 9, -1, noteStemDown, 16},
        {"lowest note, stem up", 221, 0, noteStemUp, 103},
        {"not a main pitch: at the very top", 94, 0, noteStemDown, 12},
        {"highest sharp", 124, 8, noteStemUp, 51},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        box.clear();
        notaciz(box, -1, c.anaton, c.fark);
        expectGlyphAt(c.note, 50, c.noteY);
        if (const auto acc = accidentalGlyph(c.fark))
            expectGlyphAt(*acc, 40, 4 * staffStep(c.anaton));
    }
    box.clear();
    notaciz(box, -1, 221, 0);
    EXPECT_TRUE(isBlack(at(54, 132))); // the lowest head, below the last line
}

TEST_F(StaffFixture, SecondNoteGoesRightOfTheFirst) {
    notaciz(box, -1, 9, -1);
    const QImage first = box.image();
    notaciz(box, 0, 18, 8);
    expectGlyphAt(noteStemDown, 50, 16);
    expectGlyphAt(noteStemDown, 80, 20);
    expectGlyphAt(*accidentalGlyph(8), 70, 8);
    expectGlyphAt(*accidentalGlyph(-1), 40, 4);
    // Nothing left of the second accidental changed.
    EXPECT_EQ(box.image().copy(0, 0, 70, 153), first.copy(0, 0, 70, 153));
}

TEST_F(StaffFixture, DistancesWithoutSignDrawNoAccidental) {
    notaciz(box, -1, 93, 0);
    const QImage plain = box.image();
    for (std::int16_t fark : {6, 7, -6, -7, 9, -9}) {
        box.clear();
        notaciz(box, -1, 93, fark);
        EXPECT_EQ(box.image(), plain) << fark;
    }
}

TEST_F(StaffFixture, EmptyStaffReplacesWhatIsUnderTheClef) {
    box.line(0, 0, 108, 152);
    ASSERT_TRUE(isBlack(at(20, 28)));
    drawEmptyStaff(box);
    EXPECT_FALSE(isBlack(at(20, 28))); // under the copied clef picture
    EXPECT_TRUE(isBlack(at(60, 84)));  // beside it
    EXPECT_TRUE(isBlack(at(20, 56)));  // the clef's first line
    EXPECT_TRUE(isBlack(at(70, 24)));  // the first of porte's lines
}
