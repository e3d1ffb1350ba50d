#pragma once
// One tone of the player: the amplitude envelope, prepared once per duration,
// and the 16-bit mono samples of a sine tone under it at 44100 per second.

#include "mod_wav.h"

#include <cstdint>
#include <string>
#include <vector>

namespace genus {

/** The longest tone the duration box accepts, in seconds. */
inline constexpr double longestTone = 60;

/** Why a duration is refused. */
enum class DurationProblem { None, NotANumber, OutOfRange };

/**
 * Checks a duration text (strict reading, "." also accepted under ","): a
 * number above 0 whose milliseconds round to at least 1, and at most 60.
 */
DurationProblem checkDuration(const std::string& text, double* seconds = nullptr);

class ToneSynth {
public:
    /** The envelope setup for d seconds (d as checkDuration accepts). */
    void setup(double d);

    /**
     * The envelope at byte position x: rising to 1 over attackLen, falling to
     * 0.67 over decayLen, flat to attackLen + decayLen + sustainLen, then
     * falling to 0 at dataLen - 1.
     */
    double fnY(double x) const;

    /**
     * Builds the WAV image of a tone of f Hz in wavData: header, dataLen bytes
     * of samples and one byte more (the high byte of the last sample when
     * dataLen is odd, else 0).
     */
    void buildTone(double f, ByteBuffer& wavData) const;

    std::int32_t toneMillis = 0;
    std::int32_t dataLen = 0;
    std::int32_t attackLen = 0;
    std::int32_t decayLen = 0;
    std::int32_t releaseLen = 0;
    std::int32_t sustainLen = 0;
    std::vector<double> envelope;
};

} // namespace genus
