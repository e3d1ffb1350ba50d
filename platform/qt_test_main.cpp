// Test main for the Qt libraries: the window programs' application object, the default window
// font and the regional separator from --separator=<c>.
#include "separator.h"
#include "window_application.h"
#include "window_runtime.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    platform::WindowApplication app(argc, argv);
    QApplication::setFont(platform::defaultWindowFont());
    runtime::testing::takeSeparatorArgument(argc, argv);
    return RUN_ALL_TESTS();
}
