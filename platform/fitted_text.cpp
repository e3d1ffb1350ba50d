#include "fitted_text.h"

#include <QFontMetrics>
#include <QLabel>

#include <algorithm>

namespace platform {

QFont fittedFont(QFont font, const QString& text, int width) {
    font.setStretch(QFont::Unstretched);
    const int needed = QFontMetrics(font).horizontalAdvance(text);
    if (needed <= width || needed <= 0)
        return font;
    // Glyph advances round to pixels: step down until the rounded width fits too.
    for (int stretch = std::max(50, width * 100 / needed); stretch >= 50; --stretch) {
        font.setStretch(stretch);
        if (QFontMetrics(font).horizontalAdvance(text) <= width)
            break;
    }
    return font;
}

void showFitted(QLabel* label, const QString& text) {
    label->setFont(fittedFont(label->font(), text, label->contentsRect().width()));
    label->setText(text);
}

} // namespace platform
