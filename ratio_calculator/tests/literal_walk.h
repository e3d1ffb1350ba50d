#pragma once
// The fraction walk exactly as described, candidate by candidate: the
// reference the fast search is held to.

#include "fraction_search.h"

#include <optional>
#include <utility>

namespace bexaro::testing {

struct WalkEnd {
    std::size_t rows = 0;
    std::optional<std::pair<int, int>> stoppedAt; // (F, H) of the matching candidate
    long long visited = 0;
};

WalkEnd literalWalk(std::vector<sonuc>& sonuclar, float ratio, float tolerance, int bound,
                    bool tightening, const CentErrorRule& centhata);

} // namespace bexaro::testing
