#include "engine/ContactAngle.h"

#include "engine/FpFaultScope.h"
#include "engine/PitchDiam.h"

#include <cmath>
#include <numbers>

namespace kthread {
namespace {

constexpr double kAngleTolerance = 1e-7; // rad

ContactSolution Failed(ContactOutcome outcome, const ContactSolution& sofar) {
    ContactSolution result = sofar;
    result.outcome = outcome;
    return result;
}

} // namespace

ContactSolution SolveContactAngle(const AngleTerms& t, const TPitchDiamData& data, double x,
                                  InnerMode mode, const FpFaultScope& scope) {
    constexpr double pi = std::numbers::pi;
    const double D = data.ProbeDiam;
    const double n = data.Starts;
    const double P = data.Pitch;
    const double s = t.s;

    ContactSolution sol;
    double k = D * n * P / (x * x * pi);
    double g = t.c1 * t.c2 * t.Cd / t.Cs;
    sol.psi = k * t.c1 * t.c2 * t.Cd / ((1 - s * t.Ss * t.Cd * D / x) * t.Cs);
    Settle(k);
    Settle(g);
    if (!scope.Clean(sol.psi))
        return Failed(ContactOutcome::Fault, sol);

    // A separate flag, not a NaN marker: comparing a NaN would itself raise a fault.
    bool stepped = false;
    // Each step is a fixed function of psi alone, so once psi takes a value it held before, the
    // steps repeat for ever: if none of them converged, none ever will. Brent's method finds
    // such a repeat with one saved angle, saved afresh after 1, 2, 4, 8, ... steps.
    double saved = sol.psi;
    int sinceSaved = 0;
    int saveAfter = 1;
    for (;;) {
        const double prev = sol.psi;
        const double sinPsi = std::sin(sol.psi);
        const double cosPsi = std::cos(sol.psi);
        double q = 1 - (sinPsi * sinPsi) * (x * x) / ((t.Cd * t.Cd) * (D * D));
        Settle(q);
        if (q < 0)
            break;
        double y = std::sqrt(q) * k * g / (cosPsi - s * t.Ss * t.Cd * D * std::sqrt(q) / x);
        Settle(y);
        if (y < -1 || y > 1)
            break;
        sol.w = std::sqrt(q);
        sol.psi = std::asin(k * g * sol.w / (cosPsi - s * t.Ss * t.Cd * D * sol.w / x));
        stepped = true;
        ++sol.steps;
        if (!scope.Clean(sol.psi))
            return Failed(ContactOutcome::Fault, sol);
        if (mode == InnerMode::OneStep || std::abs(prev - sol.psi) < kAngleTolerance)
            break;
        if (sol.psi == saved || sol.steps >= kMaxContactSteps)
            return Failed(ContactOutcome::NoConvergence, sol);
        if (++sinceSaved == saveAfter) {
            saved = sol.psi;
            sinceSaved = 0;
            saveAfter *= 2;
        }
    }
    // q or y may have faulted (y = inf from a zero denominator leaves the loop as "out of range").
    if (scope.Faulted())
        return Failed(ContactOutcome::Fault, sol);
    if (!stepped)
        return sol; // NoValue

    double value = x * std::cos(sol.psi) - s * (t.Cd / t.Ss) * D * sol.w +
                   s * (P - 2 * n * P * sol.psi / pi) * t.c1 * t.c2 / t.S;
    if (!scope.Clean(value))
        return Failed(ContactOutcome::Fault, sol);
    sol.pitchDiam = value;
    sol.outcome = ContactOutcome::Value;
    return sol;
}

} // namespace kthread
