// The selectors and the inputs that do not feed the derived values: thread type, given quantity,
// thread material, the taper pair, the given value and the force, and the clearing of results.
#include "window/TfrmRuZede.h"

#include "engine/NumberText.h"
#include "lang/LanguageTable.h"
#include "window/FlagGuard.h"
#include "window/NumberTexts.h"
#include "window/TPaintBox.h"
#include "window/TQFloatEdit.h"
#include "window/ThreadTables.h"
#include "window/catalog/CatalogPage.h"

#include <QComboBox>
#include <QLabel>
#include <cmath>

namespace kthread {

namespace {

constexpr double kRadiansPerDegree = 0.017453292519943295769;
constexpr int kTaperRatioDecimals = 5;
constexpr int kProbeInchDecimals = 4;

} // namespace

void TfrmRuZede::cbTypeChange() {
    const int type = ui.cbType->currentIndex();
    const ThreadTypeTraits* traits = ThreadTypeInfo(type);
    const bool external = traits != nullptr && traits->catalogue == ProbeCatalogue::Wires;

    // Any type other than an external one, also none chosen, is set up like an internal
    // cylindrical thread: ruby balls, ball captions and catalogue.
    const ThreadTypeTraits& probes = *ThreadTypeInfo(external ? 0 : 1);
    FDiamLetter = QLatin1Char(probes.diamLetter);
    ui.cbMaterial->setCurrentIndex(static_cast<int>(probes.probeMaterial));
    ui.cbMaterial->setEnabled(probes.probeMaterialEnabled);
    ui.lODN->setText(LangText(probes.optimalCaptionText));
    ui.lDN->setText(LangText(probes.diameterCaptionText) + QStringLiteral(" (dD)"));
    BindCatalogue();
    ApplyGivenQuantityCaptions();

    FillMethodItems(type);
    ui.cbIzm->setEnabled(traits != nullptr && traits->methodEnabled);
    ui.cbIzm->setCurrentIndex(0);

    ui.cbVidVav->setItemText(static_cast<int>(GivenQuantity::PitchDiam), PitchDiamCaption());
    UpdateFigure();
    ui.Panel5->setVisible(traits != nullptr && traits->taperPanelVisible);

    ClearResults();
    FGivenMM = 0;
    FProbeDiamMM = 0;
    ui.edDiam->setValue(0);

    // The optimum is kept; only the pick is repeated, in the catalogue of the new type.
    PickProbeFromCatalogue(ReadNumberText(FOptDiamText));
    WriteProbeDiam();

    // The given value stays in edIzmSt; read it back so that Calculate right after a change of
    // type works with what the field shows.
    edIzmStChange();
}

void TfrmRuZede::cbVidVavChange() {
    ApplyGivenQuantityCaptions();
    ClearResults();
    FGivenMM = 0;
    ui.edIzmSt->setValue(0);
    ui.edIzmSt->setFocus();
}

void TfrmRuZede::cbThrMaterialChange() {
    const int row = ui.cbThrMaterial->currentIndex();
    if (row >= 0 && row < static_cast<int>(ThreadMaterialTable.size())) {
        const ThreadMaterialRow& material = ThreadMaterialTable[static_cast<std::size_t>(row)];
        ui.edSigma->setValue(material.poisson);
        ui.edE->setValue(material.modulusGPa);
    }
    btnCalcClick();
}

void TfrmRuZede::edInInChange() {
    if (TaperSyncBusy) {
        return;
    }
    const double ratio = ui.edInIn->value();
    if (ratio == 0) {
        return;
    }
    const AngleParts angle = DegMinSec(std::atan(ratio / 2) * kDegreesPerRadian);
    const FlagGuard busy(TaperSyncBusy);
    ui.edBg->setValue(angle.degrees);
    ui.edBm->setValue(angle.minutes);
    ui.edBs->setValue(angle.seconds);
}

void TfrmRuZede::edBgChange() {
    if (TaperSyncBusy) {
        return;
    }
    const double halfAngle =
        (ui.edBg->value() + ui.edBm->value() / 60 + ui.edBs->value() / 3600) * kRadiansPerDegree;
    if (halfAngle == 0) {
        return;
    }
    const FlagGuard busy(TaperSyncBusy);
    ui.edInIn->setValue(RoundHalfEven(2 * std::tan(halfAngle), kTaperRatioDecimals));
}

void TfrmRuZede::edIzmStChange() {
    if (!FInputsReady) {
        return;
    }
    FGivenMM = LengthToMM(ui.edIzmSt->value());
    ClearResults();
}

void TfrmRuZede::edIzmNChange() {
    if (FInputsReady) {
        ClearResults();
    }
    UpdateFigure();
}

void TfrmRuZede::edIzmStKeyPress(int key) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        btnCalcClick();
    }
}

void TfrmRuZede::UpdateFigure() {
    const std::string name = FigureName(ui.cbType->currentIndex(), ui.cbIzm->currentIndex());
    if (name.empty()) {
        return;
    }
    ui.pbImage->setToolTip(QString::fromStdString(name));
    ui.pbImage->update();
}

void TfrmRuZede::ClearResults() {
    // Every keystroke clears the results: leave empty labels alone, so nothing is repainted.
    for (QLabel* result : {ui.lRazmM, ui.lA2, ui.lSrDA2}) {
        if (!result->text().isEmpty()) {
            result->clear();
        }
    }
    FSizeText.clear();
    FA2Text.clear();
    FDiamText.clear();
    FResultsMM.reset();
    ClearVerdict();
    ClearBudget();
}

// edDiam shows the probe diameter in the display unit; inches with 4 decimals.
void TfrmRuZede::WriteProbeDiam() {
    if (FInchMode) {
        ui.edDiam->setValue(RoundHalfEven(FProbeDiamMM / kMillimetresPerInch, kProbeInchDecimals));
    } else {
        ui.edDiam->setValue(FProbeDiamMM);
    }
}

} // namespace kthread
