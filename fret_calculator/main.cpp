#include "form1.h"
#include "window_runtime.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Mirefa"));
    platform::startWindowRuntime();
    mirefa::Form1 w;
    w.show();
    return app.exec();
}
