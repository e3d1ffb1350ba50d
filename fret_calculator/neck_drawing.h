#pragma once
// The side view of the instrument on the picture box: neck, thresholds, open
// string, frets and the string pressed onto one fret, in millimetres, with
// the neck along the bottom edge and heights on their own scale.

#include "fret_search.h"

#include <optional>
#include <vector>

namespace platform {
class PictureBox;
}

namespace mirefa {

/** Clears the picture, then sets the user scale (0, 20)-(L + 1, 0). */
void ResimTemizle(platform::PictureBox& box, const Geometry& g);

/** The neck (width 8) along y = 0, then the nut and body thresholds (width 4). */
void CizSap(platform::PictureBox& box, const Geometry& g);

/** The open string, dotted, from the nut threshold's top to the body threshold's; solid after. */
void CizBosTel(platform::PictureBox& box, const Geometry& g);

/** Every fret that exists, width 2, as an upright stroke of the fret height. */
void CizRuvizezo(platform::PictureBox& box, const Geometry& g,
                 const std::vector<std::optional<double>>& perde_kopru);

/**
 * The string pressed onto fret v (1 to N): from the nut threshold's top over
 * the fret's top to the body threshold's top. Nothing for a fret that does
 * not exist.
 */
void CizPerde(platform::PictureBox& box, const Geometry& g,
              const std::vector<std::optional<double>>& perde_kopru, int v);

} // namespace mirefa
