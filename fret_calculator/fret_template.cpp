#include "fret_template.h"

#include "numbers.h"

#include <algorithm>

namespace mirefa {

namespace {

constexpr double margin = 10;
constexpr double labelSize = 2.5;
constexpr double labelGap = 2;
constexpr double thresholdOverhang = 3;
constexpr double captionSize = 3.5;

// A glyph of the sans-serif font at most about this wide, per unit of size: the
// room kept for the labels need not be exact.
constexpr double glyphWidth = 0.62;

std::size_t characters(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// A label is one line: tabs and control characters of a pitch line become blanks.
std::string labelText(int number, const std::string& pitch) {
    std::string clean = pitch;
    for (char& c : clean)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = ' ';
    return runtime::numberToText(number) + "  " + runtime::trim(clean);
}

} // namespace

FretTemplate fretTemplate(const std::vector<FretRow>& rows, const Geometry& g,
                          std::string_view title) {
    const double L = g.x_sap;
    const double B = fingerboardWidth;
    FretTemplate t;
    t.lines.push_back({TemplateLineKind::edge, 0, 0, L, 0, 0.25, 0});
    t.lines.push_back({TemplateLineKind::edge, 0, B, L, B, 0.25, 0});
    t.lines.push_back(
        {TemplateLineKind::nut, 0, -thresholdOverhang, 0, B + thresholdOverhang, 0.8, 0});
    t.lines.push_back(
        {TemplateLineKind::bridge, L, -thresholdOverhang, L, B + thresholdOverhang, 0.8, 0});

    double longestLabel = 0;
    for (const FretRow& row : rows) {
        if (!row.fromNut || *row.fromNut < 0 || *row.fromNut > L)
            continue; // off the neck: the window does not show it either
        const double x = *row.fromNut;
        t.lines.push_back({TemplateLineKind::fret, x, 0, x, B, 0.25, row.number});
        std::string label = labelText(row.number, row.pitch);
        longestLabel =
            std::max(longestLabel, static_cast<double>(characters(label)) * glyphWidth * labelSize);
        // Upright text lies left of its baseline: a third of the size puts it across the line.
        t.texts.push_back({x + labelSize / 3, -labelGap - thresholdOverhang, labelSize, true,
                           TextAnchor::start, std::move(label)});
    }

    const double below = B + thresholdOverhang + captionSize + 2;
    t.texts.push_back({0, below, captionSize, false, TextAnchor::middle, "Eşik"});
    t.texts.push_back({L, below, captionSize, false, TextAnchor::middle, "Köprü"});
    const double titleY = below + captionSize + 3;
    std::string caption(title);
    if (!caption.empty())
        caption += " · ";
    caption += "sap uzunluğu " + runtime::numberToText(L) + " mm";
    t.texts.push_back({0, titleY, captionSize, false, TextAnchor::start, caption});

    const double top = -thresholdOverhang - labelGap - std::max(longestLabel, 10.0) - margin / 2;
    const double captionWidth = static_cast<double>(characters(caption)) * glyphWidth * captionSize;
    const double right = std::max(L, captionWidth) + margin;
    t.extent = {-margin, top, right + margin, titleY + margin / 2 - top};
    return t;
}

FretTemplate scaleBar(double x, double y) {
    FretTemplate t;
    t.lines.push_back({TemplateLineKind::scaleBar, x, y, x + scaleBarLength, y, 0.3, 0});
    for (int mm = 0; mm <= 100; mm += 10) {
        const double tick = mm % 50 == 0 ? 3 : 1.5;
        t.lines.push_back({TemplateLineKind::scaleBar, x + mm, y, x + mm, y - tick, 0.2, 0});
    }
    t.texts.push_back({x, y + 4, 3, false, TextAnchor::middle, "0"});
    t.texts.push_back({x + scaleBarLength, y + 4, 3, false, TextAnchor::middle, "100 mm"});
    t.extent = {x - 5, y - 3, scaleBarLength + 15, scaleBarHeight};
    return t;
}

} // namespace mirefa
