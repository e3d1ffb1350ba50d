#include "frm_cns.h"
#include "window_application.h"
#include "window_runtime.h"

int main(int argc, char** argv) {
    platform::WindowApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Quenlo"));
    platform::startWindowRuntime();
    genus::FrmCns w;
    w.show();
    return app.exec();
}
