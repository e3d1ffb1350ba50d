#include "row_export.h"

#include "fraction_input.h"
#include "numbers.h"

#include <array>
#include <string>

namespace bexaro {

namespace {

// The headings the list's label carries; the interval name column is never filled.
constexpr std::array<const char*, 4> headings = {"rasy. oran", "reel karşılığı", "cent hata",
                                                 "% hata"};

// Large enough that a file write is rare, small enough to stay out of the way.
constexpr std::size_t blockSize = 1 << 16;

void appendField(std::string& line, std::string_view field, RowFormat format) {
    if (format == RowFormat::Csv && field.find_first_of(",\"\r\n") != std::string_view::npos) {
        line += '"';
        for (char c : field) {
            if (c == '"')
                line += '"';
            line += c;
        }
        line += '"';
        return;
    }
    line += field;
}

template <typename Fields>
void appendLine(std::string& text, const Fields& fields, RowFormat format) {
    const char separator = format == RowFormat::Csv ? ',' : '\t';
    for (std::size_t k = 0; k < fields.size(); ++k) {
        if (k != 0)
            text += separator;
        appendField(text, fields[k], format);
    }
    text += format == RowFormat::Csv ? "\r\n" : "\n";
}

} // namespace

bool writeRows(const Sonuclar& rows, RowFormat format, const TextSink& sink) {
    std::string block;
    block.reserve(blockSize + 256);
    appendLine(block, headings, format);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        std::array<std::string, 4> items = rowItems(rows.at(i));
        for (std::string& item : items)
            item = runtime::trim(item);
        appendLine(block, items, format);
        if (block.size() >= blockSize) {
            if (!sink(block, i + 1))
                return false;
            block.clear();
        }
    }
    return sink(block, rows.size());
}

} // namespace bexaro
