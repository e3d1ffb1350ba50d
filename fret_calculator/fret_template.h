#pragma once
// The true-size fret template: the fingerboard seen from above, the nut, the
// bridge and one line across it per fret, laid out in millimetres for the SVG
// and the printed pages alike.

#include "fret_table.h"

#include <string>
#include <string_view>
#include <vector>

namespace mirefa {

/** A rectangle in millimetres; y grows downwards. */
struct MmRect {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
    double right() const { return x + width; }
    double bottom() const { return y + height; }
};

/** What a line of the template stands for. */
enum class TemplateLineKind { edge, nut, bridge, fret, scaleBar };

/** A straight line, width in millimetres. */
struct TemplateLine {
    TemplateLineKind kind = TemplateLineKind::edge;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    double width = 0;
    int fret = 0; // the fret's number, for a fret line
};

enum class TextAnchor { start, middle };

/** A text whose baseline starts (or is centred) at x, y; upright texts read upwards. */
struct TemplateText {
    double x = 0, y = 0;
    double size = 0; // the height of the font, in millimetres
    bool upright = false;
    TextAnchor anchor = TextAnchor::start;
    std::string text; // UTF-8
};

/**
 * The template in millimetres, x from the nut towards the bridge, y from the
 * fingerboard's upper edge downwards; `extent` holds every part of it.
 */
struct FretTemplate {
    MmRect extent;
    std::vector<TemplateLine> lines;
    std::vector<TemplateText> texts;
};

/** How far across the fingerboard the fret lines reach. */
inline constexpr double fingerboardWidth = 50;

/** The length of the scale bar that a printout is checked with. */
inline constexpr double scaleBarLength = 100;

/** The room a scale bar with its caption takes below the point it starts at. */
inline constexpr double scaleBarHeight = 8;

/**
 * The template of a neck of length g.x_sap: the nut at x = 0, the bridge at x =
 * L, and a line across the fingerboard at x = fromNut for every fret that can
 * be reached and lies on the neck (0 <= x <= L), labelled above the
 * fingerboard with its number and its pitch line. `title` (the scale's name)
 * stands below, with the neck length.
 */
FretTemplate fretTemplate(const std::vector<FretRow>& rows, const Geometry& g,
                          std::string_view title);

/**
 * A scale bar of scaleBarLength millimetres starting at (x, y), ticks every
 * ten millimetres above it, its caption after its end.
 */
FretTemplate scaleBar(double x, double y);

} // namespace mirefa
