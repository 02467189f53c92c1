#include "cli/SingleMeasurement.h"

#include "cli/DesignationReport.h"
#include "cli/ResultReport.h"
#include "cli/UncertaintyModel.h"
#include "cli/UncertaintyReport.h"
#include "engine/NumberText.h"
#include "engine/designation/ReadingWindow.h"
#include "engine/uncertainty/UncertaintyBudget.h"

namespace kthread::cli {

namespace {

std::string_view InputName(uncertainty::InputQuantity quantity) {
    using uncertainty::InputQuantity;
    switch (quantity) {
    case InputQuantity::GivenValue:
        return "the given value";
    case InputQuantity::ProbeDiam:
        return "the probe diameter";
    case InputQuantity::Pitch:
        return "the pitch";
    case InputQuantity::FlankAngle1:
        return "the first flank angle";
    case InputQuantity::FlankAngle2:
        return "the second flank angle";
    case InputQuantity::Force:
        return "the measuring force";
    case InputQuantity::ThreadModulus:
        return "the thread modulus";
    case InputQuantity::PartTemperature:
        return "the part's temperature";
    case InputQuantity::ProbeTemperature:
        return "the probes' temperature";
    case InputQuantity::PartExpansion:
        return "the part's expansion coefficient";
    case InputQuantity::ProbeExpansion:
        return "the probes' expansion coefficient";
    }
    return "an input";
}

std::string BudgetFailure(const uncertainty::BudgetResult& result) {
    using uncertainty::BudgetError;
    const std::string input(InputName(result.failedInput));
    switch (result.error) {
    case BudgetError::None:
        break;
    case BudgetError::InvalidUncertainty:
        return "the uncertainty of " + input + " is not usable";
    case BudgetError::InvalidOptions:
        return "the coverage factor is not usable";
    case BudgetError::ModelFailed:
        return "the calculation fails at the nominal inputs";
    case BudgetError::SensitivityFailed:
        return "the calculation has no value on either side of " + input;
    }
    return {};
}

} // namespace

SingleAnswer AnswerSingleMeasurement(const SingleMeasurement& m) {
    SingleAnswer answer;
    TPitchDiamData input{};
    if (m.request) {
        input = BuildRecord(*m.request);
        if (m.designation) {
            designation::ApplyToRecord(*m.designation, input);
        }
    }
    TPitchDiamData record = input;
    std::vector<ResultLine> lines;
    std::optional<uncertainty::UncertaintyBudget> budget;
    const bool computed = m.request && m.calculate;
    if (computed) {
        if (!CalcPitchDiam(record)) {
            answer.failure = "no solution for these inputs (the calculation failed)";
            return answer;
        }
        lines = ResultLines(record, m.inch);
        if (!OptimalProbeDiam(record.Pitch, record.FlankAngle1, record.FlankAngle2)) {
            answer.notes.push_back("these flank angles have no optimal probe diameter");
        }
        if (m.uncertainty) {
            const uncertainty::BudgetResult result =
                uncertainty::CalcUncertaintyBudget(ModelOf(input, *m.uncertainty));
            if (!result) {
                answer.failure =
                    "the uncertainty budget cannot be evaluated: " + BudgetFailure(result);
                return answer;
            }
            budget = result.budget;
            const std::vector<ResultLine> more = UncertaintyLines(*budget, input, m.inch);
            lines.insert(lines.end(), more.begin(), more.end());
            if (!budget->nearLinear) {
                answer.notes.push_back(
                    "the model is not near-linear within +-u of its inputs (higher-order terms " +
                    FormatGeneral(100 * budget->nonlinearity, 2) +
                    " % of u_c): U is a first-order estimate");
            }
        }
    }
    if (m.designation) {
        DesignationOutcome outcome;
        outcome.limits = *m.designation;
        outcome.rule = m.rule;
        if (computed) {
            outcome.verdict = designation::VerdictOf(record.PitchDiam, *m.designation);
            if (budget) {
                if (const auto U = PitchDiamExpandedUncertainty(*budget, *m.uncertainty)) {
                    outcome.decision = uncertainty::DecideConformity(
                        record.PitchDiam, *U, m.designation->pitchDiamMinMm,
                        m.designation->pitchDiamMaxMm, m.rule);
                }
            }
        }
        if (m.request) {
            outcome.window = designation::ReadingWindowOf(*m.designation, input);
            if (outcome.window) {
                // As printed: a reading at a printed end still gives a good part.
                outcome.window = designation::ShownReadingWindow(
                    designation::ReadingWindowBySizePath(*outcome.window, *m.designation, input),
                    *m.designation, input, LengthDecimals(m.inch),
                    m.inch ? kMillimetresPerInch : 1);
            } else {
                answer.notes.push_back("the reading window cannot be computed for this set-up");
            }
        }
        const std::vector<ResultLine> more = DesignationLines(outcome, m.inch);
        lines.insert(lines.end(), more.begin(), more.end());
    }
    answer.text = FormatResultLines(lines);
    if (budget) {
        answer.text += BudgetTable(*budget, input, m.inch);
    }
    answer.ok = true;
    return answer;
}

} // namespace kthread::cli
