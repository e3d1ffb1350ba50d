#include "fret_csv.h"
#include "fret_table.h"
#include "fret_template.h"
#include "fret_template_svg.h"
#include "page_plan.h"

#include "numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <regex>

namespace {

using mirefa::FretRow;
using mirefa::MmRect;

const mirefa::Geometry initial = mirefa::makeGeometry(1000, 2, 5, 1);

TEST(FileNumbers, SixDecimalsWithAPointInEveryRegion) {
    struct Case {
        const char* name;
        double value;
        const char* text;
    };
    const Case cases[] = {
        {"octave from the nut", 500.00750099998106, "500.007501"},
        {"whole", 2, "2.000000"},
        {"half a micrometre rounds to even", 0.0000005, "0.000000"},
        {"tiny negative is no negative zero", -0.0000001, "0.000000"},
        {"behind the nut", -1000.25, "-1000.250000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(mirefa::fileDecimals(c.value), c.text);
    }
    EXPECT_EQ(mirefa::fileNumber(1.5), "1.5");
    EXPECT_EQ(mirefa::fileNumber(1.0594630943592953), "1.0594630943593");
}

TEST(FretRows, DistancesAsTheReadoutsComputeThem) {
    const std::vector<std::optional<double>> kopru = {499.99249900001894, std::nullopt};
    const auto rows = mirefa::fretRows({"2/1", " 9/8"}, {2, 1.125}, kopru, initial);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].number, 1);
    EXPECT_EQ(rows[0].fromNut, 1000 - 499.99249900001894);
    EXPECT_EQ(rows[0].fromBridge, 499.99249900001894);
    EXPECT_EQ(rows[1].pitch, " 9/8");
    EXPECT_FALSE(rows[1].fromNut.has_value());
    EXPECT_FALSE(rows[1].fromBridge.has_value());
}

TEST(FretCsv, HeaderAndOneRowPerPitch) {
    const std::vector<FretRow> rows = {
        {1, "2/1", 2, 500.00750099998106, 499.99249900001894},
        {2, "3/2", 1.5, std::nullopt, std::nullopt},             // unreachable
        {3, " 701.955 cents ", 1.499999999250199, 333.5, 666.5}, // blanks kept
        {4, "9/8, \"tanini\"", 1.125, 111.25, 888.75},           // comma and quotes
        {5, "nothing", 0, std::nullopt, std::nullopt},           // no ratio
    };
    EXPECT_EQ(mirefa::fretTableCsv(rows),
              "No,Dizi Elemanı,Perde Oranı,Eşiğe Uzaklık (mm),Köprüye Uzaklık (mm)\r\n"
              "1,2/1,2,500.007501,499.992499\r\n"
              "2,3/2,1.5,,\r\n"
              "3,\" 701.955 cents \",1.4999999992502,333.500000,666.500000\r\n"
              "4,\"9/8, \"\"tanini\"\"\",1.125,111.250000,888.750000\r\n"
              "5,nothing,0,,\r\n");
    EXPECT_EQ(mirefa::fretTableCsv({}), std::string(mirefa::fretCsvHeader) + "\r\n");
}

/** The x of every fret line of an SVG, by fret number. */
std::map<int, double> fretLines(const std::string& svg) {
    static const std::regex line(
        R"re(<line class="fret" id="fret-(\d+)" x1="([^"]+)" y1="[^"]+" x2="([^"]+)")re");
    std::map<int, double> found;
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), line); it != std::sregex_iterator();
         ++it) {
        EXPECT_EQ((*it)[2], (*it)[3]) << "a fret line runs straight across";
        found[std::stoi((*it)[1])] = std::strtod((*it)[2].str().c_str(), nullptr);
    }
    return found;
}

TEST(FretTemplateSvg, FretLinesAtTheirDistanceFromTheNut) {
    const std::vector<FretRow> rows = {
        {1, "2/1", 2, 500.00750099998106, 499.99249900001894},
        {2, "3/2", 1.5, std::nullopt, std::nullopt}, // unreachable
        {3, "1/2", 0.5, -1000, 2000},                // behind the nut
        {4, "1/1", 1, 0, 1000},                      // on the nut
        {5, "9/8", 1.125, 111.111, 888.889},
    };
    const std::string svg = mirefa::fretTemplateSvg(rows, initial, "a.scl");
    const std::map<int, double> expected = {{1, 500.007501}, {4, 0}, {5, 111.111}};
    EXPECT_EQ(fretLines(svg), expected);
    for (const char* part : {R"(<line class="nut" x1="0" )", R"(<line class="bridge" x1="1000" )",
                             R"(<line class="scale-bar" x1="0" )", ">1  2/1</text>",
                             ">5  9/8</text>", "<title>a.scl</title>"})
        EXPECT_NE(svg.find(part), std::string::npos) << part;
}

TEST(FretTemplateSvg, TrueSizeInMillimetres) {
    const std::string svg = mirefa::fretTemplateSvg({}, initial, "a.scl");
    std::smatch m;
    ASSERT_TRUE(std::regex_search(
        svg, m,
        std::regex(
            R"re(width="([0-9.]+)mm" height="([0-9.]+)mm" viewBox="([-0-9.]+) ([-0-9.]+) ([0-9.]+) ([0-9.]+)")re")));
    // One user unit is one millimetre: the view box is as large as the page.
    EXPECT_EQ(m[1], m[5]);
    EXPECT_EQ(m[2], m[6]);
    const double left = std::stod(m[3]), width = std::stod(m[5]);
    EXPECT_LT(left, -5); // room left of the nut for its line and caption
    EXPECT_GT(left + width, 1005);
    // The scale bar is a hundred millimetres long.
    std::smatch bar;
    ASSERT_TRUE(std::regex_search(
        svg, bar,
        std::regex(
            R"re(<line class="scale-bar" x1="([-0-9.]+)" y1="([-0-9.]+)" x2="([-0-9.]+)" y2="([-0-9.]+)")re")));
    EXPECT_EQ(std::stod(bar[3]) - std::stod(bar[1]), 100);
    EXPECT_EQ(bar[2], bar[4]);
}

TEST(FretTemplateSvg, PitchTextsAreEscaped) {
    const std::vector<FretRow> rows = {{1, "5/4 <b> & \"x\"\t!", 1.25, 200, 800}};
    const std::string svg = mirefa::fretTemplateSvg(rows, initial, "a&b.scl");
    EXPECT_NE(svg.find(">1  5/4 &lt;b&gt; &amp; &quot;x&quot; !</text>"), std::string::npos);
    EXPECT_NE(svg.find("<title>a&amp;b.scl</title>"), std::string::npos);
}

TEST(FretTemplate, LabelsGetRoomAboveTheFingerboard) {
    const std::vector<FretRow> rows = {
        {1, "9/8 ! a pitch line with a long comment after it", 1.125, 111, 889}};
    const auto t = mirefa::fretTemplate(rows, initial, "");
    for (const auto& text : t.texts) {
        SCOPED_TRACE(text.text);
        EXPECT_GE(text.y, t.extent.y);
        // An upright label reaches up from its start by its length.
        if (text.upright) {
            EXPECT_GE(text.y - 0.62 * text.size * double(text.text.size()), t.extent.y);
        }
    }
}

TEST(PagePlan, OverlappingPartsCoverTheDrawing) {
    struct Case {
        const char* name;
        MmRect drawing;
        double roomWidth, roomHeight;
        int columns, rows;
    };
    const Case cases[] = {
        {"fits one page", {-10, -40, 200, 100}, 277, 176, 1, 1},
        {"exactly one page", {0, 0, 277, 176}, 277, 176, 1, 1},
        {"a neck of a metre on A4", {-10, -40, 1020, 110}, 277, 176, 4, 1},
        {"a neck of a metre on Letter", {-10, -40, 1020, 110}, 259.4, 181.9, 5, 1},
        {"just over one page", {0, 0, 277.5, 176}, 277, 176, 2, 1},
        {"taller than a page", {0, 0, 500, 400}, 277, 176, 2, 3},
    };
    constexpr double overlap = 10;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto grid = mirefa::pageGrid(c.drawing, c.roomWidth, c.roomHeight, overlap);
        EXPECT_EQ(grid.columns, c.columns);
        EXPECT_EQ(grid.rows, c.rows);
        const auto pages = mirefa::planPages(c.drawing, c.roomWidth, c.roomHeight, overlap);
        ASSERT_EQ(pages.size(), std::size_t(c.columns * c.rows));
        for (std::size_t i = 0; i < pages.size(); ++i) {
            const auto& p = pages[i];
            EXPECT_EQ(p.row * c.columns + p.column, int(i)) << "row by row, left to right";
            EXPECT_EQ(p.area.width, c.roomWidth);
            EXPECT_EQ(p.area.height, c.roomHeight);
            // The previous page's last strip is this page's first.
            if (p.column > 0) {
                EXPECT_DOUBLE_EQ(pages[i - 1].area.right() - p.area.x, overlap);
            }
            if (p.row > 0) {
                EXPECT_DOUBLE_EQ(pages[i - c.columns].area.bottom() - p.area.y, overlap);
            }
        }
        EXPECT_EQ(pages.front().area.x, c.drawing.x);
        EXPECT_EQ(pages.front().area.y, c.drawing.y);
        EXPECT_GE(pages.back().area.right(), c.drawing.right());
        EXPECT_GE(pages.back().area.bottom(), c.drawing.bottom());
    }
}

TEST(PagePlan, NeighboursShareTheirMarksInsideTheOverlap) {
    const MmRect drawing{-10, -40, 1020, 110};
    const auto pages = mirefa::planPages(drawing, 277, 176, 10);
    ASSERT_EQ(pages.size(), 4u);
    EXPECT_EQ(pages[0].marks.size(), 2u);
    EXPECT_EQ(pages[1].marks.size(), 4u);
    for (std::size_t i = 0; i + 1 < pages.size(); ++i) {
        SCOPED_TRACE(i);
        const auto& left = pages[i];
        const auto& right = pages[i + 1];
        // Both pages print the marks of their shared strip at the same place.
        const auto& shared = left.marks[left.marks.size() - 2];
        EXPECT_EQ(shared.x, right.marks[0].x);
        EXPECT_EQ(shared.y, right.marks[0].y);
        EXPECT_GT(shared.x, right.area.x);
        EXPECT_LT(shared.x, left.area.right());
        // By the drawing, not in the blank rest of the page below it.
        for (const auto& mark : left.marks) {
            EXPECT_GT(mark.y, drawing.y);
            EXPECT_LT(mark.y, drawing.bottom());
        }
    }
}

TEST(PagePlan, HugeDrawingIsCountedWithoutOverflow) {
    const auto grid = mirefa::pageGrid({0, 0, 1e300, 100}, 277, 176, 10);
    EXPECT_GT(grid.pages(), 1e297);
    EXPECT_TRUE(std::isfinite(grid.pages()));
}

} // namespace
