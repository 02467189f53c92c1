#include "cli/UncertaintyModel.h"

#include "engine/uncertainty/InputUncertainty.h"
#include "engine/uncertainty/LabDefaults.h"

#include <array>

namespace kthread::cli {

namespace {

// In the order of uncertainty::DecisionRule.
constexpr std::array<std::string_view, 2> kDecisionRuleNames{"guard-banded", "simple"};

} // namespace

uncertainty::MeasurementModel ModelOf(const TPitchDiamData& record,
                                      const uncertainty::UncertaintyInputs& inputs) {
    uncertainty::MeasurementModel model;
    model.record = record;
    model.thermal = uncertainty::DefaultThermalConditions(record);
    model.inputs = inputs;
    model.probes = uncertainty::kDefaultProbeCorrelation;
    return model;
}

std::optional<double> PitchDiamExpandedUncertainty(const uncertainty::UncertaintyBudget& budget,
                                                   const uncertainty::UncertaintyInputs& inputs) {
    if (budget.measurand == uncertainty::Measurand::PitchDiam) {
        return budget.expandedUncertainty;
    }
    const auto given =
        uncertainty::StandardUncertaintyOf(inputs[uncertainty::InputQuantity::GivenValue]);
    if (!given) {
        return std::nullopt;
    }
    return budget.coverageFactor * *given;
}

std::span<const std::string_view> DecisionRuleNames() {
    return kDecisionRuleNames;
}

std::string_view DecisionRuleText(uncertainty::DecisionRule rule) {
    return rule == uncertainty::DecisionRule::GuardBanded ? "guard-banded (ISO 14253-1)"
                                                          : "simple acceptance";
}

std::string_view ConformityText(uncertainty::Conformity conformity) {
    switch (conformity) {
    case uncertainty::Conformity::Conforms:
        return "conforms";
    case uncertainty::Conformity::DoesNotConform:
        return "does not conform";
    case uncertainty::Conformity::NotProvable:
        return "not provable";
    }
    return "";
}

} // namespace kthread::cli
