#include "engine/designation/ThreadLimits.h"

#include "engine/Measurement.h"
#include "engine/designation/IsoMetric.h"
#include "engine/designation/Trapezoidal.h"
#include "engine/designation/Unified.h"

#include <cmath>
#include <numbers>

namespace kthread::designation {
namespace {

int Um(double mm) {
    return static_cast<int>(std::lround(mm * 1000.0));
}

// Limits from a basic size, a fundamental deviation and a tolerance, all in micrometres.
ThreadLimits MetricLimits(const Designation& d, int basicUm, int deviationUm, int toleranceUm,
                          double flankAngle) {
    ThreadLimits l;
    l.designation = d;
    l.unit = LengthUnit::Millimetre;
    l.decimals = 3;
    int maxUm = 0;
    int minUm = 0;
    if (d.side == Side::External) {
        maxUm = basicUm + deviationUm;
        minUm = maxUm - toleranceUm;
    } else {
        minUm = basicUm + deviationUm;
        maxUm = minUm + toleranceUm;
    }
    l.basicPitchDiam = basicUm / 1000.0;
    l.pitchDiamMin = minUm / 1000.0;
    l.pitchDiamMax = maxUm / 1000.0;
    l.tolerance = toleranceUm / 1000.0;
    l.fundamentalDeviation = deviationUm / 1000.0;
    l.basicPitchDiamMm = l.basicPitchDiam;
    l.pitchDiamMinMm = l.pitchDiamMin;
    l.pitchDiamMaxMm = l.pitchDiamMax;
    l.majorDiamMm = d.majorDiam;
    l.pitchMm = d.pitch;
    l.flankAngle1 = flankAngle;
    l.flankAngle2 = flankAngle;
    return l;
}

std::optional<ThreadLimits> IsoMetricLimits(const Designation& d) {
    int diam = Um(d.majorDiam);
    int pitch = Um(d.pitch);
    auto tol = IsoMetricPitchDiamTolerance(d.side, d.pitchClass.grade, diam, pitch);
    auto dev = IsoMetricFundamentalDeviation(d.pitchClass.position, pitch);
    if (!tol || !dev) {
        return std::nullopt;
    }
    return MetricLimits(d, IsoMetricBasicPitchDiam(diam, pitch), *dev, *tol,
                        std::numbers::pi / 6.0);
}

std::optional<ThreadLimits> TrapezoidalLimits(const Designation& d) {
    int diam = Um(d.majorDiam);
    int pitch = Um(d.pitch);
    auto tol = TrapezoidalPitchDiamTolerance(d.pitchClass, diam, pitch, d.starts);
    auto dev = TrapezoidalFundamentalDeviation(d.pitchClass.position, pitch);
    if (!tol || !dev) {
        return std::nullopt;
    }
    return MetricLimits(d, TrapezoidalBasicPitchDiam(diam, pitch), *dev, *tol,
                        std::numbers::pi / 12.0);
}

std::optional<ThreadLimits> UnifiedThreadLimits(const Designation& d) {
    if (d.threadsPerInch <= 0 || !UnifiedClassDefined(d.series, d.pitchClass.grade)) {
        return std::nullopt;
    }
    UnifiedPitchLimits u =
        UnifiedLimits(d.majorDiam, d.threadsPerInch, d.series, d.pitchClass.grade, d.side);
    ThreadLimits l;
    l.designation = d;
    l.unit = LengthUnit::Inch;
    l.decimals = 4;
    l.basicPitchDiam = u.basic;
    l.pitchDiamMin = u.min;
    l.pitchDiamMax = u.max;
    l.tolerance = u.tolerance;
    l.fundamentalDeviation = u.allowance == 0.0 ? 0.0 : -u.allowance;
    l.basicPitchDiamMm = u.basic * kMillimetresPerInch;
    l.pitchDiamMinMm = u.min * kMillimetresPerInch;
    l.pitchDiamMaxMm = u.max * kMillimetresPerInch;
    l.majorDiamMm = d.majorDiam * kMillimetresPerInch;
    l.pitchMm = kMillimetresPerInch / d.threadsPerInch;
    l.flankAngle1 = std::numbers::pi / 6.0;
    l.flankAngle2 = std::numbers::pi / 6.0;
    return l;
}

} // namespace

std::optional<ThreadLimits> ThreadLimitsOf(const Designation& d) {
    std::optional<ThreadLimits> l;
    switch (d.family) {
    case Family::IsoMetric:
        l = IsoMetricLimits(d);
        break;
    case Family::Trapezoidal:
        l = TrapezoidalLimits(d);
        break;
    case Family::Unified:
        l = UnifiedThreadLimits(d);
        break;
    }
    if (l) {
        l->starts = d.starts;
        l->leadMm = l->pitchMm * d.starts;
        l->threadType = d.side == Side::External ? 0 : 1;
    }
    return l;
}

void ApplyToRecord(const ThreadLimits& limits, TPitchDiamData& record) {
    record.ThreadType = limits.threadType;
    record.Pitch = limits.pitchMm;
    record.Starts = limits.starts;
    record.FlankAngle1 = limits.flankAngle1;
    record.FlankAngle2 = limits.flankAngle2;
}

std::optional<Verdict> VerdictOf(double measured, const ThreadLimits& limits) {
    if (!std::isfinite(measured)) {
        return std::nullopt;
    }
    constexpr double kNoise = 1e-9;
    double belowMin = limits.pitchDiamMinMm - measured;
    double aboveMax = measured - limits.pitchDiamMaxMm;
    if (belowMin > kNoise) {
        return Verdict{VerdictKind::Undersize, belowMin};
    }
    if (aboveMax > kNoise) {
        return Verdict{VerdictKind::Oversize, aboveMax};
    }
    double margin = std::min(-belowMin, -aboveMax);
    return Verdict{VerdictKind::WithinLimits, margin < kNoise ? 0.0 : margin};
}

} // namespace kthread::designation
