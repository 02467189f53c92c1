// The uncertainty budget of one measurement (law of propagation of uncertainty): sensitivity
// coefficients through CalcPitchDiam, the combined standard uncertainty, Welch-Satterthwaite
// effective degrees of freedom, the coverage factor and the expanded uncertainty.
//
// The inputs are uncorrelated with one another; the probes of one set are one input unless the
// model says they are independent (MeasurementModel.h). The budget also measures how far the
// model is from linear over +-u of each input. When it is not near-linear, the figures stay
// those of the law of propagation (a first-order estimate), nearLinear is false, and
// nonlinearity, meanShift and each row's curvature say how far off and where: a caller shows
// that the interval is not validated and may run PropagateMonteCarlo (MonteCarlo.h), whose
// interval then decides. The same holds where the model is linear but one non-normal input
// dominates: u_c stays right, but k = 2 no longer covers 95.45 % (more, for a rectangular one).
#pragma once

#include "engine/uncertainty/MeasurementModel.h"

#include <vector>

namespace kthread::uncertainty {

enum class CoverageRule {
    FixedFactor, // k as given (2 by default)
    StudentT,    // k from the t-distribution for the effective degrees of freedom
};

struct BudgetOptions {
    CoverageRule coverage = CoverageRule::FixedFactor;
    double coverageFactor = 2;           // for FixedFactor
    double coverageProbability = 0.9545; // for StudentT; 95.45 % gives k = 2 for infinite dof
};

struct BudgetRow {
    InputQuantity quantity = InputQuantity::GivenValue;
    int probe = 0;    // 1.. for independent probes, else 0
    double value = 0; // nominal value, in the input's unit (UnitOf)
    Distribution distribution = Distribution::Normal;
    double standardUncertainty = 0; // u(x), input's unit
    double degreesOfFreedom = kInfiniteDof;
    double sensitivity = 0;   // c = dy/dx, mm per input unit
    double contribution = 0;  // |c| u(x), mm
    double varianceShare = 0; // contribution^2 / u_c^2, 0..1
    double curvature = 0;     // (y(x+u) + y(x-u))/2 - y: second-order part, mm
    bool acrossStep = false;  // the model jumps within the difference step
};

struct UncertaintyBudget {
    Measurand measurand = Measurand::PitchDiam;
    double result = 0; // the measurand at the nominal inputs, mm
    std::vector<BudgetRow> rows;
    double combinedUncertainty = 0; // u_c, mm
    double effectiveDof = kInfiniteDof;
    double coverageFactor = 2;
    double expandedUncertainty = 0; // U = k u_c, mm
    // Sum of the rows' curvatures: to second order, how far the mean of the distribution of
    // the result lies from the result itself, mm.
    double meanShift = 0;
    // Largest of the mean shift, the second-order standard deviation and the third-order change
    // of slope over +-u, relative to u_c; infinite when the model has no value within +-u.
    double nonlinearity = 0;
    bool nearLinear = true; // nonlinearity <= kNearLinearLimit
};

// Beyond this relative size of the higher-order terms the first-order budget is no longer
// trusted to the digits a coverage interval is stated with.
inline constexpr double kNearLinearLimit = 0.01;

enum class BudgetError {
    None,
    InvalidUncertainty, // a stated uncertainty is not usable (StandardUncertaintyOf is empty)
    InvalidOptions,     // coverage factor or probability out of range
    ModelFailed,        // CalcPitchDiam has no result at the nominal inputs
    SensitivityFailed,  // the model has no value on either side of an input
};

struct BudgetResult {
    BudgetError error = BudgetError::None;
    InputQuantity failedInput =
        InputQuantity::GivenValue; // for InvalidUncertainty, SensitivityFailed
    UncertaintyBudget budget;      // valid when error is None

    explicit operator bool() const { return error == BudgetError::None; }
};

BudgetResult CalcUncertaintyBudget(const MeasurementModel& model,
                                   const BudgetOptions& options = {});

// The step of the central difference for an input of this kind and nominal value: small against
// any realistic uncertainty, large against the convergence noise of the solver's iterations.
double DifferenceStep(InputQuantity quantity, double value);

} // namespace kthread::uncertainty
