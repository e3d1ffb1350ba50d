#include "pitch.h"

#include "separator.h"

#include <gtest/gtest.h>

namespace bexaro {
namespace {

using runtime::testing::localised;

TEST(Pitch, ConstantsInSinglePrecision) {
    EXPECT_EQ(centStep(), 1.0005778074264526f);
    EXPECT_EQ(double{centStep()}, 1.0005778074264526);
    EXPECT_EQ(double{baseFrequency(centStep())}, 8.174788475036621);
}

TEST(Pitch, NoteNames) {
    const Notalar notalar = kaynakton();
    struct Case {
        const char* name;
        int entry;
        const char* text;
    };
    const Case cases[] = {
        {"lowest", 0, "C-1       "},    {"sharp at -1", 1, "C# / Db-1 "},
        {"octave 0", 12, "C 0       "}, {"middle C on the MIDI side", 72, "C 5       "},
        {"A 0", 21, "A 0       "},      {"sharp", 61, "C# / Db 4 "},
        {"highest", 143, "B 10      "}, {"two-digit octave sharp", 140, "G# / Ab 10"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(notalar.at(static_cast<std::size_t>(c.entry)), c.text);
    }
    for (const std::string& name : notalar)
        EXPECT_EQ(name.size(), 10u);
}

TEST(Pitch, ReadoutsOfTheSliders) {
    const Notalar notalar = kaynakton();
    const float centadim = centStep();
    const float bazfrekans = baseFrequency(centadim);
    struct Case {
        const char* name;
        int semitones, cents;
        const char *midicent1, *midino1, *midikey1, *Herz1, *pianono1, *pianokey1, *pianocent1;
    };
    const Case cases[] = {
        {"0, 0", 0, 0, "0", "0", "C 0", "8.17479", "X", "X", "X"},
        {"0, -49", 0, -49, "-49", "0", "C 0", "7.94665", "X", "X", "X"},
        {"20, 50", 20, 50, "2050", "21", "A 1", "26.71481", "1", "A 0", "-50"},
        {"21, 0", 21, 0, "2100", "21", "A 1", "27.49763", "1", "A 0", "0"},
        {"57, 0", 57, 0, "5700", "57", "A 4", "219.99527", "37", "A 3", "3600"},
        {"60, 0", 60, 0, "6000", "60", "C 5", "261.62134", "40", "C 4", "3900"},
        {"60, 50", 60, 50, "6050", "61", "C# / Db 5", "269.28769", "41", "C# / Db 4", "3950"},
        {"60, -49", 60, -49, "5951", "60", "C 5", "254.32013", "40", "C 4", "3851"},
        {"69, 0", 69, 0, "6900", "69", "A 5", "440.", "49", "A 4", "4800"},
        {"108, 0", 108, 0, "10800", "108", "C 9", "4186.30127", "88", "C 8", "8700"},
        {"108, 50", 108, 50, "10850", "109", "C# / Db 9", "4308.97314", "X", "X", "X"},
        {"127, 50", 127, 50, "12750", "128", "G# / Ab 10", "12912.76953", "X", "X", "X"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const float midicent = sliderPosition(c.semitones, c.cents);
        const auto midino = nearestNote(midicent);
        const PitchTexts t =
            pitchTexts(notalar, midicent, midino, frequencyOf(midicent, centadim, bazfrekans));
        EXPECT_EQ(t.midicent1, c.midicent1);
        EXPECT_EQ(t.midino1, c.midino1);
        EXPECT_EQ(t.midikey1, c.midikey1);
        EXPECT_EQ(t.Herz1, localised(c.Herz1));
        EXPECT_EQ(t.pianono1, c.pianono1);
        EXPECT_EQ(t.pianokey1, c.pianokey1);
        EXPECT_EQ(t.pianocent1, c.pianocent1);
    }
}

TEST(Pitch, ComparisonOfTwoPitches) {
    const float centadim = centStep();
    const float bazfrekans = baseFrequency(centadim);
    const float c = frequencyOf(6000, centadim, bazfrekans);
    const float g = frequencyOf(6700, centadim, bazfrekans);
    EXPECT_EQ(centDistanceText(6000, 6700), "700");
    EXPECT_EQ(centDistanceText(6700, 6000), "700");
    EXPECT_EQ(frequencyRatio(c, g), 1.4983258f);
    EXPECT_EQ(ratioText(frequencyRatio(c, g)), localised("1.498326"));
    EXPECT_EQ(ratioText(frequencyRatio(c, c)), localised("1."));
    EXPECT_EQ(frequencyRatio(c, frequencyOf(7200, centadim, bazfrekans)), 2.0000429f);
}

} // namespace
} // namespace bexaro
