#pragma once
// The columns of candidate interval sizes: how many, their value texts and symbols.

#include "symbols.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace genus {

/** One candidate interval as the strip shows it. */
struct Column {
    std::string value;  ///< size in komas as text (txbKma)
    std::string symbol; ///< two-character symbol (txbSmg)
};

/** The most columns one build makes; more would not fit the strip's scroll range usefully. */
inline constexpr int maxColumns = 1000;

/** The settings ask for more than maxColumns columns. */
class TooManyColumns : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/**
 * The highest column index for the texts of txbMin, txbMax and the step:
 * (max - min + 1, rounded to single) / step - 1 / step + 1, less one, rounded
 * halves to even. 4, 13, "0.25" -> 36; 4, 13, "0.33" -> 27; below 0 when max < min - 1.
 * Throws runtime::TypeMismatch for a text that is not a number, TooManyColumns
 * beyond maxColumns columns (or a count that is no number at all).
 */
std::int16_t columnLastIndex(std::string_view minText, std::string_view maxText,
                             std::string_view stepText);

/**
 * The columns 0 to lastIndex (only column 0 when lastIndex < 1). Column 0 holds
 * minText as typed, with "." for the regional separator (pointText); each
 * further value is the one before plus the step, as text: "4", "0.33" -> "4",
 * "4.33", "4.66", "4.99", "5.32", ...; under "," "3,5", "1.00" -> "3.5", "4.5", ...
 * Throws as columnLastIndex does.
 */
std::vector<Column> buildColumns(std::string_view minText, std::string_view maxText,
                                 std::string_view stepText, SymbolSystem system);

} // namespace genus
