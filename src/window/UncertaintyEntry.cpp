#include "window/UncertaintyEntry.h"

#include "engine/Measurement.h"
#include "window/NumberTexts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace kthread {

using uncertainty::Distribution;
using uncertainty::InputQuantity;
using uncertainty::InputUncertainty;
using uncertainty::InputUnit;
using uncertainty::StatedAs;

namespace {

constexpr std::array<QLatin1String, kEntryFormCount> kFormWords{
    QLatin1String("std"), QLatin1String("normal"), QLatin1String("rect"), QLatin1String("tri"),
    QLatin1String("arcsine")};

constexpr double kRadiansPerArcMinute = std::numbers::pi / (180 * 60);
constexpr double kPascalsPerGigapascal = 1e9;
constexpr double kPerKelvinPerDisplayUnit = 1e-6;
// Beyond this many decimals a budget figure is noise of the solver, not a value.
constexpr int kMaxDecimals = 12;

} // namespace

EntryForm FormOf(const InputUncertainty& stated) {
    if (stated.kind == StatedAs::StandardUncertainty) {
        return EntryForm::StandardUncertainty;
    }
    switch (stated.distribution) {
    case Distribution::Normal:
        return EntryForm::ExpandedNormal;
    case Distribution::Rectangular:
        return EntryForm::Rectangular;
    case Distribution::Triangular:
        return EntryForm::Triangular;
    case Distribution::UShaped:
        return EntryForm::UShaped;
    }
    return EntryForm::StandardUncertainty;
}

InputUncertainty WithForm(InputUncertainty stated, EntryForm form) {
    stated.kind = form == EntryForm::StandardUncertainty ? StatedAs::StandardUncertainty
                                                         : StatedAs::HalfWidth;
    stated.coverageFactor = 2;
    switch (form) {
    case EntryForm::StandardUncertainty:
    case EntryForm::ExpandedNormal:
        stated.distribution = Distribution::Normal;
        break;
    case EntryForm::Rectangular:
        stated.distribution = Distribution::Rectangular;
        break;
    case EntryForm::Triangular:
        stated.distribution = Distribution::Triangular;
        break;
    case EntryForm::UShaped:
        stated.distribution = Distribution::UShaped;
        break;
    }
    return stated;
}

QLatin1String FormWord(EntryForm form) {
    return kFormWords[static_cast<std::size_t>(form)];
}

std::optional<EntryForm> FormFromWord(QStringView word) {
    const QStringView trimmed = word.trimmed();
    for (std::size_t i = 0; i < kFormWords.size(); ++i) {
        if (trimmed.compare(kFormWords[i], Qt::CaseInsensitive) == 0) {
            return static_cast<EntryForm>(i);
        }
    }
    return std::nullopt;
}

double EngineUnitsPerDisplayUnit(InputQuantity quantity, bool inchMode) {
    switch (uncertainty::UnitOf(quantity)) {
    case InputUnit::Millimetre:
        return inchMode ? kMillimetresPerInch : 1;
    case InputUnit::Radian:
        return kRadiansPerArcMinute;
    case InputUnit::Pascal:
        return kPascalsPerGigapascal;
    case InputUnit::PerKelvin:
        return kPerKelvinPerDisplayUnit;
    case InputUnit::Newton:
    case InputUnit::Kelvin:
        return 1;
    }
    return 1;
}

QString DisplayUnitSymbol(InputQuantity quantity, bool inchMode) {
    switch (uncertainty::UnitOf(quantity)) {
    case InputUnit::Millimetre:
        return inchMode ? QStringLiteral("in.") : QStringLiteral("mm");
    case InputUnit::Radian:
        return QStringLiteral("′");
    case InputUnit::Newton:
        return QStringLiteral("N");
    case InputUnit::Pascal:
        return QStringLiteral("GPa");
    case InputUnit::Kelvin:
        return QStringLiteral("K");
    case InputUnit::PerKelvin:
        return QStringLiteral("10⁻⁶/K");
    }
    return {};
}

QString SignificantText(double value, int digits, bool trimZeros) {
    if (!std::isfinite(value)) {
        return QStringLiteral("—");
    }
    if (value == 0) {
        return QStringLiteral("0");
    }
    const int magnitude = static_cast<int>(std::floor(std::log10(std::abs(value))));
    const int decimals = std::clamp(digits - 1 - magnitude, 0, kMaxDecimals);
    // No group separators: the text must read back through the numeric fields' rule.
    QString text = QString::number(value, 'f', decimals);
    const QString point = LocaleDecimalPoint();
    text.replace(QLatin1Char('.'), point);
    if (trimZeros && decimals > 0) {
        while (text.endsWith(QLatin1Char('0'))) {
            text.chop(1);
        }
        if (text.endsWith(point)) {
            text.chop(point.size());
        }
    }
    return text;
}

} // namespace kthread
