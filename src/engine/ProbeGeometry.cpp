// Values the window derives while the user types: angles in radians and the best-size probe.
#include "engine/FpFaultScope.h"
#include "engine/PitchDiam.h"

#include <cmath>

namespace kthread {
namespace {
// pi to the precision of the widest format at hand; the angle is rounded to double once.
constexpr long double kPiLong = 3.141592653589793238462643383279502884L;
} // namespace

double AngleRad(double degrees, double minutes, double seconds) {
    const long double total = static_cast<long double>(degrees) +
                              static_cast<long double>(minutes) / 60 +
                              static_cast<long double>(seconds) / 3600;
    return static_cast<double>(total * kPiLong / 180);
}

std::optional<double> OptimalProbeDiam(double pitch, double a1, double a2) {
    FpFaultScope scope;
    const double sum = a1 + a2;
    double optimum = 2 * pitch * std::tan(sum / 2) /
                     ((std::cos(a1) + std::cos(a2)) * (std::tan(a1) + std::tan(a2)));
    if (!scope.Clean(optimum))
        return std::nullopt;
    return optimum;
}

} // namespace kthread
