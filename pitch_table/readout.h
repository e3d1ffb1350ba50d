#pragma once
// The seven lines of the pointer readout and the notes it writes, for the
// pitch under the pointer. Texts are Windows-1254, as the table holds them.

#include "pitch_record.h"

#include <optional>
#include <string>
#include <vector>

namespace pitch_table {

/** One call of notaciz: first (left, clef restored) or second place, the main pitch, the distance.
 */
struct NoteCall {
    bool first;
    int anaton;
    int fark;
    bool operator==(const NoteCall&) const = default;
};

struct Readout {
    /** The texts for Label1 to Label7; a line not reached before a failure stays empty. */
    std::optional<std::string> labels[7];
    std::vector<NoteCall> notes;
    /** False when a neighbour named no record: the frame is hidden. */
    bool complete = false;
};

/**
 * The readout of pitch currentIndex against the tonic (0: the header item).
 * "Karar sesinden 9 koma, 203.77 Sent tizde" for a pitch 9 komas above the
 * tonic; a main pitch gives one note and empty neighbour lines. A pitch
 * without a frequency has its name alone on the first line ("Neva").
 */
Readout readout(const PitchTable& table, int currentIndex, int tonic);

} // namespace pitch_table
