#include "fields.h"

#include <charconv>
#include <cmath>

namespace tolvane {

namespace {

void appendFitted(std::string& line, const char* text, int length, int width) {
    if (length > width) {
        line.append(static_cast<std::size_t>(width), '*');
        return;
    }
    line.append(static_cast<std::size_t>(width - length), ' ');
    line.append(text, static_cast<std::size_t>(length));
}

} // namespace

void appendFixed(std::string& line, float value, int width, int decimals) {
    if (!std::isfinite(value) || decimals < 0 || decimals > 6) {
        line.append(static_cast<std::size_t>(width), '*');
        return;
    }
    std::uint64_t scale = 1;
    for (int i = 0; i < decimals; ++i) {
        scale *= 10;
    }
    // A float times 10^6 at most needs 44 bits, so the scaled value is exact and
    // only the one rounding to a whole number happens.
    const double scaled =
        std::round(std::fabs(static_cast<double>(value)) * static_cast<double>(scale));
    if (scaled >= 1e15) {
        line.append(static_cast<std::size_t>(width), '*');
        return;
    }
    const auto units = static_cast<std::uint64_t>(scaled);

    char text[32];
    int length = 0;
    if (value < 0.0f && units != 0) {
        text[length++] = '-';
    }
    const auto whole = std::to_chars(text + length, text + sizeof text, units / scale);
    length = static_cast<int>(whole.ptr - text);
    text[length++] = '.';
    std::uint64_t fraction = units % scale;
    for (int i = decimals - 1; i >= 0; --i) {
        text[length + i] = static_cast<char>('0' + fraction % 10);
        fraction /= 10;
    }
    length += decimals;
    appendFitted(line, text, length, width);
}

void appendInteger(std::string& line, std::int32_t value, int width) {
    char text[16];
    const auto result = std::to_chars(text, text + sizeof text, value);
    appendFitted(line, text, static_cast<int>(result.ptr - text), width);
}

} // namespace tolvane
