#include "cli/MeasurementRequest.h"

#include "engine/NumberText.h"

#include <array>
#include <cmath>

namespace kthread::cli {

namespace {

constexpr std::array<std::string_view, 4> kThreadNames{"ext-cyl", "int-cyl", "ext-taper",
                                                       "int-taper"};
constexpr std::array<std::string_view, 3> kGivenNames{"m", "M", "d2"};
constexpr std::array<std::string_view, 2> kProbeMaterialNames{"steel", "ruby"};

constexpr std::array<std::string_view, 3> kExtCylMethods{"three-wires", "two-wires",
                                                         "two-wires-inclined"};
constexpr std::array<std::string_view, 2> kIntCylMethods{"perpendicular", "inclined"};
constexpr std::array<std::string_view, 2> kExtTaperMethods{"two-wires", "three-wires"};
constexpr std::array<std::string_view, 1> kIntTaperMethods{"perpendicular"};

// Each checked input's option, as the messages name it.
std::string_view OptionOf(Input input) {
    switch (input) {
    case Input::Pitch:
        return "--pitch (in mm)";
    case Input::Starts:
        return "--starts";
    case Input::FlankDegrees:
    case Input::FlankMinutes:
    case Input::FlankSeconds:
        return "--flank";
    case Input::ProbeDiam:
        return "--probe (in mm)";
    case Input::Force:
        return "--force";
    case Input::Given:
        return "--value (in mm)";
    case Input::ThreadPoisson:
        return "--poisson";
    case Input::ThreadModulus:
        return "--modulus";
    case Input::TaperRatio:
    case Input::TaperDegrees:
        return "--taper";
    }
    return "an option";
}

std::string Describe(std::string_view option, const InputLimit& limit, double value) {
    const bool above = limit.lowExcluded;
    return std::string(option) + " must be " + (above ? "greater than " : "from ") +
           FormatGeneral(limit.low) + (above ? " and at most " : " to ") +
           FormatGeneral(limit.high) + ", got " + FormatGeneral(value);
}

double ValueOf(const MeasurementInputs& in, Input input) {
    switch (input) {
    case Input::Pitch:
        return in.pitch;
    case Input::Starts:
        return in.starts;
    case Input::ProbeDiam:
        return in.probeDiam;
    case Input::Force:
        return in.force;
    case Input::Given:
        return in.givenValue;
    case Input::ThreadPoisson:
        return in.threadPoisson;
    case Input::ThreadModulus:
        return in.threadModulusGPa;
    case Input::TaperRatio:
        return in.taperRatio;
    case Input::FlankDegrees:
    case Input::FlankMinutes:
    case Input::FlankSeconds:
    case Input::TaperDegrees:
        break;
    }
    return 0; // the angle options are checked as they are read
}

double ToMm(const MeasurementRequest& request, double length) {
    return request.inch ? length * kMillimetresPerInch : length;
}

} // namespace

std::span<const std::string_view> ThreadNames() {
    return kThreadNames;
}
std::span<const std::string_view> GivenNames() {
    return kGivenNames;
}
std::span<const std::string_view> ProbeMaterialNames() {
    return kProbeMaterialNames;
}

std::span<const std::string_view> MethodNames(ThreadType thread) {
    switch (thread) {
    case ThreadType::ExternalCylindrical:
        return kExtCylMethods;
    case ThreadType::InternalCylindrical:
        return kIntCylMethods;
    case ThreadType::ExternalTaper:
        return kExtTaperMethods;
    case ThreadType::InternalTaper:
        return kIntTaperMethods;
    }
    return {};
}

std::optional<std::uint8_t> IndexOfName(std::span<const std::string_view> names,
                                        std::string_view name) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == name) {
            return static_cast<std::uint8_t>(i);
        }
    }
    return std::nullopt;
}

std::optional<std::string> CheckRequest(const MeasurementRequest& request) {
    if (request.method >= MethodNames(request.thread).size()) {
        return "--method: method " + std::to_string(request.method) + " is not valid for " +
               std::string(kThreadNames[static_cast<std::size_t>(request.thread)]);
    }
    const MeasurementInputs inputs = ToInputs(request);
    if (const std::optional<Input> failing = FirstInputOutOfRange(inputs)) {
        return Describe(OptionOf(*failing), LimitOf(*failing), ValueOf(inputs, *failing));
    }
    // The window lets a probe diameter of 0 pass its range check, but the calculation then
    // refuses the record; here that is said up front, like any other value out of range.
    if (!(inputs.probeDiam > 0)) {
        InputLimit aboveZero = LimitOf(Input::ProbeDiam);
        aboveZero.lowExcluded = true;
        return Describe(OptionOf(Input::ProbeDiam), aboveZero, inputs.probeDiam);
    }
    if (std::floor(request.starts) != request.starts) {
        return "--starts must be a whole number, got " + FormatGeneral(request.starts);
    }
    return std::nullopt;
}

MeasurementInputs ToInputs(const MeasurementRequest& request) {
    MeasurementInputs in;
    in.thread = request.thread;
    in.given = request.given;
    in.method = request.method;
    in.pitch = ToMm(request, request.pitch);
    in.starts = request.starts;
    in.flank1 = request.flank1;
    in.flank2 = request.flank2;
    in.probeDiam = ToMm(request, request.probeDiam);
    in.probeMaterial = request.probeMaterial.value_or(DefaultProbeMaterial(request.thread));
    in.threadPoisson = request.threadPoisson;
    in.threadModulusGPa = request.threadModulusGPa;
    in.force = request.force;
    in.givenValue = ToMm(request, request.value);
    in.taperRatio = request.taperRatio;
    return in;
}

TPitchDiamData BuildRecord(const MeasurementRequest& request) {
    return BuildMeasurementRecord(ToInputs(request));
}

} // namespace kthread::cli
