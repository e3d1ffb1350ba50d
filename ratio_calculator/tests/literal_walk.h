#pragma once
// The fraction walk exactly as described, candidate by candidate: the
// reference the fast search is held to.

#include "fraction_search.h"

#include <functional>
#include <optional>
#include <utility>

namespace bexaro::testing {

struct WalkEnd {
    std::size_t rows = 0;
    std::optional<std::pair<int, int>> stoppedAt; // (F, H) of the matching candidate
    long long visited = 0;
};

/** The walk handing each accepted row to `row` instead of keeping it. */
WalkEnd literalWalk(const std::function<void(const sonuc&)>& row, float ratio, float tolerance,
                    int bound, bool tightening, const CentErrorRule& centhata);

WalkEnd literalWalk(std::vector<sonuc>& sonuclar, float ratio, float tolerance, int bound,
                    bool tightening, const CentErrorRule& centhata);

} // namespace bexaro::testing
