// How the uncertainty of one input is stated: directly as a standard uncertainty, or as the
// half-width of a distribution (a certificate's expanded uncertainty, a tolerance, a limit of
// error), together with its degrees of freedom.
#pragma once

#include <limits>
#include <optional>

namespace kthread::uncertainty {

enum class Distribution {
    Normal,      // Gaussian; a half-width is an expanded uncertainty with coverageFactor
    Rectangular, // uniform over +-a: u = a / sqrt(3)
    Triangular,  // symmetric triangle over +-a: u = a / sqrt(6)
    UShaped,     // arcsine over +-a (a quantity swinging between its limits): u = a / sqrt(2)
};

enum class StatedAs {
    StandardUncertainty, // value is u itself
    HalfWidth,           // value is the half-width a (or U for a normal distribution)
};

inline constexpr double kInfiniteDof = std::numeric_limits<double>::infinity();

// The value is in the unit of the input it belongs to (mm, rad, N, Pa, K, 1/K).
struct InputUncertainty {
    StatedAs kind = StatedAs::StandardUncertainty;
    double value = 0;
    Distribution distribution = Distribution::Normal;
    double coverageFactor = 2;              // only for a normal half-width
    double degreesOfFreedom = kInfiniteDof; // Type B: infinite; Type A: readings - 1
};

// The standard uncertainty of the statement. Empty when it is not usable: a negative or
// non-finite value, a coverage factor that is not positive, degrees of freedom below 1 or NaN.
std::optional<double> StandardUncertaintyOf(const InputUncertainty& stated);

// Half-width a of the distribution whose standard deviation is u (for a normal distribution:
// u itself, the standard deviation).
double HalfWidthFor(Distribution distribution, double standardUncertainty);

} // namespace kthread::uncertainty
