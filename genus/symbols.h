#pragma once
// The three interval symbol systems: a size in komas to a two-character symbol.

#include <string>

namespace genus {

/** The option buttons opbSmg(0) to opbSmg(2), in their order. */
enum class SymbolSystem { ArelEzgi = 0, ToreKaradeniz = 1, Safiyuddin = 2 };

/**
 * The symbol of an interval of r komas: a letter followed by a space, "+" or
 * "-". Bounds are inclusive and compared in single precision:
 * fnsSimge(4.5f, ArelEzgi) -> "B ", fnsSimge(12.51f, ArelEzgi) -> "A+",
 * fnsSimge(5, Safiyuddin) -> "B+".
 */
std::string fnsSimge(float r, SymbolSystem system);

} // namespace genus
