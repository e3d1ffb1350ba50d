#pragma once
// Number and text rules shared by the window programs: the regional decimal
// separator, strict and lenient reading, rounding to integers and decimals,
// number to text and Format patterns. Plain C++: no Qt, no C locale.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace runtime {

/** A text that is not a number where one is required ("abc", "1.5" under ","). */
class TypeMismatch : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/** A value outside the range of the integer type asked for, or a real too large to hold. */
class Overflow : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/** The regional decimal separator in force ("," Turkish, "." English). */
char decimalSeparator();

/**
 * Sets the regional decimal separator, "," or "." (std::invalid_argument
 * otherwise); the window programs call it once at start-up.
 */
void setDecimalSeparator(char separator);

/** The separator of the system's regional settings (LC_ALL, LC_NUMERIC, LANG); "." when unknown. */
char systemDecimalSeparator();

/**
 * Strict reading of a real: blanks around an optional sign, digits with at most
 * one regional separator, an optional exponent (E or D, either case, with an
 * optional sign). Throws TypeMismatch for any other text, Overflow beyond the
 * double range. Under ",": "1,5" -> 1.5 and "1.5" -> TypeMismatch.
 */
double readReal(std::string_view text);

/** Strict reading of an integer: readReal, then toInt16 (halves to even). */
std::int16_t readInt16(std::string_view text);

/** Strict reading of an integer: readReal, then toInt32 (halves to even). */
std::int32_t readInt32(std::string_view text);

/**
 * Lenient reading: the leading number of a text. Blanks and tabs are skipped,
 * "." is the decimal point whatever the region, an exponent may follow, and
 * reading stops at the first other character. Never fails: 0 when no number
 * begins the text. " 4.4E2x" -> 440, "3,5" -> 3, "abc" -> 0.
 */
double readLenient(std::string_view text);

/** Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4); Overflow outside int16. */
std::int16_t toInt16(double value);

/** Nearest integer, halves to the even neighbour; Overflow outside int32. */
std::int32_t toInt32(double value);

/** Checks the result of 16-bit integer arithmetic: Overflow outside -32768..32767. */
std::int16_t checkedInt16(std::int64_t value);

/**
 * Rounds to 0 to 22 decimals, halves to even on the scaled binary value
 * (value x 10^decimals): roundTo(2.5, 0) -> 2, roundTo(0.125, 2) -> 0.12.
 * Throws std::invalid_argument for other decimal counts.
 */
double roundTo(double value, int decimals);

/** As above, computed in double; the float nearest to the result. */
float roundTo(float value, int decimals);

/** The largest whole number not above the value. */
double floorValue(double value);

/** A double as text: up to 15 significant digits, the regional separator, "0.5", "-2". */
std::string numberToText(double value);

/** A single as text: up to 7 significant digits, otherwise as for a double. */
std::string numberToText(float value);

/** An integer in plain decimal. */
std::string numberToText(std::int64_t value);

/** An int in plain decimal (without it, an int argument would be ambiguous). */
inline std::string numberToText(int value) {
    return numberToText(static_cast<std::int64_t>(value));
}

/**
 * The blank-prefixed form: a blank before a non-negative value ("-" before a
 * negative one), "." as the decimal point whatever the region, up to 15
 * significant digits, no "0" before the point. 1.5 -> " 1.5", 0.75 -> " .75".
 */
std::string blankPrefixedText(double value);

/** As above with up to 7 significant digits. */
std::string blankPrefixedText(float value);

/**
 * A number as a print item shows it: the blank-prefixed digits with the
 * regional separator, then one blank. 3 -> " 3 ", -3 -> "-3 ".
 */
std::string printedNumber(double value);

/**
 * Format with a pattern of "#", "0" and ".": rounded to as many decimals as the
 * pattern has placeholders after "."; "0" always shows a digit, "#" only a
 * significant one; "." shows the regional separator; other characters stand
 * as they are. 0.5 with "####.000" -> ".500"; 2 with "#####.#####" -> "2,"
 * under ",".
 */
std::string format(double value, std::string_view pattern);

/** Removes leading and trailing blanks (code 32) only. */
std::string trim(std::string_view text);

/** 15 twips to the pixel. */
inline constexpr int twipsPerPixel = 15;

} // namespace runtime
