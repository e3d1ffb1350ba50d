#pragma once
// What the fraction finder reads from its boxes: the fraction typed as
// numerator "/" denominator, the tolerance, and the texts it shows.

#include "fraction_search.h"

#include <array>
#include <string>
#include <string_view>

namespace bexaro {

inline constexpr const char* noSlashMessage = "pay ve payda arasına  /  işareti kullanın";
inline constexpr const char* badFractionMessage = "oranı tekrar girin";

/** The outcome of reading a fraction; on a problem the box is emptied and the message shown. */
struct FractionInput {
    enum class Problem { None, NoSlash, BadNumber } problem = Problem::None;
    float ratio = 0;
};

/**
 * Reads "pay/payda" at the first "/", each side by the lenient reading:
 * "3,5/2" -> 1.5, "abc/2" -> BadNumber, "32" -> NoSlash. A zero or negative
 * part, or a ratio beyond the single range (0 or infinite), is BadNumber.
 */
FractionInput readFraction(std::string_view text);

/**
 * The ratio as the label shows it: through "###.######", read back, then a
 * blank before it and "." as the point whatever the region, no "0" before the
 * point: 1.5 -> " 1.5", 0.75 -> " .75". A ratio too small to show a digit
 * there is written by the number-to-text rule instead (1E-07).
 */
std::string reoranText(float ratio);

/** The default tolerance, written back when a typed one is out of range. */
inline constexpr const char* defaultToleranceText = "0.001";

struct Tolerance {
    float value = 0.001f;
    bool replaced = false; // the box must show defaultToleranceText
};

/**
 * Reads a tolerance by the lenient reading, as a single; above 0.01 or not
 * above 0 it becomes 0.001. "0.01" stays; "0.011", "0" and "0,005" (read as 0)
 * are replaced.
 */
Tolerance readTolerance(std::string_view text);

/** The four print items of a row and the character columns they start at. */
inline constexpr std::array<int, 4> rowColumns = {2, 16, 30, 37};
std::array<std::string, 4> rowItems(const sonuc& row);

/** The rows one page of the list shows. */
inline constexpr int pageRows = 30;

} // namespace bexaro
