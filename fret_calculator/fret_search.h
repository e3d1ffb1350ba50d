#pragma once
// The geometry of the instrument and the fret search: where each fret must
// stand so that the string pressed onto it sounds the scale's ratio.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace mirefa {

/** The instrument, in millimetres, as the geometry step leaves it. */
struct Geometry {
    double x_sap = 0;       // L: neck length, nut threshold to body threshold
    double hesik_sap = 0;   // hn: height of the nut threshold
    double hesik_govde = 0; // hb: height of the body threshold
    double hperde = 0;      // hf: height of every fret
    double x_telbos = 0;    // L0: length of the open string
};

/**
 * The geometry step's arithmetic: fark = |hb - hn|, L0 = sqrt(fark^2 + L^2).
 * makeGeometry(1000, 2, 5, 1).x_telbos == 1000.0044999898751.
 */
Geometry makeGeometry(double x_sap, double hesik_sap, double hesik_govde, double hperde);

/** Which geometry box holds a text that cannot be used. */
enum class GeometryBox { x_sap, hesik_sap, hesik_govde, hperde };

/** Why a geometry box's text cannot be used. */
enum class GeometryFault { none, notANumber, notPositive, tooLarge };

/** A geometry read from the boxes, or what is wrong with each box. */
struct GeometryReading {
    std::optional<Geometry> geometry;
    GeometryBox badBox = GeometryBox::x_sap; // the first box with a fault
    std::array<GeometryFault, 4> faults{};   // one per box, in the order of GeometryBox
};

/**
 * Reads the four boxes strictly with the regional separator. A text that is
 * not a number (empty, a wrong separator), a number beyond the double range, a
 * neck length of 0 or below, and a geometry whose open string is too long for a
 * double leave `geometry` empty and give every box its fault: readGeometry("-5",
 * "x", "5", "1") faults x_sap as notPositive and hesik_sap as notANumber. The
 * open string's overflow is charged to the box of the largest magnitude.
 */
GeometryReading readGeometry(const std::string& x_sap, const std::string& hesik_sap,
                             const std::string& hesik_govde, const std::string& hperde);

/** The fret moves by this much (one micrometre) at each step of the search. */
inline constexpr double fretStep = 0.000001;

/** One fret: its distance d to the body threshold, the steps taken, and whether it exists. */
struct FretResult {
    double d = 0;
    std::int64_t steps = 0;
    bool reached = false;
};

/**
 * The pitch ratio that the model gives for a fret at distance d from the body
 * threshold, with the operations in their fixed order (e, b, a, t, q, then
 * (L0 / b) x q).
 */
double soundingRatio(const Geometry& g, double d);

/**
 * The search one micrometre at a time: from d = L / r, while the sounding
 * ratio is below r, d = d - 0.000001. The fret is unreachable when d falls to
 * 0 or below, or when the subtraction no longer changes d; a ratio that is not
 * a positive finite number has no fret. r = 2 on the initial geometry takes
 * 7501 steps to d = 499.99249900001894.
 */
FretResult searchFretStepByStep(double r, const Geometry& g);

/**
 * The same result as searchFretStepByStep, bit for bit and with the same step
 * count, without walking every step: it jumps along the exact sequence of
 * subtractions, and where the comparison is close it bounds the ratio over
 * ranges of steps and walks only short ranges.
 */
FretResult searchFret(double r, const Geometry& g);

/**
 * perde_kopru: for every ratio the distance of its fret to the body threshold,
 * empty where the fret is unreachable or the ratio is not positive.
 */
std::vector<std::optional<double>> PerdeHesapla(const std::vector<double>& perde_oran,
                                                const Geometry& g);

} // namespace mirefa
