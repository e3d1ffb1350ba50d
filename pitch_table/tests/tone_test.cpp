#include "tone.h"

#include <gtest/gtest.h>

using namespace pitch_table;

namespace {
std::int16_t first(std::uint32_t word) {
    return static_cast<std::int16_t>(word & 0xFFFF);
}
std::int16_t second(std::uint32_t word) {
    return static_cast<std::int16_t>(word >> 16);
}
} // namespace

TEST(Tone, AnchorFramesStartAtPhaseTwelve) {
    EXPECT_EQ(double(angularStep(440.0f)), 0.06268937885761261);
    const std::vector<std::uint32_t> w = toneWords(440.0f, 100);
    ASSERT_EQ(w.size(), 111u);
    EXPECT_EQ(first(w[11]), 12754); // word 12
    EXPECT_EQ(second(w[11]), 10454);
    EXPECT_EQ(first(w[12]), 10573);
    EXPECT_EQ(second(w[12]), 12627);
}

TEST(Tone, OneSecondHeaderByteForByte) {
    const std::string image = toneImage(440.0f, 44100);
    ASSERT_EQ(image.size(), 176444u);
    const unsigned char header[44] = {
        0x52, 0x49, 0x46, 0x46, 0x34, 0xb1, 0x02, 0x00, 0x57, 0x41, 0x56, 0x45, 0x66, 0x6d, 0x74,
        0x20, 0x10, 0x00, 0x00, 0x00, 0x01, 0x00, 0x02, 0x00, 0x44, 0xac, 0x00, 0x00, 0x10, 0xb1,
        0x02, 0x00, 0x04, 0x00, 0x10, 0x00, 0x64, 0x61, 0x74, 0x61, 0x10, 0xb1, 0x02, 0x00};
    EXPECT_EQ(image.substr(0, 44), std::string(reinterpret_cast<const char*>(header), 44));
}

TEST(Tone, SilentFrequencyGivesAConstantImage) {
    const std::vector<std::uint32_t> w = toneWords(0.0f, 500);
    for (std::size_t j = 11; j < w.size(); ++j) {
        ASSERT_EQ(first(w[j]), 32767) << j;
        ASSERT_EQ(second(w[j]), 0) << j;
    }
}

TEST(Tone, PeaksAtFullScaleAndRefusesNegativeLengths) {
    const std::vector<std::uint32_t> w = toneWords(440.0f, 44100);
    int highest = -40000, lowest = 40000;
    for (std::size_t j = 11; j < w.size(); ++j) {
        highest = std::max<int>(highest, first(w[j]));
        lowest = std::min<int>(lowest, second(w[j]));
    }
    EXPECT_GT(highest, 32700);
    EXPECT_LT(lowest, -32700);
    EXPECT_EQ(toneImage(440.0f, 0).size(), 44u);
    EXPECT_THROW(toneWords(440.0f, -1), std::invalid_argument);
}
