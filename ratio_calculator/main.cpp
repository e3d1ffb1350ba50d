#include "command_line.h"
#include "form1.h"
#include "window_application.h"
#include "window_runtime.h"

#include <iostream>

namespace {
const runtime::ProgramInfo program{
    "bexaro", "Two pitches on sliders (MIDI note and cents), the distance between them\nand the "
              "fractions near their ratio, in a window."};
} // namespace

int main(int argc, char** argv) {
    // Answered before the window system is reached: they work without a display.
    if (const auto status =
            runtime::answerCommandLine({argv + 1, argv + argc}, program, std::cout, std::cerr))
        return *status;
    platform::WindowApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Bexaro"));
    // Lets the desktop match the window to its menu entry and icon.
    app.setDesktopFileName(QStringLiteral("io.github.komasuite.Bexaro"));
    platform::startWindowRuntime();
    bexaro::Form1 w;
    w.show();
    return app.exec();
}
