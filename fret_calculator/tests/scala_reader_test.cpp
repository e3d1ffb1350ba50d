#include "scala_reader.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using mirefa::PitchStatus;
using mirefa::ScalaFault;
using mirefa::ScalaFile;
using mirefa::ScalaProblem;

TEST(ReadPitch, ValuesAndForms) {
    struct Case {
        const char* name;
        const char* line;
        double ratio;
    };
    const Case cases[] = {
        {"ratio", "3/2", 1.5},
        {"ratio with blanks around", " 81/64 ", 1.265625},
        {"tabs around a ratio", "\t5/4\t", 1.25},
        {"blanks around the slash", "5 / 4", 1.25},
        {"bare whole number", "2", 2.0},
        {"bare 700 is a ratio", "700", 700.0},
        {"cents", "701.955", 1.499999999250199},
        {"cents with a word", "700.0 cents", 1.4983070768766815},
        {"capital word", "700.0 Cents", 1.4983070768766815},
        {"half cents are kept", "701.5 cents", std::pow(2.0, 701.5 / 1200.0)},
        {"100 cents", "100.0", 1.0594630943592953},
        {"negative cents", "-100.0", std::pow(2.0, -100.0 / 1200.0)},
        {"cents without whole digits", ".0", 1.0},
        {"cents without fraction digits", "1200.", 2.0},
        {"trailing text after a ratio", " 5/4  E\\", 1.25},
        {"comment with a point after a ratio", "555/524 ! c# 138.75 Hz", 555.0 / 524.0},
        {"trailing text after a whole number", "2 octave", 2.0},
        {"large Pythagorean ratio", "3486784401/2147483648", 3486784401.0 / 2147483648.0},
        {"a line with both slash and cents is a ratio", "3/2 cents", 1.5},
        {"comma after a ratio is text", "3/2,5", 1.5},
        {"comma after a blank is text", "2 ,5", 2.0},
        {"comma without a digit after it is text", "2, octave", 2.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const mirefa::Pitch p = mirefa::readPitch(c.line);
        EXPECT_EQ(p.status, PitchStatus::Ok);
        EXPECT_EQ(p.ratio, c.ratio);
    }
}

TEST(ReadPitch, LinesThatAreNoPitch) {
    struct Case {
        const char* name;
        const char* line;
        PitchStatus status;
    };
    const Case cases[] = {
        {"empty", "", PitchStatus::NotValue},
        {"blanks only", "   ", PitchStatus::NotValue},
        {"word", "cents", PitchStatus::NotValue},
        {"lone point", ".", PitchStatus::NotValue},
        {"slash without denominator", "3/", PitchStatus::NotValue},
        {"slash without numerator", "/2", PitchStatus::NotValue},
        {"decimal denominator", "3/2.5", PitchStatus::NotValue},
        {"two points", "700.0.5", PitchStatus::NotValue},
        {"cents with a slash", "1.5/2", PitchStatus::NotValue},
        {"cents with a decimal comma", "701,955", PitchStatus::CentsComma},
        {"negative cents with a decimal comma", " -100,5", PitchStatus::CentsComma},
        {"decimal comma and a word", "701,955 cents", PitchStatus::CentsComma},
        {"zero numerator", "0/1", PitchStatus::NotPositive},
        {"zero denominator", "3/0", PitchStatus::NotPositive},
        {"bare zero", "0", PitchStatus::NotPositive},
        {"negative ratio", "-3/2", PitchStatus::NotPositive},
        {"negative denominator", "3/-2", PitchStatus::NotPositive},
        {"cents beyond a double", "999999999999999.0", PitchStatus::OutOfRange},
        {"ratio beyond a double",
         "1/"
         "1000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
         "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
         "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
         "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000",
         PitchStatus::OutOfRange},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(mirefa::readPitch(c.line).status, c.status);
    }
}

TEST(OndalikDonustur, RatiosOfTheStoredLines) {
    const auto oran = mirefa::OndalikDonustur({"3/2", " 81/64 ", "abc", "1200.0"});
    ASSERT_EQ(oran.size(), 4u);
    EXPECT_EQ(oran[0], 1.5);
    EXPECT_EQ(oran[1], 1.265625);
    EXPECT_EQ(oran[2], 0.0);
    EXPECT_EQ(oran[3], 2.0);
}

ScalaFile readGood(std::string_view bytes) {
    auto result = mirefa::readScala(bytes);
    EXPECT_TRUE(std::holds_alternative<ScalaFile>(result));
    return std::holds_alternative<ScalaFile>(result) ? std::get<ScalaFile>(result) : ScalaFile{};
}

TEST(ReadScala, Layouts) {
    struct Case {
        const char* name;
        std::string bytes;
        bool firstLineIsComment;
        const char* description;
        std::vector<std::string> pitches;
    };
    const Case cases[] = {
        {"usual layout, CR LF",
         "! a.scl\r\n!\r\nAn example\r\n 3\r\n!\r\n9/8\r\n3/2\r\n2/1\r\n",
         true,
         "An example",
         {"9/8", "3/2", "2/1"}},
        {"LF only", "! a.scl\n!\nd\n2\n!\n3/2\n2\n", true, "d", {"3/2", "2"}},
        {"CR only", "! a.scl\r!\rd\r2\r!\r3/2\r2\r", true, "d", {"3/2", "2"}},
        {"mixed ends, no end on the last line",
         "! a.scl\r\n!\nd\r2\n3/2\r\n2",
         true,
         "d",
         {"3/2", "2"}},
        {"comment between pitch lines",
         "! a.scl\n!\nd\n2\n!\n3/2\n! the octave\n2/1\n",
         true,
         "d",
         {"3/2", "2/1"}},
        {"no comment at all", "d\n1\n2/1\n", false, "d", {"2/1"}},
        {"blank description", "! a.scl\n!\n\n1\n2/1\n", true, "", {"2/1"}},
        {"description kept as written",
         "!\n  two  blanks \n1\n2/1\n",
         true,
         "  two  blanks ",
         {"2/1"}},
        {"count with blanks and tabs",
         "d\n \t12 \t\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12\n",
         false,
         "d",
         {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}},
        {"count followed by a comment", "d\n1 ! one pitch\n2/1\n", false, "d", {"2/1"}},
        {"pitch lines kept with blanks",
         "d\n2\n 5/4  E\\\n\t2/1\n",
         false,
         "d",
         {" 5/4  E\\", "\t2/1"}},
        {"lines after the count are not read", "d\n1\n2/1\nwhatever\n", false, "d", {"2/1"}},
        {"count of zero", "! z.scl\n!\nnothing\n0\n", true, "nothing", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ScalaFile s = readGood(c.bytes);
        EXPECT_EQ(s.firstLineIsComment, c.firstLineIsComment);
        EXPECT_EQ(s.description, c.description);
        EXPECT_EQ(s.eleman_sayisi, static_cast<int>(c.pitches.size()));
        EXPECT_EQ(s.dizi_eleman, c.pitches);
    }
    EXPECT_EQ(readGood("! a.scl\n!\nd\n0\n").firstLine, "! a.scl");
}

TEST(ReadScala, Faults) {
    struct Case {
        const char* name;
        std::string bytes;
        ScalaFault fault;
        int line;
        const char* text;
    };
    const Case cases[] = {
        {"empty file", "", ScalaFault::NoDescription, 1, ""},
        {"only comments", "! a.scl\n!\n", ScalaFault::NoDescription, 3, ""},
        {"no count", "! a.scl\n!\nd\n!\n", ScalaFault::NoCount, 5, ""},
        {"count is a word", "d\ntwelve\n", ScalaFault::CountNotWhole, 2, "twelve"},
        {"count is a decimal", "d\n12.0\n", ScalaFault::CountNotWhole, 2, "12.0"},
        {"count with letters", "d\n12x\n", ScalaFault::CountNotWhole, 2, "12x"},
        {"blank count", "d\n\n", ScalaFault::CountNotWhole, 2, ""},
        {"negative count", "d\n-1\n", ScalaFault::CountNegative, 2, "-1"},
        {"count beyond 16 bits", "d\n32768\n", ScalaFault::CountTooLarge, 2, "32768"},
        {"huge count", "d\n99999999999999999999999\n", ScalaFault::CountTooLarge, 2,
         "99999999999999999999999"},
        {"too few pitches", "! a.scl\n!\nd\n3\n!\n3/2\n2/1\n", ScalaFault::TooFewPitches, 8, ""},
        {"pitch not a value", "d\n2\n3/2\nfoo\n", ScalaFault::PitchNotValue, 4, "foo"},
        {"blank pitch line", "d\n2\n3/2\n\n2/1\n", ScalaFault::PitchNotValue, 4, ""},
        {"zero denominator", "d\n1\n3/0\n", ScalaFault::PitchNotPositive, 3, "3/0"},
        {"negative ratio", "d\n1\n-3/2\n", ScalaFault::PitchNotPositive, 3, "-3/2"},
        {"cents out of range", "d\n1\n999999999999999.0\n", ScalaFault::PitchOutOfRange, 3,
         "999999999999999.0"},
        {"cents with a decimal comma", "d\n2\n3/2\n701,955\n", ScalaFault::PitchCentsComma, 4,
         "701,955"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto result = mirefa::readScala(c.bytes);
        ASSERT_TRUE(std::holds_alternative<ScalaProblem>(result));
        const ScalaProblem& p = std::get<ScalaProblem>(result);
        EXPECT_EQ(p.fault, c.fault);
        EXPECT_EQ(p.line, c.line);
        EXPECT_EQ(p.text, c.text);
    }
    const auto few = std::get<ScalaProblem>(mirefa::readScala("d\n3\n3/2\n2/1\n"));
    EXPECT_EQ(few.expected, 3);
    EXPECT_EQ(few.found, 2);
}

TEST(ReadScala, LargestScale) {
    std::string bytes = "! big.scl\n!\nbig\n32767\n";
    for (int i = 1; i <= 32767; ++i)
        bytes += std::to_string(i) + ".0\n";
    const ScalaFile s = readGood(bytes);
    EXPECT_EQ(s.eleman_sayisi, 32767);
    ASSERT_EQ(s.dizi_eleman.size(), 32767u);
    EXPECT_EQ(s.dizi_eleman.back(), "32767.0");
}

} // namespace
