// Number texts shared by the window and the command-line calculator. Plain C++, no Qt; the
// caller passes the decimal separator so that the window can use its locale's.
#pragma once

#include <string>

namespace kthread {

// Fixed notation as the results are shown: the value is rounded once to at most `precision`
// significant digits and at most `decimals` decimals, then written with exactly `decimals`
// decimals and no thousands separator. A value with more than `precision` integer digits is
// written in exponent notation instead ("1.2345679E+10": mantissa without trailing zeros,
// signed exponent without leading zeros). Rounding is to nearest from the exact binary value;
// an exact binary tie goes to even (0.015625 to 5 decimals gives "0.01562"). A value that rounds
// to zero is written without sign. Example: FormatFixed(18.700623, 8, 5) == "18.70062".
std::string FormatFixed(double value, int precision, int decimals, char decimalSeparator = '.');

// Shortest general form with up to `significant` (default 15) significant digits, as numeric
// fields show written values: 12.5 -> "12.5", 0.1 -> "0.1", 1e-20 -> "1E-20". The text reads
// back to the value rounded to `significant` digits; exponent form when the decimal exponent is
// below -4 or at least `significant` ("1E-5", "1.5E+20").
std::string FormatGeneral(double value, int significant = 15, char decimalSeparator = '.');

// Rounds to `decimals` decimals, halves to even on the scaled value: round(x * 10^d) / 10^d.
double RoundHalfEven(double value, int decimals);

} // namespace kthread
