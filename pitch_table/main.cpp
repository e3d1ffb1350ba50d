#include "command_line.h"
#include "form1.h"
#include "window_application.h"
#include "window_runtime.h"

#include <iostream>

namespace {
const runtime::ProgramInfo program{
    "ruvizezo", "Shows 229 pitches one koma apart on a spiral; point at a pitch to see it\non a "
                "staff with Turkish koma accidentals, press to hear it."};
} // namespace

int main(int argc, char** argv) {
    // Answered before the window system is reached: they work without a display.
    if (const auto status =
            runtime::answerCommandLine({argv + 1, argv + argc}, program, std::cout, std::cerr))
        return *status;
    platform::WindowApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Ruvizezo"));
    // Lets the desktop match the window to its menu entry and icon.
    app.setDesktopFileName(QStringLiteral("io.github.komasuite.Ruvizezo"));
    platform::startWindowRuntime();
    pitch_table::Form1 w;
    if (!w.loaded())
        return 1; // the data file is missing: the message has been shown
    w.show();
    return app.exec();
}
