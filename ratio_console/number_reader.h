#pragma once
// Reading one number per request from line-oriented input: the first value of
// a line counts, the rest of the line is dropped, blank lines are passed over.

#include <istream>
#include <string>
#include <string_view>

namespace tolvane {

enum class ReadKind {
    /** A number was read into `value`. */
    Value,
    /** A null value (a comma first) or a slash: the caller keeps its old value. */
    Keep,
    /** The input ended before a value. */
    EndOfInput,
    /** The first value is not a number; `text` holds it. */
    NotANumber,
};

struct ReadResult {
    ReadKind kind = ReadKind::EndOfInput;
    float value = 0.0f;
    std::string text;
};

/**
 * Parses a number: an optional sign, digits with or without a point, and an
 * optional exponent introduced by E, D or Q in either case ("4.4d2" -> 440).
 * Rounds once to the nearest float; beyond the float range gives an infinity,
 * below it a zero. False for any other text ("abc", "440Hz", "1e", "inf").
 */
bool parseNumber(std::string_view token, float& value);

/**
 * Reads lines until one holds a value. Values are separated by blanks, tabs,
 * commas, a slash or the line end; only the first of a line is used.
 * "440,5" -> 440, "3/2" -> 3, ",5" and "/" -> Keep, "" then "440" -> 440.
 */
ReadResult readValue(std::istream& in);

} // namespace tolvane
