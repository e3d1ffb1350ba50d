#pragma once
// The player's state: the pitches of the genus being played and the index of
// the tone that sounds. The window's timer drives tick().

#include <array>
#include <cstdint>
#include <string_view>

namespace genus {

/**
 * The interval sizes of a list line: the text between two places behind the
 * first ")" and the tab after it, split at "+", each piece read leniently.
 * "  4)  4 +  9 +  9\tB T T " -> {4, 9, 9, 0}. False (all 0) when the line has
 * no ")", no tab after it, or nothing between.
 */
bool readIntervals(std::string_view line, std::array<float, 4>& intervals);

/**
 * The highest pitch a tone may have: half the sample rate. Above it the
 * samples describe a lower tone than the one asked for.
 */
inline constexpr double highestPitch = 22050;

/** Why the genus of a line cannot sound as written. */
enum class PitchProblem { None, TonicNotAbove0, TooHigh };

/**
 * Checks the pitches the play action would make of a line and a tonic text:
 * TonicNotAbove0 for a tonic (lenient reading) of 0 or below, TooHigh when any
 * pitch lies above highestPitch or beyond every real number. None for a line
 * that plays nothing. "  4)  4 +  9 +  9\tB T T " with "20000" -> TooHigh
 * (the fourth pitch is about 26668 Hz).
 */
PitchProblem checkPitches(std::string_view line, std::string_view tonicText);

class GenusPlayer {
public:
    /**
     * The play action: reads the line and the tonic text; pitch j is
     * 2^(interval/53) times pitch j - 1 while the intervals are above 0, the
     * rest 0. True when the tonic (pitchIndex 0) is to sound and the timer to
     * start; false for a line that plays nothing.
     */
    bool start(std::string_view line, std::string_view tonicText);

    /** A timer tick: true when the next pitch is to sound, false when the timer must stop. */
    bool tick();

    std::array<double, 5> pitchFreq{};
    std::uint8_t pitchIndex = 0;
};

} // namespace genus
