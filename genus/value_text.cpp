#include "value_text.h"

#include "numbers.h"

#include <algorithm>

namespace genus {

namespace {

std::string replaced(std::string_view text, char from, char to) {
    std::string s(text);
    std::replace(s.begin(), s.end(), from, to);
    return s;
}

} // namespace

double readValue(std::string_view text) {
    if (runtime::decimalSeparator() == ',')
        return runtime::readLenient(replaced(text, ',', '.'));
    return runtime::readLenient(text);
}

double readSetting(std::string_view text) {
    if (runtime::decimalSeparator() == ',')
        return runtime::readReal(replaced(text, '.', ','));
    return runtime::readReal(text);
}

std::string valueText(double value) {
    // Value texts are read back leniently, which knows only ".", so they are
    // written with "." in every region.
    return replaced(runtime::numberToText(value), runtime::decimalSeparator(), '.');
}

std::string pointText(std::string_view text) {
    return replaced(text, runtime::decimalSeparator(), '.');
}

} // namespace genus
