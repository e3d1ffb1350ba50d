#include "printed_text.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QTextBoundaryFinder>

#include <cmath>

namespace platform {

namespace {

QFont sharp(QFont font) {
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

/** The ink of a character drawn with its origin (pen on the baseline) at 0, 0. */
CharacterInk render(const QFont& font, const QString& character) {
    // Room for the tallest glyph and for overhangs on either side.
    const QFontMetricsF metrics(font);
    const int m = int(std::ceil(metrics.height())) + 2;
    const QPoint origin(m, 2 * m);
    QImage scratch(2 * m + int(std::ceil(metrics.horizontalAdvance(character))) + m, 3 * m,
                   QImage::Format_Grayscale8);
    scratch.fill(0);
    {
        QPainter p(&scratch);
        p.setRenderHint(QPainter::TextAntialiasing, false);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(origin, character);
    }
    QRect box;
    for (int y = 0; y < scratch.height(); ++y) {
        const uchar* row = scratch.constScanLine(y);
        for (int x = 0; x < scratch.width(); ++x)
            if (row[x] != 0)
                box |= QRect(x, y, 1, 1);
    }
    CharacterInk ink;
    if (box.isEmpty())
        return ink;
    ink.mask = scratch.copy(box);
    ink.rect = box.translated(-origin);
    return ink;
}

const CharacterInk& cachedInk(const QFont& font, const QString& character) {
    // A list page prints the same few characters over and over.
    static QHash<QString, CharacterInk> cache;
    const QString key = font.toString() + QChar(0x1F) + character;
    auto it = cache.constFind(key);
    if (it == cache.constEnd()) {
        if (cache.size() > 4096)
            cache.clear();
        it = cache.insert(key, render(font, character));
    }
    return *it;
}

bool touchesAny(const CharacterInk& ink, const std::vector<CharacterInk>& others) {
    for (const CharacterInk& o : others)
        if (ink.touches(o))
            return true;
    return false;
}

} // namespace

bool CharacterInk::hasInk(int x, int y) const {
    return rect.contains(x, y) && mask.constScanLine(y - rect.top())[x - rect.left()] != 0;
}

bool CharacterInk::touches(const CharacterInk& other) const {
    if (rect.isEmpty() || !rect.adjusted(-1, -1, 1, 1).intersects(other.rect))
        return false;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (hasInk(x, y))
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        if (other.hasInk(x + dx, y + dy))
                            return true;
    return false;
}

PrintedText layOutPrint(const QFont& font, const QString& text, QPoint pen,
                        const std::vector<CharacterInk>& before) {
    const QFont f = sharp(font);
    const QFontMetricsF metrics(f);
    PrintedText out;
    int moved = 0;
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype start = 0, end; (end = graphemes.toNextBoundary()) != -1; start = end) {
        const QString character = text.mid(start, end - start);
        CharacterInk ink = cachedInk(f, character);
        if (ink.rect.isEmpty())
            continue; // a blank
        const double at = pen.x() + metrics.horizontalAdvance(text.left(start));
        ink.rect.translate(int(std::nearbyint(at)) + moved, pen.y());
        // All ink before ends somewhere: moving right clears it.
        while (touchesAny(ink, out.characters) || touchesAny(ink, before)) {
            ink.rect.translate(1, 0);
            ++moved;
        }
        out.characters.push_back(std::move(ink));
    }
    out.advance = metrics.horizontalAdvance(text) + moved;
    return out;
}

} // namespace platform
