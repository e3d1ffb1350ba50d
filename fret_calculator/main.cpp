#include "form1.h"
#include "window_runtime.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationDisplayName(QStringLiteral("Mirefa Hesaplayıcı"));
    platform::startWindowRuntime();
    mirefa::Form1 w;
    w.show();
    return app.exec();
}
