#include "message_box.h"

#include <QGuiApplication>
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
    box->setWindowTitle(QGuiApplication::applicationDisplayName());
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
