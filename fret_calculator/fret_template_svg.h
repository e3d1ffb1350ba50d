#pragma once
// The fret template as an SVG drawing at true size.

#include "fret_table.h"

#include <string>
#include <string_view>
#include <vector>

namespace mirefa {

/**
 * An SVG document (UTF-8) of the template of fretTemplate with a scale bar
 * below it. One user unit is one millimetre and x is the distance from the
 * nut: width and height are given in mm and the view box starts left of the
 * nut, so a fret line at 500.007501 mm from the nut reads
 * <line class="fret" ... x1="500.007501" ... x2="500.007501" .../>.
 */
std::string fretTemplateSvg(const std::vector<FretRow>& rows, const Geometry& g,
                            std::string_view title);

} // namespace mirefa
