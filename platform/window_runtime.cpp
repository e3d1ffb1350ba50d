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
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPointSize(8);
    return f;
}

WaitCursor::WaitCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor() {
    QApplication::restoreOverrideCursor();
}

} // namespace platform
