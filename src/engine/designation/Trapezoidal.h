// ISO metric trapezoidal threads (30° profile): diameter/pitch combinations and the
// pitch-diameter tolerances and fundamental deviations of the tolerance system.
#pragma once

#include "engine/designation/Designation.h"

#include <optional>
#include <span>

namespace kthread::designation {

struct TrapezoidalSize {
    int diam = 0;                 // nominal diameter, micrometres
    std::span<const int> pitches; // micrometres, the preferred pitch first
};

// Nominal diameters 8 mm to 120 mm, ascending.
std::span<const TrapezoidalSize> TrapezoidalSizes();

const TrapezoidalSize* FindTrapezoidalSize(int diamUm);

bool HasTrapezoidalPitch(const TrapezoidalSize& size, int pitchUm);

// Basic pitch diameter d2 = D2 = d - 0.5 P, micrometres.
int TrapezoidalBasicPitchDiam(int diamUm, int pitchUm);

// The recommended classes: 7H 8H 9H internal, 7e 8e 8c 9c external.
bool TrapezoidalClassDefined(ToleranceClass tolerance);

// Pitch-diameter tolerance in micrometres for a recommended class, including the factor for
// multiple-start threads (2: 1.12, 3: 1.25, 4: 1.4, 5 and more: 1.6). Empty for a class that
// is not recommended or a diameter outside the tolerance tables.
std::optional<int> TrapezoidalPitchDiamTolerance(ToleranceClass tolerance, int diamUm, int pitchUm,
                                                 int starts);

// Fundamental deviation in micrometres: es of c and e (negative), EI of H (zero). Empty for a
// pitch without tabulated deviations.
std::optional<int> TrapezoidalFundamentalDeviation(char position, int pitchUm);

} // namespace kthread::designation
