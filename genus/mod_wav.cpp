#include "mod_wav.h"

#include "numbers.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace genus {

namespace {

double g_pi = 0;

void putText(ByteBuffer& buffer, std::size_t at, const char* text) {
    std::memcpy(buffer.data() + at, text, 4);
}

void putLong(ByteBuffer& buffer, std::size_t at, std::int32_t value) {
    for (std::int16_t k = 0; k < 4; ++k)
        buffer[at + static_cast<std::size_t>(k)] = fnBayt(value, k);
}

} // namespace

double wavPi() {
    return g_pi;
}

std::uint8_t fnBayt(std::int32_t v, std::int16_t k) {
    switch (k) {
    case 0:
        return static_cast<std::uint8_t>(v & 255);
    case 1:
        return static_cast<std::uint8_t>((v & 65280) / 256);
    case 2:
        return static_cast<std::uint8_t>((v & 16711680) / 65536);
    case 3:
        return static_cast<std::uint8_t>((v & 2130706432) / 16777216);
    default:
        return 0;
    }
}

void sbWavBaslik(ByteBuffer& buffer, std::int32_t rate, std::int16_t bits, std::int16_t mode) {
    g_pi = 4 * std::atan(1.0);
    buffer.assign(44, 0);
    putText(buffer, 0, "RIFF");
    putText(buffer, 8, "WAVE");
    putText(buffer, 12, "fmt ");
    buffer[16] = 16;
    buffer[20] = 1;
    const std::int32_t channels = mode == 0 ? 1 : 2;
    buffer[22] = static_cast<std::uint8_t>(channels);
    putLong(buffer, 24, rate);
    const std::int32_t bytesPerSample = bits == 8 ? 1 : 2;
    buffer[34] = static_cast<std::uint8_t>(bits);
    putLong(buffer, 28, channels * rate * bytesPerSample);
    buffer[32] = static_cast<std::uint8_t>(channels * bytesPerSample);
    putText(buffer, 36, "data");
}

std::string wavName(double frequency) {
    return runtime::numberToText(std::nearbyint(frequency));
}

int fnWavYaz(const std::filesystem::path& folder, const std::string& name,
             const ByteBuffer& buffer) {
    const std::filesystem::path path = folder / (name + ".WAV");
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return errno != 0 ? errno : EIO;
    int error = 0;
    if (!buffer.empty() && std::fwrite(buffer.data(), 1, buffer.size(), file) != buffer.size())
        error = errno != 0 ? errno : EIO;
    if (std::fclose(file) != 0 && error == 0)
        error = errno != 0 ? errno : EIO;
    return error;
}

} // namespace genus
