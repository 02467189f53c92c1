#include "engine/designation/PreferredNumbers.h"

#include <array>
#include <cmath>

namespace kthread::designation {
namespace {

// R40 preferred numbers of one decade, times 100.
constexpr std::array<int, 40> kR40{100, 106, 112, 118, 125, 132, 140, 150, 160, 170,
                                   180, 190, 200, 212, 224, 236, 250, 265, 280, 300,
                                   315, 335, 355, 375, 400, 425, 450, 475, 500, 530,
                                   560, 600, 630, 670, 710, 750, 800, 850, 900, 950};

// Preferred number with index `i` counted from 1 µm (i = 40 is 10 µm), in micrometres.
double PreferredNumber(int i) {
    int decade = i >= 0 ? i / 40 : -((-i + 39) / 40);
    int slot = i - decade * 40;
    return kR40[static_cast<std::size_t>(slot)] / 100.0 * std::pow(10.0, decade);
}

int WholeMicrometres(double preferred) {
    // nearbyint under the default rounding mode: halves to even.
    return static_cast<int>(std::nearbyint(preferred));
}

} // namespace

int RoundToR40Term(double micrometres) {
    int i = static_cast<int>(std::floor(40.0 * std::log10(micrometres)));
    double lower = std::pow(10.0, i / 40.0);
    double upper = std::pow(10.0, (i + 1) / 40.0);
    int nearest = (micrometres - lower <= upper - micrometres) ? i : i + 1;
    return WholeMicrometres(PreferredNumber(nearest));
}

int RoundToR40Number(double micrometres) {
    int i = static_cast<int>(std::floor(40.0 * std::log10(micrometres)));
    // The preferred numbers are rounded terms, so the neighbours may sit one index off.
    int best = i - 1;
    double bestDistance = std::abs(PreferredNumber(best) - micrometres);
    for (int j = i; j <= i + 2; ++j) {
        double distance = std::abs(PreferredNumber(j) - micrometres);
        if (distance < bestDistance - 1e-9) {
            best = j;
            bestDistance = distance;
        }
    }
    return WholeMicrometres(PreferredNumber(best));
}

} // namespace kthread::designation
