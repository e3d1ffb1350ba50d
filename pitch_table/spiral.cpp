#include "spiral.h"

#include "numbers.h"
#include "pitch_record.h"

#include <cmath>

namespace pitch_table {

Rgb colourCode(int index) {
    const int k = index - firstViewed;
    return {baseColour.red + k / 36 + 1, baseColour.green + k / 6 % 6 + 1,
            baseColour.blue + k % 6 + 1};
}

std::optional<int> indexOfColour(Rgb c) {
    const int d1 = c.red - baseColour.red, d2 = c.green - baseColour.green,
              d3 = c.blue - baseColour.blue;
    if (d1 < 1 || d1 > 6 || d2 < 1 || d2 > 6 || d3 < 1 || d3 > 6)
        return std::nullopt;
    return 36 * (d1 - 1) + 6 * (d2 - 1) + (d3 - 1) + firstViewed;
}

std::vector<SpiralStep> spiralSteps() {
    std::vector<SpiralStep> steps;
    float r = 250.0f;
    for (int i = 0; i <= lastViewed - firstViewed; ++i) {
        const float theta1 = static_cast<float>(i * 3.1416 * 2 / 53);
        const float theta2 = static_cast<float>((i + 1) * 3.1416 * 2 / 53);
        const float r2 = r - 0.5f;
        const int x1 = runtime::toInt16(std::sin(double(theta1)) * r);
        const int y1 = runtime::toInt16(std::cos(double(theta1)) * r);
        const int x2 = runtime::toInt16(std::sin(double(theta2)) * r2);
        const int y2 = runtime::toInt16(std::cos(double(theta2)) * r2);
        // The natural steps of the outer turn, and index 62 on the ray of index 9.
        const bool ray =
            i == 0 || i == 9 || i == 18 || i == 22 || i == 31 || i == 40 || i == 44 || i == 53;
        steps.push_back({i + firstViewed,
                         {spiralCentre + x1, spiralCentre - y1},
                         {spiralCentre + x2, spiralCentre - y2},
                         ray});
        r = r2;
    }
    return steps;
}

} // namespace pitch_table
