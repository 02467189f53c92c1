#include "engine/uncertainty/MeasurementModel.h"

#include <cmath>
#include <limits>

namespace kthread::uncertainty {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

bool IsThreeWireArrangement(const TPitchDiamData& record) {
    return (record.ThreadType == 0 && record.MeasMode == 0) ||
           (record.ThreadType == 2 && record.MeasMode == 1);
}

double GivenValueOf(const TPitchDiamData& record) {
    switch (record.GivenQty) {
    case 0:
        return record.SizeCtr;
    case 1:
        return record.SizeOver;
    default:
        return record.PitchDiam;
    }
}

double NominalValue(const MeasurementModel& model, InputQuantity quantity) {
    const TPitchDiamData& r = model.record;
    switch (quantity) {
    case InputQuantity::GivenValue:
        return GivenValueOf(r);
    case InputQuantity::ProbeDiam:
        return r.ProbeDiam;
    case InputQuantity::Pitch:
        return r.Pitch;
    case InputQuantity::FlankAngle1:
        return r.FlankAngle1;
    case InputQuantity::FlankAngle2:
        return r.FlankAngle2;
    case InputQuantity::Force:
        return r.Force;
    case InputQuantity::ThreadModulus:
        return r.ThreadModulus;
    case InputQuantity::PartTemperature:
        return model.thermal.partDeltaT;
    case InputQuantity::ProbeTemperature:
        return model.thermal.probeDeltaT;
    case InputQuantity::PartExpansion:
        return model.thermal.partExpansion;
    case InputQuantity::ProbeExpansion:
        return model.thermal.probeExpansion;
    }
    return kNaN;
}

} // namespace

InputUnit UnitOf(InputQuantity quantity) {
    switch (quantity) {
    case InputQuantity::GivenValue:
    case InputQuantity::ProbeDiam:
    case InputQuantity::Pitch:
        return InputUnit::Millimetre;
    case InputQuantity::FlankAngle1:
    case InputQuantity::FlankAngle2:
        return InputUnit::Radian;
    case InputQuantity::Force:
        return InputUnit::Newton;
    case InputQuantity::ThreadModulus:
        return InputUnit::Pascal;
    case InputQuantity::PartTemperature:
    case InputQuantity::ProbeTemperature:
        return InputUnit::Kelvin;
    case InputQuantity::PartExpansion:
    case InputQuantity::ProbeExpansion:
        return InputUnit::PerKelvin;
    }
    return InputUnit::Millimetre;
}

Measurand MeasurandOf(const TPitchDiamData& record) {
    return record.GivenQty == 2 ? Measurand::SizeOver : Measurand::PitchDiam;
}

int ProbeCount(const TPitchDiamData& record) {
    return IsThreeWireArrangement(record) ? 3 : 2;
}

std::vector<ModelInput> ModelInputs(const MeasurementModel& model) {
    std::vector<ModelInput> inputs;
    inputs.reserve(kInputQuantityCount + 2);
    const bool forceApplied = model.record.Force > 0;
    for (std::size_t i = 0; i < kInputQuantityCount; ++i) {
        const auto quantity = static_cast<InputQuantity>(i);
        if (!forceApplied &&
            (quantity == InputQuantity::Force || quantity == InputQuantity::ThreadModulus))
            continue;
        const double value = NominalValue(model, quantity);
        if (quantity != InputQuantity::ProbeDiam || model.probes == ProbeCorrelation::CommonToSet) {
            inputs.push_back({quantity, 0, value, 1});
            continue;
        }
        if (ProbeCount(model.record) == 3) {
            inputs.push_back({quantity, 1, value, 0.5});
            inputs.push_back({quantity, 2, value, 0.25});
            inputs.push_back({quantity, 3, value, 0.25});
        } else {
            inputs.push_back({quantity, 1, value, 0.5});
            inputs.push_back({quantity, 2, value, 0.5});
        }
    }
    return inputs;
}

std::optional<double> EvaluateMeasurand(const MeasurementModel& model,
                                        std::span<const ModelInput> inputs,
                                        std::span<const double> values) {
    if (values.size() != inputs.size())
        return std::nullopt;

    TPitchDiamData d = model.record;
    ThermalConditions thermal = model.thermal;
    double given = GivenValueOf(d);
    double probeDiam = 0;
    double pitch = d.Pitch;
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        const double v = values[i];
        switch (inputs[i].quantity) {
        case InputQuantity::GivenValue:
            given = v;
            break;
        case InputQuantity::ProbeDiam:
            probeDiam += inputs[i].weight * v;
            break;
        case InputQuantity::Pitch:
            pitch = v;
            break;
        case InputQuantity::FlankAngle1:
            d.FlankAngle1 = v;
            break;
        case InputQuantity::FlankAngle2:
            d.FlankAngle2 = v;
            break;
        case InputQuantity::Force:
            d.Force = v;
            break;
        case InputQuantity::ThreadModulus:
            d.ThreadModulus = v;
            break;
        case InputQuantity::PartTemperature:
            thermal.partDeltaT = v;
            break;
        case InputQuantity::ProbeTemperature:
            thermal.probeDeltaT = v;
            break;
        case InputQuantity::PartExpansion:
            thermal.partExpansion = v;
            break;
        case InputQuantity::ProbeExpansion:
            thermal.probeExpansion = v;
            break;
        }
    }

    const double partScale = 1 + thermal.partExpansion * thermal.partDeltaT;
    const double probeScale = 1 + thermal.probeExpansion * thermal.probeDeltaT;
    d.Pitch = pitch * partScale;
    d.ProbeDiam = probeDiam * probeScale;
    // Outputs start as NaN so that a path which leaves the result alone is seen as no value.
    d.SizeCtr = d.GivenQty == 0 ? given : kNaN;
    d.SizeOver = d.GivenQty == 1 ? given : kNaN;
    d.PitchDiam = d.GivenQty == 2 ? given * partScale : kNaN;
    if (!CalcPitchDiam(d))
        return std::nullopt;

    const double result =
        MeasurandOf(d) == Measurand::PitchDiam ? d.PitchDiam / partScale : d.SizeOver;
    if (!std::isfinite(result))
        return std::nullopt;
    return result;
}

} // namespace kthread::uncertainty
