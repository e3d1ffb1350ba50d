#include "tone.h"

#include "numbers.h"
#include "value_text.h"

#include <cmath>

namespace genus {

DurationProblem checkDuration(const std::string& text, double* seconds) {
    double d = 0;
    try {
        d = readSetting(text);
    } catch (const std::runtime_error&) {
        return DurationProblem::NotANumber;
    }
    // Below half a millisecond the timer interval and the rise of the envelope would be empty.
    if (!(d > 0 && d <= longestTone) || std::nearbyint(d * 1000) < 1)
        return DurationProblem::OutOfRange;
    if (seconds != nullptr)
        *seconds = d;
    return DurationProblem::None;
}

void ToneSynth::setup(double d) {
    toneMillis = runtime::toInt32(d * 1000);
    attackLen = runtime::toInt32(toneMillis * 0.15 * 44.1 * 2);
    decayLen = runtime::toInt32(toneMillis * 0.075 * 44.1 * 2);
    releaseLen = runtime::toInt32(toneMillis * 0.275 * 44.1 * 2);
    dataLen = runtime::toInt32(d * 44100 * 2);
    sustainLen = dataLen - (attackLen + decayLen + releaseLen);
    envelope.assign(dataLen > 0 ? static_cast<std::size_t>((dataLen - 1) / 2) + 1 : 0, 0.0);
    for (double x = 0; x <= dataLen - 1; x += 2)
        envelope[static_cast<std::size_t>(x / 2)] = fnY(x);
}

double ToneSynth::fnY(double x) const {
    const double h = static_cast<double>(attackLen) + decayLen + sustainLen;
    if (0 <= x && x <= attackLen)
        return (1.0 / attackLen) * x;
    if (attackLen <= x && x <= static_cast<double>(attackLen) + decayLen)
        return (0.67 - 1) / static_cast<double>((attackLen + decayLen) - attackLen) *
                   (x - attackLen) +
               1;
    if (static_cast<double>(attackLen) + decayLen <= x && x <= h)
        return 0.67;
    return -0.67 / ((static_cast<double>(dataLen) - 1) - h) * (x - h) + 0.67;
}

void ToneSynth::buildTone(double f, ByteBuffer& wavData) const {
    sbWavBaslik(wavData, 44100, 16, 0);
    for (std::int16_t k = 0; k < 4; ++k) {
        wavData[4 + static_cast<std::size_t>(k)] = fnBayt(dataLen + 36, k);
        wavData[40 + static_cast<std::size_t>(k)] = fnBayt(dataLen, k);
    }
    wavData.resize(static_cast<std::size_t>(dataLen) + 45, 0);
    const double pi = wavPi();
    const double w = (pi + pi) * f / 44100 / 2;
    for (std::int32_t i = 0; i <= dataLen - 1; i += 2) {
        const double sample = std::sin(i * w) * 32767 * envelope[static_cast<std::size_t>(i / 2)];
        // A frequency beyond every real number has no tone: silence rather than a failure.
        const std::int32_t v = std::isfinite(sample) ? runtime::toInt32(sample) : 0;
        wavData[44 + static_cast<std::size_t>(i)] = fnBayt(v, 0);
        wavData[45 + static_cast<std::size_t>(i)] = fnBayt(v, 1);
    }
}

} // namespace genus
