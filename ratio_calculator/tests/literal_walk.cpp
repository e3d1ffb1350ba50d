#include "literal_walk.h"

#include "numbers.h"

#include <cmath>

namespace bexaro::testing {

WalkEnd literalWalk(std::vector<sonuc>& sonuclar, float ratio, float tolerance, int bound,
                    bool tightening, const CentErrorRule& centhata) {
    sonuclar.clear();
    return literalWalk([&](const sonuc& row) { sonuclar.push_back(row); }, ratio, tolerance, bound,
                       tightening, centhata);
}

WalkEnd literalWalk(const std::function<void(const sonuc&)>& row, float ratio, float tolerance,
                    int bound, bool tightening, const CentErrorRule& centhata) {
    WalkEnd end;
    const float W = static_cast<float>(runtime::floorValue(ratio));
    for (int F = 0; F <= bound; ++F) {
        for (int H = F + 1; H <= bound; ++H) {
            ++end.visited;
            const double N = W * static_cast<float>(H) + static_cast<float>(F);
            const float V = static_cast<float>(N / H);
            const float e = static_cast<float>(std::fabs(double{ratio} - double{V}) / ratio);
            if (e < tolerance) {
                row({N, double(H), V, centhata(V), e});
                ++end.rows;
                if (tightening)
                    tolerance = e;
            }
            if (runtime::roundTo(V, 5) == runtime::roundTo(ratio, 4)) {
                end.stoppedAt = std::make_pair(F, H);
                return end;
            }
        }
    }
    return end;
}

} // namespace bexaro::testing
