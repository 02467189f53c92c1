#include "engine/designation/IsoMetric.h"

#include "engine/designation/PreferredNumbers.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace kthread::designation {
namespace {

// Fine pitches in micrometres, largest first; shared by the diameters that have them.
constexpr std::array<int, 1> kF02{200};
constexpr std::array<int, 1> kF025{250};
constexpr std::array<int, 1> kF035{350};
constexpr std::array<int, 1> kF05{500};
constexpr std::array<int, 1> kF075{750};
constexpr std::array<int, 2> kF1_075{1000, 750};
constexpr std::array<int, 3> kF125_1_075{1250, 1000, 750};
constexpr std::array<int, 3> kF15_125_1{1500, 1250, 1000};
constexpr std::array<int, 2> kF15_1{1500, 1000};
constexpr std::array<int, 3> kF2_15_1{2000, 1500, 1000};
constexpr std::array<int, 1> kF15{1500};
constexpr std::array<int, 4> kF3_2_15_1{3000, 2000, 1500, 1000};
constexpr std::array<int, 2> kF2_15{2000, 1500};
constexpr std::array<int, 3> kF3_2_15{3000, 2000, 1500};
constexpr std::array<int, 4> kF4_3_2_15{4000, 3000, 2000, 1500};
constexpr std::array<int, 5> kF6_4_3_2_15{6000, 4000, 3000, 2000, 1500};
constexpr std::array<int, 1> kF2{2000};
constexpr std::array<int, 4> kF6_4_3_2{6000, 4000, 3000, 2000};

// Coarse and fine series, first to third choice diameters.
const std::array<IsoMetricSize, 66> kSizes{{
    {1000, 250, kF02},         {1100, 250, kF02},
    {1200, 250, kF02},         {1400, 300, kF02},
    {1600, 350, kF02},         {1800, 350, kF02},
    {2000, 400, kF025},        {2200, 450, kF025},
    {2500, 450, kF035},        {3000, 500, kF035},
    {3500, 600, kF035},        {4000, 700, kF05},
    {4500, 750, kF05},         {5000, 800, kF05},
    {5500, 0, kF05},           {6000, 1000, kF075},
    {7000, 1000, kF075},       {8000, 1250, kF1_075},
    {9000, 1250, kF1_075},     {10000, 1500, kF125_1_075},
    {11000, 1500, kF1_075},    {12000, 1750, kF15_125_1},
    {14000, 2000, kF15_125_1}, {15000, 0, kF15_1},
    {16000, 2000, kF15_1},     {17000, 0, kF15_1},
    {18000, 2500, kF2_15_1},   {20000, 2500, kF2_15_1},
    {22000, 2500, kF2_15_1},   {24000, 3000, kF2_15_1},
    {25000, 0, kF2_15_1},      {26000, 0, kF15},
    {27000, 3000, kF2_15_1},   {28000, 0, kF2_15_1},
    {30000, 3500, kF3_2_15_1}, {32000, 0, kF2_15},
    {33000, 3500, kF3_2_15},   {35000, 0, kF15},
    {36000, 4000, kF3_2_15},   {38000, 0, kF15},
    {39000, 4000, kF3_2_15},   {40000, 0, kF3_2_15},
    {42000, 4500, kF4_3_2_15}, {45000, 4500, kF4_3_2_15},
    {48000, 5000, kF4_3_2_15}, {50000, 0, kF3_2_15},
    {52000, 5000, kF4_3_2_15}, {55000, 0, kF4_3_2_15},
    {56000, 5500, kF4_3_2_15}, {58000, 0, kF4_3_2_15},
    {60000, 5500, kF4_3_2_15}, {62000, 0, kF4_3_2_15},
    {64000, 6000, kF4_3_2_15}, {65000, 0, kF4_3_2_15},
    {68000, 6000, kF4_3_2_15}, {70000, 0, kF6_4_3_2_15},
    {72000, 0, kF6_4_3_2_15},  {75000, 0, kF4_3_2_15},
    {76000, 0, kF6_4_3_2_15},  {78000, 0, kF2},
    {80000, 0, kF6_4_3_2_15},  {82000, 0, kF2},
    {85000, 0, kF6_4_3_2},     {90000, 0, kF6_4_3_2},
    {95000, 0, kF6_4_3_2},     {100000, 0, kF6_4_3_2},
}};

// Limits of the diameter ranges of the tolerance tables; a diameter belongs to the range
// whose upper limit it does not exceed. The formulae use the geometric mean of the limits.
constexpr std::array<double, 11> kRangeLimits{0.99, 1.4,  2.8,  5.6,  11.2, 22.4,
                                              45.0, 90.0, 180., 355., 600.};

// The diameter range (lower, upper limit in mm) a nominal diameter belongs to.
std::optional<std::pair<double, double>> DiamRange(int diamUm) {
    double d = diamUm / 1000.0;
    for (std::size_t i = 1; i < kRangeLimits.size(); ++i) {
        if (d > kRangeLimits[i - 1] && d <= kRangeLimits[i]) {
            return std::make_pair(kRangeLimits[i - 1], kRangeLimits[i]);
        }
    }
    return std::nullopt;
}

// Cells of the printed grade-6 table that depart from the formula. Every other grade of these
// cells, external and internal, is derived from the printed value, so it is the base here too.
struct PrintedBase {
    double rangeUpper; // mm
    int pitch;         // micrometres
    int td2;           // micrometres
};
constexpr std::array<PrintedBase, 4> kPrintedBases{{
    {5.6, 500, 75},     // formula 78.3 (R40: 80)
    {5.6, 750, 90},     // formula 92.1 (R40: 95); the 0.7 mm value
    {355.0, 3000, 250}, // formula 242.8 (R40: 236)
    {355.0, 4000, 280}, // formula 272.5 (R40: 265)
}};

// Td2 of grade 6 as the tables print it, the base of every pitch-diameter tolerance.
int GradeSixTolerance(int pitchUm, double rangeLower, double rangeUpper) {
    for (const PrintedBase& b : kPrintedBases) {
        if (b.pitch == pitchUm && b.rangeUpper == rangeUpper) {
            return b.td2;
        }
    }
    double p = pitchUm / 1000.0;
    double mean = std::sqrt(rangeLower * rangeUpper);
    return RoundToR40Term(90.0 * std::pow(p, 0.4) * std::pow(mean, 0.1));
}

double ExternalGradeFactor(int grade) {
    constexpr std::array<double, 7> kFactors{0.5, 0.63, 0.8, 1.0, 1.25, 1.6, 2.0}; // 3..9
    return kFactors[static_cast<std::size_t>(grade - 3)];
}

double InternalGradeFactor(int grade) {
    constexpr std::array<double, 5> kFactors{0.85, 1.06, 1.32, 1.7, 2.12}; // 4..8
    return kFactors[static_cast<std::size_t>(grade - 4)];
}

bool GradeDefined(Side side, int grade, int pitchUm) {
    if (side == Side::External) {
        int highest = pitchUm < 350 ? 6 : pitchUm < 800 ? 7 : 9;
        return grade >= 3 && grade <= highest;
    }
    int highest = pitchUm < 500 ? 6 : pitchUm < 800 ? 7 : 8;
    return grade >= 4 && grade <= highest;
}

} // namespace

std::span<const IsoMetricSize> IsoMetricSizes() {
    return kSizes;
}

const IsoMetricSize* FindIsoMetricSize(int diamUm) {
    auto sizes = IsoMetricSizes();
    auto it = std::lower_bound(sizes.begin(), sizes.end(), diamUm,
                               [](const IsoMetricSize& s, int d) { return s.diam < d; });
    return (it != sizes.end() && it->diam == diamUm) ? &*it : nullptr;
}

bool HasIsoMetricPitch(const IsoMetricSize& size, int pitchUm) {
    return size.coarsePitch == pitchUm ||
           std::find(size.finePitches.begin(), size.finePitches.end(), pitchUm) !=
               size.finePitches.end();
}

int IsoMetricBasicPitchDiam(int diamUm, int pitchUm) {
    return static_cast<int>(std::lround(diamUm - 0.649519052838329 * pitchUm));
}

std::optional<int> IsoMetricPitchDiamTolerance(Side side, int grade, int diamUm, int pitchUm) {
    auto range = DiamRange(diamUm);
    if (!range || pitchUm <= 0 || !GradeDefined(side, grade, pitchUm)) {
        return std::nullopt;
    }
    int base = GradeSixTolerance(pitchUm, range->first, range->second);
    if (side == Side::External && grade == 6) {
        return base;
    }
    double factor =
        side == Side::External ? ExternalGradeFactor(grade) : InternalGradeFactor(grade);
    return RoundToR40Term(factor * base);
}

std::optional<int> IsoMetricFundamentalDeviation(char position, int pitchUm) {
    // The printed table repeats the 0.7 mm row for 0.75 mm (g: -22 µm where 15 + 11 P gives
    // 23.25 µm, R40: 24), so that row is computed with 0.7 mm.
    double p = (pitchUm == 750 ? 700 : pitchUm) / 1000.0;
    switch (position) {
    case 'e':
        if (pitchUm < 500) {
            return std::nullopt;
        }
        return -RoundToR40Number(50.0 + 11.0 * p);
    case 'f':
        if (pitchUm < 350) {
            return std::nullopt;
        }
        return -RoundToR40Number(30.0 + 11.0 * p);
    case 'g':
        return -RoundToR40Number(15.0 + 11.0 * p);
    case 'G':
        return RoundToR40Number(15.0 + 11.0 * p);
    case 'h':
    case 'H':
        return 0;
    default:
        return std::nullopt;
    }
}

} // namespace kthread::designation
