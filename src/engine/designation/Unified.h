// Unified inch screw threads: the standard series (UNC, UNF, UNEF), the constant-pitch
// n-UN series and the pitch-diameter tolerances and allowances of the classes 1A to 3B.
#pragma once

#include "engine/designation/Designation.h"

#include <optional>
#include <span>
#include <string_view>

namespace kthread::designation {

struct UnifiedSize {
    std::string_view name; // "#10", "1/2", "1 1/4"
    double diam = 0;       // basic major diameter, inches, four decimals
    double coarseTpi = 0;  // threads per inch of UNC, UNF, UNEF; 0 where the series has none
    double fineTpi = 0;
    double extraFineTpi = 0;
};

// Number sizes #0 to #12, then fractional sizes 1/4 in to 6 in, ascending.
std::span<const UnifiedSize> UnifiedSizes();

// The constant-pitch thread counts (4, 6, 8, 12, 16, 20, 28, 32).
std::span<const int> ConstantPitchThreadCounts();

// True when `tpi` UN is a constant-pitch combination for this size: inside the series'
// diameter range and not already the UNC, UNF or UNEF pitch of the size.
bool IsConstantPitchCombination(const UnifiedSize& size, double tpi);

// Threads per inch of a standard series for a size; 0 when the size is not in that series.
double SeriesThreadsPerInch(const UnifiedSize& size, UnifiedSeries series);

// The size whose basic major diameter is `inches` (to 0.00005 in); null if none.
const UnifiedSize* FindUnifiedSizeByDiam(double inches);

// Class 1 exists only for the coarse and fine series.
bool UnifiedClassDefined(UnifiedSeries series, int grade);

// Pitch-diameter limits in inches as the standard prints them (four decimals).
struct UnifiedPitchLimits {
    double basic = 0; // basic pitch diameter, four decimals
    double min = 0;
    double max = 0;
    double tolerance = 0; // of the class, six decimals
    double allowance = 0; // es of 1A and 2A, four decimals; 0 otherwise
};

// `grade` 1..3, `side` External for A, Internal for B.
UnifiedPitchLimits UnifiedLimits(double diam, double tpi, UnifiedSeries series, int grade,
                                 Side side);

} // namespace kthread::designation
