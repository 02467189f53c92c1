// Uncertainties a thread-gauge laboratory typically states, as starting values for the inputs
// of the budget: a length measuring machine reading over wires or balls, probes with a
// calibration certificate, a pitch and flank angles measured on the part or taken from its
// gauge certificate, a dead-weight measuring force, and a laboratory held at 20 +- 1 degC.
#pragma once

#include "engine/PitchDiam.h"
#include "engine/uncertainty/MeasurementModel.h"
#include "engine/uncertainty/UncertaintyBudget.h"

namespace kthread::uncertainty {

// The figures, in the units the inputs are entered in:
// - reading M, m (or a given d2): U = 1.0 um (k = 2), normal (repeatability and instrument);
// - probe diameter: U = 0.4 um (k = 2), normal (calibration certificate of the set);
// - pitch: U = 1.0 um (k = 2), normal;
// - each flank angle: +-5', rectangular;
// - measuring force: +-0.1 N, rectangular;
// - modulus of the thread material: +-10 GPa, rectangular (steels lie within 200 to 220 GPa);
// - temperatures of part and probes: +-1 K about 20 degC, rectangular;
// - expansion coefficients: +-1e-6 /K, rectangular.
UncertaintyInputs LabDefaultInputs();

// No temperature correction; steel part; steel probes, or ruby when the record's probe modulus
// is that of ruby.
ThermalConditions DefaultThermalConditions(const TPitchDiamData& record);

// k = 2, probes of a set common.
inline constexpr BudgetOptions kDefaultBudgetOptions{};
inline constexpr ProbeCorrelation kDefaultProbeCorrelation = ProbeCorrelation::CommonToSet;

} // namespace kthread::uncertainty
