#include "neck_drawing.h"

#include "picture_box.h"

namespace mirefa {

namespace {

// The drawing surface takes single-precision coordinates.
void line(platform::PictureBox& box, double x1, double y1, double x2, double y2) {
    box.line(static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2),
             static_cast<float>(y2));
}

} // namespace

void ResimTemizle(platform::PictureBox& box, const Geometry& g) {
    box.clear();
    box.setUserScale(0, 20, static_cast<float>(g.x_sap + 1), 0);
}

void CizSap(platform::PictureBox& box, const Geometry& g) {
    const double L = g.x_sap;
    box.setDrawWidth(8);
    line(box, 0, 0, L, 0);
    box.setDrawWidth(4);
    line(box, 0, 0, 0, g.hesik_sap);
    line(box, L, 0, L, g.hesik_govde);
}

void CizBosTel(platform::PictureBox& box, const Geometry& g) {
    box.setDrawWidth(1);
    box.setDrawStyle(platform::DrawStyle::Dot);
    line(box, 0, g.hesik_sap, g.x_sap, g.hesik_govde);
    box.setDrawStyle(platform::DrawStyle::Solid);
}

void CizRuvizezo(platform::PictureBox& box, const Geometry& g,
                 const std::vector<std::optional<double>>& perde_kopru) {
    box.setDrawWidth(2);
    for (const std::optional<double>& d : perde_kopru) {
        if (!d)
            continue;
        const double x = g.x_sap - *d;
        line(box, x, 0, x, g.hperde);
    }
}

void CizPerde(platform::PictureBox& box, const Geometry& g,
              const std::vector<std::optional<double>>& perde_kopru, int v) {
    box.setDrawWidth(1);
    if (v < 1 || v > static_cast<int>(perde_kopru.size()) || !perde_kopru[v - 1])
        return;
    const double x = g.x_sap - *perde_kopru[v - 1];
    line(box, 0, g.hesik_sap, x, g.hperde);
    line(box, x, g.hperde, g.x_sap, g.hesik_govde);
}

} // namespace mirefa
