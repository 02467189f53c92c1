// Number texts of the window: the numeric fields' reading rule and the fixed and general forms
// of written values, all with the decimal separator of the current locale (QLocale()).
#pragma once

#include <QString>
#include <optional>

namespace kthread {

// Decimals of the lengths the window shows: results and derived values, and the numeric fields.
inline constexpr int kResultMMDecimals = 5;
inline constexpr int kResultInchDecimals = 6;
inline constexpr int kFieldMMDecimals = 4;
inline constexpr int kFieldInchDecimals = 5;

// The current locale's decimal separator ("." or "," in practice).
QString LocaleDecimalPoint();

// The text as a number, accepting "." and "," (and the locale's separator) as the decimal mark.
// Empty when it does not convert to a finite number.
std::optional<double> ParseNumberText(const QString& text);

// The numeric fields' reading rule: an empty text, a lone "-" or a text that does not convert
// reads as 0. Never clamps.
double ReadNumberText(const QString& text);

// Fixed notation with precision 8 and `decimals` decimals: 5 for millimetres, 6 for inches.
QString FixedText(double value, int decimals);

// Shortest general form with up to 15 significant digits.
QString GeneralText(double value);

} // namespace kthread
