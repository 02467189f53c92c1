#include "cli/MeasurementRequest.h"

#include "engine/NumberText.h"

#include <array>
#include <cmath>

namespace kthread::cli {

namespace {

constexpr double kMmPerInch = 25.4;

constexpr std::array<std::string_view, 4> kThreadNames{"ext-cyl", "int-cyl", "ext-taper",
                                                       "int-taper"};
constexpr std::array<std::string_view, 3> kGivenNames{"m", "M", "d2"};
constexpr std::array<std::string_view, 2> kProbeMaterialNames{"steel", "ruby"};

constexpr std::array<std::string_view, 3> kExtCylMethods{"three-wires", "two-wires",
                                                         "two-wires-inclined"};
constexpr std::array<std::string_view, 2> kIntCylMethods{"perpendicular", "inclined"};
constexpr std::array<std::string_view, 2> kExtTaperMethods{"two-wires", "three-wires"};
constexpr std::array<std::string_view, 1> kIntTaperMethods{"perpendicular"};

struct Limit {
    const char* option;
    double value;
    double low;
    double high;
    bool lowExclusive = false;
};

std::string Describe(const Limit& limit) {
    return limit.option + std::string(" must be ") +
           (limit.lowExclusive ? "greater than " : "from ") + FormatGeneral(limit.low) +
           (limit.lowExclusive ? " and at most " : " to ") + FormatGeneral(limit.high) + ", got " +
           FormatGeneral(limit.value);
}

bool Within(const Limit& limit) {
    // Written so that NaN fails every check.
    const bool aboveLow = limit.lowExclusive ? limit.value > limit.low : limit.value >= limit.low;
    return aboveLow && limit.value <= limit.high;
}

double ToMm(const MeasurementRequest& request, double length) {
    return request.inch ? length * kMmPerInch : length;
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

ProbeMaterial DefaultProbeMaterial(ThreadType thread) {
    const bool external =
        thread == ThreadType::ExternalCylindrical || thread == ThreadType::ExternalTaper;
    return external ? ProbeMaterial::Steel : ProbeMaterial::Ruby;
}

std::optional<std::string> CheckRequest(const MeasurementRequest& request) {
    if (request.method >= MethodNames(request.thread).size()) {
        return "--method: method " + std::to_string(request.method) + " is not valid for " +
               std::string(kThreadNames[static_cast<std::size_t>(request.thread)]);
    }
    // The Calculate command's own ranges, then the limits of the fields that have no such check.
    const std::array<Limit, 8> limits{{
        {"--pitch (in mm)", ToMm(request, request.pitch), 0, 100, true},
        // The window lets a probe diameter of 0 pass its range check, but the calculation then
        // refuses the record; here that is said up front, like any other value out of range.
        {"--probe (in mm)", ToMm(request, request.probeDiam), 0, 100, true},
        {"--force", request.force, 0, 100},
        {"--value (in mm)", ToMm(request, request.value), 0, 4000},
        {"--starts", request.starts, 0, 100},
        {"--poisson", request.threadPoisson, 0.01, 1},
        {"--modulus", request.threadModulusGPa, 1, 2000},
        {"--taper", request.taperRatio, 0, 100},
    }};
    for (const Limit& limit : limits) {
        if (!Within(limit)) {
            return Describe(limit);
        }
    }
    if (std::floor(request.starts) != request.starts) {
        return "--starts must be a whole number, got " + FormatGeneral(request.starts);
    }
    return std::nullopt;
}

TPitchDiamData BuildRecord(const MeasurementRequest& request) {
    TPitchDiamData record{};
    record.ThreadType = static_cast<std::uint8_t>(request.thread);
    record.GivenQty = static_cast<std::uint8_t>(request.given);
    record.MeasMode = request.method;
    const ProbeMaterial material =
        request.probeMaterial.value_or(DefaultProbeMaterial(request.thread));
    const bool ruby = material == ProbeMaterial::Ruby;
    record.ProbePoisson = ruby ? kRubyPoisson : kSteelPoisson;
    record.ProbeModulus = ruby ? kRubyModulus : kSteelModulus;
    record.ThreadPoisson = request.threadPoisson;
    record.ThreadModulus = request.threadModulusGPa * 1e9;
    record.Pitch = ToMm(request, request.pitch);
    record.Starts = request.starts;
    record.ProbeDiam = ToMm(request, request.probeDiam);
    record.Force = request.force;
    record.FlankAngle1 = FlankRadians(request.flank1);
    record.FlankAngle2 = FlankRadians(request.flank2);
    const double given = ToMm(request, request.value);
    switch (request.given) {
    case GivenQuantity::SizeCtr:
        record.SizeCtr = given;
        break;
    case GivenQuantity::SizeOver:
        record.SizeOver = given;
        break;
    case GivenQuantity::PitchDiam:
        record.PitchDiam = given;
        break;
    }
    if (request.thread == ThreadType::ExternalTaper) {
        record.TaperRatio = request.taperRatio;
    }
    return record;
}

} // namespace kthread::cli
