// The measurement model whose uncertainty is evaluated: CalcPitchDiam over a measurement record,
// with the input quantities that carry an uncertainty and the thermal state of part and probes.
//
// Temperature: lengths are stated at 20 degC. At the measuring temperature the part's lengths
// (pitch, pitch diameter) are (1 + aT dtT) times longer and the probes' diameters
// (1 + aP dtP) times; the reading is the size the instrument shows on the warm set-up (its own
// thermal error belongs to the reading's uncertainty). The model solves the warm set-up with
// CalcPitchDiam and brings the pitch diameter back to 20 degC by dividing by (1 + aT dtT). When
// the pitch diameter is given, the result is the size over the probes that the instrument
// should read on the warm set-up. With dt = 0 (the usual case: no correction applied, only its
// uncertainty) the result is CalcPitchDiam's own.
//
// Probes of one set: by default one diameter for the set, so its uncertainty is common to all
// probes (fully correlated: one certificate, one calibration method). With independent probes
// each has its own diameter with the same uncertainty; they enter the size over the set with
// weights (three wires: 1/2 for the single wire, 1/4 for each wire of the pair under a
// self-aligning anvil; two wires or balls: 1/2 each), and CalcPitchDiam sees their weighted
// mean. Independent probes give a smaller combined uncertainty than a common one.
#pragma once

#include "engine/PitchDiam.h"
#include "engine/uncertainty/InputUncertainty.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace kthread::uncertainty {

enum class InputQuantity {
    GivenValue,       // the reading M or m, or the given pitch diameter d2 (mm)
    ProbeDiam,        // probe diameter (mm)
    Pitch,            // mm
    FlankAngle1,      // rad
    FlankAngle2,      // rad
    Force,            // measuring force (N)
    ThreadModulus,    // modulus of elasticity of the thread material (Pa)
    PartTemperature,  // difference of the part's temperature from 20 degC (K)
    ProbeTemperature, // difference of the probes' temperature from 20 degC (K)
    PartExpansion,    // linear expansion coefficient of the part (1/K)
    ProbeExpansion,   // linear expansion coefficient of the probes (1/K)
};
inline constexpr std::size_t kInputQuantityCount = 11;

enum class InputUnit { Millimetre, Radian, Newton, Pascal, Kelvin, PerKelvin };
InputUnit UnitOf(InputQuantity quantity);

// One stated uncertainty per input quantity, indexed by InputQuantity.
struct UncertaintyInputs {
    std::array<InputUncertainty, kInputQuantityCount> items{};

    InputUncertainty& operator[](InputQuantity q) { return items[static_cast<std::size_t>(q)]; }
    const InputUncertainty& operator[](InputQuantity q) const {
        return items[static_cast<std::size_t>(q)];
    }
};

inline constexpr double kSteelExpansion = 11.5e-6; // 1/K
inline constexpr double kRubyExpansion = 6.0e-6;   // 1/K, synthetic ruby (sapphire), mean

// Nominal thermal state; the differences from 20 degC are corrections the model applies.
struct ThermalConditions {
    double partDeltaT = 0;  // K
    double probeDeltaT = 0; // K
    double partExpansion = kSteelExpansion;
    double probeExpansion = kSteelExpansion;
};

enum class ProbeCorrelation {
    CommonToSet, // one diameter for the whole set: fully correlated
    Independent, // one diameter per probe, uncorrelated
};

struct MeasurementModel {
    TPitchDiamData record; // inputs as for CalcPitchDiam; its output fields are not read
    ThermalConditions thermal;
    UncertaintyInputs inputs;
    ProbeCorrelation probes = ProbeCorrelation::CommonToSet;
};

// The result whose uncertainty is evaluated: the pitch diameter when a size is given, the size M
// over the probes when the pitch diameter is given.
enum class Measurand { PitchDiam, SizeOver };
Measurand MeasurandOf(const TPitchDiamData& record);

// Number of probes in the arrangement: 3 for three wires, else 2.
int ProbeCount(const TPitchDiamData& record);

// One input as the budget and the Monte Carlo propagation see it.
struct ModelInput {
    InputQuantity quantity = InputQuantity::GivenValue;
    int probe = 0;     // 1, 2, 3 for independent probes (1 = the single wire), else 0
    double value = 0;  // nominal value
    double weight = 1; // share of this probe in the diameter CalcPitchDiam sees
};

// The inputs of the model, in budget order. The force and the modulus appear only when a force
// is given (without it the deformation correction is not applied and they do not enter).
std::vector<ModelInput> ModelInputs(const MeasurementModel& model);

// The measurand for the input values `values` (one per entry of `inputs`, in order). Empty when
// CalcPitchDiam fails or leaves the result without a value.
std::optional<double> EvaluateMeasurand(const MeasurementModel& model,
                                        std::span<const ModelInput> inputs,
                                        std::span<const double> values);

} // namespace kthread::uncertainty
