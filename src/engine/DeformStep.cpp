#include "engine/DeformStep.h"

#include "engine/FpFaultScope.h"
#include "engine/PitchDiam.h"

#include <cmath>

namespace kthread {

DeformOutcome RunDeformStep(TPitchDiamData& data, const FpFaultScope& scope) {
    if (std::isnan(data.Force)) {
        scope.RaiseInvalid();
        return DeformOutcome::Fault;
    }
    if (data.Force > 0)
        return CalcDeformCorr(data) ? DeformOutcome::Applied : DeformOutcome::Failed;
    data.DeformCorr = 0;
    return DeformOutcome::Zeroed;
}

} // namespace kthread
