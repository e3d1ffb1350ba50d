#include "numbers.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace runtime {

namespace {

// 0 until first use: the system setting is only looked up when nobody set one.
std::atomic<char> g_separator{0};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isExponentLetter(char c) {
    return c == 'E' || c == 'e' || c == 'D' || c == 'd';
}

// Shortest round-trip text with ".", for error messages only: they must not
// depend on the regional separator.
std::string messageText(double value) {
    std::array<char, 64> buffer{};
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

[[noreturn]] void throwMismatch(std::string_view text) {
    throw TypeMismatch("type mismatch: " + quoted(text));
}

// A number taken apart by a scanner: the mantissa digits without the point,
// how many of them stand before the point, and the written exponent.
struct Decimal {
    bool negative = false;
    std::string digits;
    std::int64_t digitsBeforePoint = 0;
    std::int64_t exponent = 0;
};

// Reads exponent digits; saturates far outside the double range so that a
// long run of digits cannot overflow and still counts as huge or tiny.
std::int64_t saturatingExponent(std::string_view digits) {
    constexpr std::int64_t limit = 1'000'000'000;
    std::int64_t value = 0;
    for (char c : digits)
        if (value < limit)
            value = value * 10 + (c - '0');
    return value;
}

// The double nearest to the decimal, or nothing when it is beyond the double
// range. Tiny values become a zero of the right sign. The scanners have
// already validated the text, so std::from_chars only ever sees the
// normalised form "d.ddde<n>".
std::optional<double> toDouble(const Decimal& d) {
    const double zero = d.negative ? -0.0 : 0.0;
    auto first = d.digits.find_first_not_of('0');
    if (first == std::string::npos)
        return zero;
    auto last = d.digits.find_last_not_of('0');
    std::int64_t scale = d.digitsBeforePoint - static_cast<std::int64_t>(first) - 1 + d.exponent;
    // d.ddd x 10^scale: from 10^309 on it never fits, below 10^-325 it always rounds to 0.
    if (scale >= 309)
        return std::nullopt;
    if (scale < -325)
        return zero;

    std::string text;
    text.reserve(last - first + 8);
    text += d.digits[first];
    if (last > first) {
        text += '.';
        text.append(d.digits, first + 1, last - first);
    }
    text += 'e';
    text += std::to_string(scale);

    double value = 0.0;
    auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (scale > 0)
            return std::nullopt;
        return zero;
    }
    return d.negative ? -value : value;
}

// Up to `precision` significant digits with "." as the point ("1E+15", "1.5E-05"): exponent form
// when the decimal exponent is below -4 or at least the precision.
std::string generalText(double value, int precision) {
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value < 0 ? "-Infinity" : "Infinity";
    if (value == 0.0)
        return "0"; // also -0: a sign on zero means nothing to the user
    std::array<char, 64> buffer{};
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                std::chars_format::general, precision);
    std::string text(buffer.data(), result.ptr);
    for (char& c : text)
        if (c == 'e')
            c = 'E';
    return text;
}

std::string withSeparator(std::string text) {
    const char separator = decimalSeparator();
    for (char& c : text)
        if (c == '.')
            c = separator;
    return text;
}

// " 1.5", " .75", "-.75", " 0": the form without the "0" before the point.
std::string blankPrefixed(std::string digits) {
    if (digits.starts_with("0."))
        digits.erase(0, 1);
    else if (digits.starts_with("-0."))
        digits.erase(1, 1);
    if (!digits.starts_with('-'))
        digits.insert(0, 1, ' ');
    return digits;
}

bool isPlaceholder(char c) {
    return c == '#' || c == '0';
}

char separatorOfLanguage(std::string_view localeName) {
    auto end = localeName.find_first_of("_.@");
    std::string language(localeName.substr(0, end));
    for (char& c : language)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    static constexpr std::array<std::string_view, 30> commaLanguages = {
        "tr", "de", "fr", "es", "it", "pt", "ru", "nl", "pl", "cs", "sv", "da", "fi", "nb", "nn",
        "no", "el", "hu", "ro", "uk", "bg", "hr", "sk", "sl", "sr", "lt", "lv", "et", "az", "id"};
    return std::find(commaLanguages.begin(), commaLanguages.end(), language) != commaLanguages.end()
               ? ','
               : '.';
}

} // namespace

char systemDecimalSeparator() {
    try {
        const std::locale system("");
        return std::use_facet<std::numpunct<char>>(system).decimal_point();
    } catch (const std::runtime_error&) {
        // The named locale is not installed: judge by its language instead.
    }
    for (const char* name : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0')
            return separatorOfLanguage(value);
    }
    return '.';
}

char decimalSeparator() {
    char separator = g_separator.load();
    if (separator == 0) {
        separator = systemDecimalSeparator();
        g_separator.store(separator);
    }
    return separator;
}

void setDecimalSeparator(char separator) {
    if (separator != ',' && separator != '.')
        throw std::invalid_argument("decimal separator must be ',' or '.'");
    g_separator.store(separator);
}

double readReal(std::string_view text) {
    const char separator = decimalSeparator();
    const std::size_t n = text.size();
    std::size_t i = 0;
    auto skipBlanks = [&] {
        while (i < n && text[i] == ' ')
            ++i;
    };

    Decimal d;
    skipBlanks();
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        d.negative = text[i] == '-';
        ++i;
        skipBlanks();
    }
    bool seenSeparator = false;
    for (; i < n; ++i) {
        if (isDigit(text[i])) {
            d.digits += text[i];
            if (!seenSeparator)
                ++d.digitsBeforePoint;
        } else if (text[i] == separator && !seenSeparator) {
            seenSeparator = true;
        } else {
            break;
        }
    }
    if (d.digits.empty())
        throwMismatch(text);
    if (i < n && isExponentLetter(text[i])) {
        ++i;
        bool negativeExponent = false;
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            ++i;
        }
        const std::size_t start = i;
        while (i < n && isDigit(text[i]))
            ++i;
        if (i == start)
            throwMismatch(text);
        d.exponent = saturatingExponent(text.substr(start, i - start));
        if (negativeExponent)
            d.exponent = -d.exponent;
    }
    skipBlanks();
    if (i != n)
        throwMismatch(text);

    auto value = toDouble(d);
    if (!value)
        throw Overflow("overflow: " + quoted(text));
    return *value;
}

std::int16_t readInt16(std::string_view text) {
    return toInt16(readReal(text));
}

std::int32_t readInt32(std::string_view text) {
    return toInt32(readReal(text));
}

double readLenient(std::string_view text) {
    // Blanks, tabs and line feeds do not count anywhere in the number: " 1 2" is 12.
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n')
            s += c;

    const std::size_t n = s.size();
    std::size_t i = 0;
    Decimal d;
    if (i < n && (s[i] == '+' || s[i] == '-')) {
        d.negative = s[i] == '-';
        ++i;
    }
    bool seenPoint = false;
    for (; i < n; ++i) {
        if (isDigit(s[i])) {
            d.digits += s[i];
            if (!seenPoint)
                ++d.digitsBeforePoint;
        } else if (s[i] == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    if (d.digits.empty())
        return 0.0;
    // An exponent letter counts only when digits follow it ("1e" and "1ex" are 1).
    if (i < n && isExponentLetter(s[i])) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < n && (s[j] == '+' || s[j] == '-')) {
            negativeExponent = s[j] == '-';
            ++j;
        }
        const std::size_t start = j;
        while (j < n && isDigit(s[j]))
            ++j;
        if (j > start) {
            d.exponent = saturatingExponent(std::string_view(s).substr(start, j - start));
            if (negativeExponent)
                d.exponent = -d.exponent;
        }
    }

    auto value = toDouble(d);
    if (!value)
        return d.negative ? -std::numeric_limits<double>::infinity()
                          : std::numeric_limits<double>::infinity();
    return *value;
}

std::int16_t toInt16(double value) {
    const double rounded = std::nearbyint(value);
    if (!(rounded >= -32768.0 && rounded <= 32767.0))
        throw Overflow("overflow: " + messageText(value) + " outside the 16-bit range");
    return static_cast<std::int16_t>(rounded);
}

std::int32_t toInt32(double value) {
    const double rounded = std::nearbyint(value);
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0))
        throw Overflow("overflow: " + messageText(value) + " outside the 32-bit range");
    return static_cast<std::int32_t>(rounded);
}

std::int16_t checkedInt16(std::int64_t value) {
    if (value < -32768 || value > 32767)
        throw Overflow("overflow: " + std::to_string(value) + " outside the 16-bit range");
    return static_cast<std::int16_t>(value);
}

double roundTo(double value, int decimals) {
    // Powers of ten up to 10^22 are exact doubles; beyond that the scaling
    // itself would round.
    static constexpr std::array<double, 23> powers = {
        1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (decimals < 0 || decimals >= static_cast<int>(powers.size()))
        throw std::invalid_argument("roundTo: decimals must be 0 to 22, not " +
                                    std::to_string(decimals));
    const double power = powers[static_cast<std::size_t>(decimals)];
    const double scaled = value * power;
    if (!std::isfinite(scaled))
        return value; // so large that it has no decimals to round (or NaN)
    return std::nearbyint(scaled) / power;
}

float roundTo(float value, int decimals) {
    return static_cast<float>(roundTo(static_cast<double>(value), decimals));
}

double floorValue(double value) {
    return std::floor(value);
}

std::string numberToText(double value) {
    return withSeparator(generalText(value, 15));
}

std::string numberToText(float value) {
    return withSeparator(generalText(static_cast<double>(value), 7));
}

std::string numberToText(std::int64_t value) {
    return std::to_string(value);
}

std::string blankPrefixedText(double value) {
    return blankPrefixed(generalText(value, 15));
}

std::string blankPrefixedText(float value) {
    return blankPrefixed(generalText(static_cast<double>(value), 7));
}

std::string printedNumber(double value) {
    return withSeparator(blankPrefixed(generalText(value, 15))) + ' ';
}

std::string format(double value, std::string_view pattern) {
    if (!std::isfinite(value) || pattern.empty())
        return numberToText(value);

    const std::size_t point = pattern.find('.');
    const std::string_view integerSection = pattern.substr(0, point);
    const std::string_view fractionSection =
        point == std::string_view::npos ? std::string_view() : pattern.substr(point + 1);
    const int decimals = static_cast<int>(
        std::count_if(fractionSection.begin(), fractionSection.end(), isPlaceholder));

    // std::to_chars rounds the exact binary value, so an exact half goes to the
    // even digit (0.125 -> "0.12") while 2.675, stored just below, gives "2.67".
    std::string digits(std::numeric_limits<double>::max_exponent10 + 8 + decimals, '\0');
    auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value,
                                std::chars_format::fixed, decimals);
    digits.resize(static_cast<std::size_t>(result.ptr - digits.data()));

    bool negative = false;
    if (digits.starts_with('-')) {
        negative = true;
        digits.erase(0, 1);
    }
    const std::size_t digitsPoint = digits.find('.');
    std::string integerDigits = digits.substr(0, digitsPoint);
    const std::string fractionDigits =
        digitsPoint == std::string::npos ? std::string() : digits.substr(digitsPoint + 1);
    if (digits.find_first_not_of("0.") == std::string::npos)
        negative = false; // rounded to zero: "-0" is not shown
    integerDigits.erase(0, integerDigits.find_first_not_of('0'));

    // Integer section: the leftmost "0" placeholder fixes the least number of
    // digits; digits fill the placeholders from the right, and any digits
    // left over all stand at the first placeholder.
    std::vector<std::size_t> slots;
    for (std::size_t k = 0; k < integerSection.size(); ++k)
        if (isPlaceholder(integerSection[k]))
            slots.push_back(k);
    for (std::size_t s = 0; s < slots.size(); ++s) {
        if (integerSection[slots[s]] == '0') {
            const std::size_t minimum = slots.size() - s;
            if (integerDigits.size() < minimum)
                integerDigits.insert(0, minimum - integerDigits.size(), '0');
            break;
        }
    }
    std::vector<std::string> shown(slots.size());
    std::size_t remaining = integerDigits.size();
    for (std::size_t s = slots.size(); s-- > 0 && remaining > 0;)
        shown[s] = integerDigits[--remaining];
    const std::string overflowDigits = integerDigits.substr(0, remaining);

    std::string out;
    if (negative)
        out += '-';
    if (slots.empty()) {
        out += integerSection;
        out += overflowDigits;
    } else {
        shown.front().insert(0, overflowDigits);
        std::size_t s = 0;
        for (std::size_t k = 0; k < integerSection.size(); ++k) {
            if (s < slots.size() && slots[s] == k)
                out += shown[s++];
            else
                out += integerSection[k];
        }
    }
    if (point == std::string_view::npos)
        return out;

    // Fraction section: "0" always shows its digit, "#" only up to the last
    // significant digit or the last "0", whichever is further right.
    out += decimalSeparator();
    const auto lastSignificant = fractionDigits.find_last_not_of('0');
    const auto lastZeroSlot = [&] {
        std::size_t slot = 0;
        std::size_t found = std::string::npos;
        for (char c : fractionSection) {
            if (!isPlaceholder(c))
                continue;
            if (c == '0')
                found = slot;
            ++slot;
        }
        return found;
    }();
    const std::size_t shownUpTo =
        lastSignificant == std::string::npos
            ? lastZeroSlot
            : (lastZeroSlot == std::string::npos ? lastSignificant
                                                 : std::max(lastSignificant, lastZeroSlot));
    std::size_t slot = 0;
    for (char c : fractionSection) {
        if (!isPlaceholder(c)) {
            out += c;
            continue;
        }
        if (shownUpTo != std::string::npos && slot <= shownUpTo)
            out += fractionDigits[slot];
        ++slot;
    }
    return out;
}

std::string trim(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

} // namespace runtime
