#include "window/DesignationTexts.h"

#include "lang/LanguageTable.h"

namespace kthread {

QString EnglishTextOf(DesignationText text) {
    switch (text) {
    case DesignationText::Caption:
        return QStringLiteral("Thread designation");
    case DesignationText::Changed:
        return QStringLiteral("(changed)");
    case DesignationText::WithinLimits:
        return QStringLiteral("within limits");
    case DesignationText::Undersize:
        return QStringLiteral("undersize");
    case DesignationText::Oversize:
        return QStringLiteral("oversize");
    case DesignationText::NotProvable:
        return QStringLiteral("not provable");
    case DesignationText::Margin:
        return QStringLiteral("margin %1");
    case DesignationText::ReadingWindow:
        return QStringLiteral("Reading window");
    case DesignationText::Limits:
        return QStringLiteral("Pitch-diameter limits");
    case DesignationText::Verdict:
        return QStringLiteral("Verdict");
    case DesignationText::UnknownFamily:
        return QStringLiteral("Not a known thread designation: %1");
    case DesignationText::MalformedNumber:
        return QStringLiteral("Not a number: %1");
    case DesignationText::UnknownSize:
        return QStringLiteral("Diameter not in the series: %1");
    case DesignationText::PitchNotInSeries:
        return QStringLiteral("Pitch not in the series for this diameter: %1");
    case DesignationText::LeadNotMultiple:
        return QStringLiteral("Lead not a whole multiple of the pitch: %1");
    case DesignationText::MalformedClass:
        return QStringLiteral("Tolerance class not of the right form: %1");
    case DesignationText::ClassNotAllowed:
        return QStringLiteral("Tolerance class not defined for this thread: %1");
    case DesignationText::UnexpectedText:
        return QStringLiteral("Unexpected text after the designation: %1");
    case DesignationText::Examples:
        return QStringLiteral("for example M10x1.5-6g, 1/2-13 UNC-2A, Tr 24x5-7e");
    }
    return {};
}

QString TextOf(DesignationText text) {
    const QString translated = LangText(static_cast<int>(text));
    return translated.isEmpty() ? EnglishTextOf(text) : translated;
}

namespace {

DesignationText TextOfKind(designation::ParseErrorKind kind) {
    using designation::ParseErrorKind;
    switch (kind) {
    case ParseErrorKind::Empty:
    case ParseErrorKind::UnknownFamily:
        return DesignationText::UnknownFamily;
    case ParseErrorKind::MalformedNumber:
        return DesignationText::MalformedNumber;
    case ParseErrorKind::UnknownSize:
        return DesignationText::UnknownSize;
    case ParseErrorKind::PitchNotInSeries:
        return DesignationText::PitchNotInSeries;
    case ParseErrorKind::LeadNotMultiple:
        return DesignationText::LeadNotMultiple;
    case ParseErrorKind::MalformedClass:
        return DesignationText::MalformedClass;
    case ParseErrorKind::ClassNotAllowed:
        return DesignationText::ClassNotAllowed;
    case ParseErrorKind::UnexpectedText:
        return DesignationText::UnexpectedText;
    }
    return DesignationText::UnknownFamily;
}

} // namespace

QString ParseErrorText(const designation::ParseError& error, const QString& input) {
    const QString part =
        error.offending.empty() ? input.trimmed() : QString::fromStdString(error.offending);
    return TextOf(TextOfKind(error.kind)).arg(part);
}

} // namespace kthread
