// The calculation engine: one measurement record in, completed record out. Plain C++, no Qt.
//
// Every function here is pure over its arguments. Arithmetic faults (division by zero, invalid
// operation, overflow) are detected at the function boundary through the floating-point
// exception flags and turn into a false result; they never reach the caller as NaN or inf.
#pragma once

#include <cstdint>
#include <optional>

namespace kthread {

// A measurement task and its results. A value-initialised record ({}) is all zeros.
// Lengths in mm, angles in radians, force in N, moduli in Pa.
struct TPitchDiamData {
    std::uint8_t ThreadType = 0; // 0/1 ext./int. cylindrical, 2/3 ext./int. taper
    std::uint8_t GivenQty = 0;   // 0 size m, 1 size M, 2 pitch diameter d2
    std::uint8_t MeasMode = 0;   // arrangement; meaning depends on ThreadType
    double Pitch = 0;
    double Starts = 0;
    double Force = 0;
    double DeformCorr = 0; // result A2
    double ProbePoisson = 0;
    double ThreadPoisson = 0;
    double ProbeModulus = 0;
    double ThreadModulus = 0;
    double TaperRatio = 0; // change of diameter per unit length; external taper only
    double FlankAngle1 = 0;
    double FlankAngle2 = 0;
    double ProbeDiam = 0;
    double SizeCtr = 0;  // m
    double SizeOver = 0; // M
    double PitchDiam = 0;
};

// Completes the record. False when rejected (probe diameter 0 or NaN), on an arithmetic fault
// (fields written before it keep their new values; no NaN or infinity is ever written), or when
// the contact angle cycles instead of converging. Unknown ThreadType or GivenQty: true, no change.
bool CalcPitchDiam(TPitchDiamData& data);

// Writes DeformCorr (Hertz contact flattening, on the diameter, mm). False on an arithmetic
// fault or an unknown ThreadType, leaving DeformCorr unchanged.
bool CalcDeformCorr(TPitchDiamData& data);

// Rounds to the nearest integer, halves away from zero: Trunc(Frac(x)*2) + Trunc(x).
// Outside the Int64 range (or NaN) it raises FE_INVALID and returns the smallest Int64.
std::int64_t RoundHalfAway(long double x);

// Probe materials (cbMaterial item 0 steel, 1 ruby).
inline constexpr double kSteelPoisson = 0.3;
inline constexpr double kSteelModulus = 2.5e11;
inline constexpr double kRubyPoisson = 0.25;
inline constexpr double kRubyModulus = 4.0e11;

// Degrees, minutes and seconds to radians: (deg + min/60 + sec/3600) * pi/180.
double AngleRad(double degrees, double minutes, double seconds);

// Best-size probe diameter for pitch p (mm) and flank angles a1, a2 (radians):
// 2 p tan((a1+a2)/2) / ((cos a1 + cos a2)(tan a1 + tan a2)). Empty on an arithmetic fault
// (for example both angles 0).
std::optional<double> OptimalProbeDiam(double pitch, double a1, double a2);

} // namespace kthread
