// The verdict on a result against its tolerance limits under a stated decision rule.
//
// Guard-banded (the default): conformance is proven only when the result lies inside the limits
// shrunk by U on each side, non-conformance only when it lies outside the limits widened by U;
// in between neither can be proven. Simple acceptance: inside the limits (boundaries included)
// conforms, outside does not, whatever U is.
#pragma once

#include <optional>

namespace kthread::uncertainty {

enum class DecisionRule {
    GuardBanded,      // conformance zone shrunk by U, non-conformance zone widened by U
    SimpleAcceptance, // the limits themselves, no guard band
};

enum class Conformity { Conforms, DoesNotConform, NotProvable };

enum class LimitSide { Lower, Upper };

struct ConformityVerdict {
    Conformity conformity = Conformity::NotProvable;
    // Distance of the result inside the acceptance zone (the limits shrunk by U under the
    // guard-banded rule, the limits under simple acceptance); negative outside it. mm.
    double margin = 0;
    // Distance to the nearer limit itself, negative outside the limits. mm.
    double distanceToLimit = 0;
    LimitSide nearerLimit = LimitSide::Lower;
};

// Empty when a value is not finite, U is negative or lower > upper. Boundaries belong to the
// zone they close: a result exactly at lower + U conforms, one exactly at lower - U is not
// provable.
std::optional<ConformityVerdict> DecideConformity(double result, double expandedUncertainty,
                                                  double lower, double upper,
                                                  DecisionRule rule = DecisionRule::GuardBanded);

} // namespace kthread::uncertainty
