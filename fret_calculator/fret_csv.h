#pragma once
// The fret table as comma-separated text.

#include "fret_table.h"

#include <string>
#include <vector>

namespace mirefa {

/** The header row, without its line end. */
extern const char* const fretCsvHeader;

/**
 * UTF-8 text, a header row and one row per pitch, each ended by CR LF: the
 * number, the pitch line as read, the ratio (up to fifteen significant digits)
 * and the distances from the nut and from the bridge with six decimals, all
 * with a point. An unreachable fret has empty distances. A field holding a
 * comma, a quote, a line end or blanks at either end is quoted, its quotes
 * doubled: " 9/8" -> "\" 9/8\"".
 * {1, "2/1", 2, 500.00750099998, 499.99249900002} -> "1,2/1,2,500.007501,499.992499\r\n".
 */
std::string fretTableCsv(const std::vector<FretRow>& rows);

} // namespace mirefa
