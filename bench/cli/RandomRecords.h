// Random, valid measurement records for the throughput benchmarks.
#pragma once

#include "engine/PitchDiam.h"

#include <cstddef>
#include <string>
#include <vector>

namespace kthread::cli::bench {

// The same `count` records each time: all four thread types with their methods, all three
// given quantities, forces with and without deformation correction, asymmetric flanks.
std::vector<TPitchDiamData> RandomRecords(std::size_t count);

// The records as batch input: one JSON object per line, or a CSV header and rows.
std::string AsJsonLines(const std::vector<TPitchDiamData>& records);
std::string AsCsv(const std::vector<TPitchDiamData>& records);

} // namespace kthread::cli::bench
