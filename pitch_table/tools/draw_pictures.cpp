// Draws the clef picture and the glyph strip of the staff from LilyPond's
// Emmentaler font, black on white without smoothing, so that AND copies of
// them stack on a staff. Run by hand; the pictures are kept with the sources.
// Usage: draw_pictures <emmentaler-20.otf> <output folder>
#include "staff.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>

#include <iostream>

namespace {

using pitch_table::GlyphRect;

class Drawer {
public:
    Drawer(const QString& fontPath, QImage& image)
        : m_fontPath(fontPath)
        , m_painter(&image) {
        m_painter.setRenderHint(QPainter::Antialiasing, false);
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(Qt::black);
    }

    /** A glyph by code point, its origin at (x, y), at `scale` pixels per font unit, clipped. */
    void glyph(char16_t code, double x, double y, double scale, const QRect& clip) {
        const QRawFont font(m_fontPath, 1000 * scale, QFont::PreferNoHinting);
        if (!font.isValid())
            throw std::runtime_error("the font cannot be read");
        const QList<quint32> ids = font.glyphIndexesForString(QString(QChar(code)));
        if (ids.size() != 1 || ids[0] == 0)
            throw std::runtime_error("the font lacks a glyph");
        m_painter.setClipRect(clip);
        m_painter.drawPath(font.pathForGlyph(ids[0]).translated(x, y));
    }

    void box(const QRectF& r, const QRect& clip) {
        m_painter.setClipRect(clip);
        m_painter.drawRect(r);
    }

private:
    QString m_fontPath;
    QPainter m_painter;
};

QRect rectOf(GlyphRect g) {
    return {g.x, g.y, g.width, g.height};
}

// Code points of the Emmentaler glyphs used.
constexpr char16_t clefG = 0xE085, flat = 0xE021, flatSlash = 0xE025, flatSlashSlash = 0xE026,
                   mirroredFlat = 0xE028, sharp = 0xE013, sharpSlashSlashStem = 0xE017,
                   sharpSlashSlashSlashStem = 0xE019, sharpSlashSlashSlashStemStem = 0xE018,
                   natural = 0xE01D, noteHead = 0xE0EA, flagUp = 0xE0D2, flagDown = 0xE0DA;

constexpr double staffSpace = 8;               // pixels, as on the drawn staff
constexpr double noteScale = staffSpace / 250; // the font's staff space is 250 units
constexpr double clefScale = 0.038;            // the clef reaches from about row 14 to 84
constexpr double accidentalScale = 0.025;      // the widest accidental fits 8 pixels
constexpr double digitScale = 0.011;           // digits 5 to 6 pixels high

QImage clefPicture(const QString& fontPath) {
    QImage image(pitch_table::clefWidth, pitch_table::clefHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    Drawer d(fontPath, image);
    const QRect all = image.rect();
    for (int row : pitch_table::clefLineRows)
        d.box(QRectF(0, row, pitch_table::clefWidth, 1), all);
    d.glyph(clefG, 5, pitch_table::clefLineRows[3], clefScale, all); // curls round the G line
    return image;
}

QImage glyphStrip(const QString& fontPath) {
    QImage image(pitch_table::stripWidth, pitch_table::stripHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    Drawer d(fontPath, image);
    // The note's line lies 16 rows into an accidental's cell of 27.
    const double line = 7 + 16;
    struct Accidental {
        int fark;
        char16_t code;
        double originX; // from the cell's left edge
        char16_t digit;
        bool digitAbove;
    };
    const Accidental accidentals[] = {
        {-8, flatSlashSlash, 3, 0, false},
        {-5, flat, 1, 0, false},
        {-4, flatSlash, 2, 0, false},
        {-3, flat, 1, u'3', false},
        {-2, flat, 1, u'2', false},
        {-1, mirroredFlat, 2, 0, false},
        {1, sharpSlashSlashStem, 0.5, 0, false},
        {2, sharpSlashSlashStem, 0.5, u'2', true},
        {3, sharpSlashSlashStem, 0.5, u'3', true},
        {4, sharp, 0.5, 0, false},
        {5, sharpSlashSlashSlashStem, 0.5, 0, false},
        {8, sharpSlashSlashSlashStemStem, 0.5, 0, false},
    };
    for (const Accidental& a : accidentals) {
        const QRect cell = rectOf(*pitch_table::accidentalGlyph(a.fark));
        d.glyph(a.code, cell.x() + a.originX, line, accidentalScale, cell);
        if (a.digit && a.digitAbove)
            d.glyph(a.digit, cell.x() + 2, cell.y() + 5.5, digitScale, cell);
        else if (a.digit)
            d.glyph(a.digit, cell.x() + 3.5, line - 6, digitScale, cell);
    }
    const QRect naturalCell = rectOf(pitch_table::naturalGlyph);
    d.glyph(natural, naturalCell.x() + 1, line, accidentalScale, naturalCell);

    const double stemLength = 3.5 * staffSpace;
    const double headWidth = 326 * noteScale;
    // Stem up: head at the bottom, stem on its right, flag to the right.
    const QRect up = rectOf(pitch_table::noteStemUp);
    const double upHead = up.y() + 29;
    d.glyph(noteHead, up.x(), upHead, noteScale, up);
    d.box(QRectF(up.x() + headWidth - 1, upHead - stemLength, 1, stemLength), up);
    d.glyph(flagUp, up.x() + headWidth - 1, upHead - stemLength, noteScale, up);
    // Stem down: head at the top, stem on its left, flag at the stem's end.
    const QRect down = rectOf(pitch_table::noteStemDown);
    const double downHead = down.y() + 4;
    d.glyph(noteHead, down.x(), downHead, noteScale, down);
    d.box(QRectF(down.x(), downHead, 1, stemLength), down);
    d.glyph(flagDown, down.x(), downHead + stemLength, noteScale, down);
    return image;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::cerr << "usage: draw_pictures <emmentaler-20.otf> <output folder>\n";
        return 2;
    }
    try {
        const QString font = QString::fromLocal8Bit(argv[1]);
        const QString folder = QString::fromLocal8Bit(argv[2]);
        if (!clefPicture(font).convertToFormat(QImage::Format_Mono).save(folder + "/clef.png") ||
            !glyphStrip(font).convertToFormat(QImage::Format_Mono).save(folder + "/glyphs.png"))
            throw std::runtime_error("the pictures cannot be written");
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    return 0;
}
