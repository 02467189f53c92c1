// How kthread-calc reads a number, the same in CSV cells, in JSON Lines values and in the
// options of one measurement: decimal, written as JSON writes numbers.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kthread::cli {

enum class NumberProblem { None, Empty, Malformed, OutOfRange };

struct NumberReading {
    double value = 0;
    NumberProblem problem = NumberProblem::None;

    bool ok() const { return problem == NumberProblem::None; }
};

// Reads the whole of `text` as a number: an optional '-'; the integer digits, without leading
// zeros; optionally '.' and at least one digit; optionally an exponent, 'e' or 'E' with an
// optional sign and digits. So "1.5", "-3", "2.5e11", "0.5"; not "+1", "01", ".5", "5.", "0x10",
// "inf", "nan" or blanks. The value is the nearest double. A number beyond the range of doubles
// ("1e400"), or a nonzero one too small to be told from 0 ("1e-400"), is out of range: it is
// refused rather than read as something else. "-0" without fraction or exponent is the integer
// zero and reads as 0 without sign, as a JSON reader takes it; "-0.0" keeps its sign.
NumberReading ReadNumber(std::string_view text);

// The same for a number at the start of `text`, which ends where a decimal number can go on no
// further ("1.5}" gives 1.5 and a length of 3); `length` is set to the bytes it spans. The
// caller decides what may follow it.
NumberReading ReadNumberPrefix(std::string_view text, std::size_t& length);

// Why `text` was refused, for an error message: "empty value", "malformed number \"0x10\"" or
// "number out of range \"1e-400\"" (the input quoted and cut as QuoteInput does).
std::string DescribeNumberProblem(NumberProblem problem, std::string_view text);

} // namespace kthread::cli
