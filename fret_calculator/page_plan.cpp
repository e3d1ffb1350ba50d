#include "page_plan.h"

#include <algorithm>
#include <cmath>

namespace mirefa {

namespace {

double partsNeeded(double length, double room, double overlap) {
    if (length <= room)
        return 1;
    return std::ceil((length - overlap) / (room - overlap));
}

// How far a mark stands inside the drawing from the strip's ends.
constexpr double markInset = 8;

} // namespace

PageGrid pageGrid(const MmRect& drawing, double roomWidth, double roomHeight, double overlap) {
    return {partsNeeded(drawing.width, roomWidth, overlap),
            partsNeeded(drawing.height, roomHeight, overlap)};
}

std::vector<PlannedPage> planPages(const MmRect& drawing, double roomWidth, double roomHeight,
                                   double overlap) {
    const PageGrid grid = pageGrid(drawing, roomWidth, roomHeight, overlap);
    const int columns = static_cast<int>(grid.columns);
    const int rows = static_cast<int>(grid.rows);
    const double stepX = roomWidth - overlap;
    const double stepY = roomHeight - overlap;
    const auto areaOf = [&](int c, int r) {
        return MmRect{drawing.x + c * stepX, drawing.y + r * stepY, roomWidth, roomHeight};
    };

    std::vector<PlannedPage> pages;
    pages.reserve(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows));
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            PlannedPage page{c, r, areaOf(c, r), {}};
            const MmRect& a = page.area;
            // Marks stand by the drawing, not out in the blank part of a page.
            const double top = std::max(a.y, drawing.y) + markInset;
            const double bottom = std::min(a.bottom(), drawing.bottom()) - markInset;
            const double left = std::max(a.x, drawing.x) + markInset;
            const double right = std::min(a.right(), drawing.right()) - markInset;
            // A strip shared with the page on the left or right: marks near its top and bottom.
            for (int side : {c - 1, c + 1}) {
                if (side < 0 || side >= columns)
                    continue;
                const MmRect other = areaOf(side, r);
                const double x = (std::max(a.x, other.x) + std::min(a.right(), other.right())) / 2;
                page.marks.push_back({x, top});
                page.marks.push_back({x, bottom});
            }
            for (int side : {r - 1, r + 1}) {
                if (side < 0 || side >= rows)
                    continue;
                const MmRect other = areaOf(c, side);
                const double y =
                    (std::max(a.y, other.y) + std::min(a.bottom(), other.bottom())) / 2;
                page.marks.push_back({left, y});
                page.marks.push_back({right, y});
            }
            pages.push_back(std::move(page));
        }
    }
    return pages;
}

MmRect landscapePage(Paper paper) {
    switch (paper) {
    case Paper::a4:
        return {0, 0, 297, 210};
    case Paper::letter:
        return {0, 0, 279.4, 215.9};
    }
    return {};
}

MmRect drawingRoom(Paper paper) {
    const MmRect page = landscapePage(paper);
    return {printMargin, printMargin, page.width - 2 * printMargin,
            page.height - 2 * printMargin - printFooter};
}

} // namespace mirefa
