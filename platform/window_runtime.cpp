#include "window_runtime.h"

#include "numbers.h"

#include <QApplication>
#include <QLocale>

namespace platform {

void startWindowRuntime() {
    const QString point = QLocale::system().decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() < 128)
        runtime::setDecimalSeparator(char(point.at(0).unicode()));
    QApplication::setFont(defaultWindowFont());
}

QFont defaultWindowFont() {
    // In pixels, like the controls placed from twips: a point size would grow
    // with the screen's logical resolution while the controls stay put. Ten
    // pixels fit the captions into the places made for the old 8-point face.
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(10);
    return f;
}

WaitCursor::WaitCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor() {
    QApplication::restoreOverrideCursor();
}

} // namespace platform
