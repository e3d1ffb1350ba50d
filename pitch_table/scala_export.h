#pragma once
// One octave of the pitch table as a Scala scale: the 53 pitches above a
// tonic, each in cents with its name after it.

#include "pitch_record.h"

#include <string>
#include <string_view>

namespace pitch_table {

inline constexpr int octaveKomas = 53;

/**
 * Whether the octave above the tonic lies in the table: the pitch k komas
 * above index t is index t - k, so the tonic must be 54 or lower down.
 * Tonics 9 to 53 and the header's 0 do not fit.
 */
bool octaveFits(int tonic);

/**
 * The Scala file of the octave above the tonic, in the table's code page
 * (Windows-1254): a comment naming the file, a description naming the tonic,
 * 53, then for k = 1 to 53 the cents k x 1200 / 53 with six decimals and "."
 * whatever the region, and the pitch's name after a blank ("22.641509 Tiz Bayati");
 * an unnamed pitch has its cents alone. The unison is left out and the
 * octave, 1200.000000, ends the list, as Scala files have it.
 * Throws std::out_of_range when the octave does not fit (see octaveFits).
 */
std::string toScl(const PitchTable& table, int tonic, std::string_view fileName);

} // namespace pitch_table
