#include "engine/DeformStep.h"
#include "engine/FpFaultScope.h"
#include "engine/PitchDiam.h"
#include "engine/SolverPaths.h"

#include <cmath>

namespace kthread {

namespace {
constexpr double kSizeTolerance = 1e-7; // mm
}

bool SolveSizeForPitchDiam(TPitchDiamData& data, const AngleTerms& t, InnerMode mode,
                           const FpFaultScope& scope) {
    const double D = data.ProbeDiam;
    const double P = data.Pitch;
    const double d2 = data.PitchDiam;

    double start = D / t.Ss + d2 - (t.Cs / t.Ss) * P / 2;
    if (!scope.Clean(start))
        return false;
    data.SizeCtr = start;

    for (int pass = 0; pass < kMaxSizePasses; ++pass) {
        const ContactSolution sol = SolveContactAngle(t, data, data.SizeCtr, mode, scope);
        if (sol.outcome == ContactOutcome::Fault || sol.outcome == ContactOutcome::NoConvergence)
            return false;
        if (sol.outcome == ContactOutcome::NoValue)
            continue;
        double delta = d2 - sol.pitchDiam;
        if (!scope.Clean(delta))
            return false;
        if (std::abs(delta) < kSizeTolerance)
            break;
        double next = data.SizeCtr + delta;
        if (!scope.Clean(next))
            return false;
        data.SizeCtr = next;
    }
    return true;
}

bool FinishSizesForPitchDiam(TPitchDiamData& data, double sideSign, const FpFaultScope& scope) {
    const DeformOutcome deform = RunDeformStep(data, scope);
    if (deform == DeformOutcome::Fault)
        return false;
    if (deform == DeformOutcome::Applied) {
        double m = data.SizeCtr - sideSign * data.DeformCorr;
        if (!scope.Clean(m))
            return false;
        data.SizeCtr = m;
    }

    double sizeOver = data.SizeCtr + data.ProbeDiam;
    if (!scope.Clean(sizeOver))
        return false;
    data.SizeOver = sizeOver;
    return true;
}

} // namespace kthread
