// Measurement set-ups shared by the uncertainty tests, each with a laboratory's usual
// uncertainties (LabDefaultInputs).
#pragma once

#include "../EngineTestRecords.h"
#include "engine/PitchDiam.h"
#include "engine/uncertainty/LabDefaults.h"
#include "engine/uncertainty/MeasurementModel.h"

namespace kthread::uncertainty::test {

// M20 x 1.5 external thread, three 0.866 mm steel wires (best size: 0.86603 mm), M = 20 mm,
// F = 1 N.
inline MeasurementModel WorkedExample() {
    MeasurementModel m;
    TPitchDiamData& d = m.record;
    d = kthread::test::MetricThreadOverWires();
    d.Force = 1;
    m.thermal = DefaultThermalConditions(d);
    m.inputs = LabDefaultInputs();
    return m;
}

// The worked example over 1.2 mm wires, far above best size; M chosen for about the same d2.
inline MeasurementModel WiresFarFromBestSize() {
    MeasurementModel m = WorkedExample();
    m.record.ProbeDiam = 1.2;
    m.record.SizeOver = 21.0;
    return m;
}

// Internal M20 x 1.5 thread, two 1 mm balls perpendicular, size m = 17.7 mm given.
inline MeasurementModel InternalWithBalls() {
    MeasurementModel m = WorkedExample();
    m.record.ThreadType = 1;
    m.record.GivenQty = 0;
    m.record.ProbeDiam = 1.0;
    m.record.SizeCtr = 17.7;
    return m;
}

// External taper thread 1:16, 14 threads per inch, three wires on the cone.
inline MeasurementModel TaperThreeWires() {
    MeasurementModel m = WorkedExample();
    m.record.ThreadType = 2;
    m.record.MeasMode = 1;
    m.record.TaperRatio = 0.0625;
    m.record.Pitch = 25.4 / 14;
    m.record.ProbeDiam = 1.047;
    m.record.SizeOver = 21.57;
    return m;
}

// Six starts of pitch 3 mm on about 20 mm: lead 18 mm, lead angle about 16 degrees.
inline MeasurementModel SteepLead() {
    MeasurementModel m = WorkedExample();
    m.record.Starts = 6;
    m.record.Pitch = 3;
    m.record.ProbeDiam = 1.732;
    m.record.SizeOver = 22.6;
    return m;
}

// M4 x 0.7 over 0.404 mm wires with 10 N +- 1 N: a deformation of several micrometres.
inline MeasurementModel LargeForce() {
    MeasurementModel m = WorkedExample();
    m.record.Pitch = 0.7;
    m.record.ProbeDiam = 0.404;
    m.record.SizeOver = 4.0;
    m.record.Force = 10;
    m.inputs[InputQuantity::Force].value = 1.0;
    return m;
}

// Eight starts of pitch 6 mm, flanks 30 and 3 degrees, 6 mm wires, size m given: below about
// m = 15.53 mm the contact angle has no solution.
inline MeasurementModel SteepMultiStart() {
    MeasurementModel m = WorkedExample();
    TPitchDiamData& d = m.record;
    d.GivenQty = 0;
    d.Pitch = 6;
    d.Starts = 8;
    d.Force = 0;
    d.FlankAngle1 = AngleRad(30, 0, 0);
    d.FlankAngle2 = AngleRad(3, 0, 0);
    d.ProbeDiam = 6;
    d.SizeCtr = 16;
    return m;
}

} // namespace kthread::uncertainty::test
