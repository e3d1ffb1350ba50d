// Test main for the Qt libraries: an application object, the default window
// font and the regional separator from --separator=<c>.
#include "separator.h"
#include "window_runtime.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setFont(platform::defaultWindowFont());
    runtime::testing::takeSeparatorArgument(argc, argv);
    return RUN_ALL_TESTS();
}
