#pragma once
// Scala scale files (.scl): comment lines begin with "!", then a description
// line, a count line and one pitch per line. The reader works on the bytes of
// the file; every mark it looks for is ASCII, so it serves Windows-1254 and
// UTF-8 files alike and leaves the decoding of texts to its caller.

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace mirefa {

/** The parts of a scale file, texts as they stand in the file (bytes). */
struct ScalaFile {
    /** Line 1 when it is a comment (the usual "! name.scl"). */
    bool firstLineIsComment = false;
    std::string firstLine;
    std::string description;
    /** eleman_sayisi: the number of pitches. */
    int eleman_sayisi = 0;
    /** dizi_eleman: the pitch lines, blanks and trailing text included. */
    std::vector<std::string> dizi_eleman;
};

/** Why a file cannot be used as a scale. */
enum class ScalaFault {
    NoDescription,    // the file holds nothing but comments
    NoCount,          // the file ends after the description
    CountNotWhole,    // the count line does not start with a whole number
    CountNegative,    // a count below 0
    CountTooLarge,    // a count beyond 32767
    TooFewPitches,    // the file ends before the count of pitches is reached
    PitchNotValue,    // a pitch line is neither cents nor a ratio
    PitchNotPositive, // a ratio with a part of 0 or below
    PitchOutOfRange,  // a value too large or too small for a double ratio
    PitchCentsComma,  // cents written with a decimal comma ("701,955")
};

/** A fault with the number of the line it concerns (from 1) and that line's text. */
struct ScalaProblem {
    ScalaFault fault;
    int line = 0;
    std::string text;
    int expected = 0; // pitches the count asked for (TooFewPitches)
    int found = 0;    // pitches present (TooFewPitches)
};

/**
 * Splits the file into lines (ended by CR, LF or CR LF) and reads it by the
 * format's rules: comments anywhere, an empty description allowed, blanks
 * and tabs around the count.
 */
std::variant<ScalaFile, ScalaProblem> readScala(std::string_view bytes);

/** The outcome of reading one pitch line. */
enum class PitchStatus { Ok, NotValue, NotPositive, OutOfRange, CentsComma };

struct Pitch {
    PitchStatus status = PitchStatus::NotValue;
    double ratio = 0;
};

/**
 * One pitch line: blanks and tabs, then a value in cents (it holds ".",
 * negative allowed) or a ratio "n/d" (a bare n is n/1); anything after the
 * value is ignored. "701.955" -> 1.499999999250199, " 81/64 " -> 1.265625,
 * "2" -> 2, "555/524 ! c# 138.75 Hz" -> 555/524, "700.0 cents" -> 1.4983070768766815,
 * "1200.0" -> 2 exactly. Digits, a comma and digits ("701,955") are cents
 * written with a decimal comma: CentsComma, not the ratio 701/1.
 */
Pitch readPitch(std::string_view line);

/**
 * perde_oran: the ratio of every pitch line, 0 for a line that holds none.
 */
std::vector<double> OndalikDonustur(const std::vector<std::string>& dizi_eleman);

} // namespace mirefa
