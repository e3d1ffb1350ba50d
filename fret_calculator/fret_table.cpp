#include "fret_table.h"

#include "numbers.h"

#include <algorithm>

namespace mirefa {

std::vector<FretRow> fretRows(const std::vector<std::string>& dizi_eleman,
                              const std::vector<double>& perde_oran,
                              const std::vector<std::optional<double>>& perde_kopru,
                              const Geometry& g) {
    const std::size_t n = std::min({dizi_eleman.size(), perde_oran.size(), perde_kopru.size()});
    std::vector<FretRow> rows;
    rows.reserve(n);
    for (std::size_t k = 0; k < n; ++k) {
        FretRow row;
        row.number = static_cast<int>(k + 1);
        row.pitch = dizi_eleman[k];
        row.ratio = perde_oran[k];
        if (perde_kopru[k]) {
            row.fromNut = g.x_sap - *perde_kopru[k];
            row.fromBridge = *perde_kopru[k];
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

namespace {

// A file is read the same in every region, so its numbers keep the point.
std::string withPoint(std::string text) {
    std::replace(text.begin(), text.end(), runtime::decimalSeparator(), '.');
    return text;
}

} // namespace

std::string fileDecimals(double value) {
    return withPoint(runtime::format(value, "0.000000"));
}

std::string fileNumber(double value) {
    return withPoint(runtime::numberToText(value));
}

} // namespace mirefa
