// Flank angles as typed on the command line: decimal degrees ("30", "29.5") or
// degrees:minutes:seconds ("29:30:0", minutes and seconds optional from the right: "29:30").
// Each part is a number as cli/NumberReading.h reads one, and may be padded with zeros
// ("29:05:00").
#pragma once

#include "engine/Measurement.h"

#include <optional>
#include <string>
#include <string_view>

namespace kthread::cli {

using DegMinSec = AngleDms;

// Parses and checks the window's limits: degrees 0 to 90, minutes and seconds 0 to 59. On
// failure returns empty and, when `error` is given, says why.
std::optional<DegMinSec> ParseFlankAngle(std::string_view text, std::string* error = nullptr);

// (deg + min/60 + sec/3600) * pi/180.
double FlankRadians(const DegMinSec& angle);

} // namespace kthread::cli
