#include "engine/uncertainty/CoverageFactor.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace kthread::uncertainty {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Above this the Cornish-Fisher expansion in 1/nu is exact to double precision for the coverage
// probabilities in use, and the closed series of the distribution function grows long.
constexpr double kSeriesLimit = 200;

// P(|T| <= t) for integer nu >= 1, by the closed trigonometric series for odd and even nu.
double TwoSidedProbability(double t, int nu) {
    const double theta = std::atan(t / std::sqrt(static_cast<double>(nu)));
    const double c2 = std::cos(theta) * std::cos(theta);
    const double s = std::sin(theta);
    if (nu % 2 == 0) {
        double term = 1;
        double sum = 1;
        for (int j = 2; j <= nu - 2; j += 2) {
            term *= c2 * (j - 1) / j;
            sum += term;
        }
        return s * sum;
    }
    if (nu == 1)
        return 2 * theta / std::numbers::pi;
    double term = std::cos(theta);
    double sum = term;
    for (int j = 3; j <= nu - 2; j += 2) {
        term *= c2 * (j - 1) / j;
        sum += term;
    }
    return 2 / std::numbers::pi * (theta + s * sum);
}

// Density of |T| at t: twice the density of T.
double TwoSidedDensity(double t, int nu) {
    const double n = nu;
    const double logNorm =
        std::lgamma((n + 1) / 2) - std::lgamma(n / 2) - 0.5 * std::log(n * std::numbers::pi);
    return 2 * std::exp(logNorm - (n + 1) / 2 * std::log1p(t * t / n));
}

// Cornish-Fisher expansion of the t quantile about the normal quantile x.
double CornishFisher(double x, double nu) {
    const double x2 = x * x;
    const double g1 = (x2 + 1) * x / 4;
    const double g2 = ((5 * x2 + 16) * x2 + 3) * x / 96;
    const double g3 = (((3 * x2 + 19) * x2 + 17) * x2 - 15) * x / 384;
    const double g4 = ((((79 * x2 + 776) * x2 + 1482) * x2 - 1920) * x2 - 945) * x / 92160;
    return x + (g1 + (g2 + (g3 + g4 / nu) / nu) / nu) / nu;
}

} // namespace

double NormalQuantile(double p) {
    if (!(p > 0 && p < 1))
        return kNaN;
    // Start from the logistic-like approximation of the tails, then Halley steps on the exact
    // distribution function 0.5 erfc(-x / sqrt 2).
    const double q = p < 0.5 ? p : 1 - p;
    const double r = std::sqrt(-2 * std::log(q));
    double x = r - (2.515517 + (0.802853 + 0.010328 * r) * r) /
                       (1 + (1.432788 + (0.189269 + 0.001308 * r) * r) * r);
    if (p < 0.5)
        x = -x;
    for (int i = 0; i < 3; ++i) {
        const double e = 0.5 * std::erfc(-x / std::numbers::sqrt2) - p;
        const double density = std::exp(-x * x / 2) / std::sqrt(2 * std::numbers::pi);
        const double step = e / density;
        x -= step / (1 + x * step / 2);
    }
    return x;
}

double StudentTCoverageFactor(double p, double nu) {
    if (!(p > 0 && p < 1) || !(nu >= 1))
        return kNaN;
    const double normal = NormalQuantile((1 + p) / 2);
    if (std::isinf(nu))
        return normal;
    const double whole = std::floor(nu);
    if (whole > kSeriesLimit)
        return CornishFisher(normal, whole);
    const int n = static_cast<int>(whole);
    if (n == 1)
        return std::tan(std::numbers::pi * p / 2);
    if (n == 2)
        return p * std::sqrt(2 / (1 - p * p));

    // P(|T| <= t) is concave in t > 0, so Newton's method from below the root (the normal
    // quantile always is) climbs to it without overshooting.
    double t = normal;
    for (int i = 0; i < 100; ++i) {
        const double step = (p - TwoSidedProbability(t, n)) / TwoSidedDensity(t, n);
        t += step;
        if (std::abs(step) <= 1e-14 * t)
            break;
    }
    return t;
}

} // namespace kthread::uncertainty
