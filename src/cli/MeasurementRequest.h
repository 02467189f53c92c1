// One measurement as given on the command line, its checks and the engine record built from it.
#pragma once

#include "cli/FlankAngleText.h"
#include "engine/Measurement.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kthread::cli {

// The record's codes, as the engine defines them.
using kthread::GivenQuantity;
using kthread::ProbeMaterial;
using kthread::ThreadType;

// Command-line names; a name's position is its selector value.
std::span<const std::string_view> ThreadNames();           // ext-cyl int-cyl ext-taper int-taper
std::span<const std::string_view> GivenNames();            // m M d2
std::span<const std::string_view> MethodNames(ThreadType); // the methods valid for the type
std::span<const std::string_view> ProbeMaterialNames();    // steel ruby

// Position of `name` in `names` (case-sensitive: "m" and "M" differ).
std::optional<std::uint8_t> IndexOfName(std::span<const std::string_view> names,
                                        std::string_view name);

using kthread::DefaultProbeMaterial;

struct MeasurementRequest {
    ThreadType thread = ThreadType::ExternalCylindrical;
    GivenQuantity given = GivenQuantity::SizeOver;
    std::uint8_t method = 0; // position in MethodNames(thread)
    double value = 0;        // the given m, M or d2; lengths in mm, or in inches with `inch`
    double pitch = 0;
    double probeDiam = 0;
    DegMinSec flank1{30, 0, 0};
    DegMinSec flank2{30, 0, 0};
    double starts = 1;                          // a whole number
    double force = 0;                           // N
    std::optional<ProbeMaterial> probeMaterial; // empty: DefaultProbeMaterial(thread)
    double threadPoisson = 0.3;
    double threadModulusGPa = 250;
    double taperRatio = 0; // external taper threads only
    bool inch = false;
};

// The first value outside its accepted range, named by its option; empty when all are fine.
// Length limits are in millimetres also for inch input.
std::optional<std::string> CheckRequest(const MeasurementRequest& request);

// The request in the engine's terms: lengths in mm.
MeasurementInputs ToInputs(const MeasurementRequest& request);

// A fresh record filled as the window's Calculate command fills it, lengths in mm.
TPitchDiamData BuildRecord(const MeasurementRequest& request);

} // namespace kthread::cli
