// Number texts built with std::to_chars: correctly rounded from the exact binary value and
// independent of the C locale (the separator is the caller's).
#include "engine/NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace kthread {
namespace {

// Largest significant-digit count and decimal count honoured; more digits than this carry no
// information for a double.
constexpr int kMaxPrecision = 18;
constexpr int kMaxDecimals = 18;

// |value| rounded to `significant` digits: the digits without point, and the decimal exponent
// of the first digit (after rounding, so 9.99 to two digits gives "10", exponent 1).
struct DecimalDigits {
    std::array<char, 32> digits{};
    int count = 0;
    int exponent = 0;
};

DecimalDigits ToDecimalDigits(double absValue, int significant) {
    std::array<char, 48> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), absValue,
                                   std::chars_format::scientific, significant - 1);
    DecimalDigits out;
    const char* p = buf.data();
    for (; p != res.ptr && *p != 'e'; ++p) {
        if (*p != '.')
            out.digits[static_cast<std::size_t>(out.count++)] = *p;
    }
    ++p; // 'e'
    const bool negativeExponent = *p == '-';
    ++p;
    int exponent = 0;
    std::from_chars(p, res.ptr, exponent);
    out.exponent = negativeExponent ? -exponent : exponent;
    return out;
}

std::string NonFiniteText(double value) {
    if (std::isnan(value))
        return "NAN";
    return value < 0 ? "-INF" : "INF";
}

// d[.ddd]E+x with trailing zeros of the mantissa dropped.
std::string ExponentText(bool negative, DecimalDigits d, char separator) {
    while (d.count > 1 && d.digits[static_cast<std::size_t>(d.count - 1)] == '0')
        --d.count;
    std::string text;
    if (negative)
        text += '-';
    text += d.digits[0];
    if (d.count > 1) {
        text += separator;
        text.append(d.digits.data() + 1, static_cast<std::size_t>(d.count - 1));
    }
    text += 'E';
    text += d.exponent < 0 ? '-' : '+';
    text += std::to_string(std::abs(d.exponent));
    return text;
}

} // namespace

std::string FormatFixed(double value, int precision, int decimals, char decimalSeparator) {
    if (!std::isfinite(value))
        return NonFiniteText(value);
    precision = std::clamp(precision, 1, kMaxPrecision);
    decimals = std::clamp(decimals, 0, kMaxDecimals);
    const double absValue = std::fabs(value);
    const bool negative = std::signbit(value);

    int intDigits = 0; // digits before the decimal mark; 0 or less below 1
    if (absValue != 0) {
        // 17 significant digits never round a double up to the next power of ten, so this is
        // the exponent of the exact value.
        intDigits = ToDecimalDigits(absValue, 17).exponent + 1;
        if (intDigits > precision)
            return ExponentText(negative, ToDecimalDigits(absValue, precision), decimalSeparator);
    }

    const int roundDecimals = std::min(decimals, precision - intDigits);
    std::array<char, 64> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), absValue,
                                   std::chars_format::fixed, roundDecimals);
    const std::string_view rounded(buf.data(), static_cast<std::size_t>(res.ptr - buf.data()));
    const std::size_t point = rounded.find('.');
    const std::string_view whole = rounded.substr(0, point);
    const std::string_view frac =
        point == std::string_view::npos ? std::string_view{} : rounded.substr(point + 1);
    if (static_cast<int>(whole.size()) > precision) // rounding carried into a new digit
        return ExponentText(negative, ToDecimalDigits(absValue, precision), decimalSeparator);

    const bool allZero = rounded.find_first_not_of("0.") == std::string_view::npos;
    std::string text;
    text.reserve(whole.size() + static_cast<std::size_t>(decimals) + 2);
    if (negative && !allZero)
        text += '-';
    text += whole;
    if (decimals > 0) {
        text += decimalSeparator;
        text += frac;
        text.append(static_cast<std::size_t>(decimals) - frac.size(), '0');
    }
    return text;
}

std::string FormatGeneral(double value, int significant, char decimalSeparator) {
    if (!std::isfinite(value))
        return NonFiniteText(value);
    if (value == 0)
        return "0";
    significant = std::clamp(significant, 1, 17);
    const bool negative = value < 0;
    DecimalDigits d = ToDecimalDigits(std::fabs(value), significant);
    if (d.exponent < -4 || d.exponent >= significant)
        return ExponentText(negative, d, decimalSeparator);

    while (d.count > 1 && d.digits[static_cast<std::size_t>(d.count - 1)] == '0')
        --d.count;
    const std::string_view digits(d.digits.data(), static_cast<std::size_t>(d.count));
    std::string text;
    if (negative)
        text += '-';
    if (d.exponent < 0) {
        text += '0';
        text += decimalSeparator;
        text.append(static_cast<std::size_t>(-d.exponent - 1), '0');
        text += digits;
        return text;
    }
    const std::size_t intCount = static_cast<std::size_t>(d.exponent) + 1;
    if (digits.size() <= intCount) {
        text += digits;
        text.append(intCount - digits.size(), '0');
        return text;
    }
    text += digits.substr(0, intCount);
    text += decimalSeparator;
    text += digits.substr(intCount);
    return text;
}

double RoundHalfEven(double value, int decimals) {
    static constexpr std::array<double, 23> kPow10{1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (!std::isfinite(value))
        return value;
    const double scale = kPow10[static_cast<std::size_t>(std::clamp(decimals, 0, 22))];
    const double scaled = value * scale;
    // From 2^52 on every double is a whole number already.
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 0x1p52)
        return value;
    const double below = std::floor(scaled);
    const double excess = scaled - below; // exact
    double whole = below;
    if (excess > 0.5 || (excess == 0.5 && std::fmod(below, 2.0) != 0))
        whole = below + 1;
    return whole / scale;
}

} // namespace kthread
