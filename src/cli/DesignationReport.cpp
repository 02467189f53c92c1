#include "cli/DesignationReport.h"

#include "cli/DesignationFit.h"
#include "cli/UncertaintyModel.h"
#include "engine/Measurement.h"
#include "engine/NumberText.h"

namespace kthread::cli {

namespace {

constexpr double kMicrometresPerMm = 1000;
constexpr double kTenThousandthsPerInch = 10000;

std::string MarginName(const char* what, bool inch) {
    return std::string(what) + (inch ? " (0.0001 in)" : " (\u00B5m)");
}

std::string Margin(double mm, bool inch) {
    const double shown =
        inch ? mm / kMillimetresPerInch * kTenThousandthsPerInch : mm * kMicrometresPerMm;
    return FormatFixed(shown, 8, 1);
}

} // namespace

std::vector<ResultLine> DesignationLines(const DesignationOutcome& outcome, bool inch) {
    const designation::ThreadLimits& limits = outcome.limits;
    const std::string symbol = limits.threadType == 0 ? "d2" : "D2";
    std::vector<ResultLine> lines;
    lines.push_back({"Designation", limits.designation.text});
    lines.push_back(
        {"Pitch diameter min (" + symbol + ")", FormatLength(limits.pitchDiamMinMm, inch)});
    lines.push_back(
        {"Pitch diameter max (" + symbol + ")", FormatLength(limits.pitchDiamMaxMm, inch)});
    if (outcome.verdict) {
        lines.push_back({"Verdict", std::string(VerdictText(outcome.verdict->kind))});
        lines.push_back({MarginName("Margin", inch), Margin(outcome.verdict->marginMm, inch)});
    }
    if (outcome.decision) {
        lines.push_back({"Decision rule", std::string(DecisionRuleText(outcome.rule))});
        lines.push_back({"Conformity", std::string(ConformityText(outcome.decision->conformity))});
        lines.push_back(
            {MarginName("Margin after U", inch), Margin(outcome.decision->margin, inch)});
    }
    if (outcome.window) {
        const std::string reading =
            outcome.window->reading == designation::Reading::SizeCtr ? "m" : "M";
        const designation::ReadingWindow& shown = *outcome.window;
        lines.push_back({"Reading window " + reading + " min", FormatLength(shown.minMm, inch)});
        lines.push_back({"Reading window " + reading + " max", FormatLength(shown.maxMm, inch)});
    }
    return lines;
}

} // namespace kthread::cli
