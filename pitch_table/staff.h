#pragma once
// Where notes and accidentals of the staff come from and go to: the staff
// steps of the main pitches and the glyph rectangles of the strip picture.

#include <optional>

namespace pitch_table {

struct GlyphRect {
    int x, y, width, height;
    bool operator==(const GlyphRect&) const = default;
};

/** The staff step of a main pitch index (9 -> 1, 93 -> 12, 221 -> 29); 0 for any other index. */
int staffStep(int index);

/** The accidental for a koma distance of -8, -5..-1, 1..5 or 8; nothing for any other. */
std::optional<GlyphRect> accidentalGlyph(int fark);

/** The eighth notes of the strip: stem up (head at the bottom) and stem down. */
inline constexpr GlyphRect noteStemUp{256, 2, 19, 34};
inline constexpr GlyphRect noteStemDown{279, 2, 11, 34};
/** The natural sign, drawn in the strip but used by no distance. */
inline constexpr GlyphRect naturalGlyph{123, 7, 8, 27};

/** Size of the glyph strip and of the clef picture, in pixels. */
inline constexpr int stripWidth = 293, stripHeight = 38;
inline constexpr int clefWidth = 35, clefHeight = 120;
/** Rows of the clef picture's five staff lines, top to bottom. */
inline constexpr int clefLineRows[5] = {36, 44, 52, 60, 68};

/** Where notaciz puts things, for a note place x (50 first, 80 second) and a step b. */
struct NotePlacement {
    GlyphRect note;   ///< source rectangle in the strip
    int noteX, noteY; ///< its destination
    int accidentalX, accidentalY;
};
NotePlacement notePlacement(int x, int step);

} // namespace pitch_table
