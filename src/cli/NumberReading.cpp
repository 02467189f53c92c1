#include "cli/NumberReading.h"

#include "cli/OutputText.h"

#include <charconv>

namespace kthread::cli {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

const char* SkipDigits(const char* p, const char* end) {
    while (p != end && IsDigit(*p)) {
        ++p;
    }
    return p;
}

// End of the number that starts at `p`, or nullptr when the grammar is broken; `integral` tells
// whether it has neither fraction nor exponent. The grammar is checked here because
// std::from_chars also takes forms that are refused ("01", "1.", ".5", "inf").
const char* ScanNumber(const char* p, const char* end, bool& integral) {
    integral = true;
    if (p != end && *p == '-') {
        ++p;
    }
    if (p == end || !IsDigit(*p)) {
        return nullptr;
    }
    p = *p == '0' ? p + 1 : SkipDigits(p, end);
    if (p != end && *p == '.') {
        integral = false;
        if (++p == end || !IsDigit(*p)) {
            return nullptr;
        }
        p = SkipDigits(p, end);
    }
    if (p != end && (*p == 'e' || *p == 'E')) {
        integral = false;
        ++p;
        if (p != end && (*p == '+' || *p == '-')) {
            ++p;
        }
        if (p == end || !IsDigit(*p)) {
            return nullptr;
        }
        p = SkipDigits(p, end);
    }
    return p;
}

} // namespace

NumberReading ReadNumberPrefix(std::string_view text, std::size_t& length) {
    length = 0;
    if (text.empty()) {
        return {0, NumberProblem::Empty};
    }
    const char* begin = text.data();
    bool integral = true;
    const char* numberEnd = ScanNumber(begin, begin + text.size(), integral);
    if (numberEnd == nullptr) {
        return {0, NumberProblem::Malformed};
    }
    length = static_cast<std::size_t>(numberEnd - begin);
    double value = 0;
    // std::from_chars rounds to nearest and reports both overflow and underflow to zero.
    const auto result = std::from_chars(begin, numberEnd, value);
    if (result.ec == std::errc::result_out_of_range) {
        return {0, NumberProblem::OutOfRange};
    }
    if (result.ec != std::errc() || result.ptr != numberEnd) {
        return {0, NumberProblem::Malformed};
    }
    if (integral && value == 0) {
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
