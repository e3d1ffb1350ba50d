#include "frm_cns.h"
#include "window_runtime.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Quenlo"));
    platform::startWindowRuntime();
    genus::FrmCns w;
    w.show();
    return app.exec();
}
