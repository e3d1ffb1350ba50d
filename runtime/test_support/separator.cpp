#include "separator.h"

#include <string_view>

namespace runtime::testing {

void takeSeparatorArgument(int argc, char** argv) {
    constexpr std::string_view flag = "--separator=";
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg.starts_with(flag) && arg.size() == flag.size() + 1)
            setDecimalSeparator(arg.back());
    }
}

std::string localised(std::string text) {
    for (char& c : text)
        if (c == '.')
            c = decimalSeparator();
    return text;
}

} // namespace runtime::testing
