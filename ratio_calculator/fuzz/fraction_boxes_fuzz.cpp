// The fraction and tolerance boxes as the fraction button reads them, then
// the search and the rows it prints, and on a small bound the search against
// the literal walk. Input: one byte choosing the separator
// and the search (even: ",", odd: "."; below 128 the fraction button's bound,
// else the pitch button's), the fraction text, a 0 byte, the tolerance text.
#include "fraction_input.h"
#include "fraction_search.h"
#include "literal_walk.h"
#include "numbers.h"
#include "pitch.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    runtime::setDecimalSeparator(data[0] % 2 == 0 ? ',' : '.');
    const bool fractionButton = data[0] < 128;
    const std::string_view all(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::size_t cut = all.find('\0');
    const std::string_view fraction = all.substr(0, cut);
    const std::string_view toleranceText =
        cut == std::string_view::npos ? std::string_view("0.001") : all.substr(cut + 1);

    const bexaro::FractionInput input = bexaro::readFraction(fraction);
    if (input.problem != bexaro::FractionInput::Problem::None)
        return 0;
    if (!(input.ratio > 0) || !std::isfinite(input.ratio))
        std::abort(); // an accepted fraction is a usable ratio
    (void)bexaro::reoranText(input.ratio);
    const bexaro::Tolerance tolerance = bexaro::readTolerance(toleranceText);
    if (!(tolerance.value > 0 && tolerance.value <= 0.01f))
        std::abort();
    if (input.ratio == 1.0f)
        return 0;
    const float centadim = bexaro::centStep();
    bexaro::Sonuclar rows;
    const std::size_t count =
        bexaro::kesirara(rows, input.ratio, tolerance.value, fractionButton ? 10000 : 1000,
                         !fractionButton, bexaro::fractionCentError(input.ratio, centadim));
    if (count != rows.size())
        std::abort();
    // On a small bound the rows must be those of the literal walk, bit for bit.
    for (const bool tightening : {false, true}) {
        const int bound = 300;
        const bexaro::CentErrorRule rule = bexaro::fractionCentError(input.ratio, centadim);
        bexaro::Sonuclar fast;
        bexaro::kesirara(fast, input.ratio, tolerance.value, bound, tightening, rule);
        std::vector<bexaro::sonuc> walk;
        bexaro::testing::literalWalk(walk, input.ratio, tolerance.value, bound, tightening, rule);
        if (fast.size() != walk.size())
            std::abort();
        for (std::size_t i = 0; i < walk.size(); ++i) {
            const bexaro::sonuc a = fast.at(i);
            if (!(a.pay == walk[i].pay && a.payda == walk[i].payda && a.deger == walk[i].deger &&
                  a.centhata == walk[i].centhata && a.bagilhata == walk[i].bagilhata))
                std::abort();
        }
    }
    // The first and the last page, as the list prints them.
    for (std::size_t i = 0; i < std::min<std::size_t>(count, bexaro::pageRows); ++i)
        (void)bexaro::rowItems(rows.at(i));
    for (std::size_t i = count - std::min<std::size_t>(count, bexaro::pageRows); i < count; ++i)
        (void)bexaro::rowItems(rows.at(i));
    return 0;
}
