#pragma once
// The two number fields of the console output. Both are right-aligned in a
// fixed width and turn into asterisks when the number does not fit, so the
// table columns never move.

#include <cstdint>
#include <string>

namespace tolvane {

/**
 * Appends `value` rounded to `decimals` decimals (0 to 6), right-aligned in
 * `width` characters: "-" for a negative value, one "0" before the point below
 * 1, halves away from zero. A value that rounds to zero shows no sign. Not
 * finite or too wide: `width` asterisks.
 * appendFixed(s, 0.75f, 7, 3) -> "  0.750"; appendFixed(s, -1200.0f, 6, 1) -> "******".
 */
void appendFixed(std::string& line, float value, int width, int decimals);

/** Appends `value` right-aligned in `width` characters; `width` asterisks when it does not fit. */
void appendInteger(std::string& line, std::int32_t value, int width);

} // namespace tolvane
