#include "cli/ResultReport.h"

#include "engine/Measurement.h"
#include "engine/NumberText.h"

namespace kthread::cli {

namespace {

constexpr int kPrecision = 8;
constexpr int kMmDecimals = 5;
constexpr int kInchDecimals = 6;

std::string PitchDiamName(const TPitchDiamData& record) {
    return !IsExternal(static_cast<ThreadType>(record.ThreadType)) ? "Pitch diameter (D2)"
                                                                   : "Pitch diameter (d2)";
}

} // namespace

int LengthDecimals(bool inch) {
    return inch ? kInchDecimals : kMmDecimals;
}

std::string FormatLength(double mm, bool inch) {
    return inch ? FormatFixed(mm / kMillimetresPerInch, kPrecision, kInchDecimals)
                : FormatFixed(mm, kPrecision, kMmDecimals);
}

std::vector<ResultLine> ResultLines(const TPitchDiamData& record, bool inch) {
    const std::string sizeCtrName = "Measurement P.D. (m)";
    const std::string sizeOverName = "Measurement P.D. (M)";
    std::vector<ResultLine> lines;
    switch (record.GivenQty) {
    case 0:
        lines.push_back({PitchDiamName(record), FormatLength(record.PitchDiam, inch)});
        lines.push_back({sizeOverName, FormatLength(record.SizeOver, inch)});
        break;
    case 1:
        lines.push_back({PitchDiamName(record), FormatLength(record.PitchDiam, inch)});
        lines.push_back({sizeCtrName, FormatLength(record.SizeCtr, inch)});
        break;
    default:
        lines.push_back({sizeCtrName, FormatLength(record.SizeCtr, inch)});
        lines.push_back({sizeOverName, FormatLength(record.SizeOver, inch)});
        break;
    }
    lines.push_back({"Deformation correction A2", FormatLength(record.DeformCorr, inch)});
    if (const auto optimum =
            OptimalProbeDiam(record.Pitch, record.FlankAngle1, record.FlankAngle2)) {
        // The window shows the optimum with 5 decimals in either unit.
        const double shown = inch ? *optimum / kMillimetresPerInch : *optimum;
        lines.push_back({"Opt. probe diameter", FormatFixed(shown, kPrecision, kMmDecimals)});
    }
    return lines;
}

std::string FormatResultLines(const std::vector<ResultLine>& lines) {
    std::string text;
    for (const ResultLine& line : lines) {
        text += line.name + ": " + line.value + "\n";
    }
    return text;
}

} // namespace kthread::cli
