// The contact angle between probe and flanks on a helical thread, and the pitch diameter that
// follows from it for an effective size x over the probes.
//
// psi is found by fixed-point iteration. Iterate mode runs to |step| < 1e-7 rad; one-step mode
// takes exactly one step from the start value.
#pragma once

#include "engine/AngleTerms.h"

namespace kthread {

class FpFaultScope;
struct TPitchDiamData;

enum class InnerMode { Iterate, OneStep };

enum class ContactOutcome {
    Value,         // pitchDiam holds the result
    NoValue,       // the first step could not complete (no real contact point)
    NoConvergence, // iterate mode cycles (psi repeats exactly, or kMaxContactSteps): no solution
    Fault,         // an arithmetic fault was raised
};

struct ContactSolution {
    ContactOutcome outcome = ContactOutcome::NoValue;
    double pitchDiam = 0; // mm, set when outcome is Value
    double psi = 0;       // rad, angle after the last completed step (or the start value)
    double w = 0;         // sqrt(q) of the last completed step
    int steps = 0;        // completed steps
};

// Bound on iterate mode. Almost every input converges within ten steps; next to the point where
// the iteration turns into a two-cycle the step shrinks slowly, and a survey of two million
// converging inputs found cases needing up to about 145,000 steps. An iteration that settles
// into a cycle is stopped as soon as an angle repeats exactly; the bound remains for inputs
// right at the turning point, whose approach to the cycle is too slow to repeat within it.
inline constexpr int kMaxContactSteps = 1000000;

// Reads ProbeDiam, Starts and Pitch from `data`; `x` is the effective size in mm. Faults are
// checked against `scope`, which the caller opened.
ContactSolution SolveContactAngle(const AngleTerms& terms, const TPitchDiamData& data, double x,
                                  InnerMode mode, const FpFaultScope& scope);

} // namespace kthread
