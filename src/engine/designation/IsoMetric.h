// ISO general-purpose metric threads: the diameter/pitch combinations of the coarse and fine
// series and the pitch-diameter tolerances and fundamental deviations of the tolerance system.
#pragma once

#include "engine/designation/Designation.h"

#include <optional>
#include <span>

namespace kthread::designation {

// One nominal diameter of the series. Lengths in micrometres so that pitches compare exactly.
struct IsoMetricSize {
    int diam = 0;                     // nominal diameter
    int coarsePitch = 0;              // 0: the diameter has fine pitches only
    std::span<const int> finePitches; // largest first
};

// All diameters of the series, ascending (1 mm to 100 mm).
std::span<const IsoMetricSize> IsoMetricSizes();

// The entry for a nominal diameter in micrometres; null when it is not in the series.
const IsoMetricSize* FindIsoMetricSize(int diamUm);

bool HasIsoMetricPitch(const IsoMetricSize& size, int pitchUm);

// Basic pitch diameter d2 = D2 = d - 0.649519 P, rounded to whole micrometres.
int IsoMetricBasicPitchDiam(int diamUm, int pitchUm);

// Pitch-diameter tolerance Td2 (external) or TD2 (internal) in micrometres for a tolerance
// grade; empty where the tolerance system has no such grade for that pitch, or the diameter is
// outside its diameter ranges (up to 600 mm).
std::optional<int> IsoMetricPitchDiamTolerance(Side side, int grade, int diamUm, int pitchUm);

// Fundamental deviation in micrometres, signed as applied to the basic size: es of e, f, g, h
// (zero or negative), EI of G, H (zero or positive). Empty for an unknown position or one the
// system does not define for that pitch (e below 0.5 mm, f below 0.35 mm).
std::optional<int> IsoMetricFundamentalDeviation(char position, int pitchUm);

} // namespace kthread::designation
