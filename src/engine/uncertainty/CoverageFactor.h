// Coverage factors: the quantile of the standard normal distribution, and the two-sided quantile
// of Student's t-distribution for the effective degrees of freedom.
#pragma once

namespace kthread::uncertainty {

// x with P(X <= x) = p for a standard normal X; p in (0, 1). NaN outside.
double NormalQuantile(double p);

// t with P(|T| <= t) = p for Student's t with nu degrees of freedom; p in (0, 1), nu >= 1.
// Non-integer nu is truncated to the next lower integer, as is usual for an effective number of
// degrees of freedom; an infinite nu gives the normal quantile. NaN for arguments out of range.
double StudentTCoverageFactor(double p, double nu);

} // namespace kthread::uncertainty
