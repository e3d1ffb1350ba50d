#include "form1.h"
#include "window_application.h"
#include "window_runtime.h"

int main(int argc, char** argv) {
    platform::WindowApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Bexaro"));
    platform::startWindowRuntime();
    bexaro::Form1 w;
    w.show();
    return app.exec();
}
