// The deformation step as every solver path takes it.
#pragma once

namespace kthread {

class FpFaultScope;
struct TPitchDiamData;

enum class DeformOutcome {
    Applied, // F > 0 and DeformCorr was written: apply it
    Failed,  // F > 0 but the correction faulted: DeformCorr unchanged, the path goes on
    Zeroed,  // F <= 0: DeformCorr set to 0
    Fault,   // F is not a number: an invalid comparison, the calculation fails
};

// F > 0 runs CalcDeformCorr (whose own faults stay inside it), F <= 0 writes DeformCorr = 0.
DeformOutcome RunDeformStep(TPitchDiamData& data, const FpFaultScope& scope);

} // namespace kthread
