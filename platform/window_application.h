#pragma once
// The application object of the window programs. An error that escapes an
// event handler would end the program; here it becomes a message instead,
// and the window goes on.

#include <QApplication>
#include <QString>

namespace platform {

class WindowApplication : public QApplication {
    Q_OBJECT
public:
    WindowApplication(int& argc, char** argv);

    /** Delivers the event; an exception it raises is shown by unexpectedError(). */
    bool notify(QObject* receiver, QEvent* event) override;
};

/**
 * Tells the user that an action failed with `error` (its own text) and that
 * the window carries on. A second error while that message is open is only
 * written to standard error, so that a failing timer cannot stack boxes.
 */
void unexpectedError(const QString& error);

/**
 * The text that comes before the error in that message; Turkish unless a
 * window changes it (with its language, say).
 * Default: "Beklenmeyen bir hata oluştu; işlem yapılamadı:".
 */
void setUnexpectedErrorIntro(const QString& intro);

} // namespace platform
