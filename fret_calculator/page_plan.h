#pragma once
// Which part of a drawing goes on which printed page: the drawing is cut into
// a grid of equal parts that overlap, so that the pages can be laid over each
// other and taped together.

#include "fret_template.h"

#include <vector>

namespace mirefa {

/** A point in millimetres, in the drawing's coordinates. */
struct MmPoint {
    double x = 0;
    double y = 0;
};

/** One page: the part of the drawing it shows and its alignment marks. */
struct PlannedPage {
    int column = 0; // 0 at the drawing's left
    int row = 0;    // 0 at the drawing's top
    MmRect area;    // as large as the room on the page
    /**
     * The middles of the strips that this page shares with a neighbour, near
     * the ends of the strip's part of the drawing; the neighbour has the same marks, so laying one
     * page over the other with the marks on each other puts the drawing together.
     */
    std::vector<MmPoint> marks;
};

/** How many columns and rows of pages a drawing needs; counted in doubles, as they can be huge. */
struct PageGrid {
    double columns = 0;
    double rows = 0;
    double pages() const { return columns * rows; }
};

/**
 * The grid for a drawing of the given size when a page has room for `room`
 * and neighbours overlap by `overlap` (less than either side of the room). A
 * width of 1020 mm on room 277 mm wide with 10 mm overlap takes
 * ceil((1020 - 10) / (277 - 10)) = 4 columns.
 */
PageGrid pageGrid(const MmRect& drawing, double roomWidth, double roomHeight, double overlap);

/**
 * The pages, row by row from the top, each row left to right. Page (c, r)
 * shows the area starting at drawing.x + c (roomWidth - overlap), drawing.y +
 * r (roomHeight - overlap). Build it only for a grid that pageGrid has
 * found small enough to print.
 */
std::vector<PlannedPage> planPages(const MmRect& drawing, double roomWidth, double roomHeight,
                                   double overlap);

/** The papers a template can be printed on. */
enum class Paper { a4, letter };

/** A page laid sideways, so that the neck runs along its long side: 297 x 210 mm for A4. */
MmRect landscapePage(Paper paper);

/** Blank margin kept on every side of a printed page, clear of what printers cannot reach. */
inline constexpr double printMargin = 10;
/** The strip that neighbouring pages both show. */
inline constexpr double printOverlap = 10;
/** The band along a page's bottom edge with the scale bar and the page number. */
inline constexpr double printFooter = 14;

/** The part of a page that shows the drawing: inside the margins, above the footer. */
MmRect drawingRoom(Paper paper);

} // namespace mirefa
