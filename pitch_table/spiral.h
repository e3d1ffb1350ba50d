#pragma once
// The spiral of the viewed range: where each pitch sits and the colour code
// by which a pixel tells its pitch.

#include <optional>
#include <vector>

namespace pitch_table {

struct Rgb {
    int red, green, blue;
    bool operator==(const Rgb&) const = default;
};

/** The base of the colour code: no pitch is drawn in it, unnamed outlines are. */
inline constexpr Rgb baseColour{200, 185, 130};

/**
 * The colour code of an index of 9..221: base + (d1, d2, d3), digits 1..6 of
 * i - 9 in base six, d3 fastest. 9 -> (201, 186, 131), 93 -> (203, 188, 131).
 */
Rgb colourCode(int index);

/** The index a colour codes for (9..224), or nothing when it is no code. */
std::optional<int> indexOfColour(Rgb colour);

struct SpiralPoint {
    int x, y;
    bool operator==(const SpiralPoint&) const = default;
};

/** One pitch of the spiral: its point, the next point and whether a red ray ends at it. */
struct SpiralStep {
    int index;
    SpiralPoint p, q;
    bool ray;
};

inline constexpr int spiralCentre = 262;

/**
 * The 213 steps from index 9 (outermost, at the top) to 221, clockwise and
 * inward: radius 250 shrinking by 0.5 a koma in single precision, angles with
 * pi as 3.1416 rounded to single, offsets rounded halves to even.
 */
std::vector<SpiralStep> spiralSteps();

} // namespace pitch_table
