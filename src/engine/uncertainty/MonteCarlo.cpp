#include "engine/uncertainty/MonteCarlo.h"

#include "engine/uncertainty/UncertaintyBudget.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>
#include <vector>

namespace kthread::uncertainty {
namespace {

// Draws one input's deviation from its nominal value.
class InputSampler {
public:
    InputSampler(const InputUncertainty& stated, double standardUncertainty)
        : distribution_(stated.distribution), u_(standardUncertainty),
          halfWidth_(HalfWidthFor(stated.distribution, standardUncertainty)),
          dof_(stated.degreesOfFreedom), student_(std::isfinite(dof_) ? dof_ : 1.0) {}

    template <class Engine> double Draw(Engine& engine) {
        if (u_ == 0)
            return 0;
        switch (distribution_) {
        case Distribution::Normal:
            return u_ * (std::isfinite(dof_) ? student_(engine) : normal_(engine));
        case Distribution::Rectangular:
            return halfWidth_ * (2 * uniform_(engine) - 1);
        case Distribution::Triangular:
            return halfWidth_ * (uniform_(engine) + uniform_(engine) - 1);
        case Distribution::UShaped:
            return halfWidth_ * std::sin(std::numbers::pi * (uniform_(engine) - 0.5));
        }
        return 0;
    }

private:
    Distribution distribution_;
    double u_;
    double halfWidth_;
    double dof_;
    std::normal_distribution<double> normal_;
    std::student_t_distribution<double> student_;
    std::uniform_real_distribution<double> uniform_;
};

struct BatchStatistics {
    double mean = 0;
    double standardDeviation = 0;
    double low = 0;
    double high = 0;
};

// Interval ends of the sorted deviations, at the probabilities (1 -+ p) / 2.
void IntervalEnds(std::vector<float>& deviations, double p, double& low, double& high) {
    const std::size_t n = deviations.size();
    const auto index = [n](double q) {
        const double position = std::round(q * static_cast<double>(n));
        return std::min(n - 1, static_cast<std::size_t>(std::max(0.0, position - 1)));
    };
    const std::size_t lowIndex = index((1 - p) / 2);
    const std::size_t highIndex = index((1 + p) / 2);
    std::nth_element(deviations.begin(), deviations.begin() + lowIndex, deviations.end());
    low = deviations[lowIndex];
    std::nth_element(deviations.begin() + lowIndex, deviations.begin() + highIndex,
                     deviations.end());
    high = deviations[highIndex];
}

// Twice the standard deviation of the mean of one statistic over the batches.
double SpreadOfMean(const std::vector<BatchStatistics>& batches, double BatchStatistics::*field) {
    const double h = static_cast<double>(batches.size());
    double sum = 0;
    for (const BatchStatistics& b : batches)
        sum += b.*field;
    const double mean = sum / h;
    double squares = 0;
    for (const BatchStatistics& b : batches)
        squares += (b.*field - mean) * (b.*field - mean);
    return 2 * std::sqrt(squares / (h * (h - 1)));
}

} // namespace

double NumericalTolerance(double standardUncertainty, int digits) {
    if (!(standardUncertainty > 0) || digits < 1)
        return 0;
    const double exponent = std::floor(std::log10(standardUncertainty)) - (digits - 1);
    return std::pow(10.0, exponent) / 2;
}

std::optional<MonteCarloResult> PropagateMonteCarlo(const MeasurementModel& model,
                                                    const MonteCarloOptions& options) {
    if (options.batchSize < 2 || options.maxBatches < 2 ||
        options.minBatches > options.maxBatches || options.significantDigits < 1 ||
        !(options.stabilityTarget > 0) ||
        !(options.coverageProbability > 0 && options.coverageProbability < 1))
        return std::nullopt;

    const std::vector<ModelInput> inputs = ModelInputs(model);
    std::vector<double> nominal;
    std::vector<InputSampler> samplers;
    for (const ModelInput& input : inputs) {
        const InputUncertainty& stated = model.inputs[input.quantity];
        const std::optional<double> u = StandardUncertaintyOf(stated);
        if (!u)
            return std::nullopt;
        nominal.push_back(input.value);
        samplers.emplace_back(stated, *u);
    }
    const std::optional<double> centre = EvaluateMeasurand(model, inputs, nominal);
    if (!centre)
        return std::nullopt;

    std::mt19937_64 engine(options.seed);
    std::vector<double> values(nominal.size());
    // Deviations from the nominal result: small, so single precision keeps them to a few 1e-11 mm.
    std::vector<float> all;
    std::vector<float> batch;
    std::vector<BatchStatistics> stats;
    MonteCarloResult result;
    double sum = 0;
    double squares = 0;

    for (int b = 0; b < options.maxBatches; ++b) {
        batch.clear();
        double batchSum = 0;
        double batchSquares = 0;
        for (std::size_t n = 0; n < options.batchSize; ++n) {
            for (std::size_t i = 0; i < values.size(); ++i)
                values[i] = nominal[i] + samplers[i].Draw(engine);
            const std::optional<double> y = EvaluateMeasurand(model, inputs, values);
            if (!y) {
                ++result.failedDraws;
                continue;
            }
            const double deviation = *y - *centre;
            batchSum += deviation;
            batchSquares += deviation * deviation;
            batch.push_back(static_cast<float>(deviation));
        }
        if (batch.size() < 2)
            return std::nullopt;
        const double n = static_cast<double>(batch.size());
        BatchStatistics s;
        s.mean = batchSum / n;
        s.standardDeviation =
            std::sqrt(std::max(0.0, (batchSquares - batchSum * s.mean) / (n - 1)));
        all.insert(all.end(), batch.begin(), batch.end());
        IntervalEnds(batch, options.coverageProbability, s.low, s.high);
        stats.push_back(s);
        sum += batchSum;
        squares += batchSquares;

        if (stats.size() < 2 || static_cast<int>(stats.size()) < options.minBatches)
            continue;
        const double totalN = static_cast<double>(all.size());
        const double mean = sum / totalN;
        const double sd = std::sqrt(std::max(0.0, (squares - sum * mean) / (totalN - 1)));
        const double delta =
            options.stabilityTarget * NumericalTolerance(sd, options.significantDigits);
        if (SpreadOfMean(stats, &BatchStatistics::mean) <= delta &&
            SpreadOfMean(stats, &BatchStatistics::standardDeviation) <= delta &&
            SpreadOfMean(stats, &BatchStatistics::low) <= delta &&
            SpreadOfMean(stats, &BatchStatistics::high) <= delta) {
            result.stabilised = true;
            break;
        }
    }

    const double totalN = static_cast<double>(all.size());
    const double meanDeviation = sum / totalN;
    result.draws = all.size();
    result.batches = static_cast<int>(stats.size());
    result.mean = *centre + meanDeviation;
    result.standardDeviation =
        std::sqrt(std::max(0.0, (squares - sum * meanDeviation) / (totalN - 1)));
    double low = 0;
    double high = 0;
    IntervalEnds(all, options.coverageProbability, low, high);
    result.low = *centre + low;
    result.high = *centre + high;
    result.tolerance = NumericalTolerance(result.standardDeviation, options.significantDigits);
    return result;
}

GumValidation ValidateAgainstMonteCarlo(const UncertaintyBudget& budget,
                                        const MonteCarloResult& monteCarlo, int significantDigits) {
    GumValidation v;
    v.lowDifference = std::abs(budget.result - budget.expandedUncertainty - monteCarlo.low);
    v.highDifference = std::abs(budget.result + budget.expandedUncertainty - monteCarlo.high);
    v.tolerance = NumericalTolerance(budget.combinedUncertainty, significantDigits);
    v.passed = v.lowDifference <= v.tolerance && v.highDifference <= v.tolerance;
    return v;
}

} // namespace kthread::uncertainty
