#include "pitch.h"

#include "numbers.h"

#include <cmath>

namespace bexaro {

namespace {

constexpr std::array<const char*, 12> semitoneNames = {
    "C", "C# / Db", "D", "D# / Eb", "E", "F", "F# / Gb", "G", "G# / Ab", "A", "A# / Bb", "B"};

constexpr int lowestPianoNote = 21;
constexpr int highestPianoNote = 108;

} // namespace

Notalar kaynakton() {
    Notalar notalar;
    for (int octave = -1; octave <= 10; ++octave) {
        for (int k = 0; k < 12; ++k) {
            std::string name = semitoneNames[static_cast<std::size_t>(k)];
            name +=
                octave < 0 ? runtime::numberToText(octave) : " " + runtime::numberToText(octave);
            name.resize(10, ' ');
            notalar[static_cast<std::size_t>(12 * (octave + 1) + k)] = name;
        }
    }
    return notalar;
}

float centStep() {
    return static_cast<float>(std::pow(2.0, 1.0 / 1200.0));
}

float baseFrequency(float centadim) {
    return static_cast<float>(440.0 / std::pow(static_cast<double>(centadim), 6900.0));
}

float sliderPosition(int semitones, int cents) {
    const std::int16_t hundreds = runtime::checkedInt16(std::int64_t{semitones} * 100);
    return runtime::checkedInt16(std::int64_t{hundreds} + cents);
}

std::int16_t nearestNote(float midicent) {
    return runtime::checkedInt16(
        static_cast<std::int64_t>(runtime::floorValue((double{midicent} + 50.0) / 100.0)));
}

float frequencyOf(float midicent, float centadim, float bazfrekans) {
    return static_cast<float>(std::pow(double{centadim}, double{midicent}) * double{bazfrekans});
}

PitchTexts pitchTexts(const Notalar& notalar, float midicent, std::int16_t midino, float herz) {
    PitchTexts t;
    t.midicent1 = runtime::numberToText(midicent);
    t.midino1 = runtime::numberToText(int{midino});
    t.midikey1 = runtime::trim(notalar.at(static_cast<std::size_t>(midino + 12)));
    t.Herz1 = runtime::format(herz, "#####.#####");
    if (midino >= lowestPianoNote && midino <= highestPianoNote) {
        t.pianono1 = runtime::numberToText(midino - 20);
        t.pianokey1 = runtime::trim(notalar.at(static_cast<std::size_t>(midino)));
        t.pianocent1 = runtime::numberToText(midicent - 2100.0f);
    } else {
        t.pianono1 = t.pianokey1 = t.pianocent1 = "X";
    }
    return t;
}

std::string centDistanceText(float midicent0, float midicent1) {
    return runtime::numberToText(std::fabs(midicent0 - midicent1));
}

float frequencyRatio(float herz0, float herz1) {
    return static_cast<float>(double{herz1} / double{herz0});
}

std::string ratioText(float sesoran) {
    return runtime::format(sesoran, "###.######");
}

} // namespace bexaro
