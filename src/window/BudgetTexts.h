// The texts of the uncertainty budget: language texts 0130 to 0158, each with its English
// wording for a language table that lacks it (the built-in table carries only the texts of the
// original program).
#pragma once

#include <QString>

namespace kthread {

enum BudgetTextNumber : int {
    BudgetTab = 130,
    InputQuantityHeader = 131,
    ValueHeader = 132,
    UnitHeader = 133,
    DistributionHeader = 134,
    StandardUncertaintyHeader = 135,
    SensitivityHeader = 136,
    ContributionHeader = 137,
    ShareHeader = 138,
    ModulusRow = 139,
    PartTemperatureRow = 140,
    ProbeTemperatureRow = 141,
    PartExpansionRow = 142,
    ProbeExpansionRow = 143,
    FirstFormText = 144, // to 148, in the order of EntryForm
    CombinedUncertainty = 149,
    EffectiveDegrees = 150,
    CoverageFactorText = 151,
    ExpandedUncertainty = 152,
    DecisionRuleText = 153,
    GuardBandedRule = 154,
    SimpleAcceptanceRule = 155,
    SensitivityFailedNote = 156,
    NotNearLinearNote = 157,
    UnusableUncertaintyNote = 158,
};

inline constexpr int kFirstBudgetText = 130;
inline constexpr int kLastBudgetText = 158;

// The active language's text, or the English one when the table has none.
QString BudgetText(int number);

// The English wording of a text; empty outside kFirstBudgetText..kLastBudgetText.
QString EnglishBudgetText(int number);

} // namespace kthread
