#include "window/ClipboardReport.h"

namespace kthread {

namespace {

void AppendLine(QString& report, const QString& label, const QString& value,
                const QString& suffix) {
    report += label;
    report += QStringLiteral(": \t");
    report += value;
    report += suffix;
    report += QStringLiteral("\r\n");
}

void AppendLine(QString& report, const ShownQuantity& quantity, const QString& suffix) {
    AppendLine(report, quantity.caption, quantity.value, suffix);
}

// 30° 0' 0" : the marks as a typewriter has them, so that any program reads them back.
void AppendAngle(QString& report, const ShownAngle& angle) {
    const QString value =
        angle.degrees + QStringLiteral("° ") + angle.minutes + QStringLiteral("' ") + angle.seconds;
    AppendLine(report, angle.caption, value, QStringLiteral("\""));
}

} // namespace

QString BuildReport(const ReportInputs& inputs) {
    const QString length = inputs.inchMode ? QStringLiteral(" in") : QStringLiteral(" mm");
    const QString none;
    QString report;
    AppendLine(report, inputs.threadType, none);
    AppendLine(report, inputs.pitch, length);
    AppendLine(report, inputs.starts, none);
    AppendLine(report, inputs.lead, length);
    AppendAngle(report, inputs.firstFlank);
    AppendAngle(report, inputs.secondFlank);
    AppendLine(report, inputs.optimalProbe, length);
    AppendLine(report, inputs.probe, length);
    AppendLine(report, inputs.probeMaterial, none);
    AppendLine(report, inputs.threadMaterial, none);
    AppendLine(report, inputs.poisson, none);
    AppendLine(report, QStringLiteral("E"), inputs.modulus, none);
    AppendLine(report, inputs.method, none);
    AppendLine(report, inputs.force, QStringLiteral(" N"));
    AppendLine(report, inputs.given, length);
    AppendLine(report, inputs.firstResult, length);
    AppendLine(report, inputs.secondResult, length);
    AppendLine(report, inputs.deformCorr, length);
    if (const std::optional<ReportDesignation>& designation = inputs.designation) {
        AppendLine(report, designation->designation, none);
        AppendLine(report, designation->limits, none);
        for (const std::optional<ShownQuantity>& line :
             {designation->verdict, designation->readingWindow}) {
            if (line) {
                AppendLine(report, *line, none);
            }
        }
    }
    if (inputs.budget) {
        AppendLine(report, inputs.budget->expanded, none);
        for (const ShownQuantity& contribution : inputs.budget->contributions) {
            AppendLine(report, contribution, none);
        }
    }
    return report;
}

} // namespace kthread
