// Deformation correction: Hertz flattening of the two flank contacts of one probe.
#include "engine/FpFaultScope.h"
#include "engine/HertzCoeffTable.h"
#include "engine/PitchDiam.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace kthread {
namespace {

// Three probes share the force differently from two: 1000 * (1 + 2^(-2/3)) to the digits kept.
constexpr double kThreeProbeFactor = 1629.961;
// One-side displacement in metres to a change of diameter in millimetres.
constexpr double kTwoProbeFactor = 2000.0;

bool IsThreeProbeArrangement(const TPitchDiamData& data) {
    return (data.ThreadType == 0 && data.MeasMode == 0) ||
           (data.ThreadType == 2 && data.MeasMode == 1);
}

// Trunc(Frac(x) * 2) + Trunc(x); every step is exact. The table index is rounded in double,
// which keeps long double (x87) arithmetic, and its flags, out of the calculation.
template <class Real> std::int64_t RoundHalfAwayIn(Real x) {
    // Trunc of a value outside the Int64 range is an invalid operation, not a wrap-around.
    if (!(x >= Real(-0x1p63) && x < Real(0x1p63))) {
        FpFaultScope::RaiseInvalid();
        return std::numeric_limits<std::int64_t>::min();
    }
    const Real whole = std::trunc(x);
    const Real frac = x - whole;
    return static_cast<std::int64_t>(std::trunc(frac * 2)) + static_cast<std::int64_t>(whole);
}

} // namespace

std::int64_t RoundHalfAway(long double x) {
    return RoundHalfAwayIn(x);
}

bool CalcDeformCorr(TPitchDiamData& data) {
    const bool external = data.ThreadType == 0 || data.ThreadType == 2;
    const bool internal = data.ThreadType == 1 || data.ThreadType == 3;
    if (!external && !internal)
        return false;

    FpFaultScope scope;
    constexpr double pi = std::numbers::pi;
    const double a1 = data.FlankAngle1;
    const double a2 = data.FlankAngle2;
    const double F = data.Force;
    const double Dm = data.ProbeDiam / 1000;
    const double dm = data.PitchDiam / 1000;
    const double sin1 = std::sin(a1);
    const double sin2 = std::sin(a2);
    const double cos1 = std::cos(a1);
    const double cos2 = std::cos(a2);

    // Ratios of curvature, one per flank.
    double r1 = 0;
    double r2 = 0;
    if (external) {
        r1 = sin1 * Dm / dm;
        r2 = sin2 * Dm / dm;
    } else {
        r1 = (1 / Dm) / (sin1 / dm + 1 / Dm);
        r2 = (1 / Dm) / (sin2 / dm + 1 / Dm);
    }
    const HertzCoeffs row1 = HertzCoeffRow(RoundHalfAwayIn(100 * r1));
    const HertzCoeffs row2 = HertzCoeffRow(RoundHalfAwayIn(100 * r2));

    const double kP = (1 - data.ProbePoisson * data.ProbePoisson) / (pi * data.ProbeModulus);
    const double kT = (1 - data.ThreadPoisson * data.ThreadPoisson) / (pi * data.ThreadModulus);
    const double k = 0.75 * (kP + kT);

    const double u1 = sin1 + cos1 * std::tan(a2);
    const double u2 = sin2 + cos2 * std::tan(a1);

    double b1 = 0;
    double b2 = 0;
    if (external) {
        b1 = 2 * k * F * dm * row1.second / (sin1 * u1);
        b2 = 2 * k * F * dm * row2.second / (sin2 * u2);
    } else {
        b1 = 2 * k * F * Dm * row1.second / u1;
        b2 = 2 * k * F * Dm * row2.second / u2;
    }
    // pow, not cbrt: the cube root of a negative contact size is an invalid operation here.
    const double delta1 = 2 * k * F * row1.first / (u1 * std::pow(b1, 1.0 / 3.0));
    const double delta2 = 2 * k * F * row2.first / (u2 * std::pow(b2, 1.0 / 3.0));

    const double w = (cos1 * delta2 + cos2 * delta1) / std::sin(a1 + a2); // m
    double corr = w * (IsThreeProbeArrangement(data) ? kThreeProbeFactor : kTwoProbeFactor);
    if (!scope.Clean(corr))
        return false;
    data.DeformCorr = corr;
    return true;
}

} // namespace kthread
