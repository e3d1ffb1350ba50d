#pragma once
// The text line of one genus in the list: the contract between the generator
// and the player, which reads the interval sizes back from it.

#include <cstdint>
#include <span>
#include <string>

namespace genus {

/**
 * The genus number padded on the left with spaces to hane characters, then
 * ") ": fnsDesen(4, 3) -> "  4) ", fnsDesen(1000, 3) -> "1000) ". Numbers are
 * never cut and stay in plain digits however large.
 */
std::string fnsDesen(std::int64_t x, std::uint8_t hane);

/** Pads s on the left with spaces to hane characters, in place, and returns it: "4" -> " 4". */
std::string fnsDesen2(std::string& s, std::uint8_t hane);

/**
 * The whole line: number, the value texts joined by " + ", a tab, the symbols
 * with nothing between them. genusLine(4, {"4", "9", "9"}, {"B ", "T ", "T "})
 * -> "  4)  4 +  9 +  9\tB T T ".
 */
std::string genusLine(std::int64_t number, std::span<const std::string* const> values,
                      std::span<const std::string* const> symbols);

} // namespace genus
