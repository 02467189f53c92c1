// The uncertainty of one measurement as kthread-calc evaluates it, for the single measurement and
// the batch formats alike: the engine's model with the laboratory's thermal defaults (no
// temperature correction, only its uncertainty) and the probes of a set sharing one calibrated
// diameter, k = 2; and the conformity decision on the pitch diameter.
#pragma once

#include "engine/PitchDiam.h"
#include "engine/uncertainty/ConformityDecision.h"
#include "engine/uncertainty/MeasurementModel.h"
#include "engine/uncertainty/UncertaintyBudget.h"

#include <optional>
#include <span>
#include <string_view>

namespace kthread::cli {

// The model of the measurement `record` (its inputs; results are not read) with `inputs` in the
// record's units.
uncertainty::MeasurementModel ModelOf(const TPitchDiamData& record,
                                      const uncertainty::UncertaintyInputs& inputs);

// The expanded uncertainty of the pitch diameter for the conformity decision. When the pitch
// diameter is the budget's result, the budget's U; when the pitch diameter was given (the result
// is then the size over the probes), the given value's own standard uncertainty times the
// budget's k. Empty when that uncertainty is not usable.
std::optional<double> PitchDiamExpandedUncertainty(const uncertainty::UncertaintyBudget& budget,
                                                   const uncertainty::UncertaintyInputs& inputs);

// Command-line names of the decision rules: "guard-banded", "simple".
std::span<const std::string_view> DecisionRuleNames();

// "guard-banded (ISO 14253-1)", "simple acceptance".
std::string_view DecisionRuleText(uncertainty::DecisionRule rule);

// "conforms", "does not conform", "not provable".
std::string_view ConformityText(uncertainty::Conformity conformity);

} // namespace kthread::cli
