#pragma once
// The staff of the readout: fourteen lines, a treble clef and eighth notes
// with koma accidentals, copied from the clef picture and the glyph strip.

#include "picture_box.h"

#include <QImage>

#include <cstdint>

namespace pitch_table {

/** The clef picture and the glyph strip that come with the program. */
const QImage& clefPicture();
const QImage& glyphStripPicture();

/** Draws the fourteen staff lines, y = 24 to 128, from x = 39 to 100. */
void porte(platform::PictureBox& picture);

/**
 * Draws the note of main pitch anaton with the accidental for fark komas.
 * With ilk_mi true (-1) the clef is ANDed in again and the note goes to the
 * left place (x = 50); otherwise to the right place (x = 80). Nothing is
 * cleared: glyphs stack on what is there.
 */
void notaciz(platform::PictureBox& picture, const std::int16_t& ilk_mi, const std::int16_t& anaton,
             const std::int16_t& fark);

/** The empty staff of start-up: the clef copied over what is there, then the lines. */
void drawEmptyStaff(platform::PictureBox& picture);

} // namespace pitch_table
