// Number texts shared by the window and the command-line calculator. Plain C++, no Qt; the
// caller passes the decimal separator so that the window can use its locale's.
#pragma once

#include <string>

namespace kthread {

// Fixed notation as the results are shown: the value is rounded once to at most `precision`
// significant digits and at most `decimals` decimals, then written with exactly `decimals`
// decimals and no thousands separator. A value with more than `precision` integer digits is
// written in exponent notation instead. Example: FormatFixed(18.700623, 8, 5) == "18.70062".
std::string FormatFixed(double value, int precision, int decimals, char decimalSeparator = '.');

// Shortest general form with up to `significant` (default 15) significant digits, as numeric
// fields show written values: 12.5 -> "12.5", 0.1 -> "0.1", 1e-20 -> "1E-20".
std::string FormatGeneral(double value, int significant = 15, char decimalSeparator = '.');

// Rounds to `decimals` decimals, halves to even on the scaled value: round(x * 10^d) / 10^d.
double RoundHalfEven(double value, int decimals);

} // namespace kthread
