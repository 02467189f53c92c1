// The settings-file form of a probe catalogue, without the file: one section holds "COUNT" and
// "D1".."Dn", each the diameter in millimetres as decimal text.
#pragma once

#include <QChar>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

class QLocale;

namespace kthread {

using SectionEntries = std::vector<std::pair<QString, QString>>;

// Reads a decimal number written with either "." or "," as the decimal mark, whatever the
// current locale: files move between machines with different separators. Surrounding blanks
// are ignored; empty, malformed and non-finite texts give nothing.
std::optional<double> ParseDecimalText(const QString& text);

// The locale's decimal separator when it is "." or ","; "." otherwise, because only those two
// marks are read back.
char DecimalSeparatorOf(const QLocale& locale);

// The diameters of a section in key order. COUNT (0 when missing or not a whole number, empty
// when negative) says how many D keys are read; a key missing inside the count gives 0, a
// value that is not a number is skipped. Reading stops at the highest D key present, and at
// most kMaxMissingKeyRows zero rows are made for missing keys, so a corrupt COUNT or a lone
// huge key number cannot stall or exhaust the program.
std::vector<double> ParseCatalogSection(const SectionEntries& entries);

// Missing D keys below the highest present one become zero rows only up to this many.
inline constexpr int kMaxMissingKeyRows = 10000;

// COUNT and D1..Dn for the diameters in the given order, general format with up to 15
// significant digits and the given decimal separator.
SectionEntries FormatCatalogSection(const std::vector<double>& diametersMM, char decimalSeparator);

} // namespace kthread
