#include "engine/designation/ReadingWindow.h"

#include <algorithm>
#include <cmath>

namespace kthread::designation {
namespace {

constexpr std::uint8_t kGivenSizeCtr = 0;
constexpr std::uint8_t kGivenSizeOver = 1;
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

// The pitch diameter a reading gives, through the size-given path.
std::optional<double> PitchDiamAt(TPitchDiamData record, double readingMm, Reading reading) {
    if (reading == Reading::SizeCtr) {
        record.GivenQty = kGivenSizeCtr;
        record.SizeCtr = readingMm;
    } else {
        record.GivenQty = kGivenSizeOver;
        record.SizeOver = readingMm;
    }
    if (!CalcPitchDiam(record) || !std::isfinite(record.PitchDiam)) {
        return std::nullopt;
    }
    return record.PitchDiam;
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

ReadingWindow ShownInward(const ReadingWindow& window, int decimals, double unitMm) {
    const double scale = std::pow(10.0, decimals);
    // An end a millionth of a digit off a digit is taken as that digit: it came from a decimal.
    constexpr double kDigitSlack = 1e-6;
    ReadingWindow shown = window;
    shown.minMm = std::ceil(window.minMm / unitMm * scale - kDigitSlack) / scale * unitMm;
    shown.maxMm = std::floor(window.maxMm / unitMm * scale + kDigitSlack) / scale * unitMm;
    return shown;
}

ReadingWindow ReadingWindowBySizePath(const ReadingWindow& window, const ThreadLimits& limits,
                                      const TPitchDiamData& setup) {
    TPitchDiamData record = setup;
    ApplyToRecord(limits, record);
    const auto pitchDiamAt = [&](double readingMm) {
        return PitchDiamAt(record, readingMm, window.reading);
    };
    // The pitch-diameter-given ends, moved to where the size-given path (the one a reading goes
    // through) meets the limits: a few secant steps, the paths differ by microns at most.
    const auto meet = [&](double readingMm) {
        const std::optional<double> atStart = pitchDiamAt(readingMm);
        if (!atStart) {
            return readingMm;
        }
        const double target =
            std::abs(*atStart - limits.pitchDiamMinMm) < std::abs(*atStart - limits.pitchDiamMaxMm)
                ? limits.pitchDiamMinMm
                : limits.pitchDiamMaxMm;
        constexpr double kStepMm = 1e-4;
        constexpr int kSecantSteps = 3;
        double reading = readingMm;
        for (int step = 0; step < kSecantSteps; ++step) {
            const std::optional<double> here = pitchDiamAt(reading);
            const std::optional<double> beside = pitchDiamAt(reading + kStepMm);
            if (!here || !beside || *beside == *here) {
                break;
            }
            reading -= (*here - target) * kStepMm / (*beside - *here);
        }
        return reading;
    };
    ReadingWindow met = window;
    met.minMm = meet(window.minMm);
    met.maxMm = meet(window.maxMm);
    return met;
}

ReadingWindow ShownReadingWindow(const ReadingWindow& met, const ThreadLimits& limits,
                                 const TPitchDiamData& setup, int decimals, double unitMm) {
    TPitchDiamData record = setup;
    ApplyToRecord(limits, record);
    const auto pitchDiamAt = [&](double readingMm) {
        return PitchDiamAt(record, readingMm, met.reading);
    };
    ReadingWindow shown = ShownInward(met, decimals, unitMm);

    const double digit = std::pow(10.0, -decimals) * unitMm;
    const auto inside = [&](double readingMm) {
        const std::optional<double> d2 = pitchDiamAt(readingMm);
        return d2 && *d2 >= limits.pitchDiamMinMm && *d2 <= limits.pitchDiamMaxMm;
    };
    // What rounding in the solver leaves over, a digit or so.
    constexpr int kMaxSteps = 5;
    for (int step = 0; step < kMaxSteps && shown.minMm < shown.maxMm && !inside(shown.minMm);
         ++step) {
        shown.minMm += digit;
    }
    for (int step = 0; step < kMaxSteps && shown.minMm < shown.maxMm && !inside(shown.maxMm);
         ++step) {
        shown.maxMm -= digit;
    }
    return shown;
}

} // namespace kthread::designation
