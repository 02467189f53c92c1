// How a thread designation meets the measurement it is given with, on the command line and in
// batch input alike. The designation fixes the thread type (external or internal, from its
// class), the pitch, the starts and both flank angles. A field that was not stated is taken from
// the designation; one that was stated must agree with it. A different value is refused rather
// than allowed to win: the verdict would then judge one thread against the limits of another.
#pragma once

#include "engine/PitchDiam.h"
#include "engine/designation/Designation.h"
#include "engine/designation/ThreadLimits.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace kthread::cli {

enum class FixedField : std::uint8_t { ThreadType, Pitch, Starts, FlankAngle1, FlankAngle2 };
inline constexpr std::size_t kFixedFieldCount = 5;

// The designation's value of the field in the record's units: selector, mm, starts, radians.
double DesignationValueOf(const designation::ThreadLimits& limits, FixedField field);

// Whether a stated value stands for the designation's: the thread type and the starts exactly,
// the pitch to 1e-4 of itself (an inch pitch of 1/13 in written to five digits passes), a flank
// angle to 1e-5 rad (about 2"). A designation's thread type is cylindrical (0 or 1), so a taper
// thread type never agrees.
bool AgreesWithDesignation(FixedField field, double stated, double designationValue);

// The side a designation without a class takes: that of the stated thread type (internal for
// int-cyl and int-taper), external when none was stated.
designation::Side UnstatedSide(std::optional<std::uint8_t> statedThreadType);

// The limits of a designation as typed, or the parser's sentence on what is wrong.
std::variant<designation::ThreadLimits, std::string>
LimitsOfDesignation(const std::string& text, designation::Side unstatedSide);

struct FieldConflict {
    FixedField field = FixedField::ThreadType;
    double stated = 0;
    double designation = 0;
};

// Which fixed fields the input stated, one bit per FixedField.
using StatedFields = std::uint8_t;
inline constexpr StatedFields StatedBit(FixedField field) {
    return static_cast<StatedFields>(1U << static_cast<unsigned>(field));
}

// Checks the stated fields of `record` against the designation and then writes all fixed
// fields from it (a stated value that agrees is replaced by the designation's exact one). The
// first stated field that disagrees, in FixedField order, leaves the record unchanged.
std::optional<FieldConflict> FitRecordToDesignation(const designation::ThreadLimits& limits,
                                                    StatedFields stated, TPitchDiamData& record);

// "within limits", "undersize", "oversize".
std::string_view VerdictText(designation::VerdictKind kind);

} // namespace kthread::cli
