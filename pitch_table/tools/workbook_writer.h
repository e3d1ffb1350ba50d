#pragma once
// A minimal Excel 97 (BIFF8) workbook of one worksheet, in its compound-file
// container: numbers and texts in cells, nothing else.

#include "pitch_record.h"

#include <map>
#include <string>
#include <utility>
#include <variant>

namespace pitch_table {

/** Cells by (row, column), both from 1 (A = 1); a number or a UTF-8 text. */
using Cells = std::map<std::pair<int, int>, std::variant<double, std::string>>;

/** The bytes of an .xls file holding the cells on one worksheet. */
std::string workbookBytes(const Cells& cells);

/** The cells of the import layout: rows 24..252, columns L, A, J, I, K, M, N, and titles on row 23.
 */
Cells workbookCells(const PitchTable& table);

/** The table's workbook. */
std::string workbookBytes(const PitchTable& table);

inline constexpr int firstWorkbookRow = 24;
inline constexpr int columnA = 1, columnI = 9, columnJ = 10, columnK = 11, columnL = 12,
                     columnM = 13, columnN = 14;

} // namespace pitch_table
