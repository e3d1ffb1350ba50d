#pragma once
// Reading and writing the interval values of the genus generator so that a
// value reads back as the user sees it under either regional separator.

#include <string>
#include <string_view>

namespace genus {

/**
 * Lenient reading of a value text (runtime::readLenient) that also takes the
 * regional separator as the decimal point: under "," both "4,25" and "4.25"
 * read as 4.25. Under "." it is readLenient itself. Never fails.
 */
double readValue(std::string_view text);

/**
 * Strict reading of a setting (runtime::readReal) that also accepts "." under
 * ",": the step texts are written with "." whatever the region.
 * Throws runtime::TypeMismatch or runtime::Overflow as readReal does.
 */
double readSetting(std::string_view text);

/** Number to text with "." as the point whatever the region: 4.33 -> "4.33", 5 -> "5". */
std::string valueText(double value);

/**
 * A typed value text with the regional separator written as ".", so that it
 * stands beside the texts of valueText: under "," "3,5" -> "3.5"; under "."
 * the text is returned unchanged.
 */
std::string pointText(std::string_view text);

} // namespace genus
