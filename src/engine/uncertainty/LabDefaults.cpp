#include "engine/uncertainty/LabDefaults.h"

#include <numbers>

namespace kthread::uncertainty {
namespace {

InputUncertainty Expanded(double U) {
    return {StatedAs::HalfWidth, U, Distribution::Normal, 2, kInfiniteDof};
}

InputUncertainty Rectangular(double halfWidth) {
    return {StatedAs::HalfWidth, halfWidth, Distribution::Rectangular, 2, kInfiniteDof};
}

constexpr double kArcMinute = std::numbers::pi / (180 * 60);

} // namespace

UncertaintyInputs LabDefaultInputs() {
    UncertaintyInputs in;
    in[InputQuantity::GivenValue] = Expanded(1.0e-3);
    in[InputQuantity::ProbeDiam] = Expanded(0.4e-3);
    in[InputQuantity::Pitch] = Expanded(1.0e-3);
    in[InputQuantity::FlankAngle1] = Rectangular(5 * kArcMinute);
    in[InputQuantity::FlankAngle2] = Rectangular(5 * kArcMinute);
    in[InputQuantity::Force] = Rectangular(0.1);
    in[InputQuantity::ThreadModulus] = Rectangular(10e9);
    in[InputQuantity::PartTemperature] = Rectangular(1.0);
    in[InputQuantity::ProbeTemperature] = Rectangular(1.0);
    in[InputQuantity::PartExpansion] = Rectangular(1e-6);
    in[InputQuantity::ProbeExpansion] = Rectangular(1e-6);
    return in;
}

ThermalConditions DefaultThermalConditions(const TPitchDiamData& record) {
    ThermalConditions t;
    if (record.ProbeModulus == kRubyModulus)
        t.probeExpansion = kRubyExpansion;
    return t;
}

} // namespace kthread::uncertainty
