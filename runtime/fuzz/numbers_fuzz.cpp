// The number readings and Format on any text, under either separator.
// Input: one byte choosing the separator (even: ",", odd: "."), then the text;
// a text with a 0 byte in it is split there into a number and a pattern.
#include "numbers.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    runtime::setDecimalSeparator(data[0] % 2 == 0 ? ',' : '.');
    const std::string_view all(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::size_t cut = all.find('\0');
    const std::string_view text = all.substr(0, cut);
    const std::string_view pattern =
        cut == std::string_view::npos ? std::string_view("####.###") : all.substr(cut + 1);

    const double lenient = runtime::readLenient(text);
    (void)runtime::blankPrefixedText(lenient);
    (void)runtime::blankPrefixedText(static_cast<float>(lenient));
    (void)runtime::printedNumber(lenient);
    (void)runtime::format(lenient, pattern);
    (void)runtime::trim(text);
    try {
        const double strict = runtime::readReal(text);
        // What the strict reading accepts, the number-to-text rule writes back
        // in a form it accepts again.
        const std::string written = runtime::numberToText(strict);
        const double again = runtime::readReal(written);
        if (std::isfinite(strict) != std::isfinite(again))
            std::abort();
        (void)runtime::numberToText(static_cast<float>(strict));
        (void)runtime::format(strict, pattern);
        for (int decimals : {0, 2, 7, 22})
            (void)runtime::roundTo(strict, decimals);
        (void)runtime::floorValue(strict);
        (void)runtime::toInt16(strict);
    } catch (const runtime::TypeMismatch&) {
    } catch (const runtime::Overflow&) {
    }
    try {
        (void)runtime::readInt32(text);
    } catch (const runtime::TypeMismatch&) {
    } catch (const runtime::Overflow&) {
    }
    return 0;
}
