// Test main for the plain C++ libraries: takes --separator=<c> so that ctest
// can run one executable under both regional separators.
#include "separator.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    runtime::testing::takeSeparatorArgument(argc, argv);
    return RUN_ALL_TESTS();
}
