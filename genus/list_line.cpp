#include "list_line.h"

#include "numbers.h"

namespace genus {

std::string fnsDesen(std::int64_t x, std::uint8_t hane) {
    std::string text = runtime::numberToText(x);
    if (text.size() < hane)
        text.insert(0, hane - text.size(), ' ');
    return text + ") ";
}

std::string fnsDesen2(std::string& s, std::uint8_t hane) {
    if (s.size() < hane)
        s.insert(0, hane - s.size(), ' ');
    return s;
}

std::string genusLine(std::int64_t number, std::span<const std::string* const> values,
                      std::span<const std::string* const> symbols) {
    std::string line = fnsDesen(number, 3);
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            line += " + ";
        std::string copy = *values[i]; // the column's own text stays as it is
        line += fnsDesen2(copy, 2);
    }
    line += '\t';
    for (const std::string* symbol : symbols)
        line += *symbol;
    return line;
}

} // namespace genus
