#include "mod_wav.h"
#include "numbers.h"
#include "player.h"
#include "separator.h"
#include "tone.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace genus {
namespace {

namespace fs = std::filesystem;

const char* const initialTonic = "261.6255653005986346778499935233";

std::uint32_t le32(const ByteBuffer& b, std::size_t at) {
    return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16 |
           std::uint32_t(b[at + 3]) << 24;
}

std::int16_t sampleAt(const ByteBuffer& b, std::size_t n) {
    return static_cast<std::int16_t>(b[44 + 2 * n] | b[45 + 2 * n] << 8);
}

// A folder of its own under the system's temporary folder, removed afterwards.
class WavFolder : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device random;
        folder = fs::temp_directory_path() / ("quenlo_test_" + std::to_string(random()));
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    ByteBuffer readFile(const std::string& name) const {
        std::ifstream in(folder / name, std::ios::binary);
        return ByteBuffer(std::istreambuf_iterator<char>(in), {});
    }

    fs::path folder;
};

TEST(Envelope, FiguresForThreeDurations) {
    struct Case {
        const char* name;
        double seconds;
        std::int32_t millis, attack, decay, release, data, sustain;
        std::size_t entries;
    };
    const Case cases[] = {
        {"one second", 1.0, 1000, 13230, 6615, 24255, 88200, 44100, 44100},
        {"half a second rounds halves to even", 0.5, 500, 6615, 3308, 12128, 44100, 22049, 22050},
        {"odd data length", 0.015, 15, 198, 99, 364, 1323, 662, 662},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ToneSynth synth;
        synth.setup(c.seconds);
        EXPECT_EQ(synth.toneMillis, c.millis);
        EXPECT_EQ(synth.attackLen, c.attack);
        EXPECT_EQ(synth.decayLen, c.decay);
        EXPECT_EQ(synth.releaseLen, c.release);
        EXPECT_EQ(synth.dataLen, c.data);
        EXPECT_EQ(synth.sustainLen, c.sustain);
        EXPECT_EQ(synth.envelope.size(), c.entries);
        EXPECT_EQ(synth.envelope[0], 0.0);
        EXPECT_DOUBLE_EQ(synth.envelope.back(), synth.fnY(2.0 * (c.entries - 1)));
    }
}

TEST(Envelope, ShapeOfTheOneSecondTone) {
    ToneSynth synth;
    synth.setup(1);
    EXPECT_EQ(runtime::numberToText(synth.envelope[6616]), runtime::numberToText(0.99990022675737));
    EXPECT_EQ(synth.envelope[9923], 0.67);
    EXPECT_EQ(synth.fnY(13230), 1.0);
    EXPECT_EQ(synth.fnY(6615), 0.5);
    EXPECT_EQ(synth.fnY(88199), 0.0);
    EXPECT_DOUBLE_EQ(synth.fnY(63945), 0.67);
}

TEST_F(WavFolder, InitialToneFileHasTheHeaderAndSamples) {
    ToneSynth synth;
    synth.setup(1);
    GenusPlayer player;
    ASSERT_TRUE(player.start("  4)  4 +  9 +  9\tB T T ", initialTonic));
    ByteBuffer wav;
    synth.buildTone(player.pitchFreq[0], wav);
    const std::string name = wavName(player.pitchFreq[0]);
    EXPECT_EQ(name, "262");
    ASSERT_EQ(fnWavYaz(folder, name, wav), 0);

    const ByteBuffer file = readFile("262.WAV");
    ASSERT_EQ(file.size(), 88245u);
    EXPECT_EQ(file, wav);
    EXPECT_EQ(std::string(file.begin(), file.begin() + 4), "RIFF");
    EXPECT_EQ(le32(file, 4), 88236u);
    EXPECT_EQ(std::string(file.begin() + 8, file.begin() + 16), "WAVE"
                                                                "fmt ");
    EXPECT_EQ(le32(file, 16), 16u);
    EXPECT_EQ(file[20] | file[21] << 8, 1);
    EXPECT_EQ(file[22] | file[23] << 8, 1);
    EXPECT_EQ(le32(file, 24), 44100u);
    EXPECT_EQ(le32(file, 28), 88200u);
    EXPECT_EQ(file[32] | file[33] << 8, 2);
    EXPECT_EQ(file[34] | file[35] << 8, 16);
    EXPECT_EQ(std::string(file.begin() + 36, file.begin() + 40), "data");
    EXPECT_EQ(le32(file, 40), 88200u);
    EXPECT_EQ(sampleAt(file, 0), 0);
    EXPECT_EQ(sampleAt(file, 1), 0);
    EXPECT_EQ(sampleAt(file, 2), 1);
    EXPECT_EQ(sampleAt(file, 6615), 32742);
    EXPECT_EQ(file.back(), 0); // the byte past the data of an even length
}

TEST(Tone, OddDataLengthPutsTheLastHighByteAtTheEnd) {
    ToneSynth synth;
    synth.setup(0.015);
    ByteBuffer wav;
    const double f = 440;
    synth.buildTone(f, wav);
    ASSERT_EQ(wav.size(), 1368u);
    EXPECT_EQ(le32(wav, 40), 1323u);
    EXPECT_EQ(le32(wav, 4), 1359u);
    EXPECT_EQ(sampleAt(wav, 661), 0); // the envelope has fallen to 0

    // With the fall lifted, the last sample shows where its high byte goes.
    synth.envelope[661] = 1;
    synth.buildTone(f, wav);
    const double w = 2 * std::acos(-1.0) * f / 44100;
    const auto expected = runtime::toInt32(std::sin(661 * w) * 32767);
    ASSERT_LT(expected, -256);
    EXPECT_EQ(sampleAt(wav, 661), expected);
    EXPECT_EQ(wav[1367], fnBayt(expected, 1));
}

TEST(Tone, NewToneRebuildsTheBufferFromNothing) {
    ToneSynth synth;
    synth.setup(1);
    ByteBuffer wav(200000, 0xAB);
    synth.buildTone(440, wav);
    EXPECT_EQ(wav.size(), 88245u);
    EXPECT_EQ(wav.back(), 0);
}

TEST(ModWav, BytesOfNumbers) {
    struct Case {
        const char* name;
        std::int32_t v;
        std::array<int, 4> bytes;
    };
    const Case cases[] = {
        {"data length", 88236, {0xAC, 0x58, 0x01, 0x00}},
        {"minus one", -1, {0xFF, 0xFF, 0xFF, 0x7F}},
        {"negative sample", -32742, {0x1A, 0x80, 0xFF, 0x7F}},
        {"largest", 2147483647, {0xFF, 0xFF, 0xFF, 0x7F}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (std::int16_t k = 0; k < 4; ++k)
            EXPECT_EQ(fnBayt(c.v, k), c.bytes[static_cast<std::size_t>(k)]) << "byte " << k;
    }
}

TEST(ModWav, HeaderForOtherFormats) {
    ByteBuffer header(3, 0xFF);
    sbWavBaslik(header, 22050, 8, 2);
    ASSERT_EQ(header.size(), 44u);
    EXPECT_EQ(header[22], 2);
    EXPECT_EQ(le32(header, 24), 22050u);
    EXPECT_EQ(le32(header, 28), 44100u);
    EXPECT_EQ(header[32], 2);
    EXPECT_EQ(header[34], 8);
    EXPECT_EQ(le32(header, 4), 0u);
    EXPECT_EQ(le32(header, 40), 0u);
    EXPECT_EQ(wavPi(), 4 * std::atan(1.0));
}

TEST(ModWav, FileNamesRoundHalvesToEven) {
    struct Case {
        const char* name;
        double hz;
        const char* file;
    };
    const Case cases[] = {
        {"tonic", 261.6255653005986, "262"},
        {"440.5", 440.5, "440"},
        {"441.5", 441.5, "442"},
        {"silent tonic", 0, "0"},
        {"negative", -261.6, "-262"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(wavName(c.hz), c.file);
    }
}

TEST_F(WavFolder, WriterReplacesAnOlderFileAndReportsFailures) {
    ASSERT_EQ(fnWavYaz(folder, "440", ByteBuffer(100, 1)), 0);
    ASSERT_EQ(fnWavYaz(folder, "440", ByteBuffer(10, 2)), 0);
    EXPECT_EQ(readFile("440.WAV"), ByteBuffer(10, 2));
    EXPECT_NE(fnWavYaz(folder / "missing", "440", ByteBuffer(10, 2)), 0);
}

TEST(Player, LineFourSoundsFourPitches) {
    GenusPlayer player;
    ASSERT_TRUE(player.start("  4)  4 +  9 +  9\tB T T ", initialTonic));
    const std::array<const char*, 4> expected = {"261.6255653005986", "275.6762958428381",
                                                 "310.1113958738022", "348.8478309561430"};
    const std::array<const char*, 4> names = {"262", "276", "310", "349"};
    for (std::size_t j = 0; j < 4; ++j) {
        SCOPED_TRACE(j);
        char text[40];
        std::snprintf(text, sizeof text, "%.16g", player.pitchFreq[j]);
        EXPECT_EQ(std::string(text), std::string(expected[j]).substr(0, std::string(text).size()));
        EXPECT_NEAR(player.pitchFreq[j], std::strtod(expected[j], nullptr), 1e-12);
        EXPECT_EQ(wavName(player.pitchFreq[j]), names[j]);
    }
    EXPECT_EQ(player.pitchFreq[4], 0);
    EXPECT_EQ(player.pitchIndex, 0);
    EXPECT_TRUE(player.tick());
    EXPECT_TRUE(player.tick());
    EXPECT_TRUE(player.tick());
    EXPECT_EQ(player.pitchIndex, 3);
    EXPECT_FALSE(player.tick());
}

TEST(Player, TicksPerGenusSize) {
    struct Case {
        const char* name;
        const char* line;
        int tones;
    };
    const Case cases[] = {
        {"trichord", "  1) 11 + 11\tA A ", 3},
        {"pentachord", "  1)  4 +  4.25 +  9 +  4.75\tB B T S ", 5},
        {"zero interval ends the genus", "  1)  4 +  0 +  9\tB I T ", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GenusPlayer player;
        ASSERT_TRUE(player.start(c.line, "440"));
        int tones = 1;
        while (player.tick())
            ++tones;
        EXPECT_EQ(tones, c.tones);
        EXPECT_EQ(player.pitchIndex, c.tones == 5 ? 4 : c.tones);
    }
    GenusPlayer trichord;
    ASSERT_TRUE(trichord.start("  1) 11 + 11\tA A ", "440"));
    EXPECT_GT(trichord.pitchFreq[2], 0);
    EXPECT_EQ(trichord.pitchFreq[3], 0);
    EXPECT_EQ(trichord.pitchFreq[4], 0);
}

TEST(Player, LinesThatPlayNothing) {
    struct Case {
        const char* name;
        const char* line;
    };
    const Case cases[] = {
        {"no parenthesis", "  4  4 +  9 +  9\tB T T "},
        {"no tab", "  4)  4 +  9 +  9 B T T "},
        {"nothing between", "4) \tB "},
        {"parenthesis at the end", "4)"},
        {"empty", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GenusPlayer player;
        EXPECT_FALSE(player.start(c.line, "440"));
    }
}

TEST(Player, TonicsThatAreNoPitch) {
    struct Case {
        const char* name;
        const char* tonic;
        double first;
        bool ticks;
    };
    const Case cases[] = {
        {"not a number", "abc", 0, false},
        {"negative", "-440", -440, false},
        {"beyond every real", "1E+999", 0, false},
        {"read leniently", "440 Hz", 440, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GenusPlayer player;
        ASSERT_TRUE(player.start("  1) 11 + 11\tA A ", c.tonic));
        EXPECT_EQ(player.pitchFreq[0], c.first);
        EXPECT_EQ(player.tick(), c.ticks);
    }
}

TEST(Player, PitchesThatCannotSoundAsWritten) {
    struct Case {
        const char* name;
        const char* line;
        const char* tonic;
        PitchProblem problem;
    };
    const char* const tetrachord = "  4)  4 +  9 +  9\tB T T ";
    const char* const trichord = "  1) 11 + 11\tA A ";
    const Case cases[] = {
        {"initial tonic", tetrachord, initialTonic, PitchProblem::None},
        {"zero", tetrachord, "0", PitchProblem::TonicNotAbove0},
        {"negative", tetrachord, "-5", PitchProblem::TonicNotAbove0},
        {"not a number", tetrachord, "abc", PitchProblem::TonicNotAbove0},
        {"a small tonic", tetrachord, "0.001", PitchProblem::None},
        {"top pitch just below half the rate", trichord, "16530", PitchProblem::None},
        {"top pitch just above half the rate", trichord, "16537", PitchProblem::TooHigh},
        {"only the top pitch too high", tetrachord, "20000", PitchProblem::TooHigh},
        {"tonic above half the rate", tetrachord, "30000", PitchProblem::TooHigh},
        {"far above", tetrachord, "1E+20", PitchProblem::TooHigh},
        {"beyond every real", tetrachord, "1E+999", PitchProblem::TooHigh},
        {"a line that plays nothing", "4) \tB ", "-5", PitchProblem::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(checkPitches(c.line, runtime::testing::localised(c.tonic)), c.problem);
    }
}

TEST(Duration, AcceptedAndRefusedTexts) {
    struct Case {
        const char* name;
        const char* text;
        DurationProblem problem;
    };
    const Case cases[] = {
        {"one second", "1", DurationProblem::None},
        {"sixty seconds", "60", DurationProblem::None},
        {"a millisecond", "0.001", DurationProblem::None},
        {"letters", "abc", DurationProblem::NotANumber},
        {"empty", "", DurationProblem::NotANumber},
        {"zero", "0", DurationProblem::OutOfRange},
        {"negative", "-1", DurationProblem::OutOfRange},
        {"above a minute", "61", DurationProblem::OutOfRange},
        {"rounds to no millisecond", "0.0004", DurationProblem::OutOfRange},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(checkDuration(c.text), c.problem);
    }
    double seconds = 0;
    EXPECT_EQ(checkDuration(runtime::testing::localised("0.5"), &seconds), DurationProblem::None);
    EXPECT_EQ(seconds, 0.5);
}

} // namespace
} // namespace genus
