// The thread designation above the inputs: type-ahead from the designation catalogue, and a
// designation taken (Enter, a completion chosen, the field left) fills thread type, pitch,
// starts and flank angles and shows the pitch-diameter limits. Inputs that no longer agree with
// the designation mark it as changed; the verdict is then not given. The text is remembered in
// the settings file.
#include "window/NumberTexts.h"
#include "window/TfrmRuZede.h"

#include "engine/NumberText.h"
#include "storage/IniFile.h"
#include "storage/ProgramPaths.h"
#include "window/DesignationCompleter.h"
#include "window/DesignationDisplay.h"
#include "window/DesignationTexts.h"
#include "window/FlagGuard.h"
#include "window/SettingsKeys.h"
#include "window/TQFloatEdit.h"
#include "window/ThreadTables.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDebug>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <cmath>

namespace kthread {

namespace {

// How close an input must stay to the designation's value to stand for it: the pitch to 1e-4
// of itself (an inch pitch written to five decimals passes), a flank angle to about 2".
constexpr double kPitchRelativeTolerance = 1e-4;
constexpr double kFlankTolerance = 1e-5; // rad
const QColor kErrorColour(0xd0, 0, 0);

void SetAngle(double radians, TQFloatEdit* degrees, TQFloatEdit* minutes, TQFloatEdit* seconds) {
    const AngleParts parts = DegMinSec(radians * kDegreesPerRadian);
    degrees->setValue(parts.degrees);
    minutes->setValue(parts.minutes);
    seconds->setValue(parts.seconds);
}

bool AngleAgrees(double radians, const TQFloatEdit* degrees, const TQFloatEdit* minutes,
                 const TQFloatEdit* seconds) {
    const double entered = AngleRad(degrees->value(), minutes->value(), seconds->value());
    return std::abs(entered - radians) <= kFlankTolerance;
}

void SetTextColour(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    if (palette.color(QPalette::WindowText) != colour) {
        palette.setColor(QPalette::WindowText, colour);
        label->setPalette(palette);
    }
}

void SetTextIfDifferent(QLabel* label, const QString& text) {
    if (label->text() != text) {
        label->setText(text);
    }
}

} // namespace

QWidget* TfrmRuZede::BuildDesignationPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("pnlDesignation"));
    ui.pnlDesignation = panel;
    auto* grid = new QGridLayout(panel);
    ui.designationGrid = grid;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(3);

    ui.lblDesignation = new QLabel(panel);
    ui.lblDesignation->setObjectName(QStringLiteral("lblDesignation"));
    ui.lblDesignation->setWordWrap(true);
    ui.cbDesignation = new QLineEdit(panel);
    ui.cbDesignation->setObjectName(QStringLiteral("cbDesignation"));
    ui.cbDesignation->setClearButtonEnabled(true);
    FDesignationCompleter = new DesignationCompleter(ui.cbDesignation);
    FDesignationCompleter->setObjectName(QStringLiteral("designationCompleter"));
    ui.cbDesignation->setCompleter(FDesignationCompleter);
    ui.lblDesignation->setBuddy(ui.cbDesignation);

    ui.lblDesigLimits = new QLabel(panel);
    ui.lblDesigLimits->setObjectName(QStringLiteral("lblDesigLimits"));
    ui.lblDesigLimits->setWordWrap(true);
    ui.lblDesigLimits->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ui.lblDesigLimits->hide();

    grid->addWidget(ui.lblDesignation, 0, 0);
    grid->addWidget(ui.cbDesignation, 0, 1);
    grid->addWidget(ui.lblDesigLimits, 1, 1);
    grid->setColumnStretch(1, 1);
    return panel;
}

void TfrmRuZede::ConnectDesignationHandlers() {
    connect(ui.cbDesignation, &QLineEdit::textEdited, this,
            [this](const QString& text) { cbDesignationEdited(text); });
    connect(ui.cbDesignation, &QLineEdit::editingFinished, this,
            [this] { cbDesignationCommit(ui.cbDesignation->text()); });
    // The completer writes the chosen text into the field before it reports the choice.
    connect(FDesignationCompleter, qOverload<const QString&>(&QCompleter::activated), this,
            [this](const QString& text) { cbDesignationCommit(text); });

    // After the handlers that read the fields, so the comparison sees the new values.
    for (TQFloatEdit* edit :
         {ui.edStapka, ui.edBrH, ui.edA1g, ui.edA1m, ui.edA1s, ui.edA2g, ui.edA2m, ui.edA2s}) {
        connect(edit, &QLineEdit::textChanged, this, [this] { RefreshDesignationState(); });
    }
    connect(ui.cbType, &QComboBox::activated, this, [this] { RefreshDesignationState(); });
}

void TfrmRuZede::cbDesignationEdited(const QString& text) {
    if (text.trimmed().isEmpty()) {
        // Emptied (also by the clear button): no designation from now on.
        FDesignationCompleter->popup()->hide();
        cbDesignationCommit(text);
        return;
    }
    FDesignationCompleter->setPrefix(text);
    if (FDesignationCompleter->candidates().isEmpty()) {
        FDesignationCompleter->popup()->hide();
    } else {
        FDesignationCompleter->complete();
    }
}

void TfrmRuZede::cbDesignationCommit(const QString& typed) {
    const QString text = typed.trimmed();
    // Leaving the field again after the inputs were edited must not fill them afresh.
    if (text == FDesigCommitted) {
        return;
    }
    FDesignationCompleter->popup()->hide();
    TakeDesignation(text, true);
}

void TfrmRuZede::TakeDesignation(const QString& text, bool withThreadType) {
    FDesigCommitted = text;
    FDesigLimits.reset();
    FDesigError.reset();
    FDesigChanged = false;
    ClearVerdict();
    if (!text.isEmpty()) {
        const bool internal = ui.cbType->currentIndex() == 1 || ui.cbType->currentIndex() == 3;
        const designation::ParseResult parsed = designation::ParseDesignation(
            text.toStdString(),
            internal ? designation::Side::Internal : designation::Side::External);
        if (const designation::ParseError* error = designation::ParsedError(parsed)) {
            FDesigError = *error;
        } else if (auto limits =
                       designation::ThreadLimitsOf(*designation::ParsedDesignation(parsed))) {
            FDesigLimits = std::move(*limits);
        } else {
            // The parser hands out only designations whose limits are defined; should one slip
            // through, it is named as a class the standard does not define.
            FDesigError = designation::ParseError{
                designation::ParseErrorKind::ClassNotAllowed, text.toStdString(), {}};
        }
    }
    if (FDesigLimits) {
        // What was understood, written the one way: "m10 x 1,5" shows as "M10x1.5-6g".
        FDesigCommitted = QString::fromStdString(FDesigLimits->designation.text);
        if (ui.cbDesignation->text() != FDesigCommitted) {
            ui.cbDesignation->setText(FDesigCommitted);
        }
        FillInputsFromDesignation(withThreadType);
    }
    RefreshDesignationState();
}

void TfrmRuZede::FillInputsFromDesignation(bool withThreadType) {
    const designation::ThreadLimits& limits = *FDesigLimits;
    const FlagGuard filling(FDesigFilling);
    if (withThreadType && ui.cbType->currentIndex() != limits.threadType) {
        ui.cbType->setCurrentIndex(limits.threadType);
        cbTypeChange();
    }
    // The fields are written without recomputing after each; the pitch is then taken exactly,
    // not as rounded for its field, and the derived values follow once.
    FInputsReady = false;
    ui.edBrH->setValue(limits.starts);
    SetAngle(limits.flankAngle1, ui.edA1g, ui.edA1m, ui.edA1s);
    SetAngle(limits.flankAngle2, ui.edA2g, ui.edA2m, ui.edA2s);
    ui.edStapka->setValue(
        FInchMode ? RoundHalfEven(limits.pitchMm / kMillimetresPerInch, kFieldInchDecimals)
                  : RoundHalfEven(limits.pitchMm, kFieldMMDecimals));
    FInputsReady = true;
    FPitchMM = limits.pitchMm;
    UpdateDerivedValues();
}

bool TfrmRuZede::InputsMatchDesignation() const {
    const designation::ThreadLimits& limits = *FDesigLimits;
    return ui.cbType->currentIndex() == limits.threadType &&
           std::abs(FPitchMM - limits.pitchMm) <= kPitchRelativeTolerance * limits.pitchMm &&
           std::trunc(ui.edBrH->value()) == limits.starts &&
           AngleAgrees(limits.flankAngle1, ui.edA1g, ui.edA1m, ui.edA1s) &&
           AngleAgrees(limits.flankAngle2, ui.edA2g, ui.edA2m, ui.edA2s);
}

bool TfrmRuZede::DesignationInForce() const {
    return FDesigLimits.has_value() && !FDesigChanged;
}

void TfrmRuZede::RefreshDesignationState() {
    if (FDesigFilling) {
        return;
    }
    const bool changed = FDesigLimits && !InputsMatchDesignation();
    if (changed && !FDesigChanged) {
        ClearVerdict();
    }
    FDesigChanged = changed;
    ShowDesignationLimits();
}

void TfrmRuZede::ShowDesignationLimits() {
    QLabel* label = ui.lblDesigLimits;
    if (FDesigError) {
        SetTextColour(label, kErrorColour);
        SetTextIfDifferent(label, ParseErrorText(*FDesigError, FDesigCommitted));
    } else if (FDesigLimits) {
        SetTextColour(label, palette().color(QPalette::WindowText));
        QString text = LimitsText(*FDesigLimits, FInchMode);
        if (FDesigChanged) {
            text += QLatin1Char(' ') + TextOf(DesignationText::Changed);
        }
        SetTextIfDifferent(label, text);
    }
    label->setVisible(FDesigError || FDesigLimits);
}

void TfrmRuZede::ApplyDesignationTexts() {
    ui.lblDesignation->setText(TextOf(DesignationText::Caption));
    ui.cbDesignation->setPlaceholderText(TextOf(DesignationText::Examples));
    ui.cbDesignation->setToolTip(TextOf(DesignationText::Examples));
    ShowDesignationLimits();
    DisplayVerdict();
}

void TfrmRuZede::RestoreDesignation() {
    const QString text = IniFile(SettingsFilePath())
                             .readString(settings::kDesignationSection, settings::kDesignationKey)
                             .trimmed();
    if (text.isEmpty()) {
        return;
    }
    // The thread type is remembered on its own: a stored type that disagrees with the
    // designation is kept, and the designation shows as changed.
    ui.cbDesignation->setText(text);
    TakeDesignation(text, false);
}

void TfrmRuZede::SaveDesignation() const {
    IniFile file(SettingsFilePath());
    const QString text = ui.cbDesignation->text().trimmed();
    if (file.readString(settings::kDesignationSection, settings::kDesignationKey) == text) {
        return;
    }
    if (!file.writeString(settings::kDesignationSection, settings::kDesignationKey, text)) {
        // Said where it cannot block the close, as for the placement.
        qWarning().noquote() << QStringLiteral("The thread designation was not saved to %1: %2")
                                    .arg(file.path(), file.errorString());
    }
}

} // namespace kthread
