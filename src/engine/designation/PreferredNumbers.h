// Rounding of computed tolerances and deviations to the R40 series of preferred numbers, as
// the ISO thread tolerance standards print them (whole micrometres).
#pragma once

namespace kthread::designation {

// Tolerances: the nearest term of the geometric series 10^(i/40) (nearest by difference, not
// by ratio), written as its R40 preferred number: 130.2 -> 132, 174.24 -> 180, 121.0 -> 118.
// Below 100 µm the preferred number is rounded to whole micrometres, halves to even as the
// printed tables do (37.5 -> 38, 42.5 -> 42). `micrometres` must be positive and finite.
int RoundToR40Term(double micrometres);

// Fundamental deviations: the nearest R40 preferred number itself (20, 21.2, 22.4, 23.6, ...),
// then to whole micrometres as above: 20.5 -> 20, 21.6 -> 21, 23.8 -> 24, 37 -> 38. A value
// exactly between two preferred numbers goes to the smaller one.
int RoundToR40Number(double micrometres);

} // namespace kthread::designation
