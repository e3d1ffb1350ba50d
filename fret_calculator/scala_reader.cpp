#include "scala_reader.h"

#include "numbers.h"

#include <cmath>

namespace mirefa {

namespace {

std::vector<std::string_view> splitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        lines.push_back(bytes.substr(start, i - start));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        lines.push_back(bytes.substr(start));
    return lines;
}

bool isComment(std::string_view line) {
    return !line.empty() && line[0] == '!';
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t skipBlanks(std::string_view s, std::size_t p) {
    while (p < s.size() && isBlank(s[p]))
        ++p;
    return p;
}

std::size_t skipDigits(std::string_view s, std::size_t p) {
    while (p < s.size() && isDigit(s[p]))
        ++p;
    return p;
}

/** A value may be followed by anything except what would make it a longer number. */
bool endsValue(std::string_view s, std::size_t p) {
    return p >= s.size() || (s[p] != '.' && s[p] != '/' && !isDigit(s[p]));
}

/** An optionally signed run of digits from p; the end of it, or p when there are no digits. */
std::size_t signedDigits(std::string_view s, std::size_t p) {
    std::size_t q = p;
    if (q < s.size() && (s[q] == '+' || s[q] == '-'))
        ++q;
    const std::size_t end = skipDigits(s, q);
    return end == q ? p : end;
}

double readNumber(std::string_view token) {
    return runtime::readLenient(token);
}

} // namespace

Pitch readPitch(std::string_view line) {
    Pitch pitch;
    const std::size_t start = skipBlanks(line, 0);
    std::size_t p = start;
    if (p < line.size() && (line[p] == '+' || line[p] == '-'))
        ++p;
    const std::size_t digitsStart = p;
    p = skipDigits(line, p);
    const std::size_t wholeDigits = p - digitsStart;

    if (p < line.size() && line[p] == '.') {
        const std::size_t fractionEnd = skipDigits(line, p + 1);
        if (wholeDigits == 0 && fractionEnd == p + 1)
            return pitch;
        if (!endsValue(line, fractionEnd))
            return pitch;
        const double cents = readNumber(line.substr(start, fractionEnd - start));
        // 10^(v log10(2) / 1200) in doubles loses the last bit (1200.0 would give
        // 1.9999999999999998); 2^(v / 1200) is the same value rounded once.
        const double ratio = std::pow(2.0, cents / 1200.0);
        if (!std::isfinite(cents) || !std::isfinite(ratio) || !(ratio > 0)) {
            pitch.status = PitchStatus::OutOfRange;
            return pitch;
        }
        pitch.status = PitchStatus::Ok;
        pitch.ratio = ratio;
        return pitch;
    }

    if (wholeDigits == 0)
        return pitch;
    // "701,955" would read as 701/1 followed by text; a decimal comma typed for
    // the point is far likelier than that, so the line is refused instead.
    if (p + 1 < line.size() && line[p] == ',' && isDigit(line[p + 1])) {
        pitch.status = PitchStatus::CentsComma;
        return pitch;
    }
    const std::string_view numeratorText = line.substr(start, p - start);
    std::string_view denominatorText = "1";
    const std::size_t slash = skipBlanks(line, p);
    if (slash < line.size() && line[slash] == '/') {
        const std::size_t from = skipBlanks(line, slash + 1);
        const std::size_t to = signedDigits(line, from);
        if (to == from || !endsValue(line, to))
            return pitch;
        denominatorText = line.substr(from, to - from);
    } else if (!endsValue(line, p)) {
        return pitch;
    }
    const double numerator = readNumber(numeratorText);
    const double denominator = readNumber(denominatorText);
    if (!(numerator > 0) || !(denominator > 0)) {
        pitch.status = PitchStatus::NotPositive;
        return pitch;
    }
    const double ratio = numerator / denominator;
    if (!std::isfinite(numerator) || !std::isfinite(denominator) || !std::isfinite(ratio) ||
        !(ratio > 0)) {
        pitch.status = PitchStatus::OutOfRange;
        return pitch;
    }
    pitch.status = PitchStatus::Ok;
    pitch.ratio = ratio;
    return pitch;
}

std::vector<double> OndalikDonustur(const std::vector<std::string>& dizi_eleman) {
    std::vector<double> perde_oran(dizi_eleman.size(), 0.0);
    for (std::size_t k = 0; k < dizi_eleman.size(); ++k) {
        const Pitch pitch = readPitch(dizi_eleman[k]);
        if (pitch.status == PitchStatus::Ok)
            perde_oran[k] = pitch.ratio;
    }
    return perde_oran;
}

std::variant<ScalaFile, ScalaProblem> readScala(std::string_view bytes) {
    const std::vector<std::string_view> lines = splitLines(bytes);
    const int lineCount = static_cast<int>(lines.size());
    // Where a missing line would have stood: just past the last one.
    const int pastEnd = lineCount + 1;
    ScalaFile scale;
    if (!lines.empty()) {
        scale.firstLineIsComment = isComment(lines[0]);
        scale.firstLine = std::string(lines[0]);
    }

    int i = 0;
    const auto skipComments = [&] {
        while (i < lineCount && isComment(lines[i]))
            ++i;
    };

    skipComments();
    if (i >= lineCount)
        return ScalaProblem{ScalaFault::NoDescription, pastEnd, {}};
    scale.description = std::string(lines[i]);
    ++i;

    skipComments();
    if (i >= lineCount)
        return ScalaProblem{ScalaFault::NoCount, pastEnd, {}};
    const std::string_view countLine = lines[i];
    const int countLineNumber = i + 1;
    ++i;
    const std::size_t from = skipBlanks(countLine, 0);
    const std::size_t to = signedDigits(countLine, from);
    if (to == from || (to < countLine.size() && !isBlank(countLine[to])))
        return ScalaProblem{ScalaFault::CountNotWhole, countLineNumber, std::string(countLine)};
    const double count = readNumber(countLine.substr(from, to - from));
    if (count < 0)
        return ScalaProblem{ScalaFault::CountNegative, countLineNumber, std::string(countLine)};
    if (count > 32767)
        return ScalaProblem{ScalaFault::CountTooLarge, countLineNumber, std::string(countLine)};
    scale.eleman_sayisi = static_cast<int>(count);

    scale.dizi_eleman.reserve(static_cast<std::size_t>(scale.eleman_sayisi));
    while (static_cast<int>(scale.dizi_eleman.size()) < scale.eleman_sayisi) {
        skipComments();
        if (i >= lineCount) {
            ScalaProblem problem{ScalaFault::TooFewPitches, pastEnd, {}};
            problem.expected = scale.eleman_sayisi;
            problem.found = static_cast<int>(scale.dizi_eleman.size());
            return problem;
        }
        const Pitch pitch = readPitch(lines[i]);
        if (pitch.status != PitchStatus::Ok) {
            const ScalaFault fault =
                pitch.status == PitchStatus::NotPositive  ? ScalaFault::PitchNotPositive
                : pitch.status == PitchStatus::OutOfRange ? ScalaFault::PitchOutOfRange
                : pitch.status == PitchStatus::CentsComma ? ScalaFault::PitchCentsComma
                                                          : ScalaFault::PitchNotValue;
            return ScalaProblem{fault, i + 1, std::string(lines[i])};
        }
        scale.dizi_eleman.emplace_back(lines[i]);
        ++i;
    }
    return scale;
}

} // namespace mirefa
