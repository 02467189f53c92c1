#include "engine/uncertainty/ConformityDecision.h"

#include <cmath>

namespace kthread::uncertainty {

std::optional<ConformityVerdict> DecideConformity(double result, double expandedUncertainty,
                                                  double lower, double upper, DecisionRule rule) {
    if (!std::isfinite(result) || !std::isfinite(expandedUncertainty) || !std::isfinite(lower) ||
        !std::isfinite(upper) || expandedUncertainty < 0 || lower > upper)
        return std::nullopt;

    const double U = expandedUncertainty;
    ConformityVerdict v;
    const double fromLower = result - lower;
    const double toUpper = upper - result;
    v.nearerLimit = fromLower <= toUpper ? LimitSide::Lower : LimitSide::Upper;
    v.distanceToLimit = v.nearerLimit == LimitSide::Lower ? fromLower : toUpper;

    if (rule == DecisionRule::SimpleAcceptance) {
        v.margin = v.distanceToLimit;
        v.conformity = v.margin >= 0 ? Conformity::Conforms : Conformity::DoesNotConform;
        return v;
    }

    // Compare with the moved limits themselves, so that a boundary value lands where it should.
    const bool insideShrunk = result >= lower + U && result <= upper - U;
    const bool outsideWidened = result < lower - U || result > upper + U;
    v.margin = v.distanceToLimit - U;
    v.conformity = insideShrunk     ? Conformity::Conforms
                   : outsideWidened ? Conformity::DoesNotConform
                                    : Conformity::NotProvable;
    return v;
}

} // namespace kthread::uncertainty
