#include "staff.h"

#include <array>

namespace pitch_table {

int staffStep(int index) {
    // The naturals of four octaves: 9, 9, 4, 9, 9, 4, 9 komas apart from index 9.
    static constexpr std::array<int, 29> mains = {9,   18,  27,  31,  40,  49,  53,  62,  71,  80,
                                                  84,  93,  102, 106, 115, 124, 133, 137, 146, 155,
                                                  159, 168, 177, 186, 190, 199, 208, 212, 221};
    for (std::size_t k = 0; k < mains.size(); ++k)
        if (mains[k] == index)
            return static_cast<int>(k) + 1;
    return 0;
}

std::optional<GlyphRect> accidentalGlyph(int fark) {
    // Cells on a grid of 19 pixels from x = 9; the natural at 123 is skipped.
    int cell;
    switch (fark) {
    case -8:
        cell = 0;
        break;
    case -5:
        cell = 1;
        break;
    case -4:
        cell = 2;
        break;
    case -3:
        cell = 3;
        break;
    case -2:
        cell = 4;
        break;
    case -1:
        cell = 5;
        break;
    case 1:
        cell = 7;
        break;
    case 2:
        cell = 8;
        break;
    case 3:
        cell = 9;
        break;
    case 4:
        cell = 10;
        break;
    case 5:
        cell = 11;
        break;
    case 8:
        cell = 12;
        break;
    default:
        return std::nullopt;
    }
    return GlyphRect{9 + 19 * cell, 7, 8, 27};
}

NotePlacement notePlacement(int x, int step) {
    if (step > 14)
        return {noteStemUp, x, 4 * step - 13, x - 10, 4 * step};
    return {noteStemDown, x, 4 * step + 12, x - 10, 4 * step};
}

} // namespace pitch_table
