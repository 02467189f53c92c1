#include "storage/catalog/CatalogSection.h"

#include "engine/NumberText.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

namespace kthread {

namespace {

const QString kCountKey = QStringLiteral("COUNT");

// "D" followed by a decimal number without leading zeros; 0 for any other key.
qint64 DiameterKeyNumber(const QString& key) {
    if (key.size() < 2 || key.size() > 19 || key.at(0).toUpper() != QLatin1Char('D') ||
        key.at(1) == QLatin1Char('0')) {
        return 0;
    }
    qint64 number = 0;
    for (qsizetype i = 1; i < key.size(); ++i) {
        const QChar digit = key.at(i);
        if (digit < QLatin1Char('0') || digit > QLatin1Char('9')) {
            return 0;
        }
        number = number * 10 + (digit.unicode() - '0');
    }
    return number;
}

// Empty when the text is no whole number of rows.
std::optional<qint64> ParseCount(const QString& text) {
    bool ok = false;
    const qint64 count = text.trimmed().toLongLong(&ok);
    return ok && count >= 0 ? std::optional<qint64>(count) : std::nullopt;
}

} // namespace

std::optional<double> ParseDecimalText(const QString& text) {
    QString normalised = text.trimmed();
    normalised.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = QLocale::c().toDouble(normalised, &ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

char DecimalSeparatorOf(const QLocale& locale) {
    const QString separator = locale.decimalPoint();
    return separator == QLatin1String(",") ? ',' : '.';
}

CatalogSectionContent ReadCatalogSection(const SectionEntries& entries) {
    // Without a usable COUNT (missing, negative, not a number, out of range) every D key present
    // is read: showing an empty table would let the first edit write over D1 and lose the rest.
    std::optional<qint64> count;
    bool countSeen = false;
    // Key names compare without case and the first of duplicate keys counts, as the file layer
    // reads single keys.
    std::map<qint64, QString> textsByNumber;
    for (const auto& [rawKey, value] : entries) {
        const QString key = rawKey.trimmed();
        if (!countSeen && key.compare(kCountKey, Qt::CaseInsensitive) == 0) {
            count = ParseCount(value);
            countSeen = true;
        } else if (const qint64 number = DiameterKeyNumber(key); number > 0) {
            textsByNumber.try_emplace(number, value);
        }
    }
    const qint64 lastNumber = count.value_or(std::numeric_limits<qint64>::max());

    CatalogSectionContent content;
    qint64 previous = 0;
    qint64 missingBudget = kMaxMissingKeyRows;
    for (const auto& [number, text] : textsByNumber) {
        if (number > lastNumber) {
            break;
        }
        const qint64 missing = std::min(number - previous - 1, missingBudget);
        content.diameters.insert(content.diameters.end(), static_cast<std::size_t>(missing), 0.0);
        missingBudget -= missing;
        if (const auto value = ParseDecimalText(text)) {
            content.diameters.push_back(*value);
        } else if (!text.trimmed().isEmpty()) {
            content.unreadTexts.append(text);
        }
        previous = number;
    }
    return content;
}

std::vector<double> ParseCatalogSection(const SectionEntries& entries) {
    return ReadCatalogSection(entries).diameters;
}

SectionEntries FormatCatalogSection(const std::vector<double>& diametersMM, char decimalSeparator,
                                    const QStringList& unreadTexts) {
    SectionEntries entries;
    const std::size_t count = diametersMM.size() + static_cast<std::size_t>(unreadTexts.size());
    entries.reserve(count + 1);
    entries.emplace_back(kCountKey, QString::number(count));
    for (std::size_t i = 0; i < diametersMM.size(); ++i) {
        QString text = QString::fromStdString(FormatGeneral(diametersMM[i], 15, decimalSeparator));
        // Near the largest double, 15 digits can round up past it and would read back as
        // infinity, which the load skips: such a row would be lost. 17 digits always read back.
        if (!ParseDecimalText(text)) {
            text = QString::fromStdString(FormatGeneral(diametersMM[i], 17, decimalSeparator));
        }
        entries.emplace_back(QStringLiteral("D%1").arg(i + 1), text);
    }
    for (qsizetype i = 0; i < unreadTexts.size(); ++i) {
        entries.emplace_back(QStringLiteral("D%1").arg(diametersMM.size() + 1 + i), unreadTexts[i]);
    }
    return entries;
}

} // namespace kthread
