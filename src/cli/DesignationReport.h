// The lines a designation adds to one measurement's answer, in the "Name: value" form of
// cli/ResultReport.h: the designation, the pitch-diameter limits, and when they were computed
// the verdict with its margin, the conformity decision and the reading window.
#pragma once

#include "cli/ResultReport.h"
#include "engine/designation/ReadingWindow.h"
#include "engine/designation/ThreadLimits.h"
#include "engine/uncertainty/ConformityDecision.h"

#include <optional>
#include <vector>

namespace kthread::cli {

struct DesignationOutcome {
    designation::ThreadLimits limits;
    std::optional<designation::Verdict> verdict;            // with a pitch diameter
    std::optional<uncertainty::ConformityVerdict> decision; // with its uncertainty as well
    uncertainty::DecisionRule rule = uncertainty::DecisionRule::GuardBanded;
    std::optional<designation::ReadingWindow> window; // with the probes in use
};

// Lengths in mm with 5 decimals, or with `inch` in inches with 6, as the results are; margins
// in micrometres, or in 0.0001 in, with one decimal ("Margin (µm): 43.0").
std::vector<ResultLine> DesignationLines(const DesignationOutcome& outcome, bool inch);

} // namespace kthread::cli
