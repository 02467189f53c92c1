#include "engine/uncertainty/UncertaintyBudget.h"

#include "engine/uncertainty/CoverageFactor.h"
#include "engine/uncertainty/Sensitivity.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace kthread::uncertainty {
namespace {

constexpr std::size_t kMaxInputs = kInputQuantityCount + 2; // three independent probes

bool OptionsUsable(const BudgetOptions& options) {
    if (options.coverage == CoverageRule::FixedFactor)
        return std::isfinite(options.coverageFactor) && options.coverageFactor > 0;
    return options.coverageProbability > 0 && options.coverageProbability < 1;
}

// Input values held on the stack: the model is evaluated some fifty times per budget.
struct Values {
    std::array<double, kMaxInputs> items{};
    std::size_t count = 0;
    std::span<const double> view() const { return {items.data(), count}; }
};

} // namespace

double DifferenceStep(InputQuantity quantity, double value) {
    switch (quantity) {
    case InputQuantity::GivenValue:
    case InputQuantity::ProbeDiam:
    case InputQuantity::Pitch:
        return 1e-4; // mm
    case InputQuantity::FlankAngle1:
    case InputQuantity::FlankAngle2:
        return 1e-5; // rad, about 2"
    case InputQuantity::Force:
    case InputQuantity::ThreadModulus:
        return 1e-4 * std::abs(value);
    case InputQuantity::PartTemperature:
    case InputQuantity::ProbeTemperature:
        return 1e-3; // K
    case InputQuantity::PartExpansion:
    case InputQuantity::ProbeExpansion:
        return 1e-8; // 1/K
    }
    return 1e-4;
}

BudgetResult CalcUncertaintyBudget(const MeasurementModel& model, const BudgetOptions& options) {
    BudgetResult out;
    if (!OptionsUsable(options)) {
        out.error = BudgetError::InvalidOptions;
        return out;
    }

    const std::vector<ModelInput> inputs = ModelInputs(model);
    Values nominal;
    nominal.count = inputs.size();
    for (std::size_t i = 0; i < inputs.size(); ++i)
        nominal.items[i] = inputs[i].value;

    const std::optional<double> y = EvaluateMeasurand(model, inputs, nominal.view());
    if (!y) {
        out.error = BudgetError::ModelFailed;
        return out;
    }

    UncertaintyBudget& budget = out.budget;
    budget.measurand = MeasurandOf(model.record);
    budget.result = *y;
    budget.rows.reserve(inputs.size());

    double variance = 0;
    double meanShift = 0;
    double secondOrderVariance = 0;
    double slopeChangeVariance = 0;
    bool edgeWithinU = false;
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        const ModelInput& input = inputs[i];
        const InputUncertainty& stated = model.inputs[input.quantity];
        const std::optional<double> u = StandardUncertaintyOf(stated);
        if (!u) {
            out.error = BudgetError::InvalidUncertainty;
            out.failedInput = input.quantity;
            return out;
        }

        Values shifted = nominal;
        auto at = [&](double v) {
            shifted.items[i] = v;
            return EvaluateMeasurand(model, inputs, shifted.view());
        };
        const double h = DifferenceStep(input.quantity, input.value);
        const SensitivityEstimate c =
            h > 0 ? EstimateSensitivity(at, input.value, *y, h) : SensitivityEstimate{true, 0};
        if (!c.ok) {
            out.error = BudgetError::SensitivityFailed;
            out.failedInput = input.quantity;
            return out;
        }

        BudgetRow row;
        row.quantity = input.quantity;
        row.probe = input.probe;
        row.value = input.value;
        row.distribution = stated.distribution;
        row.standardUncertainty = *u;
        row.degreesOfFreedom = stated.degreesOfFreedom;
        row.sensitivity = c.value;
        row.contribution = std::abs(c.value) * *u;
        row.acrossStep = c.acrossStep;
        variance += row.contribution * row.contribution;

        if (*u > 0) {
            const std::optional<double> up = at(input.value + *u);
            const std::optional<double> down = at(input.value - *u);
            if (up && down) {
                row.curvature = (*up + *down) / 2 - *y;
                const double secant = (*up - *down) / (2 * *u);
                meanShift += row.curvature;
                secondOrderVariance += 2 * row.curvature * row.curvature;
                const double slopeChange = (secant - c.value) * *u;
                slopeChangeVariance += slopeChange * slopeChange;
            } else {
                edgeWithinU = true;
            }
        }
        budget.rows.push_back(row);
    }

    const double uc = std::sqrt(variance);
    budget.combinedUncertainty = uc;

    double dofDenominator = 0;
    for (BudgetRow& row : budget.rows) {
        row.varianceShare = variance > 0 ? row.contribution * row.contribution / variance : 0;
        if (std::isfinite(row.degreesOfFreedom) && row.contribution > 0) {
            const double c2 = row.contribution * row.contribution;
            dofDenominator += c2 * c2 / row.degreesOfFreedom;
        }
    }
    budget.effectiveDof = dofDenominator > 0 ? variance * variance / dofDenominator : kInfiniteDof;

    budget.coverageFactor = options.coverage == CoverageRule::FixedFactor
                                ? options.coverageFactor
                                : StudentTCoverageFactor(options.coverageProbability,
                                                         std::max(1.0, budget.effectiveDof));
    budget.expandedUncertainty = budget.coverageFactor * uc;
    budget.meanShift = meanShift;

    if (edgeWithinU) {
        budget.nonlinearity = std::numeric_limits<double>::infinity();
    } else if (uc > 0) {
        budget.nonlinearity = std::max({std::abs(meanShift), std::sqrt(secondOrderVariance),
                                        std::sqrt(slopeChangeVariance)}) /
                              uc;
    }
    budget.nearLinear = budget.nonlinearity <= kNearLinearLimit;
    return out;
}

} // namespace kthread::uncertainty
