// What --uncertainty adds to one measurement's answer: the expanded uncertainty with its
// coverage factor as "Name: value" lines, and the budget as an aligned table with one row per
// input (value, unit, distribution, standard uncertainty, sensitivity, contribution, share).
#pragma once

#include "cli/ResultReport.h"
#include "engine/PitchDiam.h"
#include "engine/uncertainty/UncertaintyBudget.h"

#include <string>
#include <vector>

namespace kthread::cli {

// "Expanded uncertainty U (d2)", "Coverage factor k", "Combined standard uncertainty u_c (d2)"
// (M instead of d2 when the pitch diameter was given); lengths as the results are.
std::vector<ResultLine> UncertaintyLines(const uncertainty::UncertaintyBudget& budget,
                                         const TPitchDiamData& record, bool inch);

// The budget table of `record` (the measurement the budget belongs to, for the names of the
// given value and of the result). Inputs in the units of the options (mm or in, degrees, N,
// GPa, K, 1/K), sensitivities in the result's unit per input unit, contributions in the
// result's unit, shares of the variance in percent.
std::string BudgetTable(const uncertainty::UncertaintyBudget& budget, const TPitchDiamData& record,
                        bool inch);

} // namespace kthread::cli
