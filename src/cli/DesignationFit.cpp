#include "cli/DesignationFit.h"

#include <cmath>

namespace kthread::cli {

namespace {

constexpr double kPitchRelativeTolerance = 1e-4;
constexpr double kFlankTolerance = 1e-5; // rad
constexpr std::uint8_t kInternalCylindrical = 1;
constexpr std::uint8_t kInternalTaper = 3;

double FieldOf(const TPitchDiamData& record, FixedField field) {
    switch (field) {
    case FixedField::ThreadType:
        return record.ThreadType;
    case FixedField::Pitch:
        return record.Pitch;
    case FixedField::Starts:
        return record.Starts;
    case FixedField::FlankAngle1:
        return record.FlankAngle1;
    case FixedField::FlankAngle2:
        return record.FlankAngle2;
    }
    return 0;
}

} // namespace

double DesignationValueOf(const designation::ThreadLimits& limits, FixedField field) {
    switch (field) {
    case FixedField::ThreadType:
        return limits.threadType;
    case FixedField::Pitch:
        return limits.pitchMm;
    case FixedField::Starts:
        return limits.starts;
    case FixedField::FlankAngle1:
        return limits.flankAngle1;
    case FixedField::FlankAngle2:
        return limits.flankAngle2;
    }
    return 0;
}

bool AgreesWithDesignation(FixedField field, double stated, double designationValue) {
    switch (field) {
    case FixedField::ThreadType:
    case FixedField::Starts:
        return stated == designationValue;
    case FixedField::Pitch:
        return std::abs(stated - designationValue) <= kPitchRelativeTolerance * designationValue;
    case FixedField::FlankAngle1:
    case FixedField::FlankAngle2:
        return std::abs(stated - designationValue) <= kFlankTolerance;
    }
    return false;
}

designation::Side UnstatedSide(std::optional<std::uint8_t> statedThreadType) {
    const bool internal =
        statedThreadType == kInternalCylindrical || statedThreadType == kInternalTaper;
    return internal ? designation::Side::Internal : designation::Side::External;
}

std::variant<designation::ThreadLimits, std::string>
LimitsOfDesignation(const std::string& text, designation::Side unstatedSide) {
    const designation::ParseResult parsed = designation::ParseDesignation(text, unstatedSide);
    if (const designation::ParseError* error = designation::ParsedError(parsed)) {
        return error->message;
    }
    const designation::Designation& d = *designation::ParsedDesignation(parsed);
    if (auto limits = designation::ThreadLimitsOf(d)) {
        return std::move(*limits);
    }
    // The parser only returns designations whose limits are defined.
    return "no pitch-diameter limits are defined for " + d.text;
}

std::optional<FieldConflict> FitRecordToDesignation(const designation::ThreadLimits& limits,
                                                    StatedFields stated, TPitchDiamData& record) {
    for (std::size_t i = 0; i < kFixedFieldCount; ++i) {
        const auto field = static_cast<FixedField>(i);
        if ((stated & StatedBit(field)) == 0) {
            continue;
        }
        const double given = FieldOf(record, field);
        const double wanted = DesignationValueOf(limits, field);
        if (!AgreesWithDesignation(field, given, wanted)) {
            return FieldConflict{field, given, wanted};
        }
    }
    designation::ApplyToRecord(limits, record);
    return std::nullopt;
}

std::string_view VerdictText(designation::VerdictKind kind) {
    switch (kind) {
    case designation::VerdictKind::WithinLimits:
        return "within limits";
    case designation::VerdictKind::Undersize:
        return "undersize";
    case designation::VerdictKind::Oversize:
        return "oversize";
    }
    return "";
}

} // namespace kthread::cli
