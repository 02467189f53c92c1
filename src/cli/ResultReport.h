// The answer to one measurement as the window shows it: the two quantities that were not given,
// the deformation correction A2 and the optimal probe diameter, each on a "Name: value" line.
#pragma once

#include "engine/PitchDiam.h"

#include <string>
#include <vector>

namespace kthread::cli {

struct ResultLine {
    std::string name;
    std::string value;
};

// `record` is the record completed by the engine. Lengths in mm with 5 decimals, or with `inch`
// in inches with 6 decimals (the optimal diameter keeps 5). The optimal probe diameter is left
// out when the flank angles give none.
std::vector<ResultLine> ResultLines(const TPitchDiamData& record, bool inch);

// A length as the results show it: mm with 5 decimals, or with `inch` inches with 6.
std::string FormatLength(double mm, bool inch);
// The decimals FormatLength writes.
int LengthDecimals(bool inch);

// One line per result: "Pitch diameter (d2): 18.70062".
std::string FormatResultLines(const std::vector<ResultLine>& lines);

} // namespace kthread::cli
