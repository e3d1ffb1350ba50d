#include "player.h"

#include "value_text.h"

#include <cmath>

namespace genus {

bool readIntervals(std::string_view line, std::array<float, 4>& intervals) {
    intervals.fill(0);
    const std::size_t close = line.find(')');
    if (close == std::string_view::npos)
        return false;
    const std::size_t from = close + 2;
    if (from > line.size())
        return false;
    const std::size_t tab = line.find('\t', from);
    if (tab == std::string_view::npos || tab == from)
        return false;
    std::string_view text = line.substr(from, tab - from);
    // A genus has at most four intervals; anything past the fourth "+" is not one of them.
    for (std::size_t k = 0; k < intervals.size(); ++k) {
        const std::size_t plus = text.find('+');
        intervals[k] = static_cast<float>(readValue(text.substr(0, plus)));
        if (plus == std::string_view::npos)
            break;
        text.remove_prefix(plus + 1);
    }
    return true;
}

namespace {

// The pitches of a genus as the koma rule gives them, before anything is left out.
std::array<double, 5> pitchesOf(const std::array<float, 4>& intervals, double tonic) {
    std::array<double, 5> pitches{};
    pitches[0] = tonic;
    for (std::size_t j = 1; j <= 4; ++j) {
        if (intervals[j - 1] > 0)
            pitches[j] = std::pow(2.0, static_cast<double>(intervals[j - 1]) / 53) * pitches[j - 1];
    }
    return pitches;
}

} // namespace

PitchProblem checkPitches(std::string_view line, std::string_view tonicText) {
    std::array<float, 4> intervals{};
    if (!readIntervals(line, intervals))
        return PitchProblem::None;
    const double tonic = readValue(tonicText);
    if (!(tonic > 0))
        return PitchProblem::TonicNotAbove0;
    for (double f : pitchesOf(intervals, tonic))
        if (!(f <= highestPitch))
            return PitchProblem::TooHigh;
    return PitchProblem::None;
}

bool GenusPlayer::start(std::string_view line, std::string_view tonicText) {
    std::array<float, 4> intervals{};
    if (!readIntervals(line, intervals))
        return false;
    pitchFreq = pitchesOf(intervals, readValue(tonicText));
    // A pitch beyond every real number has no tone; it ends the genus like a missing one.
    for (double& f : pitchFreq)
        if (!std::isfinite(f))
            f = 0;
    pitchIndex = 0;
    return true;
}

bool GenusPlayer::tick() {
    if (pitchIndex >= 4)
        return false;
    ++pitchIndex;
    return pitchFreq[pitchIndex] > 0;
}

} // namespace genus
