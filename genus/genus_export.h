#pragma once
// Files made of the genera: one genus as a Scala scale, the whole list as text.

#include "genus_engine.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace genus {

/** The intervals and symbols of one list line, as the line shows them. */
struct ListedGenus {
    std::vector<std::string> intervals; ///< value texts without padding: "4", "9", "9"
    std::vector<std::string> symbols;   ///< two characters each: "B ", "T ", "T "
};

/**
 * Splits a list line: the interval texts between ") " and the tab, split at
 * " + " and trimmed, and the symbols after the tab in pieces of two characters.
 * "  4)  4 +  9 +  9\tB T T " -> {"4", "9", "9"}, {"B ", "T ", "T "}.
 * Nothing for a line without ") " and a tab after it.
 */
std::optional<ListedGenus> splitLine(std::string_view line);

/**
 * The file name a genus is offered under: its symbols without blanks, joined
 * by "-", then "_", the tonic with two decimals and "." whatever the region,
 * then ".scl": "B-T-T_261.63.scl", "B-A+-S_440.00.scl". A character no file
 * name may hold (blanks, / \ : * ? " < > |, controls) becomes "_".
 */
std::string sclFileName(const ListedGenus& genus, double tonic);

/**
 * The genus as a Scala scale file: line 1 "! " and the file's name, a comment
 * line "!", the description (intervals, symbols and the tonic in Hz), the
 * number of intervals, a comment line "!", then one pitch per interval: the
 * running sum k of the intervals in komas as cents, k x 1200 / 53, with six
 * decimals and "." whatever the region. Lines end in "\n". 4 + 9 + 9 gives
 * the pitches 90.566038, 294.339623 and 498.113208 under the description
 * "4 + 9 + 9 (B T T), 1/1 = 261.625565300599 Hz".
 */
std::string toScl(const ListedGenus& genus, double tonic, std::string_view fileName);

/** The whole list as text: every line as listed, each ended by "\n". */
std::string listText(const GenusList& list);

} // namespace genus
