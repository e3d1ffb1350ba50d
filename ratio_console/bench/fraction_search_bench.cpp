#include "fraction_search.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

using tolvane::FractionRow;

// 10,000 ratios spaced evenly in pitch from 1/8 to 64.
std::vector<float> spreadRatios() {
    std::vector<float> ratios;
    constexpr int kCount = 10000;
    for (int i = 0; i < kCount; ++i) {
        ratios.push_back(static_cast<float>(0.125 * std::pow(512.0, i / (kCount - 1.0))));
    }
    return ratios;
}

void searchSpread(benchmark::State& state) {
    const std::vector<float> ratios = spreadRatios();
    std::int64_t rows = 0;
    for (auto _ : state) {
        for (const float x : ratios) {
            tolvane::search_fractions(x, tolvane::kStopTolerance, tolvane::kFilterTolerance,
                                      [&](const FractionRow& row) {
                                          FractionRow copy = row;
                                          benchmark::DoNotOptimize(copy);
                                          ++rows;
                                      });
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(ratios.size()));
    state.counters["rows/search"] =
        static_cast<double>(rows) / (static_cast<double>(state.iterations()) * ratios.size());
}
BENCHMARK(searchSpread)->Unit(benchmark::kMillisecond);

void searchOneThousandth(benchmark::State& state) {
    float x = 0.001f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(x);
        tolvane::search_fractions(x, tolvane::kStopTolerance, tolvane::kFilterTolerance,
                                  [](const FractionRow& row) {
                                      FractionRow copy = row;
                                      benchmark::DoNotOptimize(copy);
                                  });
    }
}
BENCHMARK(searchOneThousandth);

} // namespace
