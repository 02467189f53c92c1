// The verdict on a pitch diameter against a designation's limits, as the window shows it: the
// conformity decision under a decision rule, and for a part that does not conform the side it
// falls on.
#pragma once

#include "engine/designation/ThreadLimits.h"
#include "engine/uncertainty/ConformityDecision.h"

#include <QString>
#include <optional>

namespace kthread {

// The expanded uncertainty the verdict allows for, and the rule that decides with it.
struct VerdictAllowance {
    double expandedUncertaintyMM = 0;
    uncertainty::DecisionRule rule = uncertainty::DecisionRule::SimpleAcceptance;
};

enum class VerdictWord { WithinLimits, Undersize, Oversize, NotProvable };

struct PitchDiamVerdict {
    VerdictWord word = VerdictWord::NotProvable;
    // Inside the acceptance zone, negative outside it; millimetres.
    double marginMM = 0;
};

// Empty when the decision cannot be made (a value that is not finite, a negative uncertainty).
std::optional<PitchDiamVerdict> JudgePitchDiam(double pitchDiamMM,
                                               const designation::ThreadLimits& limits,
                                               const VerdictAllowance& allowance);

// "within limits, margin 43.0 µm" in the active language.
QString VerdictText(const PitchDiamVerdict& verdict, bool inch);

} // namespace kthread
