// An input's uncertainty as typed on the command line: VALUE[:FORM], VALUE in the option's unit
// and a number by the one number rule (cli/NumberReading.h). FORM says what VALUE is:
//   normal   an expanded uncertainty with k = 2, normal distribution ("0.0004:normal")
//   k=K      the same with the coverage factor K ("0.0006:k=3")
//   rect     the half-width of a rectangular distribution ("0.0833:rect")
//   tri      the half-width of a triangular distribution
//   arcsine  the half-width of a U-shaped (arcsine) distribution
//   std      the standard uncertainty itself
// Without FORM, VALUE is stated in the input's default form (that of the laboratory's default
// for it: normal for the reading, the probes and the pitch, rect for the others).
#pragma once

#include "engine/uncertainty/InputUncertainty.h"

#include <optional>
#include <string>
#include <string_view>

namespace kthread::cli {

// `toRecordUnit` converts the option's unit to the record's (25.4 for inches, pi/180 for
// degrees, 1e9 for GPa, 1 otherwise). On failure returns empty and, when `error` is given,
// says why.
std::optional<uncertainty::InputUncertainty>
ParseUncertaintyText(std::string_view text, const uncertainty::InputUncertainty& defaultForm,
                     double toRecordUnit, std::string* error = nullptr);

// The statement written back in the option's unit, as ParseUncertaintyText reads it:
// "0.001:k=2", "0.0833333:rect".
std::string UncertaintyText(const uncertainty::InputUncertainty& stated, double toRecordUnit);

// "normal", "rectangular", "triangular", "arcsine".
std::string_view DistributionName(uncertainty::Distribution distribution);

} // namespace kthread::cli
