#include "window/catalog/DecimalInputValidator.h"

#include "storage/catalog/CatalogSection.h"

#include <QLocale>
#include <QRegularExpression>

namespace kthread {

QValidator::State DecimalInputValidator::validate(QString& input, int& /*pos*/) const {
    const QChar separator = QLatin1Char(DecimalSeparatorOf(QLocale()));
    // Same length in and out, so the cursor position stays valid.
    for (QChar& character : input) {
        if (character == QLatin1Char('.') || character == QLatin1Char(',')) {
            character = separator;
        }
    }
    if (input.isEmpty()) {
        return Acceptable;
    }
    // Every prefix of a number, with an optional sign and exponent.
    static const QRegularExpression kPartialNumber(
        QStringLiteral(R"(^[+-]?\d*([.,]\d*)?([eE][+-]?\d*)?$)"));
    if (!kPartialNumber.match(input).hasMatch()) {
        return Invalid;
    }
    return ParseDecimalText(input) ? Acceptable : Intermediate;
}

} // namespace kthread
