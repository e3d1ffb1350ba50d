#pragma once
// The frets of a scale as the readouts show them, one row per pitch: what the
// exports write and draw.

#include "fret_search.h"

#include <optional>
#include <string>
#include <vector>

namespace mirefa {

/** One pitch of the scale and where its fret stands, in millimetres. */
struct FretRow {
    int number = 0;    // 1 to N, as the fret number box counts
    std::string pitch; // the pitch line as read, blanks included
    double ratio = 0;
    std::optional<double> fromNut;    // L - d, empty when the fret cannot be reached
    std::optional<double> fromBridge; // d, empty when the fret cannot be reached
};

/**
 * The rows for the whole scale: entry k of each array gives fret k + 1, with
 * the distance to the nut taken as g.x_sap - d, the same subtraction the
 * readout makes.
 */
std::vector<FretRow> fretRows(const std::vector<std::string>& dizi_eleman,
                              const std::vector<double>& perde_oran,
                              const std::vector<std::optional<double>>& perde_kopru,
                              const Geometry& g);

/**
 * A number as files write it: six decimals, always a point, whatever the
 * regional separator. 500.00750099998 -> "500.007501", -0.0000001 -> "0.000000".
 */
std::string fileDecimals(double value);

/** A number with up to fifteen significant digits and a point: 1.5 -> "1.5", 2 -> "2". */
std::string fileNumber(double value);

} // namespace mirefa
