#pragma once
// The workbook import: reads the pitch table from "arel.xls" (rows 24 to 252,
// columns L, A, J, I, K, M, N) and writes "arel.dat" beside it.

#include "pitch_record.h"

#include <stdexcept>
#include <string>

namespace pitch_table {

/** A failed import: the reason and the cell ("L30"), or no cell when the file failed. */
class ImportError : public std::runtime_error {
public:
    ImportError(const std::string& cell, const std::string& reason)
        : std::runtime_error(cell.empty() ? reason : cell + ": " + reason)
        , m_cell(cell) {}
    const std::string& cell() const { return m_cell; }

private:
    std::string m_cell;
};

/**
 * Reads the workbook's active worksheet into the table: each row's L names
 * the record, A, J, I its texts, K, M, N its bytes, and the record gets the
 * frequency of the frequency rule; records no row names stay as they are. Throws
 * ImportError for a missing workbook, an index outside 1..229, a byte outside
 * 0..255 or a text where a number belongs; the table is then unchanged.
 */
void readWorkbook(const std::string& xlsPath, PitchTable& table);

/** Replaces the file with the bytes in one step: a failed write leaves the old file. */
void writeFileAtomically(const std::string& path, const std::string& bytes);

/**
 * TabloOkuExcell: the table as the program has it at start-up (the frequency
 * rule, then the old arel.dat if there is one), the workbook of the folder
 * read into it, the result written to arel.dat. A result the window would
 * not play (an old record without a frequency that no row names) is not
 * written. Returns "" on success, else the report: "Excel yüklü değil veya
 * dosya bulunamadı: " and the reason.
 */
std::string TabloOkuExcell(const std::string& folder);

} // namespace pitch_table
