#include "neck_drawing.h"

#include "picture_box.h"
#include "twips.h"

#include <gtest/gtest.h>

namespace {

using mirefa::Geometry;
using platform::black;
using platform::white;

const Geometry initial = mirefa::makeGeometry(1000, 2, 5, 1);

// The picture box as the window places it: 9975 x 2055 twips with a border.
class NeckDrawing : public ::testing::Test {
protected:
    NeckDrawing() {
        box.setBorder(true);
        box.resize(platform::twipsToPixels(9975), platform::twipsToPixels(2055));
        mirefa::ResimTemizle(box, initial);
    }
    platform::PictureBox box;
};

TEST_F(NeckDrawing, UserScaleFromTheNeckLength) {
    EXPECT_EQ(box.scaleLeft(), 0);
    EXPECT_EQ(box.scaleTop(), 20);
    EXPECT_EQ(box.scaleWidth(), 1001);
    EXPECT_EQ(box.scaleHeight(), -20);
}

TEST_F(NeckDrawing, NeckAndThresholds) {
    mirefa::CizSap(box, initial);
    struct Case {
        const char* name;
        double x, y;
        platform::Colour colour;
    };
    const Case cases[] = {
        {"upper half of the neck", 500, 0.1, black},
        {"above the neck", 500, 1.0, white},
        {"nut threshold", 0, 1.5, black},
        {"above the nut threshold", 0, 3, white},
        {"body threshold", 1000, 4.5, black},
        {"above the body threshold", 1000, 6, white},
        {"open string is not drawn", 500, 3.5, white},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(box.point(c.x, c.y), c.colour);
    }
}

TEST_F(NeckDrawing, OpenStringIsDottedAndLeavesTheStyleSolid) {
    mirefa::CizBosTel(box, initial);
    int on = 0;
    int off = 0;
    for (int x = 100; x < 900; x += 3) {
        const double y = 2 + 3.0 * x / 1000;
        (box.point(x, y) == black ? on : off)++;
    }
    EXPECT_GT(on, 20);
    EXPECT_GT(off, 20);
    EXPECT_EQ(box.drawStyle(), platform::DrawStyle::Solid);
}

TEST_F(NeckDrawing, FretsAndThePressedString) {
    const std::vector<std::optional<double>> kopru = {499.99249900001894, std::nullopt,
                                                      666.6636666666742, -500.0};
    mirefa::CizRuvizezo(box, initial, kopru);
    EXPECT_EQ(box.point(500.0075, 0.9), black); // the octave's fret
    EXPECT_EQ(box.point(333.3363, 0.9), black); // the fifth's fret
    EXPECT_EQ(box.point(500.0075, 1.5), white); // frets are 1 mm high
    EXPECT_EQ(box.point(250, 0.9), white);      // no fret for the missing one
    EXPECT_EQ(box.point(999.5, 0.9), white);    // the fret beyond the body threshold is off
    mirefa::CizPerde(box, initial, kopru, 1);
    EXPECT_EQ(box.point(250, 1.5), black); // nut threshold's top to the fret's
    EXPECT_EQ(box.point(750, 3), black);   // fret's top to the body threshold's
    EXPECT_EQ(box.drawWidth(), 1);
}

TEST_F(NeckDrawing, NoPressedStringWithoutAFret) {
    const QImage before = box.image();
    const std::vector<std::optional<double>> kopru = {std::nullopt};
    for (int v : {0, 1, 2}) {
        SCOPED_TRACE(v);
        mirefa::CizPerde(box, initial, kopru, v);
        EXPECT_EQ(box.image(), before);
    }
}

} // namespace
