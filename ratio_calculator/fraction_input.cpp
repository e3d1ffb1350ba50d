#include "fraction_input.h"

#include "numbers.h"

#include <cmath>

namespace bexaro {

FractionInput readFraction(std::string_view text) {
    FractionInput input;
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos) {
        input.problem = FractionInput::Problem::NoSlash;
        return input;
    }
    const double pay = runtime::readLenient(text.substr(0, slash));
    const double payda = runtime::readLenient(text.substr(slash + 1));
    const float ratio = static_cast<float>(pay / payda);
    if (pay == 0 || payda == 0 || !(ratio > 0) || !std::isfinite(ratio)) {
        input.problem = FractionInput::Problem::BadNumber;
        return input;
    }
    input.ratio = ratio;
    return input;
}

std::string reoranText(float ratio) {
    try {
        return runtime::blankPrefixedText(runtime::readReal(runtime::format(ratio, "###.######")));
    } catch (const runtime::TypeMismatch&) {
        // "###.######" leaves only the separator for ratios below 0.0000005.
        return runtime::numberToText(ratio);
    } catch (const runtime::Overflow&) {
        return runtime::numberToText(ratio);
    }
}

Tolerance readTolerance(std::string_view text) {
    Tolerance t;
    const float value = static_cast<float>(runtime::readLenient(text));
    if (value > 0.01f || !(value > 0)) {
        t.replaced = true;
        return t;
    }
    t.value = value;
    return t;
}

std::array<std::string, 4> rowItems(const sonuc& row) {
    return {runtime::format(row.pay, "#####") + "  /  " + runtime::format(row.payda, "#####"),
            runtime::format(row.deger, "   ####.######  "), runtime::printedNumber(row.centhata),
            runtime::format(row.bagilhata, "###.########")};
}

} // namespace bexaro
