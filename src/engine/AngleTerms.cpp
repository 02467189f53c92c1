#include "engine/AngleTerms.h"

#include "engine/PitchDiam.h"

#include <cmath>

namespace kthread {

bool IsExternalThread(const TPitchDiamData& data) {
    return data.ThreadType == 0 || data.ThreadType == 2;
}

bool IsInclinedSelection(const TPitchDiamData& data) {
    return (data.ThreadType == 0 && data.MeasMode == 2) ||
           ((data.ThreadType == 1 || data.ThreadType == 3) && data.MeasMode == 1);
}

AngleTerms MakeAngleTerms(const TPitchDiamData& data) {
    const double a1 = data.FlankAngle1;
    const double a2 = data.FlankAngle2;
    AngleTerms t;
    t.c1 = std::cos(a1);
    t.c2 = std::cos(a2);
    t.Cs = std::cos((a1 + a2) / 2);
    t.Cd = std::cos((a1 - a2) / 2);
    t.Ss = std::sin((a1 + a2) / 2);
    t.S = std::sin(a1 + a2);
    t.s = IsExternalThread(data) ? 1.0 : -1.0;
    return t;
}

} // namespace kthread
