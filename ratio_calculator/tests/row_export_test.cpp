#include "row_export.h"

#include "pitch.h"
#include "separator.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace bexaro {
namespace {

using runtime::testing::localised;

/** The fraction finder's list for a ratio, as the window builds it. */
Sonuclar fractionList(float ratio, float tolerance) {
    Sonuclar rows;
    kesirara(rows, ratio, tolerance, 10000, false, fractionCentError(ratio, centStep()));
    return rows;
}

std::vector<std::string> linesOf(const std::string& text, const std::string& end) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find(end, from)) != std::string::npos; from = at + end.size())
        lines.push_back(text.substr(from, at - from));
    EXPECT_EQ(from, text.size()) << "the last line is ended too";
    return lines;
}

std::string written(const Sonuclar& rows, RowFormat format) {
    std::string text;
    EXPECT_TRUE(writeRows(rows, format, [&](std::string_view block, std::size_t) {
        text += block;
        return true;
    }));
    return text;
}

TEST(RowExport, HeaderThenARowALineInTheListsForms) {
    // 41 rows from 41/29 to 239/169; the "," of the Turkish region is quoted in CSV.
    const Sonuclar rows = fractionList(1.41421f, 0.001f);
    ASSERT_EQ(rows.size(), 41u);
    const bool comma = runtime::decimalSeparator() == ',';
    const auto quoted = [&](const char* field) {
        const std::string f = localised(field);
        return comma ? "\"" + f + "\"" : f;
    };
    struct Case {
        const char* name;
        RowFormat format;
        const char* end;
        std::string header, first, last;
    };
    const Case cases[] = {
        {"tab-separated", RowFormat::Tsv, "\n", "rasy. oran\treel karşılığı\tcent hata\t% hata",
         localised("41  /  29\t1.413793\t1\t.00029478"),
         localised("239  /  169\t1.414201\t0\t.00000624")},
        {"CSV", RowFormat::Csv, "\r\n", "rasy. oran,reel karşılığı,cent hata,% hata",
         "41  /  29," + quoted("1.413793") + ",1," + quoted(".00029478"),
         "239  /  169," + quoted("1.414201") + ",0," + quoted(".00000624")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<std::string> lines = linesOf(written(rows, c.format), c.end);
        ASSERT_EQ(lines.size(), rows.size() + 1);
        EXPECT_EQ(lines.front(), c.header);
        EXPECT_EQ(lines[1], c.first);
        EXPECT_EQ(lines.back(), c.last);
    }
}

TEST(RowExport, EmptyListGivesTheHeaderAlone) {
    EXPECT_EQ(written(Sonuclar{}, RowFormat::Tsv),
              "rasy. oran\treel karşılığı\tcent hata\t% hata\n");
}

TEST(RowExport, LongListGoesOutInBlocksAndStopsWhenTheSinkDoes) {
    const Sonuclar rows = fractionList(9999.0f / 10000.0f, 0.01f); // 457892 rows
    ASSERT_GT(rows.size(), 100000u);

    std::size_t blocks = 0, largest = 0, lines = 0, lastCount = 0;
    bool rising = true;
    EXPECT_TRUE(writeRows(rows, RowFormat::Csv, [&](std::string_view block, std::size_t count) {
        ++blocks;
        largest = std::max(largest, block.size());
        for (char ch : block)
            lines += ch == '\n';
        rising = rising && count > lastCount;
        lastCount = count;
        return true;
    }));
    EXPECT_GT(blocks, 100u) << "never the whole list at once";
    EXPECT_LT(largest, std::size_t(1) << 17);
    EXPECT_EQ(lines, rows.size() + 1);
    EXPECT_TRUE(rising);
    EXPECT_EQ(lastCount, rows.size());

    std::size_t calls = 0;
    EXPECT_FALSE(writeRows(rows, RowFormat::Csv,
                           [&](std::string_view, std::size_t) { return ++calls < 3; }));
    EXPECT_EQ(calls, 3u);
}

} // namespace
} // namespace bexaro
