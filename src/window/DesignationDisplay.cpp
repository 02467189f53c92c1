#include "window/DesignationDisplay.h"

#include "engine/Measurement.h"
#include "window/NumberTexts.h"

namespace kthread {

namespace {

constexpr int kConvertedMMDecimals = 4;
constexpr int kConvertedInchDecimals = 5;
constexpr int kMarginDecimals = 1;
constexpr double kMicrometresPerMM = 1000;
constexpr double kTenThousandthsPerInch = 10000;

const QString kRangeMark = QStringLiteral(" … ");

QString UnitText(bool inch) {
    return inch ? QStringLiteral(" in") : QStringLiteral(" mm");
}

} // namespace

QString LimitsText(const designation::ThreadLimits& limits, bool inch) {
    using designation::LengthUnit;
    const bool nativeInch = limits.unit == LengthUnit::Inch;
    double low = limits.pitchDiamMin;
    double high = limits.pitchDiamMax;
    int decimals = limits.decimals;
    if (inch != nativeInch) {
        low = inch ? limits.pitchDiamMinMm / kMillimetresPerInch : limits.pitchDiamMinMm;
        high = inch ? limits.pitchDiamMaxMm / kMillimetresPerInch : limits.pitchDiamMaxMm;
        decimals = inch ? kConvertedInchDecimals : kConvertedMMDecimals;
    }
    const QString symbol = limits.threadType == 0 ? QStringLiteral("d2 ") : QStringLiteral("D2 ");
    return symbol + FixedText(low, decimals) + kRangeMark + FixedText(high, decimals) +
           UnitText(inch);
}

QString MarginText(double marginMm, bool inch) {
    if (inch) {
        return FixedText(marginMm / kMillimetresPerInch * kTenThousandthsPerInch, kMarginDecimals) +
               QStringLiteral(" × 0") + LocaleDecimalPoint() + QStringLiteral("0001 in");
    }
    return FixedText(marginMm * kMicrometresPerMM, kMarginDecimals) + QStringLiteral(" µm");
}

designation::ReadingWindow ShownReadingWindow(const designation::ReadingWindow& window,
                                              const designation::ThreadLimits& limits,
                                              const TPitchDiamData& setup, bool inch) {
    return designation::ShownReadingWindow(window, limits, setup,
                                           inch ? kResultInchDecimals : kResultMMDecimals,
                                           inch ? kMillimetresPerInch : 1);
}

QString ReadingWindowText(const designation::ReadingWindow& window, bool inch) {
    const QString reading = window.reading == designation::Reading::SizeCtr ? QStringLiteral("m ")
                                                                            : QStringLiteral("M ");
    const double divisor = inch ? kMillimetresPerInch : 1;
    const int decimals = inch ? kResultInchDecimals : kResultMMDecimals;
    return reading + FixedText(window.minMm / divisor, decimals) + kRangeMark +
           FixedText(window.maxMm / divisor, decimals) + UnitText(inch);
}

} // namespace kthread
