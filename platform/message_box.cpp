#include "message_box.h"

#include <QCoreApplication>
#include <QMessageBox>

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
