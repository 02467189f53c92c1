// The window formats derived values on every keystroke.
#include "engine/NumberText.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

constexpr std::array<double, 6> kValues{18.700623,   12345.678901, 0.0000049,
                                        123456789.0, 0.03409558,   -3.0};

void BM_FormatFixed(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        double v = kValues[i++ % kValues.size()];
        benchmark::DoNotOptimize(v);
        benchmark::DoNotOptimize(kthread::FormatFixed(v, 8, 5, ','));
    }
}
BENCHMARK(BM_FormatFixed);

void BM_FormatGeneral(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        double v = kValues[i++ % kValues.size()];
        benchmark::DoNotOptimize(v);
        benchmark::DoNotOptimize(kthread::FormatGeneral(v));
    }
}
BENCHMARK(BM_FormatGeneral);

} // namespace
