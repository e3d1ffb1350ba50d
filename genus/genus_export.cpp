#include "genus_export.h"

#include "numbers.h"
#include "value_text.h"

#include <algorithm>

namespace genus {

namespace {

// Numbers in a file read the same in every region.
std::string withPoint(std::string text) {
    std::replace(text.begin(), text.end(), runtime::decimalSeparator(), '.');
    return text;
}

std::string joined(const std::vector<std::string>& parts, std::string_view between) {
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0)
            text += between;
        text += parts[i];
    }
    return text;
}

std::vector<std::string> trimmedSymbols(const ListedGenus& genus) {
    std::vector<std::string> symbols;
    for (const std::string& symbol : genus.symbols)
        symbols.push_back(runtime::trim(symbol));
    return symbols;
}

bool fitsAFileName(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte > ' ' && std::string_view(R"(/\:*?"<>|)").find(c) == std::string_view::npos;
}

} // namespace

std::optional<ListedGenus> splitLine(std::string_view line) {
    const std::size_t close = line.find(") ");
    if (close == std::string_view::npos)
        return std::nullopt;
    const std::size_t from = close + 2;
    const std::size_t tab = line.find('\t', from);
    if (tab == std::string_view::npos)
        return std::nullopt;
    ListedGenus genus;
    std::string_view intervals = line.substr(from, tab - from);
    for (;;) {
        const std::size_t plus = intervals.find(" + ");
        genus.intervals.push_back(runtime::trim(intervals.substr(0, plus)));
        if (plus == std::string_view::npos)
            break;
        intervals.remove_prefix(plus + 3);
    }
    for (std::string_view symbols = line.substr(tab + 1); !symbols.empty();
         symbols.remove_prefix(std::min<std::size_t>(2, symbols.size())))
        genus.symbols.emplace_back(symbols.substr(0, 2));
    return genus;
}

std::string sclFileName(const ListedGenus& genus, double tonic) {
    std::string name = joined(trimmedSymbols(genus), "-");
    std::replace_if(
        name.begin(), name.end(), [](char c) { return !fitsAFileName(c); }, '_');
    return name + "_" + withPoint(runtime::format(tonic, "0.00")) + ".scl";
}

std::string toScl(const ListedGenus& genus, double tonic, std::string_view fileName) {
    std::string text = "! " + std::string(fileName) + "\n!\n";
    text += joined(genus.intervals, " + ") + " (" + joined(trimmedSymbols(genus), " ") +
            "), 1/1 = " + valueText(tonic) + " Hz\n";
    text += " " + runtime::numberToText(static_cast<int>(genus.intervals.size())) + "\n!\n";
    double komas = 0;
    for (const std::string& interval : genus.intervals) {
        komas += readValue(interval);
        text += " " + withPoint(runtime::format(komas * 1200 / 53, "0.000000")) + "\n";
    }
    return text;
}

std::string listText(const GenusList& list) {
    std::string text;
    for (std::size_t row = 0; row < list.size(); ++row) {
        text += list.line(row);
        text += '\n';
    }
    return text;
}

} // namespace genus
