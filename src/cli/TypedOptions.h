// The options of one measurement as typed, turned into a SingleMeasurement once CLI11 has parsed
// them. Numbers are kept as text so that they are read by the same rule as batch input, not by
// CLI11's own conversion (which takes "0x10" and reads "" as 0).
#pragma once

#include "cli/SingleMeasurement.h"
#include "engine/uncertainty/MeasurementModel.h"

#include <array>
#include <string>

namespace kthread::cli {

struct TypedOptions {
    std::string thread = "ext-cyl";
    std::string given = "M";
    std::string method;
    std::string value;
    std::string pitch;
    std::string probe;
    std::string flank = "30";
    std::string flank2;
    std::string starts = "1";
    std::string force = "0";
    std::string probeMaterial;
    std::string poisson = "0.3";
    std::string modulus = "250";
    std::string taper = "0";
    std::string designation;
    std::string decisionRule = "guard-banded";
    // VALUE[:FORM] per input quantity (cli/UncertaintyText.h); empty: the laboratory's default.
    std::array<std::string, uncertainty::kInputQuantityCount> uncertainties;
};

// Which options were given on the command line rather than left at their defaults.
struct GivenOptions {
    bool thread = false;
    bool pitch = false;
    bool starts = false;
    bool flank = false;
    bool flank2 = false;
    bool value = false;
    bool probe = false;
    bool taper = false;
    bool uncertainty = false; // --uncertainty
};

// The option of each input's uncertainty, in uncertainty::InputQuantity order: --u-value,
// --u-probe, --u-pitch, --u-flank, --u-flank2, --u-force, --u-modulus, --u-part-temp,
// --u-probe-temp, --u-part-expansion, --u-probe-expansion.
struct UncertaintyOption {
    const char* name;
    const char* what; // for the help: "the given value (mm, or in with --inch)"
};
const std::array<UncertaintyOption, uncertainty::kInputQuantityCount>& UncertaintyOptions();

// The option's unit in the record's units (mm per in with `inch`, rad per degree, Pa per GPa).
double UncertaintyOptionScale(uncertainty::InputQuantity quantity, bool inch);

// Checks the options and builds the measurement: the designation's limits and the thread type,
// pitch, starts and flank angles it fixes (a stated option must agree with it), the request,
// the uncertainties. Throws CLI::ValidationError or CLI::RequiredError naming the option.
SingleMeasurement ToSingleMeasurement(const TypedOptions& typed, const GivenOptions& given,
                                      bool inch);

} // namespace kthread::cli
