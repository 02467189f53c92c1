// External taper thread: as the cylindrical external thread (s = +1), plus the taper term and,
// for three wires, the inclination of the wires on the cone.
#include "engine/AngleTerms.h"
#include "engine/DeformStep.h"
#include "engine/FpFaultScope.h"
#include "engine/PitchDiam.h"
#include "engine/SolverPaths.h"

#include <cmath>

namespace kthread {
namespace {

// Shift of the pitch diameter caused by the taper: (T/2)^2 * (P/2) * (Ss/Cs).
double TaperTerm(const TPitchDiamData& data, const AngleTerms& t) {
    const double halfTaper = data.TaperRatio / 2;
    return halfTaper * halfTaper * (data.Pitch / 2) * (t.Ss / t.Cs);
}

// cos of the half taper angle. With three wires the anvil lies on the two wires of one side,
// along the cone, so the micrometer reads across the cone at the half taper angle: the size at
// right angles to the axis is the reading divided by this cosine.
double TaperInclination(const TPitchDiamData& data) {
    return std::cos(std::atan(data.TaperRatio / 2));
}

} // namespace

bool SolveTaperSizeGiven(TPitchDiamData& data, const AngleTerms& t, const FpFaultScope& scope) {
    const double D = data.ProbeDiam;
    const bool sizeOverGiven = data.GivenQty == 1;

    if (sizeOverGiven) {
        double m = data.SizeOver - D;
        if (!scope.Clean(m))
            return false;
        data.SizeCtr = m;
    }

    double x = data.SizeCtr;
    if (data.MeasMode == 1) {
        x = data.SizeCtr / TaperInclination(data);
        if (!scope.Clean(x))
            return false;
    }

    const ContactSolution sol = SolveContactAngle(t, data, x, InnerMode::Iterate, scope);
    if (sol.outcome == ContactOutcome::Fault || sol.outcome == ContactOutcome::NoConvergence)
        return false;
    if (sol.outcome == ContactOutcome::Value) {
        double pitchDiam = sol.pitchDiam - TaperTerm(data, t);
        if (!scope.Clean(pitchDiam))
            return false;
        data.PitchDiam = pitchDiam;
    }

    const DeformOutcome deform = RunDeformStep(data, scope);
    if (deform == DeformOutcome::Fault)
        return false;
    if (deform == DeformOutcome::Applied) {
        double pitchDiam = data.PitchDiam + data.DeformCorr;
        if (!scope.Clean(pitchDiam))
            return false;
        data.PitchDiam = pitchDiam;
    }

    // Uses whatever DeformCorr holds now, also when the correction failed and left it alone.
    if (sizeOverGiven) {
        double m = data.SizeOver - D - data.DeformCorr;
        if (!scope.Clean(m))
            return false;
        data.SizeCtr = m;
    } else if (data.GivenQty == 0) {
        double sizeOver = data.SizeCtr + D - data.DeformCorr;
        if (!scope.Clean(sizeOver))
            return false;
        data.SizeOver = sizeOver;
    }
    return true;
}

bool SolveTaperPitchDiamGiven(TPitchDiamData& data, const AngleTerms& t,
                              const FpFaultScope& scope) {
    if (!SolveSizeForPitchDiam(data, t, InnerMode::Iterate, scope))
        return false;

    if (data.MeasMode == 1) {
        double m = data.SizeCtr * TaperInclination(data);
        if (!scope.Clean(m))
            return false;
        data.SizeCtr = m;
    }

    double tapered = data.SizeCtr + TaperTerm(data, t);
    if (!scope.Clean(tapered))
        return false;
    data.SizeCtr = tapered;

    return FinishSizesForPitchDiam(data, 1.0, scope);
}

} // namespace kthread
