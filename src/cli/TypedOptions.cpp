#include "cli/TypedOptions.h"

#include "cli/DesignationFit.h"
#include "cli/NumberReading.h"
#include "cli/UncertaintyModel.h"
#include "cli/UncertaintyText.h"
#include "engine/NumberText.h"
#include "engine/uncertainty/LabDefaults.h"

#include <CLI/CLI.hpp>

#include <numbers>
#include <variant>

namespace kthread::cli {

namespace {

using uncertainty::InputQuantity;

constexpr double kRadiansPerDegree = std::numbers::pi / 180;

constexpr std::array<UncertaintyOption, uncertainty::kInputQuantityCount> kUncertaintyOptions{{
    {"--u-value", "the given value (mm, or in with --inch)"},
    {"--u-probe", "the probe diameter (mm, or in with --inch)"},
    {"--u-pitch", "the pitch (mm, or in with --inch)"},
    {"--u-flank", "the first flank angle (degrees)"},
    {"--u-flank2", "the second flank angle (degrees) when not that of --u-flank"},
    {"--u-force", "the measuring force (N)"},
    {"--u-modulus", "the thread material's modulus (GPa)"},
    {"--u-part-temp", "the part's temperature about 20 degC (K)"},
    {"--u-probe-temp", "the probes' temperature about 20 degC (K)"},
    {"--u-part-expansion", "the part's expansion coefficient (1/K)"},
    {"--u-probe-expansion", "the probes' expansion coefficient (1/K)"},
}};

std::string Joined(std::span<const std::string_view> names) {
    std::string text;
    for (const std::string_view name : names) {
        text += (text.empty() ? "" : ", ") + std::string(name);
    }
    return text;
}

// Reads a numeric option's text; a refusal names the option.
double NumberOption(const char* name, const std::string& text) {
    const NumberReading reading = ReadNumber(text);
    if (!reading.ok()) {
        throw CLI::ValidationError(name, DescribeNumberProblem(reading.problem, text));
    }
    return reading.value;
}

double ToMm(double length, bool inch) {
    return inch ? length * kMillimetresPerInch : length;
}

double FromMm(double mm, bool inch) {
    return inch ? mm / kMillimetresPerInch : mm;
}

// The designation's value as the option is written: "1.5 mm", "30 deg", "2", "ext-cyl".
std::string Shown(FixedField field, double value, bool inch) {
    switch (field) {
    case FixedField::ThreadType:
        return std::string(ThreadNames()[static_cast<std::size_t>(value)]);
    case FixedField::Pitch:
        return FormatGeneral(FromMm(value, inch), 8) + (inch ? " in" : " mm");
    case FixedField::Starts:
        return FormatGeneral(value);
    case FixedField::FlankAngle1:
    case FixedField::FlankAngle2:
        return FormatGeneral(value / kRadiansPerDegree, 8) + " deg";
    }
    return {};
}

// Refuses a stated option that does not agree with the designation. `stated` in the record's
// units, `typed` as the option was written.
void CheckAgainst(const designation::ThreadLimits& limits, FixedField field, const char* option,
                  double stated, const std::string& typed, bool inch) {
    const double wanted = DesignationValueOf(limits, field);
    if (!AgreesWithDesignation(field, stated, wanted)) {
        throw CLI::ValidationError(option, typed + " conflicts with the designation " +
                                               limits.designation.text + " (" +
                                               Shown(field, wanted, inch) +
                                               "); leave the option out or change one of them");
    }
}

DegMinSec DegreesOf(double radians) {
    return DegMinSec{radians / kRadiansPerDegree, 0, 0};
}

MeasurementRequest ToRequest(const TypedOptions& typed, const GivenOptions& given, bool inch,
                             const designation::ThreadLimits* limits, bool calculate) {
    MeasurementRequest request;
    request.inch = inch;
    request.value = calculate ? NumberOption("--value", typed.value) : 0;
    request.probeDiam = NumberOption("--probe", typed.probe);
    request.force = NumberOption("--force", typed.force);
    request.threadPoisson = NumberOption("--poisson", typed.poisson);
    request.threadModulusGPa = NumberOption("--modulus", typed.modulus);
    request.taperRatio = NumberOption("--taper", typed.taper);
    request.given = static_cast<GivenQuantity>(*IndexOfName(GivenNames(), typed.given));

    const auto typedThread = *IndexOfName(ThreadNames(), typed.thread);
    request.thread = static_cast<ThreadType>(typedThread);
    if (limits != nullptr) {
        if (given.thread) {
            CheckAgainst(*limits, FixedField::ThreadType, "--thread", typedThread, typed.thread,
                         inch);
        }
        request.thread = static_cast<ThreadType>(limits->threadType);
    }
    const std::string threadName(ThreadNames()[static_cast<std::size_t>(request.thread)]);
    if (given.taper && request.thread != ThreadType::ExternalTaper) {
        throw CLI::ValidationError("--taper", "applies to ext-taper threads only");
    }

    if (limits != nullptr && !given.pitch) {
        request.pitch = FromMm(limits->pitchMm, inch);
    } else {
        request.pitch = NumberOption("--pitch", typed.pitch);
        if (limits != nullptr) {
            CheckAgainst(*limits, FixedField::Pitch, "--pitch", ToMm(request.pitch, inch),
                         typed.pitch, inch);
        }
    }
    if (limits != nullptr && !given.starts) {
        request.starts = limits->starts;
    } else {
        request.starts = NumberOption("--starts", typed.starts);
        if (limits != nullptr) {
            CheckAgainst(*limits, FixedField::Starts, "--starts", request.starts, typed.starts,
                         inch);
        }
    }
    if (limits != nullptr && !given.flank) {
        request.flank1 = DegreesOf(limits->flankAngle1);
    } else {
        request.flank1 = *ParseFlankAngle(typed.flank);
        if (limits != nullptr) {
            CheckAgainst(*limits, FixedField::FlankAngle1, "--flank", FlankRadians(request.flank1),
                         typed.flank, inch);
        }
    }
    if (given.flank2) {
        request.flank2 = *ParseFlankAngle(typed.flank2);
        if (limits != nullptr) {
            CheckAgainst(*limits, FixedField::FlankAngle2, "--flank2", FlankRadians(request.flank2),
                         typed.flank2, inch);
        }
    } else {
        request.flank2 = limits != nullptr ? DegreesOf(limits->flankAngle2) : request.flank1;
    }

    if (!typed.method.empty()) {
        const auto method = IndexOfName(MethodNames(request.thread), typed.method);
        if (!method) {
            throw CLI::ValidationError("--method", typed.method + " is not a method for " +
                                                       threadName + " (use one of " +
                                                       Joined(MethodNames(request.thread)) + ")");
        }
        request.method = *method;
    }
    if (!typed.probeMaterial.empty()) {
        request.probeMaterial =
            static_cast<ProbeMaterial>(*IndexOfName(ProbeMaterialNames(), typed.probeMaterial));
    }
    if (const auto problem = CheckRequest(request)) {
        throw CLI::ValidationError(*problem);
    }
    return request;
}

uncertainty::UncertaintyInputs ToUncertainties(const TypedOptions& typed, bool inch) {
    uncertainty::UncertaintyInputs inputs = uncertainty::LabDefaultInputs();
    for (std::size_t i = 0; i < kUncertaintyOptions.size(); ++i) {
        const auto quantity = static_cast<InputQuantity>(i);
        std::string text = typed.uncertainties[i];
        if (text.empty() && quantity == InputQuantity::FlankAngle2) {
            text = typed.uncertainties[static_cast<std::size_t>(InputQuantity::FlankAngle1)];
        }
        if (text.empty()) {
            continue;
        }
        std::string error;
        const auto stated = ParseUncertaintyText(text, inputs[quantity],
                                                 UncertaintyOptionScale(quantity, inch), &error);
        if (!stated) {
            throw CLI::ValidationError(kUncertaintyOptions[i].name, error);
        }
        inputs[quantity] = *stated;
    }
    return inputs;
}

} // namespace

const std::array<UncertaintyOption, uncertainty::kInputQuantityCount>& UncertaintyOptions() {
    return kUncertaintyOptions;
}

double UncertaintyOptionScale(InputQuantity quantity, bool inch) {
    switch (quantity) {
    case InputQuantity::GivenValue:
    case InputQuantity::ProbeDiam:
    case InputQuantity::Pitch:
        return inch ? kMillimetresPerInch : 1.0;
    case InputQuantity::FlankAngle1:
    case InputQuantity::FlankAngle2:
        return kRadiansPerDegree;
    case InputQuantity::ThreadModulus:
        return kPascalsPerGPa;
    case InputQuantity::Force:
    case InputQuantity::PartTemperature:
    case InputQuantity::ProbeTemperature:
    case InputQuantity::PartExpansion:
    case InputQuantity::ProbeExpansion:
        return 1.0;
    }
    return 1.0;
}

SingleMeasurement ToSingleMeasurement(const TypedOptions& typed, const GivenOptions& given,
                                      bool inch) {
    SingleMeasurement m;
    m.inch = inch;
    m.calculate = given.value;
    const bool designated = !typed.designation.empty();
    if (designated) {
        const std::optional<std::uint8_t> statedType =
            given.thread ? IndexOfName(ThreadNames(), typed.thread) : std::nullopt;
        auto limits = LimitsOfDesignation(typed.designation, UnstatedSide(statedType));
        if (const std::string* error = std::get_if<std::string>(&limits)) {
            throw CLI::ValidationError("--designation", *error);
        }
        m.designation = std::get<designation::ThreadLimits>(std::move(limits));
    }
    if (!designated) {
        for (const auto& [name, present] :
             {std::pair{"--value", given.value}, std::pair{"--pitch", given.pitch},
              std::pair{"--probe", given.probe}}) {
            if (!present) {
                throw CLI::RequiredError(name);
            }
        }
    } else if (given.value && !given.probe) {
        throw CLI::RequiredError("--probe");
    }
    if (given.uncertainty && !given.value) {
        throw CLI::RequiredError("--value");
    }
    if (given.probe) {
        m.request =
            ToRequest(typed, given, inch, m.designation ? &*m.designation : nullptr, m.calculate);
    }
    if (given.uncertainty) {
        m.uncertainty = ToUncertainties(typed, inch);
    }
    m.rule = static_cast<uncertainty::DecisionRule>(
        *IndexOfName(DecisionRuleNames(), typed.decisionRule));
    return m;
}

} // namespace kthread::cli
