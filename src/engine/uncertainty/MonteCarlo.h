// Propagation of distributions by a Monte Carlo method over the same model as the budget
// (CalcPitchDiam through EvaluateMeasurand), and the check of a budget against it: the adaptive
// procedure and the validation of the law of propagation of uncertainty of JCGM 101.
//
// Each input is drawn from its own distribution: normal (a scaled and shifted t-distribution
// when its degrees of freedom are finite), rectangular, triangular or U-shaped (arcsine), all
// centred on the nominal value with the standard uncertainty stated for it.
#pragma once

#include "engine/uncertainty/MeasurementModel.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace kthread::uncertainty {

struct UncertaintyBudget;

struct MonteCarloOptions {
    std::size_t batchSize = 100000; // draws per batch
    int minBatches = 1;
    int maxBatches = 50;       // the adaptive procedure stops here at the latest
    int significantDigits = 2; // of u_c, which set the numerical tolerance
    // The batches stop when twice the standard deviation of each averaged statistic is within
    // this fraction of the tolerance: 1 is the usual criterion; a smaller one makes the Monte
    // Carlo's own noise small against the tolerance that a comparison then uses.
    double stabilityTarget = 1;
    double coverageProbability = 0.9545; // of the probabilistically symmetric interval
    std::uint64_t seed = 20250101;
};

struct MonteCarloResult {
    std::size_t draws = 0;       // model values that entered the result
    std::size_t failedDraws = 0; // draws for which the model had no value (left out)
    int batches = 0;
    double mean = 0;              // mm
    double standardDeviation = 0; // mm
    double low = 0;               // probabilistically symmetric coverage interval, mm
    double high = 0;
    double tolerance = 0;    // numerical tolerance delta of the standard deviation, mm
    bool stabilised = false; // every batch statistic settled within the tolerance
};

// The numerical tolerance of a standard uncertainty stated with `digits` significant digits:
// u = c * 10^l with c a digits-digit integer gives delta = 10^l / 2.
double NumericalTolerance(double standardUncertainty, int digits);

// Runs batches until twice the standard deviation of the mean of each of the mean, standard
// deviation and both interval ends over the batches is within stabilityTarget times the
// tolerance (at least two batches, at least minBatches), or until maxBatches. Empty when the
// options are unusable, a stated uncertainty is not, or the model has no value for every draw of a
// batch.
std::optional<MonteCarloResult> PropagateMonteCarlo(const MeasurementModel& model,
                                                    const MonteCarloOptions& options = {});

struct GumValidation {
    double lowDifference = 0;  // |(y - U) - low|, mm
    double highDifference = 0; // |(y + U) - high|, mm
    double tolerance = 0;      // delta
    bool passed = false;       // both differences within delta
};

// Compares the budget's interval y +- U with the Monte Carlo interval. The probabilities must
// match: k = 2 belongs with 95.45 %.
GumValidation ValidateAgainstMonteCarlo(const UncertaintyBudget& budget,
                                        const MonteCarloResult& monteCarlo, int significantDigits);

} // namespace kthread::uncertainty
