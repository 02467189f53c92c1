// The pick of the catalogue probe nearest to a target diameter.
#pragma once

#include <optional>
#include <span>

namespace kthread {

struct CatalogPickResult {
    std::optional<double> diameter; // empty when no row qualifies
    int stopRow = 0;                // the row where the walk stopped (the catalogue's new position)
};

// Walks `rows` (ascending diameters in mm) in their order. With rows on both sides of the
// target the nearer neighbour wins (a tie takes the smaller); with every row at or below the
// target the last one; with every row above it the first row only when it lies below
// 1.25 x target. `rows` must not be empty.
CatalogPickResult PickCatalogDiam(std::span<const double> rows, double target);

// The probe is marked when it lies 25 % or more away from the optimum (outside the open band).
bool IsOutsideProbeBand(double probe, double optimum);

} // namespace kthread
