#include "form1.h"
#include "window_runtime.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The caption ends with the product line, so the window manager shows it as it stands.
    app.setApplicationDisplayName("B E X A R O +   for  Windows");
    platform::startWindowRuntime();
    bexaro::Form1 w;
    w.show();
    return app.exec();
}
