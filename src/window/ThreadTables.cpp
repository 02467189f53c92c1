#include "window/ThreadTables.h"

#include "engine/NumberText.h"

#include <cmath>

namespace kthread {

namespace {

// Language texts of the measurement methods.
constexpr int kThreeWires = 34;
constexpr int kTwoWires = 35;
constexpr int kTwoWiresInclined = 38;
constexpr int kPerpendicular = 21;
constexpr int kInclined = 22;
constexpr int kTaperThreeWires = 42;
constexpr int kTaperPerpendicular = 45;

// Captions of the optimal and of the chosen probe diameter.
constexpr int kOptWires = 24;
constexpr int kWires = 25;
constexpr int kOptBalls = 26;
constexpr int kBalls = 27;

const std::array<ThreadTypeTraits, kThreadTypeCount>& TypeTable() {
    static const std::array<ThreadTypeTraits, kThreadTypeCount> table{{
        {'d',
         ProbeMaterial::Steel,
         false,
         ProbeCatalogue::Wires,
         kOptWires,
         kWires,
         {kThreeWires, kTwoWires, kTwoWiresInclined},
         true,
         false},
        {'D',
         ProbeMaterial::Ruby,
         true,
         ProbeCatalogue::Balls,
         kOptBalls,
         kBalls,
         {kPerpendicular, kInclined},
         true,
         false},
        {'d',
         ProbeMaterial::Steel,
         false,
         ProbeCatalogue::Wires,
         kOptWires,
         kWires,
         {kTwoWires, kTaperThreeWires},
         true,
         true},
        {'D',
         ProbeMaterial::Ruby,
         true,
         ProbeCatalogue::Balls,
         kOptBalls,
         kBalls,
         {kTaperPerpendicular},
         false,
         false},
    }};
    return table;
}

constexpr std::array<const char*, kThreadTypeCount> kTypeWords{"ExtCyl", "IntCyl", "ExtTap",
                                                               "IntTap"};
constexpr std::array<std::array<const char*, 3>, kThreadTypeCount> kMethodWords{{
    {"3w", "2w_perp", "2w_incl"},
    {"Perp", "Incl", nullptr},
    {"2w", "3w", nullptr},
    {"Perp", nullptr, nullptr},
}};

constexpr int kSecondsPerMinute = 60;
constexpr int kMinutesPerDegree = 60;

} // namespace

const std::array<ThreadMaterialRow, 23> ThreadMaterialTable{{
    {51, 0.28, 200}, {74, 0.30, 250}, {52, 0.30, 190}, {53, 0.27, 195}, {54, 0.29, 205},
    {55, 0.29, 205}, {56, 0.26, 140}, {57, 0.21, 100}, {58, 0.28, 170}, {59, 0.27, 160},
    {60, 0.33, 70},  {61, 0.35, 70},  {62, 0.35, 105}, {63, 0.14, 105}, {64, 0.35, 110},
    {65, 0.35, 45},  {66, 0.28, 45},  {67, 0.31, 330}, {68, 0.32, 130}, {69, 0.24, 110},
    {70, 0.32, 120}, {71, 0.33, 85},  {72, 0.33, 70},
}};

const ThreadTypeTraits* ThreadTypeInfo(int typeIndex) {
    if (typeIndex < 0 || typeIndex >= kThreadTypeCount) {
        return nullptr;
    }
    return &TypeTable()[static_cast<std::size_t>(typeIndex)];
}

char DiamLetterOf(int typeIndex) {
    return (typeIndex == 1 || typeIndex == 3) ? 'D' : 'd';
}

std::string FigureName(int typeIndex, int methodIndex) {
    if (typeIndex < 0 || typeIndex >= kThreadTypeCount || methodIndex < 0 || methodIndex > 2) {
        return {};
    }
    const auto type = static_cast<std::size_t>(typeIndex);
    const char* method = kMethodWords[type][static_cast<std::size_t>(methodIndex)];
    if (method == nullptr) {
        return {};
    }
    return std::string(kTypeWords[type]) + "_" + method;
}

AngleParts DegMinSec(double degrees) {
    AngleParts parts;
    const double whole = std::trunc(degrees);
    const double minutes = (degrees - whole) * kMinutesPerDegree;
    const double wholeMinutes = std::trunc(minutes);
    parts.degrees = static_cast<int>(whole);
    parts.minutes = static_cast<int>(wholeMinutes);
    parts.seconds =
        static_cast<int>(RoundHalfEven((minutes - wholeMinutes) * kSecondsPerMinute, 0));
    if (parts.seconds == kSecondsPerMinute) {
        parts.seconds = 0;
        ++parts.minutes;
    }
    if (parts.minutes == kMinutesPerDegree) {
        parts.minutes = 0;
        ++parts.degrees;
    }
    return parts;
}

} // namespace kthread
