#include "engine/designation/ReadingWindow.h"

#include <algorithm>
#include <cmath>

namespace kthread::designation {
namespace {

constexpr std::uint8_t kGivenSizeCtr = 0;
constexpr std::uint8_t kGivenPitchDiam = 2;

std::optional<double> ReadingAt(TPitchDiamData record, double pitchDiamMm, Reading reading) {
    record.GivenQty = kGivenPitchDiam;
    record.PitchDiam = pitchDiamMm;
    if (!CalcPitchDiam(record)) {
        return std::nullopt;
    }
    const double value = reading == Reading::SizeCtr ? record.SizeCtr : record.SizeOver;
    return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

} // namespace

std::optional<ReadingWindow> ReadingWindowOf(const ThreadLimits& limits,
                                             const TPitchDiamData& setup) {
    TPitchDiamData record = setup;
    ApplyToRecord(limits, record);
    ReadingWindow window;
    window.reading = setup.GivenQty == kGivenSizeCtr ? Reading::SizeCtr : Reading::SizeOver;
    const auto atMin = ReadingAt(record, limits.pitchDiamMinMm, window.reading);
    const auto atMax = ReadingAt(record, limits.pitchDiamMaxMm, window.reading);
    if (!atMin || !atMax) {
        return std::nullopt;
    }
    window.minMm = std::min(*atMin, *atMax);
    window.maxMm = std::max(*atMin, *atMax);
    return window;
}

} // namespace kthread::designation
