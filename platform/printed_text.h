#pragma once
// Text as a picture box prints it: sharp glyphs (one colour, no smoothing) on
// whole pixels. Placed at the font's fractional advances, a sharp glyph can
// land on the ink of its neighbour: at 10 pixels the point after a "1" falls
// on the 1's foot and "1.5" reads "15". So every character keeps at least one
// blank pixel between its ink and the ink before it.

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <vector>

namespace platform {

/** The ink of one printed character: its pixels, placed in the picture. */
struct CharacterInk {
    QRect rect;  // bounding box of the ink, in picture pixels
    QImage mask; // Format_Grayscale8 of rect's size: non-zero where ink lies

    bool hasInk(int x, int y) const;
    /** True when a pixel of this ink lies on or beside (also diagonally) a pixel of `other`. */
    bool touches(const CharacterInk& other) const;
};

/** A text laid out for printing. */
struct PrintedText {
    std::vector<CharacterInk> characters; // those with ink, left to right
    double advance = 0;                   // pixels the print position moves
};

/**
 * Lays out `text` in `font` (drawn without smoothing) from `pen`, a whole pixel
 * on the baseline. Each character (grapheme) goes to the whole pixel nearest
 * its place in the font's layout, then further right, a pixel at a time, until
 * its ink touches no ink before it: of this text, or `before` (the characters
 * printed just before, ending where this text starts). The advance is the
 * font's width of the text plus those moves.
 * Example, 10-pixel Liberation Sans: "1.5" puts the point a blank pixel right
 * of the 1's foot, and the advance is one pixel more than the font's width.
 */
PrintedText layOutPrint(const QFont& font, const QString& text, QPoint pen,
                        const std::vector<CharacterInk>& before = {});

} // namespace platform
