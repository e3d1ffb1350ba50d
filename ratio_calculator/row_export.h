#pragma once
// The fraction list as text for other programs: tab-separated for the
// clipboard, CSV for a file. Rows are rebuilt one by one and handed on in
// blocks, so a list of fifty million rows never sits in memory as text.

#include "fraction_search.h"

#include <cstddef>
#include <functional>
#include <string_view>

namespace bexaro {

enum class RowFormat {
    Tsv, ///< fields split by tabs, lines ended by "\n"
    Csv, ///< fields split by ",", quoted where they hold one, lines ended by "\r\n"
};

/** The most rows the clipboard takes; a longer list is saved to a file instead. */
inline constexpr std::size_t clipboardRowLimit = 1'000'000;

/**
 * Takes the next block of text and the rows written with it so far; false
 * stops the writing (a full disk, a cancel).
 */
using TextSink = std::function<bool(std::string_view block, std::size_t rowsWritten)>;

/**
 * Writes a header line, then one line a row in the list's own forms (the
 * print items without their padding blanks, the regional separator kept):
 * 41/29 under "," gives "41  /  29", "1,413793", "1", ",00027...". A CSV
 * field holding "," is quoted. Text is UTF-8. Returns false when the sink
 * stopped it; true when every row went out.
 */
bool writeRows(const Sonuclar& rows, RowFormat format, const TextSink& sink);

} // namespace bexaro
