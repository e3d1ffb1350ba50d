// The fraction search against the literal walk on the worst cases: 9999/10000
// stops only at F = 9523, so the walk visits almost every candidate.
#include "fraction_search.h"
#include "literal_walk.h"
#include "pitch.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <algorithm>

namespace {

using namespace bexaro;

struct Worst {
    float ratio;
    float tolerance;
    int bound;
    bool tightening;
};

// The fraction finder's bound without tightening, and the ratio finder's with it.
// The last one accepts every candidate: 50,005,000 rows.
const Worst cases[] = {{9999.0f / 10000.0f, 0.01f, 10000, false},
                       {9999.0f / 10000.0f, 0.01f, 1000, true},
                       {9999.0f / 10000.0f, 0.001f, 10000, false},
                       {9999999.0f / 100000.0f, 0.01f, 10000, false}};

void labelled(benchmark::State& state, const Worst& c, std::size_t rows) {
    state.SetLabel(std::string(c.tightening ? "tightening, bound " : "bound ") +
                   std::to_string(c.bound) + ", tolerance " + std::to_string(c.tolerance) + ", " +
                   std::to_string(rows) + " rows");
}

void BM_kesirara(benchmark::State& state) {
    const Worst& c = cases[state.range(0)];
    const CentErrorRule rule = fractionCentError(c.ratio, centStep());
    Sonuclar rows;
    for (auto _ : state)
        benchmark::DoNotOptimize(kesirara(rows, c.ratio, c.tolerance, c.bound, c.tightening, rule));
    labelled(state, c, rows.size());
}

// The first search of a session writes its rows into fresh memory; the
// counter is the heap the kept list holds.
void BM_kesiraraFreshList(benchmark::State& state) {
    const Worst& c = cases[state.range(0)];
    const CentErrorRule rule = fractionCentError(c.ratio, centStep());
    std::size_t count = 0;
    double held = 0;
    for (auto _ : state) {
        const std::size_t before = mallinfo2().uordblks;
        Sonuclar rows;
        count = kesirara(rows, c.ratio, c.tolerance, c.bound, c.tightening, rule);
        held = std::max(held, double(mallinfo2().uordblks) - double(before));
        benchmark::DoNotOptimize(rows.size());
    }
    state.counters["heap_bytes"] = held;
    labelled(state, c, count);
}

void BM_literalWalk(benchmark::State& state) {
    const Worst& c = cases[state.range(0)];
    const CentErrorRule rule = fractionCentError(c.ratio, centStep());
    std::vector<sonuc> rows;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            testing::literalWalk(rows, c.ratio, c.tolerance, c.bound, c.tightening, rule));
    labelled(state, c, rows.size());
}

BENCHMARK(BM_kesirara)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_kesiraraFreshList)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_literalWalk)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

} // namespace
