// Entry of the pitch-diameter solver: rejects a record without probe, then picks the path by
// thread type and given quantity.
#include "engine/PitchDiam.h"

#include "engine/AngleTerms.h"
#include "engine/FpFaultScope.h"
#include "engine/SolverPaths.h"

#include <cmath>

namespace kthread {

bool CalcPitchDiam(TPitchDiamData& data) {
    if (std::isnan(data.ProbeDiam) || data.ProbeDiam == 0)
        return false;

    FpFaultScope scope;
    AngleTerms terms = MakeAngleTerms(data);
    Settle(terms.c1);
    Settle(terms.c2);
    Settle(terms.Cs);
    Settle(terms.Cd);
    Settle(terms.Ss);
    Settle(terms.S);
    if (scope.Faulted())
        return false;

    const bool sizeGiven = data.GivenQty == 0 || data.GivenQty == 1;
    const bool pitchDiamGiven = data.GivenQty == 2;
    switch (data.ThreadType) {
    case 0:
    case 1:
    case 3:
        if (sizeGiven)
            return SolveCylindricalSizeGiven(data, terms, scope);
        if (pitchDiamGiven)
            return SolveCylindricalPitchDiamGiven(data, terms, scope);
        return true;
    case 2:
        if (sizeGiven)
            return SolveTaperSizeGiven(data, terms, scope);
        if (pitchDiamGiven)
            return SolveTaperPitchDiamGiven(data, terms, scope);
        return true;
    default:
        return true;
    }
}

} // namespace kthread
