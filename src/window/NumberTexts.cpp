#include "window/NumberTexts.h"

#include "engine/NumberText.h"

#include <QLocale>
#include <cmath>

namespace kthread {

namespace {

constexpr int kResultPrecision = 8;
constexpr int kGeneralDigits = 15;

// The engine writes '.'; the window shows the locale's separator, which may be longer than one
// byte in some locales, so the replacement is done on the finished text.
QString WithLocaleSeparator(const std::string& text) {
    QString result = QString::fromStdString(text);
    const QString separator = LocaleDecimalPoint();
    if (separator != QStringLiteral(".")) {
        result.replace(QLatin1Char('.'), separator);
    }
    return result;
}

} // namespace

QString LocaleDecimalPoint() {
    return QLocale().decimalPoint();
}

std::optional<double> ParseNumberText(const QString& text) {
    QString normalised = text.trimmed();
    const QString separator = LocaleDecimalPoint();
    if (separator != QStringLiteral(".") && separator != QStringLiteral(",")) {
        normalised.replace(separator, QStringLiteral("."));
    }
    normalised.replace(QLatin1Char(','), QLatin1Char('.'));

    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = c.toDouble(normalised, &ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

double ReadNumberText(const QString& text) {
    return ParseNumberText(text).value_or(0.0);
}

QString FixedText(double value, int decimals) {
    return WithLocaleSeparator(FormatFixed(value, kResultPrecision, decimals));
}

QString GeneralText(double value) {
    return WithLocaleSeparator(FormatGeneral(value, kGeneralDigits));
}

} // namespace kthread
