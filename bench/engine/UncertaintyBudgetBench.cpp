// The whole uncertainty budget of one measurement: every sensitivity coefficient through
// CalcPitchDiam, the check for nonlinearity over +-u, and the combination.
#include "engine/PitchDiam.h"
#include "engine/uncertainty/LabDefaults.h"
#include "engine/uncertainty/MonteCarlo.h"
#include "engine/uncertainty/UncertaintyBudget.h"

#include <benchmark/benchmark.h>

namespace {

using namespace kthread::uncertainty;

// M20 x 1.5 over three 0.866 mm wires, M = 20 mm, F = 1 N, a laboratory's usual uncertainties.
MeasurementModel WorkedExample() {
    MeasurementModel m;
    kthread::TPitchDiamData& d = m.record;
    d.ThreadType = 0;
    d.GivenQty = 1;
    d.MeasMode = 0;
    d.Pitch = 1.5;
    d.Starts = 1;
    d.Force = 1;
    d.FlankAngle1 = kthread::AngleRad(30, 0, 0);
    d.FlankAngle2 = d.FlankAngle1;
    d.ProbeDiam = 0.866;
    d.SizeOver = 20;
    d.ProbePoisson = kthread::kSteelPoisson;
    d.ProbeModulus = kthread::kSteelModulus;
    d.ThreadPoisson = 0.3;
    d.ThreadModulus = 2.1e11;
    m.thermal = DefaultThermalConditions(d);
    m.inputs = LabDefaultInputs();
    return m;
}

void Budget(benchmark::State& state, const MeasurementModel& model, const BudgetOptions& options) {
    for (auto _ : state) {
        BudgetResult r = CalcUncertaintyBudget(model, options);
        benchmark::DoNotOptimize(r);
    }
}

void BM_Budget_ThreeWires(benchmark::State& s) {
    Budget(s, WorkedExample(), {});
}

void BM_Budget_ThreeIndependentWiresTFactor(benchmark::State& s) {
    MeasurementModel m = WorkedExample();
    m.probes = ProbeCorrelation::Independent;
    m.inputs[InputQuantity::GivenValue].degreesOfFreedom = 9;
    Budget(s, m, {CoverageRule::StudentT});
}

void BM_Budget_InternalBalls(benchmark::State& s) {
    MeasurementModel m = WorkedExample();
    m.record.ThreadType = 1;
    m.record.GivenQty = 0;
    m.record.ProbeDiam = 1.0;
    m.record.SizeCtr = 17.7;
    Budget(s, m, {});
}

// The slowest path of the solver: pitch diameter given on an external taper thread.
void BM_Budget_TaperPitchDiamGiven(benchmark::State& s) {
    MeasurementModel m = WorkedExample();
    m.record.ThreadType = 2;
    m.record.MeasMode = 1;
    m.record.TaperRatio = 0.0625;
    m.record.GivenQty = 2;
    m.record.PitchDiam = 18.7;
    Budget(s, m, {});
}

BENCHMARK(BM_Budget_ThreeWires)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Budget_ThreeIndependentWiresTFactor)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Budget_InternalBalls)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Budget_TaperPitchDiamGiven)->Unit(benchmark::kMicrosecond);

// What a check on demand would cost: 10^5 draws of the worked example.
void BM_MonteCarlo_100kDraws(benchmark::State& state) {
    const MeasurementModel m = WorkedExample();
    MonteCarloOptions o;
    o.batchSize = 50000;
    o.maxBatches = 2;
    o.minBatches = 2;
    for (auto _ : state) {
        auto r = PropagateMonteCarlo(m, o);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_MonteCarlo_100kDraws)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
