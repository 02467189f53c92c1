// The settings-file form of a probe catalogue, without the file: one section holds "COUNT" and
// "D1".."Dn", each the diameter in millimetres as decimal text.
#pragma once

#include <QChar>
#include <QString>
#include <QStringList>
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

// A section as read: the diameters in key order, and the texts of entries that are no number.
struct CatalogSectionContent {
    std::vector<double> diameters;
    QStringList unreadTexts;
};

// COUNT says how many D keys are read; a key missing inside the count gives 0. Without a usable
// COUNT (missing, negative, no whole number) every D key present is read. A value that is not a
// number is no row, but its text is kept so that a write-back does not destroy it. Reading stops
// at the highest D key present, and at most kMaxMissingKeyRows zero rows are made for missing
// keys, so a corrupt COUNT or a lone huge key number cannot stall or exhaust the program.
CatalogSectionContent ReadCatalogSection(const SectionEntries& entries);
// The diameters alone.
std::vector<double> ParseCatalogSection(const SectionEntries& entries);

// Missing D keys below the highest present one become zero rows only up to this many.
inline constexpr int kMaxMissingKeyRows = 10000;

// COUNT and D1..Dn for the diameters in the given order, general format with up to 15
// significant digits and the given decimal separator, followed by the unread texts as they were.
SectionEntries FormatCatalogSection(const std::vector<double>& diametersMM, char decimalSeparator,
                                    const QStringList& unreadTexts = {});

} // namespace kthread
