#pragma once
// Finds what a reader sees as separate marks in a picture: the pieces of one
// colour, pixels joined also diagonally.

#include <QImage>
#include <QRect>
#include <QString>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace platform::testing {

/** Bounding boxes of the pieces of colour `ink`, from left to right. */
inline std::vector<QRect> marksOf(const QImage& image, QRgb ink) {
    ink |= 0xFF000000u;
    const auto index = [&](QPoint p) {
        return std::size_t(p.y()) * std::size_t(image.width()) + std::size_t(p.x());
    };
    std::vector<char> seen(std::size_t(image.width()) * std::size_t(image.height()), 0);
    std::vector<QRect> marks;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (seen[index({x, y})] || image.pixel(x, y) != ink)
                continue;
            QRect mark;
            std::vector<QPoint> todo{{x, y}};
            seen[index({x, y})] = 1;
            while (!todo.empty()) {
                const QPoint p = todo.back();
                todo.pop_back();
                mark |= QRect(p, QSize(1, 1));
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const QPoint n = p + QPoint(dx, dy);
                        if (image.rect().contains(n) && !seen[index(n)] && image.pixel(n) == ink) {
                            seen[index(n)] = 1;
                            todo.push_back(n);
                        }
                    }
            }
            marks.push_back(mark);
        }
    std::stable_sort(marks.begin(), marks.end(),
                     [](const QRect& a, const QRect& b) { return a.left() < b.left(); });
    return marks;
}

/**
 * Expects the marks of `ink` in `image` to be the characters of a printed
 * number, one mark each and in order: digits (and other characters) at full
 * height, the point on the digits' baseline, the comma reaching below it, the
 * minus between their top and bottom. Blanks have no mark.
 */
inline void expectEveryCharacterVisible(const QImage& image, const QString& text, QRgb ink) {
    const QString shown = QString(text).remove(' ');
    const std::vector<QRect> marks = marksOf(image, ink);
    ASSERT_EQ(marks.size(), std::size_t(shown.size()))
        << "marks for \"" << text.toStdString() << "\"";
    int top = image.height(), bottom = -1; // of the digits
    for (qsizetype k = 0; k < shown.size(); ++k)
        if (shown[k].isDigit()) {
            top = std::min(top, marks[std::size_t(k)].top());
            bottom = std::max(bottom, marks[std::size_t(k)].bottom());
        }
    for (qsizetype k = 0; k < shown.size(); ++k) {
        const QRect m = marks[std::size_t(k)];
        SCOPED_TRACE(::testing::Message()
                     << "character " << k << " '" << char(shown[k].unicode()) << "'");
        switch (shown[k].unicode()) {
        case '.':
            EXPECT_LE(m.height(), 2);
            EXPECT_EQ(m.bottom(), bottom);
            break;
        case ',':
            EXPECT_GT(m.bottom(), bottom);
            break;
        case '-':
            EXPECT_GE(m.width(), 2);
            EXPECT_GT(m.top(), top + 1);
            EXPECT_LT(m.bottom(), bottom - 1);
            break;
        default:
            EXPECT_GT(m.height(), 4);
        }
    }
}

} // namespace platform::testing
