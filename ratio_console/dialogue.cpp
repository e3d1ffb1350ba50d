#include "dialogue.h"

#include "fields.h"
#include "fraction_search.h"
#include "number_reader.h"

#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>

namespace tolvane {

namespace {

constexpr std::string_view kRule =
    " -------------------------------------------------------------\n";
constexpr std::string_view kStars =
    " *************************************************************\n";
constexpr std::string_view kColumnHead =
    " rasyonel      |  rasyonel oranin|   hata    |  bagil hata    \n"
    "     oran      |  reel karsiligi |  (cent)   |  (birimsiz)    \n"
    " --------------|-----------------|-----------|----------------\n";

// Shown instead of rows where no search makes sense or none succeeded.
constexpr std::string_view kNotFinite = " oran sonlu bir sayi degil; kesir aranmadi\n";
constexpr std::string_view kNegative = " oran negatif; kesir aranmadi\n";
constexpr std::string_view kNoFraction = " tolerans icinde kesir bulunamadi\n";

class RowPrinter final : public RowSink {
public:
    explicit RowPrinter(std::ostream& out)
        : m_out(out) {}

    void take(const FractionRow& row) override {
        m_line.assign(1, ' ');
        appendInteger(m_line, row.numerator, 6);
        m_line += '/';
        appendInteger(m_line, row.denominator, 6);
        m_line += " |  ";
        appendFixed(m_line, row.value, 7, 3);
        m_line += "        |  ";
        appendFixed(m_line, row.centError, 7, 3);
        m_line += "  | ";
        appendFixed(m_line, row.relativeError, 7, 3);
        m_line += '\n';
        m_out << m_line;
    }

private:
    std::ostream& m_out;
    std::string m_line;
};

// Printable form of an unreadable value for the one-line report.
std::string shown(std::string_view text) {
    constexpr std::size_t kLimit = 40;
    std::string result;
    for (const char c : text.substr(0, kLimit)) {
        const auto code = static_cast<unsigned char>(c);
        result += code >= 32 && code < 127 ? c : '?';
    }
    if (text.size() > kLimit) {
        result += "...";
    }
    return result;
}

// One request: false when the dialogue has to end, after the report.
bool request(std::istream& in, std::ostream& out, std::ostream& err, float& value) {
    out.flush();
    const ReadResult result = readValue(in);
    switch (result.kind) {
    case ReadKind::Value:
        value = result.value;
        return true;
    case ReadKind::Keep:
        return true;
    case ReadKind::NotANumber:
        err << " gecersiz girdi: \"" << shown(result.text) << "\" bir sayi degil\n";
        break;
    case ReadKind::EndOfInput:
        err << " girdi sonu: frekans okunamadi\n";
        break;
    }
    err.flush();
    return false;
}

void printHead(std::ostream& out, std::string& line, float base, float frequency, float ratio,
               float cents) {
    line.assign(kRule);
    line += "    f_1  = ";
    appendFixed(line, base, 8, 3);
    line += "\n    f    = ";
    appendFixed(line, frequency, 8, 3);
    line += "\n f / f_1 = ";
    appendFixed(line, ratio, 8, 3);
    line += "\n f / f_1 = ";
    appendFixed(line, cents, 6, 1);
    line += " cent\n";
    line += kRule;
    line += kColumnHead;
    out << line;
}

} // namespace

int runDialogue(std::istream& in, std::ostream& out, std::ostream& err) {
    float base = 0.0f;
    float frequency = 0.0f;
    float cents = 0.0f;
    std::string line;

    out << " temel frekansi giriniz:\n";
    if (!request(in, out, err, base)) {
        return EXIT_FAILURE;
    }
    for (;;) {
        out << " oranlamak istediginiz frekansi giriniz\n (cikmak icin ctrl+c'ye basiniz)\n";
        if (!request(in, out, err, frequency)) {
            return EXIT_FAILURE;
        }
        const auto ratio =
            static_cast<float>(static_cast<double>(frequency) / static_cast<double>(base));
        // A zero ratio keeps the cents of the previous cycle.
        if (ratio != 0.0f) {
            cents = centsOf(ratio);
        }
        printHead(out, line, base, frequency, ratio, cents);

        if (!std::isfinite(ratio)) {
            out << kNotFinite;
        } else if (ratio < 0.0f) {
            out << kNegative;
        } else {
            RowPrinter printer(out);
            if (search_fractions(ratio, kStopTolerance, kFilterTolerance, printer) ==
                SearchEnd::Exhausted) {
                out << kNoFraction;
            }
        }
        out << kStars << kStars;
    }
}

} // namespace tolvane
