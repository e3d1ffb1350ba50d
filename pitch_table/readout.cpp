#include "readout.h"

#include "numbers.h"

#include <cstdlib>
#include <stdexcept>

namespace pitch_table {

namespace {

constexpr double centsPerKoma = 1200.0 / 53.0;

std::string nameOf(const PitchRecord& r) {
    return runtime::trim(std::string_view(r.name.data(), r.name.size()));
}

} // namespace

Readout readout(const PitchTable& table, int currentIndex, int tonic) {
    Readout out;
    try {
        const PitchRecord& p = table.at(currentIndex);
        if (p.isMain())
            out.notes.push_back({true, currentIndex, 0});
        // A damaged frequency is not shown at all rather than as "NaN" or "0".
        out.labels[0] =
            p.hasFrequency()
                ? nameOf(p) + "  " + runtime::format(double(p.frequency), "####.000") + "   Hz"
                : nameOf(p);
        if (p.upperMain != 0) {
            const int d = runtime::checkedInt16(p.upperMain - currentIndex);
            out.labels[1] = nameOf(table.at(p.upperMain)) + " perdesinden " +
                            runtime::numberToText(std::abs(d)) + " koma pestte";
            out.notes.push_back({true, p.upperMain, d});
        } else {
            out.labels[1] = "";
        }
        if (p.lowerMain != 0) {
            const int d = runtime::checkedInt16(p.lowerMain - currentIndex);
            out.labels[2] = nameOf(table.at(p.lowerMain)) + " perdesinden " +
                            runtime::numberToText(d) + " koma tizde";
            out.notes.push_back({false, p.lowerMain, d});
        } else {
            out.labels[2] = "";
        }
        const int t = runtime::checkedInt16(tonic - currentIndex);
        if (t == 0)
            out.labels[3] = "Karar sesi \xFCzerinde"; // ü
        else
            out.labels[3] = "Karar sesinden " + runtime::numberToText(std::abs(t)) + " koma, " +
                            runtime::format(std::abs(t) * centsPerKoma, "####.00") +
                            (t > 0 ? " Sent tizde" : " Sent pestte");
        out.labels[4] = "";
        if (p.pianoKey != 0)
            out.labels[5] = "Piyanoda    " + std::string(p.noteName.data(), 3) + "    " +
                            std::string(p.octave.data(), 2) + "    " +
                            runtime::numberToText(int(p.pianoKey)) + "   nolu tu\xFE"; // ş
        else
            out.labels[5] = "";
        out.labels[6] = "Derece  " + runtime::numberToText(currentIndex);
        out.complete = true;
    } catch (const std::out_of_range&) {
    } catch (const runtime::Overflow&) {
    }
    return out;
}

} // namespace pitch_table
