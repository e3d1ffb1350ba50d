// A press waits for the whole tone: six seconds is the longest.
#include "spiral.h"
#include "tone.h"

#include <benchmark/benchmark.h>

static void SixSecondTone(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(pitch_table::toneImage(440.0f, 6 * 44100));
}
BENCHMARK(SixSecondTone)->Unit(benchmark::kMillisecond);

static void SpiralGeometry(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(pitch_table::spiralSteps());
}
BENCHMARK(SpiralGeometry)->Unit(benchmark::kMicrosecond);
