#include "workbook_import.h"

#include "code_page.h"
#include "numbers.h"

#include <QSaveFile>
#include <QString>

#include <freexl.h>

#include <memory>

namespace pitch_table {

namespace {

constexpr int firstRow = 24, lastRow = 252;
enum Column : unsigned short { A = 0, I = 8, J = 9, K = 10, L = 11, M = 12, N = 13 };

std::string cellName(Column column, int row) {
    return std::string(1, char('A' + column)) + runtime::numberToText(row);
}

struct Closer {
    void operator()(const void* handle) const { freexl_close(handle); }
};
using Workbook = std::unique_ptr<const void, Closer>;

/** A cell's value: empty, a number or a text. */
struct Cell {
    enum { Empty, Number, Text } kind = Empty;
    double number = 0;
    std::string text; // UTF-8
};

Cell readCell(const void* handle, Column column, int row, unsigned rows, unsigned columns) {
    if (unsigned(row - 1) >= rows || column >= columns)
        return {};
    FreeXL_CellValue value;
    if (freexl_get_cell_value(handle, unsigned(row - 1), column, &value) != FREEXL_OK)
        throw ImportError(cellName(column, row), "hücre okunamadı");
    switch (value.type) {
    case FREEXL_CELL_INT:
        return {Cell::Number, double(value.value.int_value), {}};
    case FREEXL_CELL_DOUBLE:
        return {Cell::Number, value.value.double_value, {}};
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME:
    case FREEXL_CELL_TIME:
        return {Cell::Text, 0, value.value.text_value};
    default:
        return {};
    }
}

/** A number cell rounded to a whole number in low..high. */
int wholeNumber(const Cell& cell, const std::string& name, int low, int high, const char* what) {
    if (cell.kind == Cell::Text)
        throw ImportError(name, "sayı yerine metin: \"" + cell.text + "\"");
    std::int16_t value = 0;
    try {
        value = runtime::toInt16(cell.number);
    } catch (const runtime::Overflow&) {
        throw ImportError(name, runtime::numberToText(cell.number) + " " + what + " değil");
    }
    if (value < low || value > high)
        throw ImportError(name, runtime::numberToText(int(value)) + " " + what + " değil (" +
                                    runtime::numberToText(low) + ".." +
                                    runtime::numberToText(high) + ")");
    return value;
}

/** A text cell in the code page; a number as its decimal text, an empty cell as "". */
std::string codePageText(const Cell& cell) {
    if (cell.kind == Cell::Number)
        return runtime::numberToText(cell.number);
    return platform::toWindows1254(QString::fromStdString(cell.text)).toStdString();
}

} // namespace

void readWorkbook(const std::string& xlsPath, PitchTable& table) {
    const void* raw = nullptr;
    const int opened = freexl_open(xlsPath.c_str(), &raw);
    Workbook workbook(raw);
    if (opened != FREEXL_OK)
        throw ImportError("", "arel.xls açılamadı");
    unsigned short sheet = 0;
    unsigned rows = 0;
    unsigned short columns = 0;
    if (freexl_get_active_worksheet(raw, &sheet) != FREEXL_OK ||
        freexl_select_active_worksheet(raw, sheet) != FREEXL_OK ||
        freexl_worksheet_dimensions(raw, &rows, &columns) != FREEXL_OK)
        throw ImportError("", "arel.xls içinde çalışma sayfası yok");

    // The workbook holds no frequencies: a record that a row names gets the
    // rule's, whatever an old, perhaps damaged, data file held.
    PitchTable rule;
    applyFrequencyRule(rule);
    PitchTable next = table;
    for (int row = firstRow; row <= lastRow; ++row) {
        const auto cell = [&](Column c) { return readCell(raw, c, row, rows, columns); };
        const int index = wholeNumber(cell(L), cellName(L, row), 1, pitchCount, "perde numarası");
        PitchRecord& r = next.at(index);
        r.frequency = rule.at(index).frequency;
        r.name = fieldText<24>(codePageText(cell(A)));
        r.noteName = fieldText<3>(codePageText(cell(J)));
        r.octave = fieldText<2>(codePageText(cell(I)));
        r.pianoKey = std::uint8_t(wholeNumber(cell(K), cellName(K, row), 0, 255, "bayt"));
        r.upperMain = std::uint8_t(wholeNumber(cell(M), cellName(M, row), 0, 255, "bayt"));
        r.lowerMain = std::uint8_t(wholeNumber(cell(N), cellName(N, row), 0, 255, "bayt"));
    }
    table = next;
}

void writeFileAtomically(const std::string& path, const std::string& bytes) {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()) || !file.commit())
        throw ImportError("", "arel.dat yazılamadı");
}

std::string TabloOkuExcell(const std::string& folder) {
    try {
        PitchTable table;
        applyFrequencyRule(table);
        if (const auto old = readFileBytes(folder + "/arel.dat"))
            table = decodeTable(*old);
        readWorkbook(folder + "/arel.xls", table);
        const std::string bytes = encodeTable(table);
        // Every row takes the rule's frequency, so a bad one is an old record no row names;
        // the window would refuse to play it. The encoded table is always whole.
        if (const TableDamage damage = findDamage(bytes); damage.badFrequencies != 0)
            throw ImportError("", runtime::numberToText(damage.firstBadFrequency) +
                                      ". kayıt hiçbir satırda yok ve eski arel.dat'taki "
                                      "frekansı geçersiz (" +
                                      runtime::numberToText(damage.badFrequencies) +
                                      " kayıt); arel.dat yazılmadı");
        writeFileAtomically(folder + "/arel.dat", bytes);
    } catch (const ImportError& e) {
        return std::string("Excel yüklü değil veya dosya bulunamadı: ") + e.what();
    }
    return {};
}

} // namespace pitch_table
