#include "cli/RecordFields.h"

#include <cmath>

namespace kthread::cli {

namespace {

constexpr FieldInfo Selector(std::string_view name, std::uint8_t TPitchDiamData::*member) {
    return {name, FieldKind::Selector, member, nullptr};
}

constexpr FieldInfo Number(std::string_view name, double TPitchDiamData::*member) {
    return {name, FieldKind::Number, nullptr, member};
}

constexpr std::array<FieldInfo, kFieldCount> kFields{{
    Selector("ThreadType", &TPitchDiamData::ThreadType),
    Selector("GivenQty", &TPitchDiamData::GivenQty),
    Selector("MeasMode", &TPitchDiamData::MeasMode),
    Number("Pitch", &TPitchDiamData::Pitch),
    Number("Starts", &TPitchDiamData::Starts),
    Number("Force", &TPitchDiamData::Force),
    Number("DeformCorr", &TPitchDiamData::DeformCorr),
    Number("ProbePoisson", &TPitchDiamData::ProbePoisson),
    Number("ThreadPoisson", &TPitchDiamData::ThreadPoisson),
    Number("ProbeModulus", &TPitchDiamData::ProbeModulus),
    Number("ThreadModulus", &TPitchDiamData::ThreadModulus),
    Number("TaperRatio", &TPitchDiamData::TaperRatio),
    Number("FlankAngle1", &TPitchDiamData::FlankAngle1),
    Number("FlankAngle2", &TPitchDiamData::FlankAngle2),
    Number("ProbeDiam", &TPitchDiamData::ProbeDiam),
    Number("SizeCtr", &TPitchDiamData::SizeCtr),
    Number("SizeOver", &TPitchDiamData::SizeOver),
    Number("PitchDiam", &TPitchDiamData::PitchDiam),
}};

} // namespace

const std::array<FieldInfo, kFieldCount>& RecordFields() {
    return kFields;
}

std::optional<std::size_t> FindField(std::string_view name) {
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        if (kFields[i].name == name) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::uint8_t> SelectorFromNumber(double value) {
    // The negated comparison also rejects NaN.
    if (!(value >= 0.0 && value <= 255.0) || std::floor(value) != value) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(value);
}

double FieldValue(const TPitchDiamData& record, std::size_t index) {
    const FieldInfo& field = kFields.at(index);
    return field.kind == FieldKind::Selector ? record.*field.selector : record.*field.number;
}

} // namespace kthread::cli
