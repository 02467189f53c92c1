// Texts shared by the parser, the canonical designation text and the catalogue.
#pragma once

#include "engine/designation/Designation.h"
#include "engine/designation/IsoMetric.h"
#include "engine/designation/Trapezoidal.h"

#include <string>

namespace kthread::designation {

// Micrometres as millimetres without trailing zeros: 1250 -> "1.25", 10000 -> "10".
std::string MillimetreText(int micrometres);

// A thread count or similar positive number without trailing zeros: 13 -> "13", 4.5 -> "4.5".
std::string PlainNumberText(double value);

// "1.5, 1.25, 1, 0.75": the pitches of a diameter, coarse first.
std::string IsoPitchList(const IsoMetricSize& size);
std::string TrapezoidalPitchList(const TrapezoidalSize& size);

const char* UnifiedSeriesName(UnifiedSeries series); // "UNC", "UNF", "UNEF", "UN"

// "6g", "5g6g", "2A", "7e".
std::string ClassText(const Designation& d);

} // namespace kthread::designation
