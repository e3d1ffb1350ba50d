#include "command_line.h"
#include "frm_cns.h"
#include "window_application.h"
#include "window_runtime.h"

#include <iostream>

namespace {
const runtime::ProgramInfo program{
    "quenlo", "Lists the trichords, tetrachords and pentachords of a span in komas,\nnames them in "
              "three Turkish symbol systems and plays a genus as sine\ntones, in a window."};
} // namespace

int main(int argc, char** argv) {
    // Answered before the window system is reached: they work without a display.
    if (const auto status =
            runtime::answerCommandLine({argv + 1, argv + argc}, program, std::cout, std::cerr))
        return *status;
    platform::WindowApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Quenlo"));
    // Lets the desktop match the window to its menu entry and icon.
    app.setDesktopFileName(QStringLiteral("io.github.komasuite.Quenlo"));
    platform::startWindowRuntime();
    genus::FrmCns w;
    w.show();
    return app.exec();
}
