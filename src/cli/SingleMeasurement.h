// One measurement from the command line and its whole answer: the results, the expanded
// uncertainty, the lines of a designation, and the uncertainty budget, in that order.
#pragma once

#include "cli/MeasurementRequest.h"
#include "engine/designation/ThreadLimits.h"
#include "engine/uncertainty/ConformityDecision.h"
#include "engine/uncertainty/MeasurementModel.h"

#include <optional>
#include <string>
#include <vector>

namespace kthread::cli {

struct SingleMeasurement {
    // The measurement's set-up; empty for a designation given without probes (its limits only).
    std::optional<MeasurementRequest> request;
    // False when no value was given: the set-up then only serves the reading window.
    bool calculate = true;
    // Its geometry has been checked against the request's and replaces it exactly.
    std::optional<designation::ThreadLimits> designation;
    // The inputs' uncertainties in the record's units; empty without --uncertainty.
    std::optional<uncertainty::UncertaintyInputs> uncertainty;
    uncertainty::DecisionRule rule = uncertainty::DecisionRule::GuardBanded;
    bool inch = false;
};

struct SingleAnswer {
    bool ok = false;
    std::string text;               // for standard output
    std::vector<std::string> notes; // remarks that do not fail the run, for standard error
    std::string failure;            // why there is no answer, when !ok (the text is then empty)
};

SingleAnswer AnswerSingleMeasurement(const SingleMeasurement& measurement);

} // namespace kthread::cli
