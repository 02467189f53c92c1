#include "cli/UncertaintyReport.h"

#include "cli/UncertaintyText.h"
#include "engine/Measurement.h"
#include "engine/NumberText.h"

#include <array>
#include <numbers>

namespace kthread::cli {

namespace {

using uncertainty::InputQuantity;

constexpr int kValueDigits = 8;
constexpr int kUncertaintyDigits = 4;
constexpr std::size_t kColumns = 8;

struct Shown {
    std::string name;
    const char* unit;
    double scale; // record units per shown unit
};

bool IsInternal(const TPitchDiamData& record) {
    return !IsExternal(static_cast<ThreadType>(record.ThreadType));
}

std::string GivenName(const TPitchDiamData& record) {
    switch (record.GivenQty) {
    case 0:
        return "Reading m";
    case 1:
        return "Reading M";
    default:
        return IsInternal(record) ? "Given D2" : "Given d2";
    }
}

Shown ShownOf(const uncertainty::BudgetRow& row, const TPitchDiamData& record, bool inch) {
    const char* length = inch ? "in" : "mm";
    const double lengthScale = inch ? kMillimetresPerInch : 1.0;
    constexpr double kDegree = std::numbers::pi / 180;
    switch (row.quantity) {
    case InputQuantity::GivenValue:
        return {GivenName(record), length, lengthScale};
    case InputQuantity::ProbeDiam:
        return {row.probe > 0 ? "Probe diameter " + std::to_string(row.probe) : "Probe diameter",
                length, lengthScale};
    case InputQuantity::Pitch:
        return {"Pitch", length, lengthScale};
    case InputQuantity::FlankAngle1:
        return {"Flank angle 1", "deg", kDegree};
    case InputQuantity::FlankAngle2:
        return {"Flank angle 2", "deg", kDegree};
    case InputQuantity::Force:
        return {"Measuring force", "N", 1};
    case InputQuantity::ThreadModulus:
        return {"Thread modulus", "GPa", kPascalsPerGPa};
    case InputQuantity::PartTemperature:
        return {"Part temperature - 20 C", "K", 1};
    case InputQuantity::ProbeTemperature:
        return {"Probe temperature - 20 C", "K", 1};
    case InputQuantity::PartExpansion:
        return {"Part expansion", "1/K", 1};
    case InputQuantity::ProbeExpansion:
        return {"Probe expansion", "1/K", 1};
    }
    return {"", "", 1};
}

std::string ResultName(const uncertainty::UncertaintyBudget& budget, const TPitchDiamData& record) {
    if (budget.measurand == uncertainty::Measurand::SizeOver) {
        return "M";
    }
    return IsInternal(record) ? "D2" : "d2";
}

// Text columns left-aligned, number columns right-aligned, two blanks between columns. All
// texts are ASCII, so a byte is a column.
std::string Aligned(const std::vector<std::array<std::string, kColumns>>& rows) {
    constexpr std::array<bool, kColumns> kNumeric{false, true, false, false,
                                                  true,  true, true,  true};
    std::array<std::size_t, kColumns> width{};
    for (const auto& row : rows) {
        for (std::size_t c = 0; c < kColumns; ++c) {
            width[c] = std::max(width[c], row[c].size());
        }
    }
    std::string text;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < kColumns; ++c) {
            const std::string pad(width[c] - row[c].size(), ' ');
            line += c == 0 ? "" : "  ";
            line += kNumeric[c] ? pad + row[c] : row[c] + pad;
        }
        line.erase(line.find_last_not_of(' ') + 1);
        text += line + "\n";
    }
    return text;
}

} // namespace

std::vector<ResultLine> UncertaintyLines(const uncertainty::UncertaintyBudget& budget,
                                         const TPitchDiamData& record, bool inch) {
    const std::string of = " (" + ResultName(budget, record) + ")";
    return {
        {"Expanded uncertainty U" + of, FormatLength(budget.expandedUncertainty, inch)},
        {"Coverage factor k", FormatGeneral(budget.coverageFactor, 4)},
        {"Combined standard uncertainty u_c" + of, FormatLength(budget.combinedUncertainty, inch)},
    };
}

std::string BudgetTable(const uncertainty::UncertaintyBudget& budget, const TPitchDiamData& record,
                        bool inch) {
    const char* resultUnit = inch ? "in" : "mm";
    const double resultScale = inch ? kMillimetresPerInch : 1.0;
    std::vector<std::array<std::string, kColumns>> rows;
    rows.push_back({"Input", "Value", "Unit", "Distribution", "u(x)",
                    std::string("Sensitivity (") + resultUnit + "/unit)",
                    std::string("Contribution (") + resultUnit + ")", "Share (%)"});
    for (const uncertainty::BudgetRow& row : budget.rows) {
        const Shown shown = ShownOf(row, record, inch);
        rows.push_back({
            shown.name,
            FormatGeneral(row.value / shown.scale, kValueDigits),
            shown.unit,
            std::string(DistributionName(row.distribution)),
            FormatGeneral(row.standardUncertainty / shown.scale, kUncertaintyDigits),
            FormatGeneral(row.sensitivity * shown.scale / resultScale, kUncertaintyDigits),
            FormatGeneral(row.contribution / resultScale, kUncertaintyDigits),
            FormatFixed(100 * row.varianceShare, 8, 1),
        });
    }
    return "Uncertainty budget of " + ResultName(budget, record) + ":\n" + Aligned(rows);
}

} // namespace kthread::cli
