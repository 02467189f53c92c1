#include "window/CatalogPick.h"

namespace kthread {

namespace {

constexpr double kBandLow = 0.75;
constexpr double kBandHigh = 1.25;

} // namespace

bool IsOutsideProbeBand(double probe, double optimum) {
    return !(kBandLow * optimum < probe && probe < kBandHigh * optimum);
}

CatalogPickResult PickCatalogDiam(std::span<const double> rows, double target) {
    CatalogPickResult result;
    const auto count = rows.size();
    double prev = rows[0];
    if (!IsOutsideProbeBand(prev, target)) {
        result.diameter = prev;
    }
    std::size_t current = 1;
    bool stopped = false;
    while (current < count) {
        const double row = rows[current];
        if (prev <= target && row > target) {
            result.diameter = (target - prev > row - target) ? row : prev;
            stopped = true;
            break;
        }
        prev = row;
        ++current;
    }
    if (!stopped) {
        current = count - 1;
    }
    result.stopRow = static_cast<int>(current);
    if (rows[current] <= target) {
        result.diameter = rows[current];
    }
    return result;
}

} // namespace kthread
