#include "command_line.h"
#include "form1.h"
#include "window_application.h"
#include "window_runtime.h"

#include <iostream>

namespace {
const runtime::ProgramInfo program{
    "mirefa",
    "Reads a Scala scale (.scl) and tells where the frets go on a neck of a\ngiven length, "
    "allowing for the stretch of the pressed string; draws the\nneck. FILE.scl is opened at start "
    "as the open button would open it.",
    true, "FILE.scl"};
} // namespace

int main(int argc, char** argv) {
    // Answered before the window system is reached: they work without a display.
    std::string file;
    if (const auto status = runtime::answerCommandLine({argv + 1, argv + argc}, program, std::cout,
                                                       std::cerr, &file))
        return *status;
    platform::WindowApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Mirefa"));
    // Lets the desktop match the window to its menu entry and icon.
    app.setDesktopFileName(QStringLiteral("io.github.komasuite.Mirefa"));
    platform::startWindowRuntime();
    mirefa::Form1 w;
    w.show();
    if (!file.empty())
        w.openScale(QString::fromLocal8Bit(file.c_str()));
    return app.exec();
}
