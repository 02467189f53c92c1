#include "engine/designation/DesignationWords.h"

#include "engine/designation/Unified.h"

#include <cmath>

namespace kthread::designation {

std::string MillimetreText(int micrometres) {
    std::string text = std::to_string(micrometres / 1000);
    int fraction = micrometres % 1000;
    if (fraction != 0) {
        std::string f = std::to_string(1000 + fraction).substr(1);
        while (!f.empty() && f.back() == '0') {
            f.pop_back();
        }
        text += "." + f;
    }
    return text;
}

std::string PlainNumberText(double value) {
    return MillimetreText(static_cast<int>(std::lround(value * 1000.0)));
}

std::string IsoPitchList(const IsoMetricSize& size) {
    std::string list;
    if (size.coarsePitch != 0) {
        list = MillimetreText(size.coarsePitch);
    }
    for (int p : size.finePitches) {
        list += (list.empty() ? "" : ", ") + MillimetreText(p);
    }
    return list;
}

std::string TrapezoidalPitchList(const TrapezoidalSize& size) {
    std::string list;
    for (int p : size.pitches) {
        list += (list.empty() ? "" : ", ") + MillimetreText(p);
    }
    return list;
}

const char* UnifiedSeriesName(UnifiedSeries series) {
    switch (series) {
    case UnifiedSeries::Coarse:
        return "UNC";
    case UnifiedSeries::Fine:
        return "UNF";
    case UnifiedSeries::ExtraFine:
        return "UNEF";
    case UnifiedSeries::ConstantPitch:
        return "UN";
    }
    return "UN";
}

std::string ClassText(const Designation& d) {
    auto one = [](ToleranceClass c) { return std::to_string(c.grade) + c.position; };
    if (d.pitchClass == d.crestClass) {
        return one(d.pitchClass);
    }
    return one(d.pitchClass) + one(d.crestClass);
}

std::string DesignationText(const Designation& d) {
    std::string text;
    int diamUm = static_cast<int>(std::lround(d.majorDiam * 1000.0));
    int pitchUm = static_cast<int>(std::lround(d.pitch * 1000.0));
    switch (d.family) {
    case Family::IsoMetric:
        // Appended piece by piece: GCC 12 at -O3 takes a one-letter literal + string for an
        // overlapping copy (-Wrestrict, a false positive) and warnings are errors.
        text = "M";
        text += MillimetreText(diamUm);
        text += 'x';
        if (d.starts > 1) {
            text += "Ph" + MillimetreText(pitchUm * d.starts) + "P";
        }
        text += MillimetreText(pitchUm);
        break;
    case Family::Trapezoidal:
        text = "Tr " + MillimetreText(diamUm) + "x";
        text += d.starts > 1
                    ? MillimetreText(pitchUm * d.starts) + "(P" + MillimetreText(pitchUm) + ")"
                    : MillimetreText(pitchUm);
        break;
    case Family::Unified: {
        const UnifiedSize* size = FindUnifiedSizeByDiam(d.majorDiam);
        std::string name = size ? std::string(size->name) : PlainNumberText(d.majorDiam);
        text = name + "-" + PlainNumberText(d.threadsPerInch) + " " + UnifiedSeriesName(d.series);
        break;
    }
    }
    text += '-';
    text += ClassText(d);
    if (d.leftHand) {
        text += "-LH";
    }
    return text;
}

} // namespace kthread::designation
