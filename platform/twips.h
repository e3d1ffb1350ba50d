#pragma once
// Places controls from twips, the unit of the window layouts (15 to the pixel).

#include "numbers.h"

#include <QRect>
#include <QWidget>

namespace platform {

/** Twips to whole pixels, to the nearest (halves away from zero). */
constexpr int twipsToPixels(int twips) {
    const int half = runtime::twipsPerPixel / 2;
    return twips >= 0 ? (twips + half) / runtime::twipsPerPixel
                      : -((-twips + half) / runtime::twipsPerPixel);
}

constexpr QRect twipRect(int left, int top, int width, int height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

/** Puts a control at a place and size given in twips, in its parent's client area. */
inline void placeTwips(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(twipRect(left, top, width, height));
}

} // namespace platform
