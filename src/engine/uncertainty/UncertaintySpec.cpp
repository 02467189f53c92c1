#include "engine/uncertainty/UncertaintySpec.h"

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

std::optional<double> StandardUncertaintyOf(const UncertaintySpec& spec) {
    if (!std::isfinite(spec.value) || spec.value < 0)
        return std::nullopt;
    if (!(spec.degreesOfFreedom >= 1))
        return std::nullopt;
    if (spec.kind == SpecKind::StandardUncertainty)
        return spec.value;
    if (spec.distribution == Distribution::Normal) {
        if (!std::isfinite(spec.coverageFactor) || !(spec.coverageFactor > 0))
            return std::nullopt;
        return spec.value / spec.coverageFactor;
    }
    return spec.value / HalfWidthRatio(spec.distribution);
}

double HalfWidthFor(Distribution distribution, double standardUncertainty) {
    return standardUncertainty * HalfWidthRatio(distribution);
}

} // namespace kthread::uncertainty
