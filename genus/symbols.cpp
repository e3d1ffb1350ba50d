#include "symbols.h"

#include <array>

namespace genus {

namespace {

struct SizeClass {
    float upTo;
    std::array<const char*, 3> symbols;
};

constexpr std::array<SizeClass, 10> sizeClasses = {{
    {3.5f, {"I ", "I ", "I "}},
    {4.5f, {"B ", "B ", "B "}},
    {5.5f, {"S ", "S ", "B+"}},
    {6.5f, {"S ", "C ", "C "}},
    {7.5f, {"K ", "C+", "C+"}},
    {8.5f, {"K ", "K ", "T-"}},
    {9.5f, {"T ", "T ", "T "}},
    {10.5f, {"T ", "T ", "T+"}},
    {11.5f, {"A ", "A ", "A-"}},
    {12.5f, {"A ", "A ", "A "}},
}};

} // namespace

std::string fnsSimge(float r, SymbolSystem system) {
    const auto column = static_cast<std::size_t>(system);
    for (const SizeClass& c : sizeClasses)
        if (r <= c.upTo)
            return c.symbols[column];
    // Above 12.5, and also a value that compares with nothing (NaN).
    return "A+";
}

} // namespace genus
