#pragma once
// The WAV image of one tone: the 44-byte RIFF/PCM header, the byte splitter
// and the writer that stores an image as "<name>.WAV" in a folder.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace genus {

using ByteBuffer = std::vector<std::uint8_t>;

/** pi as 4 x atan(1), as the header builder last computed it (0 before the first header). */
double wavPi();

/**
 * Makes buffer 44 bytes of zeros and fills the header fields except the two
 * lengths (bytes 4 to 7 and 40 to 43). rate in samples per second, bits 8 or
 * 16, mode 0 for one channel and 1 to 3 for two.
 */
void sbWavBaslik(ByteBuffer& buffer, std::int32_t rate, std::int16_t bits, std::int16_t mode);

/**
 * Byte k (0 to 3) of v, low byte first; the sign bit is dropped from byte 3.
 * fnBayt(-2, 0) -> 254, fnBayt(-2, 1) -> 255: a negative sample gives the two
 * bytes of its 16-bit two's complement.
 */
std::uint8_t fnBayt(std::int32_t v, std::int16_t k);

/** The file name of a tone: its frequency rounded halves to even, as text. 440.5 -> "440". */
std::string wavName(double frequency);

/**
 * Writes the buffer to folder / (name + ".WAV"), replacing any older file of
 * that name. Returns 0, or the error number of the failure.
 */
int fnWavYaz(const std::filesystem::path& folder, const std::string& name,
             const ByteBuffer& buffer);

} // namespace genus
