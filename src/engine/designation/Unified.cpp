#include "engine/designation/Unified.h"

#include <array>
#include <cmath>

namespace kthread::designation {
namespace {

constexpr std::array<UnifiedSize, 63> kSizes{{
    {"#0", 0.0600, 0, 80, 0},      {"#1", 0.0730, 64, 72, 0},    {"#2", 0.0860, 56, 64, 0},
    {"#3", 0.0990, 48, 56, 0},     {"#4", 0.1120, 40, 48, 0},    {"#5", 0.1250, 40, 44, 0},
    {"#6", 0.1380, 32, 40, 0},     {"#8", 0.1640, 32, 36, 0},    {"#10", 0.1900, 24, 32, 0},
    {"#12", 0.2160, 24, 28, 32},   {"1/4", 0.2500, 20, 28, 32},  {"5/16", 0.3125, 18, 24, 32},
    {"3/8", 0.3750, 16, 24, 32},   {"7/16", 0.4375, 14, 20, 28}, {"1/2", 0.5000, 13, 20, 28},
    {"9/16", 0.5625, 12, 18, 24},  {"5/8", 0.6250, 11, 18, 24},  {"11/16", 0.6875, 0, 0, 24},
    {"3/4", 0.7500, 10, 16, 20},   {"13/16", 0.8125, 0, 0, 20},  {"7/8", 0.8750, 9, 14, 20},
    {"15/16", 0.9375, 0, 0, 20},   {"1", 1.0000, 8, 12, 20},     {"1 1/16", 1.0625, 0, 0, 18},
    {"1 1/8", 1.1250, 7, 12, 18},  {"1 3/16", 1.1875, 0, 0, 18}, {"1 1/4", 1.2500, 7, 12, 18},
    {"1 5/16", 1.3125, 0, 0, 18},  {"1 3/8", 1.3750, 6, 12, 18}, {"1 7/16", 1.4375, 0, 0, 18},
    {"1 1/2", 1.5000, 6, 12, 18},  {"1 9/16", 1.5625, 0, 0, 18}, {"1 5/8", 1.6250, 0, 0, 18},
    {"1 11/16", 1.6875, 0, 0, 18}, {"1 3/4", 1.7500, 5, 0, 0},   {"1 13/16", 1.8125, 0, 0, 0},
    {"1 7/8", 1.8750, 0, 0, 0},    {"1 15/16", 1.9375, 0, 0, 0}, {"2", 2.0000, 4.5, 0, 0},
    {"2 1/8", 2.1250, 0, 0, 0},    {"2 1/4", 2.2500, 4.5, 0, 0}, {"2 3/8", 2.3750, 0, 0, 0},
    {"2 1/2", 2.5000, 4, 0, 0},    {"2 5/8", 2.6250, 0, 0, 0},   {"2 3/4", 2.7500, 4, 0, 0},
    {"2 7/8", 2.8750, 0, 0, 0},    {"3", 3.0000, 4, 0, 0},       {"3 1/8", 3.1250, 0, 0, 0},
    {"3 1/4", 3.2500, 4, 0, 0},    {"3 3/8", 3.3750, 0, 0, 0},   {"3 1/2", 3.5000, 4, 0, 0},
    {"3 5/8", 3.6250, 0, 0, 0},    {"3 3/4", 3.7500, 4, 0, 0},   {"3 7/8", 3.8750, 0, 0, 0},
    {"4", 4.0000, 4, 0, 0},        {"4 1/4", 4.2500, 0, 0, 0},   {"4 1/2", 4.5000, 0, 0, 0},
    {"4 3/4", 4.7500, 0, 0, 0},    {"5", 5.0000, 0, 0, 0},       {"5 1/4", 5.2500, 0, 0, 0},
    {"5 1/2", 5.5000, 0, 0, 0},    {"5 3/4", 5.7500, 0, 0, 0},   {"6", 6.0000, 0, 0, 0},
}};

constexpr std::array<int, 8> kConstantPitch{4, 6, 8, 12, 16, 20, 28, 32};

struct DiamRange {
    int tpi;
    double from;
    double to;
};

// Diameters (inclusive) over which each constant-pitch series is standard.
constexpr std::array<DiamRange, 8> kConstantPitchRanges{{
    {4, 2.5, 6.0},
    {6, 1.375, 6.0},
    {8, 1.0, 6.0},
    {12, 0.5625, 6.0},
    {16, 0.75, 6.0},
    {20, 0.5, 3.0},
    {28, 0.3125, 1.5},
    {32, 0.25, 1.0},
}};

double Round(double value, int decimals) {
    double scale = std::pow(10.0, decimals);
    // The nudge keeps a decimal half that binary cannot hold exactly from falling below it.
    return std::round(value * scale * (1.0 + 1e-12)) / scale;
}

} // namespace

std::span<const UnifiedSize> UnifiedSizes() {
    return kSizes;
}

std::span<const int> ConstantPitchThreadCounts() {
    return kConstantPitch;
}

double SeriesThreadsPerInch(const UnifiedSize& size, UnifiedSeries series) {
    switch (series) {
    case UnifiedSeries::Coarse:
        return size.coarseTpi;
    case UnifiedSeries::Fine:
        return size.fineTpi;
    case UnifiedSeries::ExtraFine:
        return size.extraFineTpi;
    case UnifiedSeries::ConstantPitch:
        return 0;
    }
    return 0;
}

bool IsConstantPitchCombination(const UnifiedSize& size, double tpi) {
    if (tpi == size.coarseTpi || tpi == size.fineTpi || tpi == size.extraFineTpi) {
        return false;
    }
    for (const DiamRange& r : kConstantPitchRanges) {
        if (r.tpi == tpi) {
            return size.name.front() != '#' && size.diam >= r.from - 1e-9 &&
                   size.diam <= r.to + 1e-9;
        }
    }
    return false;
}

const UnifiedSize* FindUnifiedSizeByDiam(double inches) {
    for (const UnifiedSize& s : kSizes) {
        if (std::abs(s.diam - inches) < 0.00005) {
            return &s;
        }
    }
    return nullptr;
}

bool UnifiedClassDefined(UnifiedSeries series, int grade) {
    if (grade == 1) {
        return series == UnifiedSeries::Coarse || series == UnifiedSeries::Fine;
    }
    return grade == 2 || grade == 3;
}

UnifiedPitchLimits UnifiedLimits(double diam, double tpi, UnifiedSeries series, int grade,
                                 Side side) {
    double p = Round(1.0 / tpi, 8);
    // Twice the addendum of the basic profile: D - E.
    double addendums = Round(0.64951905 * p, 6);
    // The tabulated tolerances assume a length of engagement of one diameter for the coarse and
    // fine series and of nine pitches for the extra-fine and constant-pitch series.
    bool diameterEngagement = series == UnifiedSeries::Coarse || series == UnifiedSeries::Fine;
    double engagement = diameterEngagement ? diam : 9.0 * p;
    double td2ClassTwo =
        0.0015 * std::cbrt(diam) + 0.0015 * std::sqrt(engagement) + 0.015 * std::pow(p, 2.0 / 3.0);

    UnifiedPitchLimits limits;
    limits.basic = Round(diam - addendums, 4);
    if (side == Side::External) {
        constexpr std::array<double, 3> kFactor{1.5, 1.0, 0.75};
        limits.tolerance = Round(kFactor[static_cast<std::size_t>(grade - 1)] * td2ClassTwo, 6);
        limits.allowance = grade == 3 ? 0.0 : Round(0.300 * td2ClassTwo, 4);
        limits.max = Round(diam - limits.allowance - addendums, 4);
        limits.min = Round(limits.max - limits.tolerance, 4);
    } else {
        constexpr std::array<double, 3> kFactor{1.95, 1.3, 0.975};
        limits.tolerance = Round(kFactor[static_cast<std::size_t>(grade - 1)] * td2ClassTwo, 6);
        limits.min = limits.basic;
        limits.max = Round(limits.min + limits.tolerance, 4);
    }
    return limits;
}

} // namespace kthread::designation
