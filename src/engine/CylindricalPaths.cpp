// Cylindrical threads and the internal taper thread: the size over wires or balls and the pitch
// diameter in both directions, with the side sign s of AngleTerms.
#include "engine/AngleTerms.h"
#include "engine/DeformStep.h"
#include "engine/FpFaultScope.h"
#include "engine/PitchDiam.h"
#include "engine/SolverPaths.h"

#include <cmath>

namespace kthread {

bool SolveCylindricalSizeGiven(TPitchDiamData& data, const AngleTerms& t,
                               const FpFaultScope& scope) {
    const double D = data.ProbeDiam;
    const double P = data.Pitch;
    const bool sizeOverGiven = data.GivenQty == 1;

    if (sizeOverGiven) {
        double m = data.SizeOver - D;
        if (!scope.Clean(m))
            return false;
        data.SizeCtr = m;
    }
    const double m = data.SizeCtr;

    // An inclined measurement reads the size along the incline of the lead.
    double x = m;
    if (IsInclinedSelection(data)) {
        x = std::sqrt(m * m - P * P / 4);
        if (!scope.Clean(x))
            return false;
    }

    const ContactSolution sol = SolveContactAngle(t, data, x, InnerMode::Iterate, scope);
    if (sol.outcome == ContactOutcome::Fault || sol.outcome == ContactOutcome::NoConvergence)
        return false;
    if (sol.outcome == ContactOutcome::Value)
        data.PitchDiam = sol.pitchDiam;

    if (!sizeOverGiven) {
        double sizeOver = m + D;
        if (!scope.Clean(sizeOver))
            return false;
        data.SizeOver = sizeOver;
    }

    switch (RunDeformStep(data, scope)) {
    case DeformOutcome::Fault:
        return false;
    case DeformOutcome::Failed:
    case DeformOutcome::Zeroed:
        return true;
    case DeformOutcome::Applied:
        break;
    }
    const double sA2 = t.s * data.DeformCorr;
    double pitchDiam = data.PitchDiam + sA2;
    if (!scope.Clean(pitchDiam))
        return false;
    data.PitchDiam = pitchDiam;
    double size = sizeOverGiven ? data.SizeCtr - sA2 : data.SizeOver - sA2;
    if (!scope.Clean(size))
        return false;
    (sizeOverGiven ? data.SizeCtr : data.SizeOver) = size;
    return true;
}

bool SolveCylindricalPitchDiamGiven(TPitchDiamData& data, const AngleTerms& t,
                                    const FpFaultScope& scope) {
    const double P = data.Pitch;

    if (!SolveSizeForPitchDiam(data, t, InnerMode::OneStep, scope))
        return false;

    if (IsInclinedSelection(data)) {
        const double m = data.SizeCtr;
        double inclined = std::sqrt(P * P / 4 + m * m);
        if (!scope.Clean(inclined))
            return false;
        data.SizeCtr = inclined;
    }

    return FinishSizesForPitchDiam(data, t.s, scope);
}

} // namespace kthread
