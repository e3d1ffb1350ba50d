#include "columns.h"

#include "numbers.h"
#include "value_text.h"

#include <cmath>

namespace genus {

namespace {

std::string symbolOf(std::string_view valueText, SymbolSystem system) {
    double size = 0;
    try {
        size = readSetting(valueText);
    } catch (const std::runtime_error&) {
        size = readValue(valueText);
    }
    return fnsSimge(static_cast<float>(size), system);
}

} // namespace

std::int16_t columnLastIndex(std::string_view minText, std::string_view maxText,
                             std::string_view stepText) {
    const double max = readSetting(maxText);
    const double min = readSetting(minText);
    const double value2 = static_cast<float>(max - min + 1);
    const double step = readSetting(stepText);
    const double count = value2 / step - 1 / step + 1;
    if (!std::isfinite(count) || count - 1 > maxColumns - 1 + 0.5)
        throw TooManyColumns("too many columns");
    if (count - 1 < -32768)
        return -32768; // far below the smallest size: no columns beyond column 0 either way
    return runtime::toInt16(count - 1);
}

std::vector<Column> buildColumns(std::string_view minText, std::string_view maxText,
                                 std::string_view stepText, SymbolSystem system) {
    const std::int16_t lastIndex = columnLastIndex(minText, maxText, stepText);
    const double step = readSetting(stepText);
    std::vector<Column> columns;
    columns.reserve(lastIndex < 1 ? 1 : static_cast<std::size_t>(lastIndex) + 1);
    // The further columns are written with "."; so is the first, or the strip and the list
    // would mix separators.
    columns.push_back({pointText(minText), symbolOf(minText, system)});
    for (int a = 1; a <= lastIndex; ++a) {
        std::string value = valueText(readValue(columns.back().value) + step);
        std::string symbol = symbolOf(value, system);
        columns.push_back({std::move(value), std::move(symbol)});
    }
    return columns;
}

} // namespace genus
