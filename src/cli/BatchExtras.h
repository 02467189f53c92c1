// Optional keys of the batch formats beside the record's fields (cli/RecordFields.h):
// - Designation: a thread designation as typed ("M10x1.5-6g"). It fixes the thread type, pitch,
//   starts and flank angles as cli/DesignationFit.h says, and adds PitchDiamMin and PitchDiamMax
//   (mm) and Verdict ("within limits", "undersize", "oversize") to the output line.
// - uGiven (the given m, M or d2), uProbeDiam, uPitch, uFlankAngle1, uFlankAngle2, uForce,
//   uThreadModulus, uPartTemperature, uProbeTemperature, uPartExpansion, uProbeExpansion: standard
//   uncertainties of the inputs in the record's units (mm, rad, N, Pa, K, 1/K). Any of them adds
//   the expanded uncertainty U of the result (mm) and its coverage factor k; the inputs not given
//   take the laboratory's defaults. With a designation as well, Conformity adds the decision on
//   the pitch diameter under the run's decision rule.
// The added keys follow "ok", so a line without them is the same as before.
#pragma once

#include "engine/PitchDiam.h"
#include "engine/designation/ThreadLimits.h"
#include "engine/uncertainty/ConformityDecision.h"
#include "engine/uncertainty/MeasurementModel.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kthread::cli {

// Designation, then one key per uncertainty::InputQuantity in its order.
enum class ExtraKey : std::uint8_t {
    Designation,
    UGiven,
    UProbeDiam,
    UPitch,
    UFlankAngle1,
    UFlankAngle2,
    UForce,
    UThreadModulus,
    UPartTemperature,
    UProbeTemperature,
    UPartExpansion,
    UProbeExpansion,
};
inline constexpr std::size_t kExtraKeyCount = 1 + uncertainty::kInputQuantityCount;

// The key of a name (case-sensitive), or empty.
std::optional<ExtraKey> FindExtraKey(std::string_view name);
std::string_view ExtraKeyName(ExtraKey key);
// The input quantity of an uncertainty key; not for Designation.
uncertainty::InputQuantity QuantityOf(ExtraKey key);

using ExtraKeySet = std::uint16_t;
inline constexpr ExtraKeySet ExtraBit(ExtraKey key) {
    return static_cast<ExtraKeySet>(1U << static_cast<unsigned>(key));
}
inline constexpr ExtraKeySet kUncertaintyKeys =
    static_cast<ExtraKeySet>(((1U << kExtraKeyCount) - 1) & ~1U);

// What one input line gave besides the record's fields. A reader clears `keys` for each line
// and fills the rest as it meets the keys; values of keys not in `keys` are stale.
struct LineExtras {
    ExtraKeySet keys = 0;
    std::string designation;
    std::array<double, uncertainty::kInputQuantityCount> u{}; // by InputQuantity
    std::uint32_t fieldsGiven = 0; // bit i: RecordFields()[i] was given on the line

    bool Any() const { return keys != 0; }
    bool HasDesignation() const { return (keys & ExtraBit(ExtraKey::Designation)) != 0; }
    bool HasUncertainty() const { return (keys & kUncertaintyKeys) != 0; }
};

// What the extras add to an output line. The values are set when the record was computed
// (ok) and, for U, k and the conformity, when its budget could be evaluated.
struct ExtraResults {
    bool limits = false; // PitchDiamMin, PitchDiamMax and Verdict are written
    double pitchDiamMin = 0;
    double pitchDiamMax = 0;
    std::optional<designation::VerdictKind> verdict;
    bool uncertainty = false; // U and k are written; Conformity too when `limits`
    std::optional<double> expanded;
    std::optional<double> coverageFactor;
    std::optional<uncertainty::Conformity> conformity;
};

// Applies the line's designation to `record`, checks its uncertainties, computes the record
// (`ok` is CalcPitchDiam's answer) and what the extras add. Returns the line's error instead: a
// designation that does not parse or conflicts with a stated field, or a negative uncertainty.
std::optional<std::string> CalcRecordWithExtras(const LineExtras& extras,
                                                uncertainty::DecisionRule rule,
                                                TPitchDiamData& record, bool& ok,
                                                ExtraResults& results);

} // namespace kthread::cli
