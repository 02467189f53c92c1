// The four ways through CalcPitchDiam. Each returns CalcPitchDiam's result; fields are written
// in the order the steps name them, so a fault leaves the earlier writes in place.
#pragma once

#include "engine/ContactAngle.h"

namespace kthread {

class FpFaultScope;
struct AngleTerms;
struct TPitchDiamData;

// Cylindrical and internal taper threads (types 0, 1, 3).
bool SolveCylindricalSizeGiven(TPitchDiamData& data, const AngleTerms& terms,
                               const FpFaultScope& scope);
bool SolveCylindricalPitchDiamGiven(TPitchDiamData& data, const AngleTerms& terms,
                                    const FpFaultScope& scope);

// External taper thread (type 2).
bool SolveTaperSizeGiven(TPitchDiamData& data, const AngleTerms& terms, const FpFaultScope& scope);
bool SolveTaperPitchDiamGiven(TPitchDiamData& data, const AngleTerms& terms,
                              const FpFaultScope& scope);

inline constexpr int kMaxSizePasses = 100;

// Solves the size m (SizeCtr) that gives the record's PitchDiam: starts from the wire formula
// without helix and corrects m by the pitch-diameter error, at most kMaxSizePasses times. A
// pass whose contact angle has no value leaves m alone. False on a fault, or when an iterated
// contact angle does not converge.
bool SolveSizeForPitchDiam(TPitchDiamData& data, const AngleTerms& terms, InnerMode mode,
                           const FpFaultScope& scope);

// The closing steps when the pitch diameter is given: the deformation correction takes s*A2
// off the solved size m (when it succeeds), then M = m + D.
bool FinishSizesForPitchDiam(TPitchDiamData& data, double sideSign, const FpFaultScope& scope);

} // namespace kthread
