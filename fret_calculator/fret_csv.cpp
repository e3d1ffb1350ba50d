#include "fret_csv.h"

#include "numbers.h"

namespace mirefa {

const char* const fretCsvHeader =
    "No,Dizi Elemanı,Perde Oranı,Eşiğe Uzaklık (mm),Köprüye Uzaklık (mm)";

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Readers that trim fields would lose the blanks of a pitch line as read.
std::string field(const std::string& text) {
    const bool quote = text.find_first_of(",\"\r\n") != std::string::npos ||
                       (!text.empty() && (isBlank(text.front()) || isBlank(text.back())));
    if (!quote)
        return text;
    std::string out = "\"";
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
    return out;
}

} // namespace

std::string fretTableCsv(const std::vector<FretRow>& rows) {
    std::string out = fretCsvHeader;
    out += "\r\n";
    for (const FretRow& row : rows) {
        out += runtime::numberToText(row.number);
        out += ',';
        out += field(row.pitch);
        out += ',';
        out += fileNumber(row.ratio);
        out += ',';
        if (row.fromNut)
            out += fileDecimals(*row.fromNut);
        out += ',';
        if (row.fromBridge)
            out += fileDecimals(*row.fromBridge);
        out += "\r\n";
    }
    return out;
}

} // namespace mirefa
