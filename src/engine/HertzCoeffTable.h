// Contact coefficients of Hertz theory for two curved bodies, by ratio of curvatures.
#pragma once

#include <array>
#include <cstdint>

namespace kthread {

struct HertzCoeffs {
    double first = 0;  // K: factor of the approach of the bodies
    double second = 0; // L: factor of the contact size
};

inline constexpr int kHertzRows = 100;

// Row i (1 to 100) holds the coefficients for a ratio of curvatures of i percent; row 100 is
// equal curvature (pi/2 and pi/4 to four decimals). Stored at index i - 1.
extern const std::array<HertzCoeffs, kHertzRows> HertzCoeffTable;

// Row `index` of the table. Any index outside 1..100 takes row 1, also above 100: that is
// the documented fall-back, not a clamp to the nearest row.
HertzCoeffs HertzCoeffRow(std::int64_t index);

} // namespace kthread
