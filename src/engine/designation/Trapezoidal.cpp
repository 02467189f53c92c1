#include "engine/designation/Trapezoidal.h"

#include "engine/designation/PreferredNumbers.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace kthread::designation {
namespace {

constexpr std::array<int, 1> kP15{1500};
constexpr std::array<int, 2> kP2_15{2000, 1500};
constexpr std::array<int, 2> kP2_3{2000, 3000};
constexpr std::array<int, 2> kP3_2{3000, 2000};
constexpr std::array<int, 2> kP4_2{4000, 2000};
constexpr std::array<int, 3> kP5_3_8{5000, 3000, 8000};
constexpr std::array<int, 3> kP6_3_10{6000, 3000, 10000};
constexpr std::array<int, 3> kP7_3_10{7000, 3000, 10000};
constexpr std::array<int, 3> kP7_3_12{7000, 3000, 12000};
constexpr std::array<int, 3> kP8_3_12{8000, 3000, 12000};
constexpr std::array<int, 3> kP9_3_14{9000, 3000, 14000};
constexpr std::array<int, 3> kP10_4_16{10000, 4000, 16000};
constexpr std::array<int, 3> kP12_5_18{12000, 5000, 18000};
constexpr std::array<int, 3> kP12_5_20{12000, 5000, 20000};
constexpr std::array<int, 3> kP14_6_22{14000, 6000, 22000};

const std::array<TrapezoidalSize, 37> kSizes{{
    {8000, kP15},        {9000, kP2_15},     {10000, kP2_15},     {11000, kP2_3},
    {12000, kP3_2},      {14000, kP3_2},     {16000, kP4_2},      {18000, kP4_2},
    {20000, kP4_2},      {22000, kP5_3_8},   {24000, kP5_3_8},    {26000, kP5_3_8},
    {28000, kP5_3_8},    {30000, kP6_3_10},  {32000, kP6_3_10},   {34000, kP6_3_10},
    {36000, kP6_3_10},   {38000, kP7_3_10},  {40000, kP7_3_10},   {42000, kP7_3_10},
    {44000, kP7_3_12},   {46000, kP8_3_12},  {48000, kP8_3_12},   {50000, kP8_3_12},
    {52000, kP8_3_12},   {55000, kP9_3_14},  {60000, kP9_3_14},   {65000, kP10_4_16},
    {70000, kP10_4_16},  {75000, kP10_4_16}, {80000, kP10_4_16},  {85000, kP12_5_18},
    {90000, kP12_5_18},  {95000, kP12_5_18}, {100000, kP12_5_20}, {110000, kP12_5_20},
    {120000, kP14_6_22},
}};

struct PitchDeviations {
    int pitch; // micrometres
    int c;     // es of c, magnitude
    int e;     // es of e, magnitude
};

// Tabulated per pitch by the tolerance system.
constexpr std::array<PitchDeviations, 16> kDeviations{{
    {1500, 140, 67},
    {2000, 150, 71},
    {3000, 170, 85},
    {4000, 190, 95},
    {5000, 212, 106},
    {6000, 236, 118},
    {7000, 250, 125},
    {8000, 265, 132},
    {9000, 280, 140},
    {10000, 300, 150},
    {12000, 335, 160},
    {14000, 355, 180},
    {16000, 375, 190},
    {18000, 400, 200},
    {20000, 425, 212},
    {22000, 450, 224},
}};

constexpr std::array<double, 8> kRangeLimits{5.6, 11.2, 22.4, 45.0, 90.0, 180.0, 355.0, 640.0};

std::optional<double> RangeMean(int diamUm) {
    double d = diamUm / 1000.0;
    for (std::size_t i = 1; i < kRangeLimits.size(); ++i) {
        if (d > kRangeLimits[i - 1] && d <= kRangeLimits[i]) {
            return std::sqrt(kRangeLimits[i - 1] * kRangeLimits[i]);
        }
    }
    return std::nullopt;
}

double StartsFactor(int starts) {
    switch (starts) {
    case 1:
        return 1.0;
    case 2:
        return 1.12;
    case 3:
        return 1.25;
    case 4:
        return 1.4;
    default:
        return 1.6;
    }
}

} // namespace

std::span<const TrapezoidalSize> TrapezoidalSizes() {
    return kSizes;
}

const TrapezoidalSize* FindTrapezoidalSize(int diamUm) {
    auto sizes = TrapezoidalSizes();
    auto it = std::lower_bound(sizes.begin(), sizes.end(), diamUm,
                               [](const TrapezoidalSize& s, int d) { return s.diam < d; });
    return (it != sizes.end() && it->diam == diamUm) ? &*it : nullptr;
}

bool HasTrapezoidalPitch(const TrapezoidalSize& size, int pitchUm) {
    return std::find(size.pitches.begin(), size.pitches.end(), pitchUm) != size.pitches.end();
}

int TrapezoidalBasicPitchDiam(int diamUm, int pitchUm) {
    return diamUm - pitchUm / 2;
}

bool TrapezoidalClassDefined(ToleranceClass t) {
    switch (t.position) {
    case 'H':
        return t.grade >= 7 && t.grade <= 9;
    case 'e':
        return t.grade == 7 || t.grade == 8;
    case 'c':
        return t.grade == 8 || t.grade == 9;
    default:
        return false;
    }
}

std::optional<int> TrapezoidalPitchDiamTolerance(ToleranceClass t, int diamUm, int pitchUm,
                                                 int starts) {
    std::optional<double> mean = RangeMean(diamUm);
    if (!mean || !TrapezoidalClassDefined(t) || starts < 1) {
        return std::nullopt;
    }
    double p = pitchUm / 1000.0;
    int base = RoundToR40Term(90.0 * std::pow(p, 0.4) * std::pow(*mean, 0.1));
    constexpr std::array<double, 3> kExternal{1.25, 1.6, 2.0}; // grades 7, 8, 9
    constexpr std::array<double, 3> kInternal{1.7, 2.12, 2.65};
    std::size_t g = static_cast<std::size_t>(t.grade - 7);
    double factor = t.position == 'H' ? kInternal[g] : kExternal[g];
    int single = RoundToR40Term(factor * base);
    if (starts == 1) {
        return single;
    }
    return RoundToR40Term(StartsFactor(starts) * single);
}

std::optional<int> TrapezoidalFundamentalDeviation(char position, int pitchUm) {
    if (position == 'H') {
        return 0;
    }
    for (const PitchDeviations& row : kDeviations) {
        if (row.pitch == pitchUm) {
            if (position == 'c') {
                return -row.c;
            }
            if (position == 'e') {
                return -row.e;
            }
            return std::nullopt;
        }
    }
    return std::nullopt;
}

} // namespace kthread::designation
