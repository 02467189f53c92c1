// Sensitivity coefficients by central differences through the model itself.
//
// The model is smooth almost everywhere, but not everywhere: the Hertz coefficients come from a
// table indexed by a rounded ratio, so the deformation correction jumps (by a few hundredths of
// a micrometre) where the index changes. A central difference taken across such a jump would
// turn it into a large, false slope. The estimate therefore compares the forward and the backward
// difference; when they disagree by more than curvature can explain, it halves the step on both
// sides and keeps the side whose differences agree with each other (the jump lies on the other),
// extrapolated to second order.
#pragma once

#include <algorithm>
#include <cmath>
#include <optional>

namespace kthread::uncertainty {

struct SensitivityEstimate {
    bool ok = false;         // false: the model has no value on either side of the input
    double value = 0;        // dy/dx
    bool acrossStep = false; // a jump of the model lay within the step; value is the smooth side's
};

// Agreement of two difference quotients: relative to the slope, with a floor of 1e-9 mm of
// model value over the step, below which a jump does not matter to the budget.
inline bool DifferencesAgree(double a, double b, double h) {
    constexpr double kRelative = 1e-3;
    constexpr double kValueFloor = 1e-9; // mm
    return std::abs(a - b) <= kRelative * std::max(std::abs(a), std::abs(b)) + kValueFloor / h;
}

// One evaluation of the model: whether it had a value, and the value.
struct ModelPoint {
    bool has = false;
    double y = 0;
};

template <class Model> ModelPoint EvaluateAt(Model& f, double x) {
    const std::optional<double> y = f(x);
    return y ? ModelPoint{true, *y} : ModelPoint{};
}

// f(x) -> std::optional<double>; fx = f(x), h > 0 the step.
template <class Model>
SensitivityEstimate EstimateSensitivity(Model&& f, double x, double fx, double h) {
    const ModelPoint up = EvaluateAt(f, x + h);
    const ModelPoint down = EvaluateAt(f, x - h);
    if (up.has && down.has) {
        const double forward = (up.y - fx) / h;
        const double backward = (fx - down.y) / h;
        if (DifferencesAgree(forward, backward, h))
            return {true, (up.y - down.y) / (2 * h), false};
    }

    // A jump within the step, or the model's edge on one side: look closer on each side.
    const ModelPoint upHalf = up.has ? EvaluateAt(f, x + h / 2) : ModelPoint{};
    const ModelPoint downHalf = down.has ? EvaluateAt(f, x - h / 2) : ModelPoint{};
    bool forwardSmooth = false;
    bool backwardSmooth = false;
    double forward = 0;
    double backward = 0;
    if (upHalf.has) {
        const double wide = (up.y - fx) / h;
        const double narrow = (upHalf.y - fx) / (h / 2);
        forwardSmooth = DifferencesAgree(wide, narrow, h / 2);
        forward = 2 * narrow - wide;
    }
    if (downHalf.has) {
        const double wide = (fx - down.y) / h;
        const double narrow = (fx - downHalf.y) / (h / 2);
        backwardSmooth = DifferencesAgree(wide, narrow, h / 2);
        backward = 2 * narrow - wide;
    }
    if (forwardSmooth && backwardSmooth) {
        // Both sides smooth: strong curvature, no jump; the central difference stands.
        return {true, (up.y - down.y) / (2 * h), false};
    }
    if (forwardSmooth)
        return {true, forward, down.has};
    if (backwardSmooth)
        return {true, backward, up.has};
    if (upHalf.has && downHalf.has)
        return {true, (upHalf.y - downHalf.y) / h, true};
    if (upHalf.has)
        return {true, forward, true};
    if (downHalf.has)
        return {true, backward, true};
    return {};
}

} // namespace kthread::uncertainty
