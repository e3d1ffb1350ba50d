#pragma once
// Message boxes as the window programs show them: the exact text, an OK
// button, no icon, the program's name (QCoreApplication::applicationName) as the title.

#include <QStringList>

#include <functional>
#include <memory>

class QMessageBox;
class QWidget;

namespace platform {

/** Builds the box without showing it. */
std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, const QString& text);

/**
 * Shows the box and waits for OK (or hands the text to the handler a test
 * installed). Without a screen (the offscreen and minimal platforms) the
 * text goes to standard error instead, after the program's name.
 */
void showMessage(QWidget* parent, const QString& text);

using MessageHandler = std::function<void(QWidget* parent, const QString& text)>;

/** Keeps the messages of a scope instead of showing them; for tests. */
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    QStringList messages;

private:
    MessageHandler m_previous;
};

} // namespace platform
