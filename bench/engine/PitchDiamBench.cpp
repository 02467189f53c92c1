// One call of the solver per path, as the Calculate command makes it.
#include "engine/PitchDiam.h"

#include <benchmark/benchmark.h>

namespace {

using kthread::TPitchDiamData;

// M20 x 1.5 over 0.866 mm steel wires (or a 1 mm ball inside, or a 1:16 taper).
TPitchDiamData Record(std::uint8_t threadType, std::uint8_t givenQty, double force) {
    TPitchDiamData d{};
    d.ThreadType = threadType;
    d.GivenQty = givenQty;
    d.MeasMode = threadType == 2 ? 1 : 0;
    d.Pitch = 1.5;
    d.Starts = 1;
    d.Force = force;
    d.ProbePoisson = kthread::kSteelPoisson;
    d.ProbeModulus = kthread::kSteelModulus;
    d.ThreadPoisson = 0.3;
    d.ThreadModulus = 2.1e11;
    d.TaperRatio = threadType == 2 ? 0.0625 : 0;
    d.FlankAngle1 = kthread::AngleRad(30, 0, 0);
    d.FlankAngle2 = d.FlankAngle1;
    d.ProbeDiam = threadType == 1 ? 1.0 : 0.866;
    d.SizeCtr = threadType == 1 ? 17.7 : 19.134;
    d.SizeOver = d.SizeCtr + d.ProbeDiam;
    d.PitchDiam = threadType == 1 ? 18.376 : 18.7;
    return d;
}

void Solve(benchmark::State& state, std::uint8_t threadType, std::uint8_t givenQty) {
    const TPitchDiamData input = Record(threadType, givenQty, static_cast<double>(state.range(0)));
    for (auto _ : state) {
        TPitchDiamData d = input;
        benchmark::DoNotOptimize(d);
        const bool ok = kthread::CalcPitchDiam(d);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(d);
    }
}

// Argument: measuring force in N (0 = no deformation correction).
void BM_Path1_CylindricalSizeGiven(benchmark::State& s) {
    Solve(s, 0, 1);
}
void BM_Path1_InternalSizeGiven(benchmark::State& s) {
    Solve(s, 1, 0);
}
void BM_Path2_CylindricalPitchDiamGiven(benchmark::State& s) {
    Solve(s, 0, 2);
}
void BM_Path3_TaperSizeGiven(benchmark::State& s) {
    Solve(s, 2, 1);
}
void BM_Path4_TaperPitchDiamGiven(benchmark::State& s) {
    Solve(s, 2, 2);
}

BENCHMARK(BM_Path1_CylindricalSizeGiven)->Arg(0)->Arg(1);
BENCHMARK(BM_Path1_InternalSizeGiven)->Arg(0)->Arg(1);
BENCHMARK(BM_Path2_CylindricalPitchDiamGiven)->Arg(0)->Arg(1);
BENCHMARK(BM_Path3_TaperSizeGiven)->Arg(0)->Arg(1);
BENCHMARK(BM_Path4_TaperPitchDiamGiven)->Arg(0)->Arg(1);

void BM_DeformCorr(benchmark::State& state) {
    TPitchDiamData input = Record(0, 1, 1);
    input.PitchDiam = 18.70062;
    for (auto _ : state) {
        TPitchDiamData d = input;
        benchmark::DoNotOptimize(d);
        const bool ok = kthread::CalcDeformCorr(d);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(d);
    }
}
BENCHMARK(BM_DeformCorr);

} // namespace
