#include "captioned_label.h"

#include "control_names.h"
#include "twips.h"

#include <QLabel>

#include <algorithm>

namespace genus {

void fitLabel(QLabel* label) {
    const QRect place = label->property("place").toRect();
    const int needed = label->sizeHint().width();
    QRect r = place;
    if (needed > place.width()) {
        if (label->alignment() & Qt::AlignRight)
            r.setLeft(std::max(0, place.right() + 1 - needed));
        else
            r.setWidth(needed);
    }
    label->setGeometry(r);
}

void fitLabel(QLabel* label, const QFont& font) {
    label->setFont(font);
    fitLabel(label);
}

QLabel* makeLabel(QWidget* parent, const char* name, const char* text, int left, int top, int width,
                  int height, Qt::Alignment align) {
    auto* label =
        platform::named(new QLabel(QString::fromUtf8(text), parent), QString::fromLatin1(name));
    label->setAlignment(align | Qt::AlignTop);
    label->setProperty("place", platform::twipRect(left, top, width, height));
    fitLabel(label);
    return label;
}

} // namespace genus
