#include "ink_marks.h"
#include "picture_box.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <vector>

using platform::Colour;
using platform::PictureBox;
using platform::rgb;

namespace {

// A box of a given drawing-area size in pixels, on a white background.
struct Box {
    explicit Box(int w, int h) {
        box.resize(w, h);
        box.clear();
    }
    // The pixel's colour whatever scale the box is in; -1 outside.
    Colour at(int x, int y) const {
        const QImage& im = box.image();
        if (!im.rect().contains(x, y))
            return -1;
        const QRgb c = im.pixel(x, y);
        return rgb(qRed(c), qGreen(c), qBlue(c));
    }
    PictureBox box;
};

bool inRoundDisc(int dx, int dy, int r) {
    return dx * dx + dy * dy <= r * r + r;
}

} // namespace

TEST(PictureBox, filledDiscCarriesItsColourInEveryPixel) {
    struct Case {
        const char* name;
        Colour fill;
        Colour outline;
        int radius;
    };
    const Case cases[] = {
        {"colour code disc", rgb(203, 188, 131), rgb(203, 188, 131), 5},
        {"white disc, outlined", platform::white, rgb(200, 185, 130), 5},
        {"single pixel", rgb(1, 2, 3), rgb(1, 2, 3), 0},
        {"large disc", rgb(10, 200, 30), rgb(250, 0, 0), 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Box b(40, 40);
        b.box.setFillStyle(platform::FillStyle::Solid);
        b.box.setFillColour(c.fill);
        b.box.circle(20, 20, c.radius, c.outline);
        for (int dy = -15; dy <= 15; ++dy) {
            for (int dx = -15; dx <= 15; ++dx) {
                const int r = c.radius;
                Colour expected = platform::white;
                if (inRoundDisc(dx, dy, r)) {
                    const bool edge = !inRoundDisc(dx + 1, dy, r) || !inRoundDisc(dx - 1, dy, r) ||
                                      !inRoundDisc(dx, dy + 1, r) || !inRoundDisc(dx, dy - 1, r);
                    expected = edge ? c.outline : c.fill;
                }
                ASSERT_EQ(b.at(20 + dx, 20 + dy), expected) << "offset " << dx << "," << dy;
            }
        }
        // The disc reaches exactly its radius along the axes.
        EXPECT_EQ(b.at(20 + c.radius, 20), c.outline);
        EXPECT_EQ(b.at(21 + c.radius, 20), platform::white);
    }
}

TEST(PictureBox, transparentCircleLeavesTheInsideAlone) {
    Box b(40, 40);
    b.box.setFillStyle(platform::FillStyle::Solid);
    b.box.setFillColour(rgb(1, 1, 1));
    b.box.circle(20, 20, 5);
    b.box.setFillStyle(platform::FillStyle::Transparent);
    b.box.circle(20, 20, 8, rgb(255, 0, 0));
    EXPECT_EQ(b.at(20, 20), rgb(1, 1, 1));
    EXPECT_EQ(b.at(28, 20), rgb(255, 0, 0));
    EXPECT_EQ(b.at(26, 20), platform::white);
}

TEST(PictureBox, onePixelLinesCoverBothEndsAndNothingElse) {
    Box b(120, 60);
    b.box.line(39, 24, 100, 24);
    for (int x = 30; x < 110; ++x) {
        SCOPED_TRACE(x);
        EXPECT_EQ(b.at(x, 24), x >= 39 && x <= 100 ? platform::black : platform::white);
        EXPECT_EQ(b.at(x, 23), platform::white);
        EXPECT_EQ(b.at(x, 25), platform::white);
    }
    // A steep line has exactly one pixel per row.
    b.box.line(10, 30, 14, 50, rgb(0, 0, 255));
    for (int y = 30; y <= 50; ++y) {
        int count = 0;
        for (int x = 0; x < 20; ++x)
            count += b.at(x, y) == rgb(0, 0, 255);
        EXPECT_EQ(count, 1) << "row " << y;
    }
}

TEST(PictureBox, dottedLinesHaveGapsAndWideLinesAreSquare) {
    Box b(60, 30);
    b.box.setDrawStyle(platform::DrawStyle::Dot);
    b.box.line(0, 5, 40, 5);
    int on = 0;
    for (int x = 0; x <= 40; ++x)
        on += b.at(x, 5) == platform::black;
    EXPECT_GT(on, 15);
    EXPECT_LT(on, 26);

    // Wider pens ignore the dotted style and are as thick as their width.
    b.box.setDrawWidth(4);
    b.box.line(10, 20, 30, 20);
    for (int y = 15; y < 25; ++y)
        EXPECT_EQ(b.at(20, y), y >= 18 && y <= 21 ? platform::black : platform::white) << y;
}

// Bresenham's line, step by step: the reference for the drawing's pixels.
std::vector<QPoint> referenceLine(QPoint a, QPoint b) {
    std::vector<QPoint> points;
    long long x = a.x(), y = a.y();
    const long long dx = std::llabs(b.x() - x), dy = -std::llabs(b.y() - y);
    const int sx = x < b.x() ? 1 : -1, sy = y < b.y() ? 1 : -1;
    long long err = dx + dy;
    for (;;) {
        points.emplace_back(int(x), int(y));
        if (x == b.x() && y == b.y())
            return points;
        const long long e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

TEST(PictureBox, linesHaveBresenhamsPixelsAlsoWhenTheyReachFarOutside) {
    std::mt19937 random(53);
    std::uniform_int_distribution<int> near(-40, 80);
    std::uniform_int_distribution<int> far(-3000000, 3000000);
    for (int round = 0; round < 400; ++round) {
        const bool farEnd = round % 2 == 1;
        const QPoint a(near(random), near(random));
        const QPoint b =
            farEnd ? QPoint(far(random), far(random) / 1000) : QPoint(near(random), near(random));
        const bool dotted = round % 3 == 0;
        SCOPED_TRACE(testing::Message() << a.x() << "," << a.y() << " to " << b.x() << "," << b.y()
                                        << (dotted ? " dotted" : ""));
        Box box(40, 40);
        box.box.setDrawStyle(dotted ? platform::DrawStyle::Dot : platform::DrawStyle::Solid);
        box.box.line(a.x(), a.y(), b.x(), b.y());
        QImage expected(40, 40, QImage::Format_RGB32);
        expected.fill(Qt::white);
        const std::vector<QPoint> points = referenceLine(a, b);
        for (std::size_t k = 0; k < points.size(); ++k)
            if (expected.rect().contains(points[k]) && (!dotted || k % 4 < 2))
                expected.setPixel(points[k], qRgb(0, 0, 0));
        ASSERT_EQ(box.box.image(), expected);
    }
}

TEST(PictureBox, userScaleWithYUpwardsMapsTheCorners) {
    // A neck drawing: 665 x 137 pixels, (0, 20) top-left, (L + 1, 0) bottom-right.
    const double L = 1000;
    Box b(665, 137);
    b.box.setUserScale(0, 20, L + 1, 0);
    EXPECT_DOUBLE_EQ(b.box.scaleWidth(), L + 1);
    EXPECT_DOUBLE_EQ(b.box.scaleHeight(), -20);
    struct Case {
        const char* name;
        double x, y;
        QPoint pixel;
    };
    const Case cases[] = {
        {"origin on the bottom edge", 0, 0, {0, 137}}, {"top-right corner", L + 1, 20, {665, 0}},
        {"end of the neck", L, 0, {664, 137}},         {"threshold top", L, 5, {664, 103}},
        {"middle", (L + 1) / 2, 10, {332, 68}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(b.box.toPixel(c.x, c.y), c.pixel);
    }
    const QPointF back = b.box.fromPixel(332.5, 68.5);
    EXPECT_DOUBLE_EQ(back.x(), (L + 1) / 2);
    EXPECT_DOUBLE_EQ(back.y(), 10);

    // A width-8 line along y = 0 shows only its upper half.
    b.box.setDrawWidth(8);
    b.box.line(0, 0, L, 0);
    for (int row = 128; row < 137; ++row)
        EXPECT_EQ(b.at(300, row), row >= 133 ? platform::black : platform::white) << row;
    // Points read in the user scale too.
    EXPECT_EQ(b.box.point(500, 0.2), platform::black);
    EXPECT_EQ(b.box.point(500, 1), platform::white);
}

TEST(PictureBox, pointOutsideTheDrawingAreaIsMinusOne) {
    Box b(30, 20);
    b.box.line(0, 0, 29, 19, rgb(9, 8, 7));
    const QPoint outside[] = {{-1, 0}, {0, -1}, {30, 0}, {0, 20}, {100000, 5}};
    for (const QPoint& p : outside)
        EXPECT_EQ(b.box.point(p.x(), p.y()), -1) << p.x() << "," << p.y();
    EXPECT_EQ(b.at(0, 0), rgb(9, 8, 7));
    EXPECT_EQ(b.at(29, 19), rgb(9, 8, 7));
}

TEST(PictureBox, rasterCopiesReplaceOrDarken) {
    // A black-on-white glyph: a 3 x 5 "L".
    QImage glyph(6, 6, QImage::Format_RGB32);
    glyph.fill(Qt::white);
    for (int y = 0; y < 5; ++y)
        glyph.setPixel(1, y, qRgb(0, 0, 0));
    glyph.setPixel(2, 4, qRgb(0, 0, 0));
    glyph.setPixel(3, 4, qRgb(0, 0, 0));

    struct Case {
        const char* name;
        platform::RasterOp op;
        Colour lineUnderWhite; // line pixel where the glyph is white
        Colour background;     // white destination where the glyph is white
    };
    const Case cases[] = {
        {"and keeps the line", platform::RasterOp::SrcAnd, rgb(255, 0, 0), platform::white},
        {"copy replaces it", platform::RasterOp::SrcCopy, platform::white, platform::white},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Box b(20, 20);
        b.box.line(0, 12, 19, 12, rgb(255, 0, 0));
        b.box.paintPicture(glyph, 9, 8, 0, 0, 6, 6, c.op);
        EXPECT_EQ(b.at(10, 8), platform::black);  // glyph stem
        EXPECT_EQ(b.at(10, 12), platform::black); // glyph foot over the line
        EXPECT_EQ(b.at(12, 12), platform::black);
        EXPECT_EQ(b.at(14, 12), c.lineUnderWhite);
        EXPECT_EQ(b.at(12, 9), c.background);
        EXPECT_EQ(b.at(8, 12), rgb(255, 0, 0));  // outside the copied region
        EXPECT_EQ(b.at(15, 12), rgb(255, 0, 0)); // region clipped to 6 wide
    }
    // A region reaching beyond the source or the box changes nothing there.
    Box b(10, 10);
    b.box.paintPicture(glyph, 8, 8, 0, 0, 100, 100, platform::RasterOp::SrcAnd);
    EXPECT_EQ(b.at(9, 9), platform::black);
    EXPECT_EQ(b.at(8, 8), platform::white);
}

TEST(PictureBox, printedTextStandsAtTheColumnAndLineGiven) {
    Box b(300, 80);
    b.box.setForeColour(rgb(255, 0, 0));
    b.box.setCurrentY(1);
    b.box.tab(16);
    const double column16 = b.box.currentX();
    b.box.print("8");
    EXPECT_DOUBLE_EQ(b.box.currentX(), column16 + b.box.textWidth("8"));
    b.box.printLine();
    EXPECT_DOUBLE_EQ(b.box.currentX(), 0);
    EXPECT_DOUBLE_EQ(b.box.currentY(), 1 + b.box.textHeight());

    // The ink lies right of column 16 and within the first text line.
    int minX = 1000, maxX = -1, maxY = -1;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 300; ++x)
            if (b.at(x, y) == rgb(255, 0, 0)) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
                maxY = std::max(maxY, y);
            }
    ASSERT_GE(maxX, 0) << "nothing printed";
    EXPECT_GE(minX, int(column16));
    EXPECT_LE(maxX, int(column16 + b.box.textWidth("8")) + 1);
    EXPECT_LT(maxY, 1 + b.box.textHeight());
    EXPECT_GT(column16, 14 * 3.0); // fifteen average characters in

    // A column left of the print position starts a new line.
    b.box.tab(10);
    b.box.tab(2);
    EXPECT_DOUBLE_EQ(b.box.currentY(), 1 + 2 * b.box.textHeight());
}

TEST(PictureBox, everyPrintedCharacterIsAMarkOfItsOwn) {
    // After a "1" the point once fell on the foot of the 1: 1.5 printed as "15".
    const char* const cases[] = {
        "1.5",   "1.496855", "1,5",      "-1.25",    "-0,5",
        " .75",  "11.11",    "-40.0001", "1,1-1.1",  "100000002004087734272.",
        "3 / 2", "-.000615", "7.",       "0.001171", "1.4983258"};
    for (const char* c : cases) {
        // The print position lands between pixels as the columns of a list do.
        for (double x : {2.0, 2.25, 2.5, 2.75}) {
            SCOPED_TRACE(testing::Message() << '"' << c << "\" at " << x);
            Box b(400, 30);
            b.box.setForeColour(rgb(255, 0, 0));
            b.box.setCurrentX(x);
            b.box.setCurrentY(1);
            b.box.print(c);
            platform::testing::expectEveryCharacterVisible(b.box.image(), c, qRgb(255, 0, 0));
            // Sharp text: nothing but the text colour on the background.
            for (int y = 0; y < 30; ++y)
                for (int px = 0; px < 400; ++px)
                    ASSERT_TRUE(b.at(px, y) == platform::white || b.at(px, y) == rgb(255, 0, 0));
        }
    }
}

TEST(PictureBox, aPrintThatGoesOnWhereTheLastEndedKeepsItsCharactersApart) {
    Box whole(100, 30), pieces(100, 30);
    for (Box* b : {&whole, &pieces})
        b->box.setForeColour(rgb(255, 0, 0));
    whole.box.print("1.5");
    pieces.box.print("1");
    pieces.box.print(".");
    pieces.box.print("5");
    platform::testing::expectEveryCharacterVisible(pieces.box.image(), "1.5", qRgb(255, 0, 0));
    EXPECT_EQ(pieces.box.image(), whole.box.image());
    EXPECT_DOUBLE_EQ(pieces.box.currentX(), whole.box.currentX());
    EXPECT_DOUBLE_EQ(whole.box.currentX(), whole.box.textWidth("1.5"));
}

TEST(PictureBox, drawingSurvivesResizeAndClearRestoresThePicture) {
    Box b(20, 20);
    b.box.line(0, 0, 19, 0);
    b.box.resize(40, 30);
    EXPECT_EQ(b.box.clientSize(), QSize(40, 30));
    EXPECT_EQ(b.box.scaleWidth(), 40);
    EXPECT_EQ(b.at(19, 0), platform::black);
    EXPECT_EQ(b.at(30, 0), platform::white);

    QImage picture(5, 5, QImage::Format_RGB32);
    picture.fill(qRgb(0, 0, 255));
    b.box.setPicture(picture);
    b.box.line(0, 10, 39, 10);
    b.box.clear();
    EXPECT_EQ(b.at(2, 2), rgb(0, 0, 255));
    EXPECT_EQ(b.at(20, 10), platform::white);
}

TEST(PictureBox, mouseEventsArriveInTheBoxScale) {
    PictureBox box;
    box.setBorder(true);
    box.resize(104, 54); // 100 x 50 inside the border
    box.setUserScale(0, 10, 1000, 0);
    box.show();
    QSignalSpy moves(&box, &PictureBox::mouseMove);
    QSignalSpy downs(&box, &PictureBox::mouseDown);
    QTest::mouseMove(&box, QPoint(2 + 50, 2 + 25));
    QTest::mousePress(&box, Qt::LeftButton, Qt::NoModifier, QPoint(2 + 10, 2 + 40));
    ASSERT_GE(moves.count(), 1);
    EXPECT_DOUBLE_EQ(moves.last().at(2).toDouble(), 500);
    EXPECT_DOUBLE_EQ(moves.last().at(3).toDouble(), 5);
    ASSERT_EQ(downs.count(), 1);
    EXPECT_DOUBLE_EQ(downs.last().at(2).toDouble(), 100);
    EXPECT_DOUBLE_EQ(downs.last().at(3).toDouble(), 2);
}
