// The vocabulary of a measurement, shared by every front end: the codes the record carries, the
// unit factors, the accepted range of each input, and the one way to build a record from what
// the user entered (lengths in millimetres, angles in degrees, minutes and seconds).
#pragma once

#include "engine/PitchDiam.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace kthread {

// TPitchDiamData::ThreadType; also the item index of the window's thread-type selector.
enum class ThreadType : std::uint8_t {
    ExternalCylindrical = 0,
    InternalCylindrical = 1,
    ExternalTaper = 2,
    InternalTaper = 3,
};
inline constexpr int kThreadTypeCount = 4;

// TPitchDiamData::GivenQty: which of m, M and d2 was measured or given.
enum class GivenQuantity : std::uint8_t { SizeCtr = 0, SizeOver = 1, PitchDiam = 2 };
inline constexpr int kGivenQuantityCount = 3;

// The probes' material (the window's probe-material selector).
enum class ProbeMaterial : std::uint8_t { Steel = 0, Ruby = 1 };

// TPitchDiamData::MeasMode: the arrangement of the probes, numbered per thread type.
enum class ExternalCylindricalMethod : std::uint8_t {
    ThreeWires = 0,
    TwoWires = 1,
    TwoWiresInclined = 2
};
enum class InternalCylindricalMethod : std::uint8_t { Perpendicular = 0, Inclined = 1 };
enum class ExternalTaperMethod : std::uint8_t { TwoWires = 0, ThreeWires = 1 };
enum class InternalTaperMethod : std::uint8_t { Perpendicular = 0 };

// How many arrangements a thread type has (3, 2, 2, 1).
int MethodCount(ThreadType thread);
// External threads are measured over wires, internal ones with balls.
bool IsExternal(ThreadType thread);
// Steel wires for external, ruby balls for internal threads.
ProbeMaterial DefaultProbeMaterial(ThreadType thread);
double PoissonOf(ProbeMaterial material);
double ModulusOf(ProbeMaterial material); // Pa

// Millimetres per inch. The exact value in extended precision for conversions that must give
// the double nearest to the true quotient (2.54 mm is 0.1 in).
inline constexpr long double kMillimetresPerInchExact = 25.4L;
inline constexpr double kMillimetresPerInch = static_cast<double>(kMillimetresPerInchExact);
inline constexpr double kDegreesPerRadian = 57.295779513082320877;
inline constexpr double kPascalsPerGPa = 1e9;

// The inputs whose range is checked. Lengths in millimetres whatever the display unit.
enum class Input {
    Pitch,
    Starts,
    FlankDegrees,
    FlankMinutes,
    FlankSeconds,
    ProbeDiam,
    Force,
    Given,
    ThreadPoisson,
    ThreadModulus, // GPa
    TaperRatio,
    TaperDegrees,
};

struct InputLimit {
    Input input;
    std::string_view name; // for messages: "pitch", "probe diameter", ...
    double low;
    double high;
    bool lowExcluded = false; // the pitch must be above 0
};

const std::array<InputLimit, 12>& InputLimits();
const InputLimit& LimitOf(Input input);
// False for NaN.
bool IsWithin(const InputLimit& limit, double value);

struct AngleDms {
    double degrees = 0;
    double minutes = 0;
    double seconds = 0;
};

// One measurement as entered: lengths in millimetres.
struct MeasurementInputs {
    ThreadType thread = ThreadType::ExternalCylindrical;
    GivenQuantity given = GivenQuantity::SizeOver;
    std::uint8_t method = 0; // the arrangement code of `thread`
    double pitch = 0;
    double starts = 1; // whole starts; a fraction is cut off
    AngleDms flank1{30, 0, 0};
    AngleDms flank2{30, 0, 0};
    double probeDiam = 0;
    ProbeMaterial probeMaterial = ProbeMaterial::Steel;
    double threadPoisson = 0.3;
    double threadModulusGPa = 250;
    double force = 0;      // N
    double givenValue = 0; // m, M or d2 as `given` says
    double taperRatio = 0; // used for external taper threads only
};

// The ten checks of the Calculate command, in its order: pitch, the three parts of each flank
// angle, probe diameter, force and the given value. The first input out of range, or empty.
std::optional<Input> FirstCalculateCheckFailing(const MeasurementInputs& inputs);
// Those and the inputs that the window's fields keep in range by themselves (starts, Poisson's
// ratio, modulus, taper ratio), for front ends without such fields.
std::optional<Input> FirstInputOutOfRange(const MeasurementInputs& inputs);

// A fresh record filled from the inputs: codes, probe material constants, lengths, angles in
// radians, the given value in its field, and the taper ratio for external taper threads only.
TPitchDiamData BuildMeasurementRecord(const MeasurementInputs& inputs);

} // namespace kthread
