#include "form1.h"
#include "window_application.h"
#include "window_runtime.h"

int main(int argc, char** argv) {
    platform::WindowApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Ruvizezo"));
    platform::startWindowRuntime();
    pitch_table::Form1 w;
    if (!w.loaded())
        return 1; // the data file is missing: the message has been shown
    w.show();
    return app.exec();
}
