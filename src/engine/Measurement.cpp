#include "engine/Measurement.h"

#include <cmath>

namespace kthread {
namespace {

// Angles are whole or decimal degrees up to a right angle; minutes and seconds below 60.
constexpr std::array<InputLimit, 12> kInputLimits{{
    {Input::Pitch, "pitch", 0, 100, true},
    {Input::Starts, "number of starts", 0, 100},
    {Input::FlankDegrees, "flank angle degrees", 0, 90},
    {Input::FlankMinutes, "flank angle minutes", 0, 59},
    {Input::FlankSeconds, "flank angle seconds", 0, 59},
    {Input::ProbeDiam, "probe diameter", 0, 100},
    {Input::Force, "measuring force", 0, 100},
    {Input::Given, "given value", 0, 4000},
    {Input::ThreadPoisson, "Poisson's ratio", 0.01, 1},
    {Input::ThreadModulus, "modulus of elasticity", 1, 2000},
    {Input::TaperRatio, "taper ratio", 0, 100},
    {Input::TaperDegrees, "half taper angle degrees", 0, 90},
}};

constexpr bool LimitsInInputOrder() {
    for (std::size_t i = 0; i < kInputLimits.size(); ++i) {
        if (static_cast<std::size_t>(kInputLimits[i].input) != i) {
            return false;
        }
    }
    return true;
}
static_assert(LimitsInInputOrder(), "LimitOf() indexes the table by Input");

struct Check {
    Input input;
    double value;
};

std::optional<Input> FirstFailing(std::initializer_list<Check> checks) {
    for (const Check& check : checks) {
        if (!IsWithin(LimitOf(check.input), check.value)) {
            return check.input;
        }
    }
    return std::nullopt;
}

double Radians(const AngleDms& angle) {
    return AngleRad(angle.degrees, angle.minutes, angle.seconds);
}

} // namespace

int MethodCount(ThreadType thread) {
    switch (thread) {
    case ThreadType::ExternalCylindrical:
        return 3;
    case ThreadType::InternalCylindrical:
    case ThreadType::ExternalTaper:
        return 2;
    case ThreadType::InternalTaper:
        return 1;
    }
    return 0;
}

bool IsExternal(ThreadType thread) {
    return thread == ThreadType::ExternalCylindrical || thread == ThreadType::ExternalTaper;
}

ProbeMaterial DefaultProbeMaterial(ThreadType thread) {
    return IsExternal(thread) ? ProbeMaterial::Steel : ProbeMaterial::Ruby;
}

double PoissonOf(ProbeMaterial material) {
    return material == ProbeMaterial::Ruby ? kRubyPoisson : kSteelPoisson;
}

double ModulusOf(ProbeMaterial material) {
    return material == ProbeMaterial::Ruby ? kRubyModulus : kSteelModulus;
}

const std::array<InputLimit, 12>& InputLimits() {
    return kInputLimits;
}

const InputLimit& LimitOf(Input input) {
    return kInputLimits[static_cast<std::size_t>(input)];
}

bool IsWithin(const InputLimit& limit, double value) {
    // Written so that NaN fails.
    const bool aboveLow = limit.lowExcluded ? value > limit.low : value >= limit.low;
    return aboveLow && value <= limit.high;
}

std::optional<Input> FirstCalculateCheckFailing(const MeasurementInputs& in) {
    return FirstFailing({
        {Input::Pitch, in.pitch},
        {Input::FlankDegrees, in.flank1.degrees},
        {Input::FlankMinutes, in.flank1.minutes},
        {Input::FlankSeconds, in.flank1.seconds},
        {Input::FlankDegrees, in.flank2.degrees},
        {Input::FlankMinutes, in.flank2.minutes},
        {Input::FlankSeconds, in.flank2.seconds},
        {Input::ProbeDiam, in.probeDiam},
        {Input::Force, in.force},
        {Input::Given, in.givenValue},
    });
}

std::optional<Input> FirstInputOutOfRange(const MeasurementInputs& in) {
    if (const auto failing = FirstCalculateCheckFailing(in)) {
        return failing;
    }
    return FirstFailing({
        {Input::Starts, in.starts},
        {Input::ThreadPoisson, in.threadPoisson},
        {Input::ThreadModulus, in.threadModulusGPa},
        {Input::TaperRatio, in.taperRatio},
    });
}

TPitchDiamData BuildMeasurementRecord(const MeasurementInputs& in) {
    TPitchDiamData record{};
    record.ThreadType = static_cast<std::uint8_t>(in.thread);
    record.GivenQty = static_cast<std::uint8_t>(in.given);
    record.MeasMode = in.method;
    record.ProbePoisson = PoissonOf(in.probeMaterial);
    record.ProbeModulus = ModulusOf(in.probeMaterial);
    record.ThreadPoisson = in.threadPoisson;
    record.ThreadModulus = in.threadModulusGPa * kPascalsPerGPa;
    record.Pitch = in.pitch;
    record.Starts = std::trunc(in.starts);
    record.ProbeDiam = in.probeDiam;
    record.Force = in.force;
    record.FlankAngle1 = Radians(in.flank1);
    record.FlankAngle2 = Radians(in.flank2);
    switch (in.given) {
    case GivenQuantity::SizeCtr:
        record.SizeCtr = in.givenValue;
        break;
    case GivenQuantity::SizeOver:
        record.SizeOver = in.givenValue;
        break;
    case GivenQuantity::PitchDiam:
        record.PitchDiam = in.givenValue;
        break;
    }
    if (in.thread == ThreadType::ExternalTaper) {
        record.TaperRatio = in.taperRatio;
    }
    return record;
}

} // namespace kthread
