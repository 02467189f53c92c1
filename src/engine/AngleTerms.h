// Trigonometric terms of a thread profile, computed once per calculation.
#pragma once

namespace kthread {

struct TPitchDiamData;

struct AngleTerms {
    double c1 = 0; // cos a1
    double c2 = 0; // cos a2
    double Cs = 0; // cos((a1 + a2) / 2)
    double Cd = 0; // cos((a1 - a2) / 2)
    double Ss = 0; // sin((a1 + a2) / 2)
    double S = 0;  // sin(a1 + a2)
    double s = 1;  // side sign: +1 external, -1 internal thread
};

// External thread types (0 and 2) measure over wires, internal ones (1 and 3) with balls.
bool IsExternalThread(const TPitchDiamData& data);

// The size is measured on an incline: two wires inclined (type 0, mode 2), or balls inclined
// in an internal thread (types 1 and 3, mode 1).
bool IsInclinedSelection(const TPitchDiamData& data);

AngleTerms MakeAngleTerms(const TPitchDiamData& data);

} // namespace kthread
