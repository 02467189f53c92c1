// Pitch-diameter limits of a designation and the verdict on a measured pitch diameter.
#pragma once

#include "engine/PitchDiam.h"
#include "engine/designation/Designation.h"

#include <cstdint>
#include <optional>

namespace kthread::designation {

enum class LengthUnit { Millimetre, Inch };

struct ThreadLimits {
    Designation designation;
    // The unit the standard tabulates this thread in; the native values below are rounded as
    // its tables print them (0.001 mm, 0.0001 in).
    LengthUnit unit = LengthUnit::Millimetre;
    int decimals = 3;
    double basicPitchDiam = 0;
    double pitchDiamMin = 0;
    double pitchDiamMax = 0;
    double tolerance = 0; // Td2 or TD2 of the class used (for unified threads unrounded, 6 dec.)
    // Fundamental deviation applied to the basic pitch diameter: es (<= 0) for external
    // threads, EI (>= 0) for internal ones; for unified 1A/2A the allowance as -es.
    double fundamentalDeviation = 0;

    // The same in millimetres, as the measurement record holds lengths.
    double basicPitchDiamMm = 0;
    double pitchDiamMinMm = 0;
    double pitchDiamMaxMm = 0;
    double majorDiamMm = 0;
    double pitchMm = 0;
    double leadMm = 0;
    int starts = 1;
    double flankAngle1 = 0; // radians
    double flankAngle2 = 0;
    std::uint8_t threadType = 0; // TPitchDiamData::ThreadType: 0 external, 1 internal cylindrical
};

// Limits of a designation as ParseDesignation returns it. Empty only for a Designation built
// by hand with a class or size the tolerance system does not define.
std::optional<ThreadLimits> ThreadLimitsOf(const Designation& d);

// Writes thread type, pitch, starts and both flank angles into a measurement record.
void ApplyToRecord(const ThreadLimits& limits, TPitchDiamData& record);

enum class VerdictKind { WithinLimits, Undersize, Oversize };

struct Verdict {
    VerdictKind kind = VerdictKind::WithinLimits;
    // Within limits: the distance to the nearer limit; otherwise how far outside. Never
    // negative. Millimetres.
    double marginMm = 0;
};

// Limits are inclusive (a part exactly at a limit is within); differences below 1e-9 mm count
// as zero so that a result that reproduces a limit through floating-point arithmetic is at the
// limit. Empty for a measured value that is not finite.
std::optional<Verdict> VerdictOf(double measuredPitchDiamMm, const ThreadLimits& limits);

} // namespace kthread::designation
