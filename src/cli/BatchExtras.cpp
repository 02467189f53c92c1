#include "cli/BatchExtras.h"

#include "cli/DesignationFit.h"
#include "cli/RecordFields.h"
#include "cli/UncertaintyModel.h"
#include "engine/NumberText.h"
#include "engine/uncertainty/LabDefaults.h"

#include <variant>

namespace kthread::cli {

namespace {

constexpr std::array<std::string_view, kExtraKeyCount> kExtraKeyNames{
    "Designation",    "uGiven",          "uProbeDiam",     "uPitch",           "uFlankAngle1",
    "uFlankAngle2",   "uForce",          "uThreadModulus", "uPartTemperature", "uProbeTemperature",
    "uPartExpansion", "uProbeExpansion",
};

// The record field of each FixedField, by name so that the two tables cannot drift apart.
struct FixedFieldColumns {
    std::array<std::size_t, kFixedFieldCount> index{};
    FixedFieldColumns() {
        constexpr std::array<std::string_view, kFixedFieldCount> kNames{
            "ThreadType", "Pitch", "Starts", "FlankAngle1", "FlankAngle2"};
        for (std::size_t i = 0; i < kNames.size(); ++i) {
            index[i] = *FindField(kNames[i]);
        }
    }
};

const FixedFieldColumns& FixedColumns() {
    static const FixedFieldColumns columns;
    return columns;
}

StatedFields StatedOf(std::uint32_t fieldsGiven) {
    StatedFields stated = 0;
    for (std::size_t i = 0; i < kFixedFieldCount; ++i) {
        if ((fieldsGiven & (1U << FixedColumns().index[i])) != 0) {
            stated |= StatedBit(static_cast<FixedField>(i));
        }
    }
    return stated;
}

std::string ConflictMessage(const FieldConflict& conflict, const designation::ThreadLimits& l) {
    const std::size_t column = FixedColumns().index[static_cast<std::size_t>(conflict.field)];
    return std::string(RecordFields()[column].name) + " " + FormatGeneral(conflict.stated) +
           " conflicts with the designation " + l.designation.text + " (" +
           FormatGeneral(conflict.designation) + "); leave the field out or change one of them";
}

} // namespace

std::optional<ExtraKey> FindExtraKey(std::string_view name) {
    for (std::size_t i = 0; i < kExtraKeyNames.size(); ++i) {
        if (kExtraKeyNames[i] == name) {
            return static_cast<ExtraKey>(i);
        }
    }
    return std::nullopt;
}

std::string_view ExtraKeyName(ExtraKey key) {
    return kExtraKeyNames[static_cast<std::size_t>(key)];
}

uncertainty::InputQuantity QuantityOf(ExtraKey key) {
    return static_cast<uncertainty::InputQuantity>(static_cast<std::size_t>(key) - 1);
}

std::optional<std::string> CalcRecordWithExtras(const LineExtras& extras,
                                                uncertainty::DecisionRule rule,
                                                TPitchDiamData& record, bool& ok,
                                                ExtraResults& results) {
    std::optional<designation::ThreadLimits> limits;
    if (extras.HasDesignation()) {
        const StatedFields stated = StatedOf(extras.fieldsGiven);
        const bool typeStated = (stated & StatedBit(FixedField::ThreadType)) != 0;
        auto parsed = LimitsOfDesignation(
            extras.designation,
            UnstatedSide(typeStated ? std::optional(record.ThreadType) : std::nullopt));
        if (const std::string* error = std::get_if<std::string>(&parsed)) {
            return "Designation: " + *error;
        }
        limits = std::get<designation::ThreadLimits>(std::move(parsed));
        if (const auto conflict = FitRecordToDesignation(*limits, stated, record)) {
            return ConflictMessage(*conflict, *limits);
        }
    }

    uncertainty::UncertaintyInputs inputs = uncertainty::LabDefaultInputs();
    if (extras.HasUncertainty()) {
        for (std::size_t k = 1; k < kExtraKeyCount; ++k) {
            const auto key = static_cast<ExtraKey>(k);
            if ((extras.keys & ExtraBit(key)) == 0) {
                continue;
            }
            const double u = extras.u[static_cast<std::size_t>(QuantityOf(key))];
            if (!(u >= 0)) {
                return std::string(ExtraKeyName(key)) + ": must be 0 or more, got " +
                       FormatGeneral(u);
            }
            inputs[QuantityOf(key)] = {uncertainty::StatedAs::StandardUncertainty, u};
        }
    }

    const TPitchDiamData input = record;
    ok = CalcPitchDiam(record);
    if (limits) {
        results.limits = true;
        results.pitchDiamMin = limits->pitchDiamMinMm;
        results.pitchDiamMax = limits->pitchDiamMaxMm;
        if (ok) {
            if (const auto verdict = designation::VerdictOf(record.PitchDiam, *limits)) {
                results.verdict = verdict->kind;
            }
        }
    }
    if (extras.HasUncertainty()) {
        results.uncertainty = true;
        uncertainty::BudgetResult budget;
        budget.error = uncertainty::BudgetError::ModelFailed;
        if (ok) {
            budget = uncertainty::CalcUncertaintyBudget(ModelOf(input, inputs));
        }
        if (budget) {
            results.expanded = budget.budget.expandedUncertainty;
            results.coverageFactor = budget.budget.coverageFactor;
            const auto U = PitchDiamExpandedUncertainty(budget.budget, inputs);
            if (limits && U) {
                if (const auto decision =
                        uncertainty::DecideConformity(record.PitchDiam, *U, limits->pitchDiamMinMm,
                                                      limits->pitchDiamMaxMm, rule)) {
                    results.conformity = decision->conformity;
                }
            }
        }
    }
    return std::nullopt;
}

} // namespace kthread::cli
