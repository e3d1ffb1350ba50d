#pragma once
// The pitch model of the two sounds: positions in cents above MIDI note 0,
// frequencies from a single-precision cent step, note names, and the texts of
// one pitch frame. Plain C++ over the runtime's number rules.

#include <array>
#include <cstdint>
#include <string>

namespace bexaro {

/** The note names, 10 characters each, by MIDI-style number from 0 (C-1) to 143 (B 10). */
using Notalar = std::array<std::string, 144>;

/**
 * Fills the note-name table: entry 12 * (octave + 1) + semitone, the semitone's
 * name and the octave, blank-prefixed when not negative, padded to 10
 * characters. Entry 0 is "C-1       ", entry 61 "C# / Db 4 ".
 */
Notalar kaynakton();

/** The cent step 2^(1/1200) held in single precision: 1.0005778074264526. */
float centStep();

/** MIDI note 0: 440 over the cent step to the power 6900 (double), as a single: 8.174788. */
float baseFrequency(float centadim);

/** The position of the sliders in cents, in 16-bit arithmetic: (60, 50) -> 6050. */
float sliderPosition(int semitones, int cents);

/** The MIDI note nearest a position; 50 cents above a note count as the next one. */
std::int16_t nearestNote(float midicent);

/** The frequency of a position: the power in double, the product rounded to single. */
float frequencyOf(float midicent, float centadim, float bazfrekans);

/** Everything one pitch frame shows. Outside the piano (21 to 108) its three texts are "X". */
struct PitchTexts {
    std::string midicent1;
    std::string midino1;
    std::string midikey1;
    std::string Herz1;
    std::string pianono1;
    std::string pianokey1;
    std::string pianocent1;
};

/** The texts of a pitch frame for a position, its nearest note and its frequency. */
PitchTexts pitchTexts(const Notalar& notalar, float midicent, std::int16_t midino, float herz);

/** The distance of two positions in cents as text: 700. */
std::string centDistanceText(float midicent0, float midicent1);

/** herz1 / herz0 rounded to single (the caller makes sure herz0 > 0). */
float frequencyRatio(float herz0, float herz1);

/** A ratio through "###.######": 1.4983258 -> "1,498326" under ",". */
std::string ratioText(float sesoran);

} // namespace bexaro
