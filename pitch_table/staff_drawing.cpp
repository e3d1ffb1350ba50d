#include "staff_drawing.h"

#include "staff.h"

namespace pitch_table {

namespace {

void copyGlyph(platform::PictureBox& picture, GlyphRect from, int x, int y) {
    picture.paintPicture(glyphStripPicture(), x, y, from.x, from.y, from.width, from.height,
                         platform::RasterOp::SrcAnd);
}

} // namespace

const QImage& clefPicture() {
    static const QImage image = QImage(":/ruvizezo/clef.png").convertToFormat(QImage::Format_RGB32);
    return image;
}

const QImage& glyphStripPicture() {
    static const QImage image =
        QImage(":/ruvizezo/glyphs.png").convertToFormat(QImage::Format_RGB32);
    return image;
}

void porte(platform::PictureBox& picture) {
    for (int k = 0; k <= 13; ++k)
        picture.line(39, 24 + 8 * k, 100, 24 + 8 * k);
}

void notaciz(platform::PictureBox& picture, const std::int16_t& ilk_mi, const std::int16_t& anaton,
             const std::int16_t& fark) {
    int x = 80;
    if (ilk_mi) {
        // The region reaches past the clef's width; the part outside changes nothing.
        picture.paintPicture(clefPicture(), 4, 20, 0, 0, 100, 100, platform::RasterOp::SrcAnd);
        x = 50;
    }
    porte(picture);
    const NotePlacement place = notePlacement(x, staffStep(anaton));
    copyGlyph(picture, place.note, place.noteX, place.noteY);
    if (const auto accidental = accidentalGlyph(fark))
        copyGlyph(picture, *accidental, place.accidentalX, place.accidentalY);
}

void drawEmptyStaff(platform::PictureBox& picture) {
    picture.paintPicture(clefPicture(), 4, 20, 0, 0, clefPicture().width(), clefPicture().height(),
                         platform::RasterOp::SrcCopy);
    porte(picture);
}

} // namespace pitch_table
