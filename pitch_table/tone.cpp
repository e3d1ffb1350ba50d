#include "tone.h"

#include "numbers.h"

#include <cmath>
#include <stdexcept>

namespace pitch_table {

namespace {

constexpr const char* headerTemplate =
    "46464952000000004556415720746D6600000010000200010000AC440002B1100010000461746164";

std::uint16_t sample(double wave) {
    return static_cast<std::uint16_t>(runtime::toInt16(std::pow(wave, 3) * 32767));
}

} // namespace

std::vector<std::uint32_t> headerTemplateWords() {
    std::vector<std::uint32_t> words;
    for (int k = 0; k < 10; ++k)
        words.push_back(static_cast<std::uint32_t>(
            std::stoul(std::string(headerTemplate + 8 * k, 8), nullptr, 16)));
    return words;
}

float angularStep(float frequency) {
    return static_cast<float>(double(frequency) * 2 * 3.14159265358979 / 44100);
}

std::vector<std::uint32_t> toneWords(float frequency, std::int32_t frames) {
    if (frames < 0 || frames > (INT32_MAX - 44) / 4)
        throw std::invalid_argument("frame count out of range");
    std::vector<std::uint32_t> words = headerTemplateWords();
    words.resize(static_cast<std::size_t>(frames) + 11);
    words[1] = static_cast<std::uint32_t>(4 * frames + 36);
    words[10] = static_cast<std::uint32_t>(4 * frames);
    const double omega = angularStep(frequency);
    for (std::int32_t j = 12; j <= frames + 11; ++j) {
        const double s = std::sin(omega * j);
        const double k = std::cos(omega * j);
        words[static_cast<std::size_t>(j - 1)] = std::uint32_t(sample(k)) | std::uint32_t(sample(s))
                                                                                << 16;
    }
    return words;
}

std::string toneImage(float frequency, std::int32_t frames) {
    const std::vector<std::uint32_t> words = toneWords(frequency, frames);
    std::string bytes(words.size() * 4, '\0');
    for (std::size_t w = 0; w < words.size(); ++w)
        for (int b = 0; b < 4; ++b)
            bytes[4 * w + b] = static_cast<char>(words[w] >> (8 * b));
    return bytes;
}

} // namespace pitch_table
