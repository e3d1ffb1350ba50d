#include "scala_export.h"

#include "numbers.h"

#include <algorithm>
#include <stdexcept>

namespace pitch_table {

namespace {

/** The name without its filling blanks; a cleared name's zero bytes end it. */
std::string nameOf(const PitchRecord& r) {
    const auto end = std::find(r.name.begin(), r.name.end(), '\0');
    return runtime::trim(std::string_view(r.name.data(), std::size_t(end - r.name.begin())));
}

/** Cents with six decimals and "." as Scala reads them, not the region's separator. */
std::string centsText(int komas) {
    std::string text = runtime::format(komas * 1200.0 / octaveKomas, "0.000000");
    std::replace(text.begin(), text.end(), runtime::decimalSeparator(), '.');
    return text;
}

} // namespace

bool octaveFits(int tonic) {
    return tonic - octaveKomas >= 1 && tonic <= pitchCount;
}

std::string toScl(const PitchTable& table, int tonic, std::string_view fileName) {
    if (!octaveFits(tonic))
        throw std::out_of_range("toScl: the octave above the tonic is not in the table");
    std::string text = "! ";
    text += fileName;
    text += "\n!\n";
    // \xFC is "ü" in Windows-1254.
    text += "Karar sesi " + nameOf(table.at(tonic)) + ", \xFCst\xFCndeki 53 koma\n";
    text += " 53\n!\n";
    for (int k = 1; k <= octaveKomas; ++k) {
        const std::string name = nameOf(table.at(tonic - k));
        text += ' ' + centsText(k);
        if (!name.empty())
            text += ' ' + name;
        text += '\n';
    }
    return text;
}

} // namespace pitch_table
