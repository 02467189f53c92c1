// The window looks a designation up and shows its limits on every accepted entry (target:
// under 5 µs), and refreshes the type-ahead list on every keystroke.
#include "engine/designation/Designation.h"
#include "engine/designation/DesignationCatalogue.h"
#include "engine/designation/ThreadLimits.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>

namespace {

using namespace kthread::designation;

const std::array<std::string, 6> kTyped{"M10x1.5-6g",    "M20x2-5g6g", "1/2-13 UNC-2A",
                                        "#10-32 UNF-3B", "Tr 24x5-7e", "Tr 40x14(P7)-8e"};

void BM_ParseAndLimits(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        const std::string& text = kTyped[i++ % kTyped.size()];
        ParseResult r = ParseDesignation(text);
        const Designation* d = ParsedDesignation(r);
        auto limits = ThreadLimitsOf(*d);
        benchmark::DoNotOptimize(limits);
    }
}
BENCHMARK(BM_ParseAndLimits);

void BM_ParseRefusal(benchmark::State& state) {
    for (auto _ : state) {
        ParseResult r = ParseDesignation("M10x1.4-6g");
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_ParseRefusal);

// Prefixes as they grow while typing, from the broadest (every metric size) to a class.
const std::array<std::string, 8> kPrefixes{"M", "M1",          "M10x", "M10x1.5-",
                                           "1", "1/2-13 UNC-", "Tr",   "Tr 40x7-"};

void BM_CompleteDesignations(benchmark::State& state) {
    const std::string& prefix = kPrefixes[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(prefix);
    CompleteDesignations(prefix, 20); // the catalogue is built once, on first use
    for (auto _ : state) {
        auto list = CompleteDesignations(prefix, 20);
        benchmark::DoNotOptimize(list);
    }
}
BENCHMARK(BM_CompleteDesignations)->DenseRange(0, static_cast<int>(kPrefixes.size()) - 1);

void BM_CompleteNoMatch(benchmark::State& state) {
    for (auto _ : state) {
        auto list = CompleteDesignations("Q", 20); // scans the whole catalogue
        benchmark::DoNotOptimize(list);
    }
}
BENCHMARK(BM_CompleteNoMatch);

} // namespace
