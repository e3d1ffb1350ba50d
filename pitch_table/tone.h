#pragma once
// The tone of a pitch as a stereo 16-bit WAV image in memory: a cubed cosine
// on the first channel, a cubed sine on the second, at 44100 frames a second.

#include <cstdint>
#include <string>
#include <vector>

namespace pitch_table {

inline constexpr int framesPerSecond = 44100;

/** The ten header words decoded from the template text, most significant digit first. */
std::vector<std::uint32_t> headerTemplateWords();

/**
 * The image as 32-bit words 1 to n + 11 (stored from element 0): the 44-byte
 * header, then n frames, first channel in the low half. The phase of frame j
 * is j times the single-precision angular step, from j = 12.
 */
std::vector<std::uint32_t> toneWords(float frequency, std::int32_t frames);

/** The words as the bytes of a WAV file, little-endian: 4n + 44 bytes. */
std::string toneImage(float frequency, std::int32_t frames);

/** The angular step: f x 2 x 3.14159265358979 / 44100, rounded to single. */
float angularStep(float frequency);

} // namespace pitch_table
