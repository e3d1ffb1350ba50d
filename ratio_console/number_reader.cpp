#include "number_reader.h"

#include <charconv>
#include <limits>
#include <system_error>

namespace tolvane {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isExponentLetter(char c) {
    return c == 'E' || c == 'e' || c == 'D' || c == 'd' || c == 'Q' || c == 'q';
}

} // namespace

bool parseNumber(std::string_view token, float& value) {
    std::size_t i = 0;
    bool negative = false;
    if (i < token.size() && (token[i] == '+' || token[i] == '-')) {
        negative = token[i] == '-';
        ++i;
    }

    // The magnitude is rewritten with "e" as the exponent letter for from_chars;
    // the decimal order of its leading digit decides the side of an overflow.
    std::string magnitude;
    int digits = 0;
    int wholeDigits = 0;
    int leadingZeros = 0;
    bool seenNonZero = false;
    bool seenPoint = false;
    for (; i < token.size(); ++i) {
        const char c = token[i];
        if (isDigit(c)) {
            if (c != '0') {
                seenNonZero = true;
            } else if (!seenNonZero) {
                ++leadingZeros;
            }
            ++digits;
            if (!seenPoint) {
                ++wholeDigits;
            }
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
        magnitude += c;
    }
    if (digits == 0) {
        return false;
    }

    long exponent = 0;
    if (i < token.size()) {
        if (!isExponentLetter(token[i])) {
            return false;
        }
        ++i;
        magnitude += 'e';
        bool negativeExponent = false;
        if (i < token.size() && (token[i] == '+' || token[i] == '-')) {
            negativeExponent = token[i] == '-';
            if (negativeExponent) {
                magnitude += '-';
            }
            ++i;
        }
        const std::size_t exponentStart = i;
        for (; i < token.size() && isDigit(token[i]); ++i) {
            if (exponent < 1000000) {
                exponent = exponent * 10 + (token[i] - '0');
            }
            magnitude += token[i];
        }
        if (i == exponentStart || i != token.size()) {
            return false;
        }
        if (negativeExponent) {
            exponent = -exponent;
        }
    }

    float parsed = 0.0f;
    const auto result =
        std::from_chars(magnitude.data(), magnitude.data() + magnitude.size(), parsed);
    if (result.ptr != magnitude.data() + magnitude.size()) {
        return false;
    }
    if (result.ec == std::errc::result_out_of_range) {
        // Order of the leading digit: above 0 only when the number is large.
        const long order = exponent + wholeDigits - leadingZeros - 1;
        parsed = order > 0 ? std::numeric_limits<float>::infinity() : 0.0f;
    } else if (result.ec != std::errc()) {
        return false;
    }
    value = negative ? -parsed : parsed;
    return true;
}

ReadResult readValue(std::istream& in) {
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const std::size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos) {
            continue;
        }
        if (line[start] == ',' || line[start] == '/') {
            return ReadResult{ReadKind::Keep, 0.0f, {}};
        }
        const std::size_t end = line.find_first_of(" \t,/", start);
        const std::string_view token =
            std::string_view(line).substr(start, end == std::string::npos ? end : end - start);
        ReadResult result;
        if (parseNumber(token, result.value)) {
            result.kind = ReadKind::Value;
        } else {
            result.kind = ReadKind::NotANumber;
            result.text = std::string(token);
        }
        return result;
    }
    return ReadResult{ReadKind::EndOfInput, 0.0f, {}};
}

} // namespace tolvane
