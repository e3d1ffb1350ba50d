#include "message_box.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>

#include <cstdio>

namespace platform {

namespace {
MessageHandler& handler() {
    static MessageHandler h;
    return h;
}
} // namespace

std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, const QString& text) {
    auto box = std::make_unique<QMessageBox>(parent);
    // The program's name: a display name would also be appended to every window caption.
    box->setWindowTitle(QCoreApplication::applicationName());
    box->setIcon(QMessageBox::NoIcon);
    box->setTextFormat(Qt::PlainText);
    box->setText(text);
    box->setStandardButtons(QMessageBox::Ok);
    return box;
}

void showMessage(QWidget* parent, const QString& text) {
    if (handler()) {
        handler()(parent, text);
        return;
    }
    // Without a screen nobody could press OK: the message goes to standard error.
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")) {
        std::fprintf(stderr, "%s: %s\n", qUtf8Printable(QCoreApplication::applicationName()),
                     qUtf8Printable(text));
        return;
    }
    makeMessageBox(parent, text)->exec();
}

MessageRecorder::MessageRecorder()
    : m_previous(handler()) {
    handler() = [this](QWidget*, const QString& text) { messages << text; };
}

MessageRecorder::~MessageRecorder() {
    handler() = m_previous;
}

} // namespace platform
