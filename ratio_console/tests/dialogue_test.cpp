#include "dialogue.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace tolvane {
namespace {

struct Transcript {
    std::string out;
    std::string err;
    int status = 0;
};

Transcript run(const std::string& input) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    Transcript t;
    t.status = runDialogue(in, out, err);
    t.out = out.str();
    t.err = err.str();
    return t;
}

std::string golden(const char* name) {
    std::ifstream file(std::string(KOMA_TEST_DATA_DIR) + "/" + name, std::ios::binary);
    EXPECT_TRUE(file) << name;
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// Expects `wanted` as whole lines of `text`, in this order (others may stand between).
void expectLinesInOrder(const std::string& text, const std::vector<std::string>& wanted) {
    const std::vector<std::string> lines = linesOf(text);
    std::size_t at = 0;
    for (const std::string& want : wanted) {
        while (at < lines.size() && lines[at] != want) {
            ++at;
        }
        ASSERT_LT(at, lines.size()) << "missing, or out of order: \"" << want << "\"\n" << text;
        ++at;
    }
}

const std::string kEndOfInput = " girdi sonu: frekans okunamadi\n";
const std::string kColumnRule = " --------------|-----------------|-----------|----------------";
const std::string kStars = " *************************************************************";

TEST(Dialogue, PrintsCyclesByteForByte) {
    struct Case {
        const char* name;
        const char* input;
        const char* file;
    };
    const Case cases[] = {
        {"440 then 523.25", "440\n523.25\n", "cycle_523_25.txt"},
        {"440 then 660", "440\n660\n", "cycle_660.txt"},
        {"second value of the first line discarded", "440 660\n523.25\n", "cycle_523_25.txt"},
        {"blank lines passed over", "\n440\n   \n\t\n523.25\n", "cycle_523_25.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Transcript t = run(c.input);
        EXPECT_EQ(t.out, golden(c.file));
        EXPECT_EQ(t.err, kEndOfInput);
        EXPECT_EQ(t.status, EXIT_FAILURE);
    }
}

TEST(Dialogue, RunsCycleAfterCycle) {
    const std::string second = golden("cycle_660.txt");
    std::size_t promptsEnd = 0;
    for (int line = 0; line < 3; ++line) {
        promptsEnd = second.find('\n', promptsEnd) + 1;
    }
    const Transcript t = run("440\n523.25\n660\n");
    EXPECT_EQ(t.out, golden("cycle_523_25.txt") + second.substr(promptsEnd));
    EXPECT_EQ(t.err, kEndOfInput);
}

TEST(Dialogue, EdgeCasesShowTheirLines) {
    struct Case {
        const char* name;
        const char* input;
        std::vector<std::string> lines;
    };
    const std::string zeroErrors = "    0.000  |   0.000";
    const Case cases[] = {
        {"f equal to f_1",
         "440\n440\n",
         {" f / f_1 =    1.000", " f / f_1 =    0.0 cent",
          "      1/     1 |    1.000        |" + zeroErrors}},
        {"f = 0 in the first cycle",
         "440\n0\n",
         {" f / f_1 =    0.000", " f / f_1 =    0.0 cent",
          "      0/     1 |    0.000        |" + zeroErrors}},
        {"f = 0 repeats the previous cents",
         "440\n660\n0\n",
         {" f / f_1 =  702.0 cent", "      3/     2 |    1.500        |" + zeroErrors,
          " f / f_1 =    0.000", " f / f_1 =  702.0 cent",
          "      0/     1 |    0.000        |" + zeroErrors}},
        {"ratio 0.5 does not fit the cents field",
         "440\n220\n",
         {" f / f_1 =    0.500", " f / f_1 = ****** cent",
          "      1/     2 |    0.500        |" + zeroErrors}},
        {"ratio 400 does not fit the cents field",
         "1\n400\n",
         {" f / f_1 =  400.000", " f / f_1 = ****** cent",
          "    400/     1 |  400.000        |" + zeroErrors}},
        {"10000 Hz does not fit", "10000\n10000\n", {"    f_1  = ********", "    f    = ********"}},
        {"9999.999 Hz fits", "440\n9999.999\n", {"    f    = 9999.999"}},
        {"440,5 read as 440", "440\n440,5\n", {"    f    =  440.000", " f / f_1 =    1.000"}},
        {"3/2 read as 3",
         "1\n3/2\n",
         {"    f    =    3.000", "      3/     1 |    3.000        |" + zeroErrors}},
        {"exponents", "4.4E2\n6.6d2\n", {"    f_1  =  440.000", "    f    =  660.000"}},
        {"null value keeps f",
         "440\n660\n,\n",
         {"    f    =  660.000", kStars, kStars, "    f    =  660.000"}},
        {"slash keeps f",
         "440\n660\n/\n",
         {"    f    =  660.000", kStars, kStars, "    f    =  660.000"}},
        {"null value leaves the base frequency at 0",
         ",\n440\n",
         {"    f_1  =    0.000", " f / f_1 = ********", " f / f_1 = ****** cent", kColumnRule,
          " oran sonlu bir sayi degil; kesir aranmadi", kStars, kStars}},
        {"zero over zero",
         "0\n0\n",
         {" f / f_1 = ********", " f / f_1 = ****** cent",
          " oran sonlu bir sayi degil; kesir aranmadi"}},
        {"infinite frequency",
         "440\n1e50\n",
         {"    f    = ********", " oran sonlu bir sayi degil; kesir aranmadi"}},
        {"negative frequency",
         "440\n-660\n",
         {"    f    = -660.000", " f / f_1 =   -1.500", " f / f_1 = ****** cent", kColumnRule,
          " oran negatif; kesir aranmadi", kStars}},
        {"negative after a positive cycle keeps going",
         "440\n-660\n660\n",
         {" oran negatif; kesir aranmadi", " f / f_1 =  702.0 cent"}},
        {"ratio too small for the walk",
         "440\n1e-7\n",
         {kColumnRule, " tolerans icinde kesir bulunamadi", kStars, kStars}},
        {"ratio too large for 32 bits",
         "0.001\n3000000\n",
         {"    f    = ********", " tolerans icinde kesir bulunamadi"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Transcript t = run(c.input);
        expectLinesInOrder(t.out, c.lines);
        EXPECT_EQ(t.err, kEndOfInput);
        EXPECT_EQ(t.status, EXIT_FAILURE);
    }
}

TEST(Dialogue, EndsWithAReportOnEndOfInputOrANonNumber) {
    struct Case {
        const char* name;
        const char* input;
        const char* out;
        const char* err;
    };
    const char* const first = " temel frekansi giriniz:\n";
    const std::string cycle = std::string(first) + " oranlamak istediginiz frekansi giriniz\n"
                                                   " (cikmak icin ctrl+c'ye basiniz)\n";
    const Case cases[] = {
        {"no input at all", "", first, " girdi sonu: frekans okunamadi\n"},
        {"only blank lines", "\n \n", first, " girdi sonu: frekans okunamadi\n"},
        {"end of input at f", "440\n", cycle.c_str(), " girdi sonu: frekans okunamadi\n"},
        {"abc at f", "440\nabc\n", cycle.c_str(), " gecersiz girdi: \"abc\" bir sayi degil\n"},
        {"unit after the base", "440Hz\n", first, " gecersiz girdi: \"440Hz\" bir sayi degil\n"},
        {"control characters shown as ?", "\x01\x7fzz\n", first,
         " gecersiz girdi: \"??zz\" bir sayi degil\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Transcript t = run(c.input);
        EXPECT_EQ(t.out, c.out);
        EXPECT_EQ(t.err, c.err);
        EXPECT_EQ(t.status, EXIT_FAILURE);
    }
}

} // namespace
} // namespace tolvane
