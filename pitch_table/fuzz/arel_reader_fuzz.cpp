// Any bytes as the pitch table's data file: what the window reads of it, the
// readout of every viewed pitch against the tonics, and the tone of every
// pitch the window would play (a short one: the arithmetic of each frame is
// the same at any length).
#include "pitch_record.h"
#include "readout.h"
#include "tone.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const pitch_table::PitchTable table = pitch_table::decodeTable(bytes);
    const pitch_table::TableDamage damage = pitch_table::findDamage(bytes);
    if (damage.wholeRecords < 0 || damage.wholeRecords > pitch_table::pitchCount ||
        damage.badFrequencies > damage.wholeRecords)
        std::abort();
    const auto tonics = pitch_table::mainPitchList(table);
    for (int i = pitch_table::firstViewed; i <= pitch_table::lastViewed; ++i) {
        for (std::size_t t = 0; t < tonics.size(); t += 7)
            (void)pitch_table::readout(table, i, tonics[t].data);
        const pitch_table::PitchRecord& record = table.at(i);
        if (record.hasFrequency())
            (void)pitch_table::toneImage(record.frequency, 64);
    }
    return 0;
}
