// The switch between millimetres and inches. The display is always rebuilt from the millimetre
// state, which it never changes, so toggling back and forth does not accumulate rounding.
#include "window/TfrmRuZede.h"

#include "engine/NumberText.h"
#include "window/BudgetTableModel.h"
#include "window/NumberTexts.h"
#include "window/TQFloatEdit.h"

#include <QLabel>
#include <QToolButton>

namespace kthread {

namespace {

double InchesRounded(double millimetres) {
    return RoundHalfEven(millimetres / kMillimetresPerInch, kFieldInchDecimals);
}

} // namespace

void TfrmRuZede::btnMMClick() {
    CloseCatalogues();
    FInchMode = !FInchMode;
    ApplyUnitDisplay();
    OpenCatalogues();
}

void TfrmRuZede::ApplyUnitCaptions() {
    const QString length = FInchMode ? QStringLiteral("in.") : QStringLiteral("mm");
    for (QLabel* unit : {ui.Label6, ui.Label7, ui.Label8, ui.Label9, ui.Label23, ui.Label27,
                         ui.Label25, ui.Label26}) {
        unit->setText(length);
    }
    // The taper ratio is a pure number; only its caption follows the unit.
    ui.ULabel8->setText(FInchMode ? QStringLiteral("in./in.") : QStringLiteral("mm/mm"));
    ui.btnMM->setIcon(FInchMode ? FInchIcon : FMillimetreIcon);
}

void TfrmRuZede::ApplyUnitDisplay() {
    // The writes below must not recompute or clear anything.
    FInputsReady = false;
    ApplyUnitCaptions();
    if (FInchMode) {
        ui.edStapka->setValue(InchesRounded(FPitchMM));
        if (!FLeadText.isEmpty()) {
            ui.lPodem->setText(GeneralText(InchesRounded(ReadNumberText(FLeadText))));
        }
        if (!FOptDiamText.isEmpty()) {
            ui.lDiamN->setText(GeneralText(InchesRounded(ReadNumberText(FOptDiamText))));
        }
        ui.edDiam->setValue(InchesRounded(FProbeDiamMM));
        // A given value of 0 keeps whatever the field shows.
        if (FGivenMM > 0) {
            ui.edIzmSt->setValue(InchesRounded(FGivenMM));
        }
    } else {
        ui.edStapka->setValue(RoundHalfEven(FPitchMM, kFieldMMDecimals));
        ui.lPodem->setText(FLeadText);
        ui.lDiamN->setText(FOptDiamText);
        ui.edDiam->setValue(RoundHalfEven(FProbeDiamMM, kFieldMMDecimals));
        ui.edIzmSt->setValue(RoundHalfEven(FGivenMM, kFieldMMDecimals));
    }
    DisplayResults();
    ShowDesignationLimits();
    DisplayVerdict();
    mdBudget->setInchMode(FInchMode);
    ShowBudgetFigures();
    FInputsReady = true;
}

} // namespace kthread
