#include "RandomRecords.h"

#include "cli/OutputText.h"
#include "cli/RecordFields.h"

#include <cmath>
#include <random>

namespace kthread::cli::bench {

std::vector<TPitchDiamData> RandomRecords(std::size_t count) {
    std::mt19937_64 random(12345);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const double deg = 3.14159265358979323846 / 180;
    const int methods[] = {3, 2, 2, 1};
    std::vector<TPitchDiamData> records;
    records.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        TPitchDiamData r{};
        r.ThreadType = static_cast<std::uint8_t>(random() % 4);
        r.GivenQty = static_cast<std::uint8_t>(random() % 3);
        r.MeasMode = static_cast<std::uint8_t>(random() % methods[r.ThreadType]);
        r.Pitch = 0.25 + 5.75 * unit(random);
        r.Starts = static_cast<double>(1 + random() % 3);
        r.Force = random() % 2 == 0 ? 0.0 : 0.5 + 2.5 * unit(random);
        const bool ruby = r.ThreadType == 1 || r.ThreadType == 3;
        r.ProbePoisson = ruby ? kRubyPoisson : kSteelPoisson;
        r.ProbeModulus = ruby ? kRubyModulus : kSteelModulus;
        r.ThreadPoisson = 0.25 + 0.1 * unit(random);
        r.ThreadModulus = (70 + 180 * unit(random)) * 1e9;
        r.TaperRatio = r.ThreadType == 2 ? 0.0625 : 0.0;
        r.FlankAngle1 = (25 + 7 * unit(random)) * deg;
        r.FlankAngle2 = random() % 3 == 0 ? (25 + 7 * unit(random)) * deg : r.FlankAngle1;
        const double half = (r.FlankAngle1 + r.FlankAngle2) / 2;
        r.ProbeDiam = r.Pitch / (2 * std::cos(half)) * (0.85 + 0.3 * unit(random));
        // Diameters of 6 to 40 pitches, as real threads have; far smaller ones make the
        // contact-angle iteration crawl and would measure the engine's worst case instead.
        const double diameter = r.Pitch * (6 + 34 * unit(random));
        if (r.GivenQty == 0) {
            r.SizeCtr = diameter;
        } else if (r.GivenQty == 1) {
            r.SizeOver = diameter + r.ProbeDiam;
        } else {
            r.PitchDiam = diameter;
        }
        records.push_back(r);
    }
    return records;
}

std::string AsJsonLines(const std::vector<TPitchDiamData>& records) {
    std::string text;
    for (const TPitchDiamData& record : records) {
        char separator = '{';
        for (std::size_t i = 0; i < kFieldCount; ++i) {
            text += separator;
            separator = ',';
            text += " \"";
            text += RecordFields()[i].name;
            text += "\": ";
            AppendShortest(text, FieldValue(record, i));
        }
        text += "}\n";
    }
    return text;
}

std::string AsCsv(const std::vector<TPitchDiamData>& records) {
    std::string text;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        if (i > 0) {
            text += ',';
        }
        text += RecordFields()[i].name;
    }
    text += '\n';
    for (const TPitchDiamData& record : records) {
        for (std::size_t i = 0; i < kFieldCount; ++i) {
            if (i > 0) {
                text += ',';
            }
            AppendShortest(text, FieldValue(record, i));
        }
        text += '\n';
    }
    return text;
}

} // namespace kthread::cli::bench
