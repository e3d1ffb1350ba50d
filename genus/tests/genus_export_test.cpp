// The files made of the genera: a genus as a Scala scale that the fret
// calculator's reader takes as it is, and the list as text.

#include "columns.h"
#include "genus_engine.h"
#include "genus_export.h"
#include "scala_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <variant>

namespace genus {
namespace {

TEST(SplitLine, TakesTheIntervalsAndSymbolsAsListed) {
    struct Case {
        const char* name;
        const char* line;
        std::vector<std::string> intervals;
        std::vector<std::string> symbols;
    };
    const Case cases[] = {
        {"tetrachord", "  4)  4 +  9 +  9\tB T T ", {"4", "9", "9"}, {"B ", "T ", "T "}},
        {"trichord with a sign", "  1) 13 +  9\tA+T ", {"13", "9"}, {"A+", "T "}},
        {"quarter komas, four digits",
         "1000) 4.25 + 4.5 + 8.25 + 5\tB B K S ",
         {"4.25", "4.5", "8.25", "5"},
         {"B ", "B ", "K ", "S "}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto genus = splitLine(c.line);
        ASSERT_TRUE(genus.has_value());
        EXPECT_EQ(genus->intervals, c.intervals);
        EXPECT_EQ(genus->symbols, c.symbols);
    }
    for (const char* bad : {"", "  4  4 +  9\tB T ", "  4)  4 +  9 +  9 B T T "}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(splitLine(bad).has_value());
    }
}

TEST(SclFileName, SymbolsAndTheTonicWithAPoint) {
    struct Case {
        const char* name;
        const char* line;
        double tonic;
        const char* file;
    };
    const Case cases[] = {
        {"initial tonic", "  4)  4 +  9 +  9\tB T T ", 261.6255653005986, "B-T-T_261.63.scl"},
        {"signs kept", "  8)  4 + 13 +  5\tB A+S ", 440, "B-A+-S_440.00.scl"},
        {"a half rounded", "  1)  9 + 13\tT A+", 0.125, "T-A+_0.12.scl"},
        {"characters a name cannot hold", "  1)  9 + 13\tB/K:", 100, "B_-K__100.00.scl"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(sclFileName(*splitLine(c.line), c.tonic), c.file);
    }
}

TEST(ToScl, LineFourOfTheOpeningSettings) {
    const auto genus = splitLine("  4)  4 +  9 +  9\tB T T ");
    EXPECT_EQ(toScl(*genus, 261.6255653005986, "B-T-T_261.63.scl"),
              "! B-T-T_261.63.scl\n"
              "!\n"
              "4 + 9 + 9 (B T T), 1/1 = 261.625565300599 Hz\n"
              " 3\n"
              "!\n"
              " 90.566038\n"
              " 294.339623\n"
              " 498.113208\n");
}

// The fret calculator opens the file as it stands: every pitch is 2^(k/53) for the running
// sum k of the komas, within what six decimals of a cent keep.
TEST(ToScl, FretCalculatorReadsTheRunningSumsOfTheKomas) {
    struct Case {
        const char* name;
        const char* line;
        std::vector<double> sums;
    };
    const Case cases[] = {
        {"trichord", "  1) 13 +  9\tA+T ", {13, 22}},
        {"tetrachord", "  4)  4 +  9 +  9\tB T T ", {4, 13, 22}},
        {"quarter komas", " 12) 4.25 + 13 + 4.75\tB A+B ", {4.25, 17.25, 22}},
        {"thirds", "  2) 4.33 + 8.32 + 9.35\tB K T ", {4.33, 12.65, 22}},
        {"pentachord", "  9)  4 +  9 +  9 +  9\tB T T T ", {4, 13, 22, 31}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string bytes = toScl(*splitLine(c.line), 440, "x.scl");
        const auto read = mirefa::readScala(bytes);
        ASSERT_TRUE(std::holds_alternative<mirefa::ScalaFile>(read));
        const auto& file = std::get<mirefa::ScalaFile>(read);
        EXPECT_TRUE(file.firstLineIsComment);
        EXPECT_EQ(file.firstLine, "! x.scl");
        ASSERT_EQ(file.eleman_sayisi, static_cast<int>(c.sums.size()));
        const std::vector<double> ratios = mirefa::OndalikDonustur(file.dizi_eleman);
        ASSERT_EQ(ratios.size(), c.sums.size());
        for (std::size_t j = 0; j < c.sums.size(); ++j)
            EXPECT_NEAR(ratios[j], std::pow(2.0, c.sums[j] / 53), 1e-9) << j;
    }
}

TEST(ListText, EveryLineAsListedEachEndingTheLine) {
    GenusInput input;
    for (const Column& c : buildColumns("4", "13", "1.00", SymbolSystem::ArelEzgi)) {
        input.values.push_back(c.value);
        input.symbols.push_back(c.symbol);
        input.included.push_back(true);
    }
    input.lastIndex = 9;
    input.span = "22";
    input.limit = "5";
    GenusEngine engine(input);
    ASSERT_TRUE(engine.compute({true, true, false}));
    const GenusList& list = engine.list();
    ASSERT_EQ(list.size(), 62u);

    std::istringstream text(listText(list));
    std::string line;
    std::size_t row = 0;
    while (std::getline(text, line)) {
        ASSERT_LT(row, list.size());
        EXPECT_EQ(line, list.line(row)) << row;
        ++row;
    }
    EXPECT_EQ(row, list.size());
    EXPECT_EQ(listText(list).back(), '\n');
    EXPECT_EQ(listText(GenusList()), "");
}

} // namespace
} // namespace genus
