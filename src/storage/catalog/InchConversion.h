// Millimetres and inches of the catalogue; the division runs in extended precision and only the
// result is rounded to double, so 2.54 mm gives the double nearest 0.1 in.
#pragma once

#include "engine/Measurement.h"

namespace kthread {

inline double MillimetresToInches(double mm) {
    return static_cast<double>(static_cast<long double>(mm) / kMillimetresPerInchExact);
}

inline double InchesToMillimetres(double inches) {
    return static_cast<double>(static_cast<long double>(inches) * kMillimetresPerInchExact);
}

} // namespace kthread
