// The verdict after Calculate while a designation is in force: the pitch diameter (the result,
// or the given one) against the designation's limits, and the readings over the probes in use
// that a part within the limits shows.
#include "window/TfrmRuZede.h"

#include "window/DesignationDisplay.h"
#include "window/DesignationTexts.h"

#include <QLabel>

namespace kthread {

namespace {

const QColor kConformsColour(0, 0x80, 0);
const QColor kFailsColour(0xd0, 0, 0);
const QColor kUndecidedColour(0xb0, 0x60, 0);

QColor ColourOf(VerdictWord word) {
    switch (word) {
    case VerdictWord::WithinLimits:
        return kConformsColour;
    case VerdictWord::Undersize:
    case VerdictWord::Oversize:
        return kFailsColour;
    case VerdictWord::NotProvable:
        break;
    }
    return kUndecidedColour;
}

} // namespace

void TfrmRuZede::ShowVerdict(double pitchDiamMM, const TPitchDiamData& setup) {
    FVerdict.reset();
    if (DesignationInForce()) {
        if (const auto verdict =
                JudgePitchDiam(pitchDiamMM, *FDesigLimits, CurrentVerdictUncertainty())) {
            FVerdict = ShownVerdict{*verdict, std::nullopt, std::nullopt};
            if (const auto window = designation::ReadingWindowOf(*FDesigLimits, setup)) {
                // The size-given ends once; each unit rounds them its own way.
                const designation::ReadingWindow met =
                    designation::ReadingWindowBySizePath(*window, *FDesigLimits, setup);
                FVerdict->windowMM = ShownReadingWindow(met, *FDesigLimits, setup, false);
                FVerdict->windowInch = ShownReadingWindow(met, *FDesigLimits, setup, true);
            }
        }
    }
    DisplayVerdict();
}

void TfrmRuZede::ClearVerdict() {
    if (FVerdict) {
        FVerdict.reset();
        DisplayVerdict();
    }
}

std::optional<ReportDesignation> TfrmRuZede::ShownDesignationReport() const {
    if (!FDesigLimits) {
        return std::nullopt;
    }
    ReportDesignation shown;
    shown.designation = {ui.lblDesignation->text(), FDesigCommitted};
    shown.limits = {TextOf(DesignationText::Limits), ui.lblDesigLimits->text()};
    if (FVerdict) {
        shown.verdict = {TextOf(DesignationText::Verdict),
                         VerdictText(FVerdict->verdict, FInchMode)};
        if (FVerdict->Window(FInchMode)) {
            shown.readingWindow = {TextOf(DesignationText::ReadingWindow),
                                   ReadingWindowText(*FVerdict->Window(FInchMode), FInchMode)};
        }
    }
    return shown;
}

void TfrmRuZede::DisplayVerdict() {
    if (!FVerdict) {
        for (QLabel* label : {ui.lblVerdict, ui.lblReadingWindow}) {
            if (!label->isHidden()) {
                label->clear();
                label->hide();
            }
        }
        return;
    }
    QPalette palette = ui.lblVerdict->palette();
    palette.setColor(QPalette::WindowText, ColourOf(FVerdict->verdict.word));
    ui.lblVerdict->setPalette(palette);
    ui.lblVerdict->setText(VerdictText(FVerdict->verdict, FInchMode));
    ui.lblVerdict->show();
    if (FVerdict->Window(FInchMode)) {
        ui.lblReadingWindow->setText(TextOf(DesignationText::ReadingWindow) + QStringLiteral(": ") +
                                     ReadingWindowText(*FVerdict->Window(FInchMode), FInchMode));
        ui.lblReadingWindow->show();
    } else {
        ui.lblReadingWindow->clear();
        ui.lblReadingWindow->hide();
    }
}

} // namespace kthread
