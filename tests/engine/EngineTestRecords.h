// Records and comparisons shared by the engine tests.
#pragma once

#include "engine/PitchDiam.h"

#include <cstring>
#include <set>
#include <string>

namespace kthread::test {

// M20 x 1.5 external thread measured over three 0.866 mm steel wires, M = 20 mm given.
inline TPitchDiamData MetricThreadOverWires() {
    TPitchDiamData d{};
    d.ThreadType = 0;
    d.GivenQty = 1;
    d.MeasMode = 0;
    d.Pitch = 1.5;
    d.Starts = 1;
    d.FlankAngle1 = AngleRad(30, 0, 0);
    d.FlankAngle2 = AngleRad(30, 0, 0);
    d.ProbeDiam = 0.866;
    d.SizeOver = 20;
    d.ProbePoisson = kSteelPoisson;
    d.ProbeModulus = kSteelModulus;
    d.ThreadPoisson = 0.3;
    d.ThreadModulus = 2.1e11;
    return d;
}

// Puts recognisable values into every output field so that a test can tell which were written.
inline void MarkOutputs(TPitchDiamData& d) {
    if (d.GivenQty != 0)
        d.SizeCtr = 777.125;
    if (d.GivenQty != 1)
        d.SizeOver = 888.25;
    if (d.GivenQty != 2)
        d.PitchDiam = 999.5;
    d.DeformCorr = 0.0625;
}

inline bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Names of the fields whose bits differ between two records.
inline std::set<std::string> ChangedFields(const TPitchDiamData& a, const TPitchDiamData& b) {
    std::set<std::string> changed;
    auto check = [&](const char* name, double x, double y) {
        if (!SameBits(x, y))
            changed.insert(name);
    };
    if (a.ThreadType != b.ThreadType)
        changed.insert("ThreadType");
    if (a.GivenQty != b.GivenQty)
        changed.insert("GivenQty");
    if (a.MeasMode != b.MeasMode)
        changed.insert("MeasMode");
    check("Pitch", a.Pitch, b.Pitch);
    check("Starts", a.Starts, b.Starts);
    check("Force", a.Force, b.Force);
    check("DeformCorr", a.DeformCorr, b.DeformCorr);
    check("ProbePoisson", a.ProbePoisson, b.ProbePoisson);
    check("ThreadPoisson", a.ThreadPoisson, b.ThreadPoisson);
    check("ProbeModulus", a.ProbeModulus, b.ProbeModulus);
    check("ThreadModulus", a.ThreadModulus, b.ThreadModulus);
    check("TaperRatio", a.TaperRatio, b.TaperRatio);
    check("FlankAngle1", a.FlankAngle1, b.FlankAngle1);
    check("FlankAngle2", a.FlankAngle2, b.FlankAngle2);
    check("ProbeDiam", a.ProbeDiam, b.ProbeDiam);
    check("SizeCtr", a.SizeCtr, b.SizeCtr);
    check("SizeOver", a.SizeOver, b.SizeOver);
    check("PitchDiam", a.PitchDiam, b.PitchDiam);
    return changed;
}

// An external thread whose contact-angle iteration settles into a two-cycle: 8 starts of pitch
// 6 mm, flanks 30 and 3 degrees, 6 mm wires, size m = 15.5 mm.
inline TPitchDiamData CyclingThread() {
    TPitchDiamData d{};
    d.ThreadType = 0;
    d.GivenQty = 0;
    d.MeasMode = 0;
    d.Pitch = 6;
    d.Starts = 8;
    d.FlankAngle1 = AngleRad(30, 0, 0);
    d.FlankAngle2 = AngleRad(3, 0, 0);
    d.ProbeDiam = 6;
    d.SizeCtr = 15.5;
    d.ProbePoisson = kSteelPoisson;
    d.ProbeModulus = kSteelModulus;
    d.ThreadPoisson = 0.3;
    d.ThreadModulus = 2.1e11;
    return d;
}

} // namespace kthread::test
