#include "engine/uncertainty/InputUncertainty.h"

#include <cmath>

namespace kthread::uncertainty {
namespace {

// a / u for each distribution; 1 for the normal distribution, whose divisor is its k.
double HalfWidthRatio(Distribution distribution) {
    switch (distribution) {
    case Distribution::Normal:
        return 1;
    case Distribution::Rectangular:
        return std::sqrt(3.0);
    case Distribution::Triangular:
        return std::sqrt(6.0);
    case Distribution::UShaped:
        return std::sqrt(2.0);
    }
    return 1;
}

} // namespace

std::optional<double> StandardUncertaintyOf(const InputUncertainty& stated) {
    if (!std::isfinite(stated.value) || stated.value < 0)
        return std::nullopt;
    if (!(stated.degreesOfFreedom >= 1))
        return std::nullopt;
    if (stated.kind == StatedAs::StandardUncertainty)
        return stated.value;
    if (stated.distribution == Distribution::Normal) {
        if (!std::isfinite(stated.coverageFactor) || !(stated.coverageFactor > 0))
            return std::nullopt;
        return stated.value / stated.coverageFactor;
    }
    return stated.value / HalfWidthRatio(stated.distribution);
}

double HalfWidthFor(Distribution distribution, double standardUncertainty) {
    return standardUncertainty * HalfWidthRatio(distribution);
}

} // namespace kthread::uncertainty
