#include "window_application.h"

#include "message_box.h"

#include <exception>

namespace platform {

namespace {

QString& intro() {
    static QString text = QString::fromUtf8("Beklenmeyen bir hata oluştu; işlem yapılamadı:");
    return text;
}

} // namespace

WindowApplication::WindowApplication(int& argc, char** argv)
    : QApplication(argc, argv) {}

bool WindowApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        unexpectedError(QString::fromUtf8(e.what()));
    } catch (...) {
        unexpectedError(QStringLiteral("?"));
    }
    return false;
}

void unexpectedError(const QString& error) {
    static bool showing = false;
    if (showing) {
        qWarning("%s %s", qUtf8Printable(intro()), qUtf8Printable(error));
        return;
    }
    showing = true;
    struct Shown {
        ~Shown() { showing = false; }
    } shown;
    showMessage(QApplication::activeWindow(), intro() + QLatin1Char('\n') + error);
}

void setUnexpectedErrorIntro(const QString& text) {
    intro() = text;
}

} // namespace platform
