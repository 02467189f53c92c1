#include "cli/NumberReading.h"

#include "cli/OutputText.h"

#include <charconv>

namespace kthread::cli {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Whether `number`, a text std::from_chars took whole, also keeps to the grammar: std::from_chars
// takes forms that are refused as well ("01", "5.", ".5", "inf", "nan"). Checked after the
// conversion so that the usual number is looked at only once more, at a few places.
bool KeepsToTheGrammar(std::string_view number) {
    const std::size_t first = number.starts_with('-') ? 1 : 0;
    if (first == number.size() || !IsDigit(number[first])) {
        return false; // ".5", "inf", "nan", "-"
    }
    if (number[first] == '0' && first + 1 < number.size() && IsDigit(number[first + 1])) {
        return false; // "01"
    }
    for (std::size_t i = first + 1; i < number.size(); ++i) {
        if (number[i] == '.') {
            return i + 1 < number.size() && IsDigit(number[i + 1]); // not "5." or "5.e1"
        }
        if (number[i] == 'e' || number[i] == 'E') {
            break;
        }
    }
    return true;
}

} // namespace

NumberReading ReadNumberPrefix(std::string_view text, std::size_t& length) {
    length = 0;
    if (text.empty()) {
        return {0, NumberProblem::Empty};
    }
    const char* begin = text.data();
    double value = 0;
    // Rounds to nearest; reports overflow and underflow to zero as out of range.
    const auto result = std::from_chars(begin, begin + text.size(), value);
    if (result.ptr == begin) {
        return {0, NumberProblem::Malformed};
    }
    const std::string_view number(begin, static_cast<std::size_t>(result.ptr - begin));
    if (!KeepsToTheGrammar(number)) {
        return {0, NumberProblem::Malformed};
    }
    length = number.size();
    if (result.ec == std::errc::result_out_of_range) {
        return {0, NumberProblem::OutOfRange};
    }
    if (result.ec != std::errc()) {
        return {0, NumberProblem::Malformed};
    }
    if (value == 0 && number.find_first_of(".eE") == std::string_view::npos) {
        value = 0; // "-0" is the integer zero
    }
    return {value, NumberProblem::None};
}

NumberReading ReadNumber(std::string_view text) {
    std::size_t length = 0;
    const NumberReading reading = ReadNumberPrefix(text, length);
    if (reading.problem != NumberProblem::Empty && length != text.size()) {
        return {0, NumberProblem::Malformed};
    }
    return reading;
}

std::string DescribeNumberProblem(NumberProblem problem, std::string_view text) {
    switch (problem) {
    case NumberProblem::None:
        break;
    case NumberProblem::Empty:
        return "empty value";
    case NumberProblem::Malformed:
        return "malformed number " + QuoteInput(text);
    case NumberProblem::OutOfRange:
        return "number out of range " + QuoteInput(text);
    }
    return {};
}

} // namespace kthread::cli
