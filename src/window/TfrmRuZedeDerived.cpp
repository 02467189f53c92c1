// The values shown while typing: the lead, the optimal (best-size) probe diameter, the probe
// picked from the catalogue and the mark of a probe 25 % or more away from the optimum.
#include "window/TfrmRuZede.h"

#include "engine/Measurement.h"
#include "storage/catalog/ProbeCatalogModel.h"
#include "window/CatalogPick.h"
#include "window/NumberTexts.h"
#include "window/TQFloatEdit.h"
#include "window/catalog/CatalogPage.h"

#include <QLabel>
#include <cmath>
#include <exception>
#include <vector>

namespace kthread {

namespace {

bool AngleInRange(const TQFloatEdit* degrees, const TQFloatEdit* minutes,
                  const TQFloatEdit* seconds) {
    return IsWithin(LimitOf(Input::FlankDegrees), degrees->value()) &&
           IsWithin(LimitOf(Input::FlankMinutes), minutes->value()) &&
           IsWithin(LimitOf(Input::FlankSeconds), seconds->value());
}

double AngleOf(const TQFloatEdit* degrees, const TQFloatEdit* minutes, const TQFloatEdit* seconds) {
    return AngleRad(degrees->value(), minutes->value(), seconds->value());
}

} // namespace

bool TfrmRuZede::DerivedInputsComplete() const {
    for (const TQFloatEdit* edit : {ui.edStapka, ui.edBrH, ui.edA1g, ui.edA1m, ui.edA1s, ui.edA2g,
                                    ui.edA2m, ui.edA2s, ui.edDiam, ui.edIzmN, ui.edIzmSt}) {
        if (edit->text().isEmpty()) {
            return false;
        }
    }
    // A pitch of 0 is accepted here (the values then show as 0); Calculate refuses it.
    const InputLimit& pitch = LimitOf(Input::Pitch);
    return pitch.low <= FPitchMM && FPitchMM <= pitch.high &&
           AngleInRange(ui.edA1g, ui.edA1m, ui.edA1s) && AngleInRange(ui.edA2g, ui.edA2m, ui.edA2s);
}

void TfrmRuZede::edStapkaChange() {
    if (!FInputsReady) {
        return;
    }
    FPitchMM = LengthToMM(ui.edStapka->value());
    UpdateDerivedValues();
}

// From FPitchMM and the other fields.
void TfrmRuZede::UpdateDerivedValues() {
    try {
        // Incomplete or out-of-range input stops silently and leaves what is shown.
        if (!DerivedInputsComplete()) {
            return;
        }
        const double starts = std::trunc(ui.edBrH->value());
        const double a1 = AngleOf(ui.edA1g, ui.edA1m, ui.edA1s);
        const double a2 = AngleOf(ui.edA2g, ui.edA2m, ui.edA2s);

        // The lead uses the whole number of starts; the optimum below uses the pitch.
        FLeadText = FixedText(starts * FPitchMM, kResultMMDecimals);
        ui.lPodem->setText(FInchMode ? FixedText(ReadNumberText(FLeadText) / kMillimetresPerInch,
                                                 kResultInchDecimals)
                                     : FLeadText);

        const std::optional<double> optimum = OptimalProbeDiam(FPitchMM, a1, a2);
        if (!optimum) {
            // For example both flank angles 0: the new lead stays.
            ShowErrorMessage(FErrorText);
            return;
        }
        FOptDiamText = FixedText(*optimum, kResultMMDecimals);
        ui.lDiamN->setText(FInchMode ? FixedText(*optimum / kMillimetresPerInch, kResultMMDecimals)
                                     : FOptDiamText);

        FProbeDiamMM = 0;
        ui.edDiam->setValue(0);
        PickProbeFromCatalogue(*optimum);
        WriteProbeDiam();
        edIzmStChange();
    } catch (const std::exception&) {
        ShowErrorMessage(FErrorText);
    }
}

void TfrmRuZede::PickProbeFromCatalogue(double target) {
    ui.catalogPage->setCurrentRow(-1);
    const ProbeCatalogModel* catalogue = ui.catalogPage->boundModel();
    if (ui.lDiamN->text().isEmpty() || catalogue == nullptr || catalogue->count() == 0) {
        // Nothing to pick: edDiam stays 0 and edDiamChange has judged it.
        return;
    }
    SelectCatalogDiam(target);
    ui.lSign->setVisible(IsOutsideProbeBand(FProbeDiamMM, target));
}

void TfrmRuZede::SelectCatalogDiam(double target) {
    const ProbeCatalogModel* catalogue = ui.catalogPage->boundModel();
    if (catalogue == nullptr || catalogue->count() == 0) {
        return;
    }
    std::vector<double> rows;
    rows.reserve(static_cast<std::size_t>(catalogue->count()));
    for (int row = 0; row < catalogue->count(); ++row) {
        rows.push_back(catalogue->diamMM(row));
    }
    const CatalogPickResult pick = PickCatalogDiam(rows, target);
    if (pick.diameter) {
        FProbeDiamMM = *pick.diameter;
    }
    ui.catalogPage->setCurrentRow(pick.stopRow);
}

void TfrmRuZede::edDiamChange() {
    if (!FInputsReady || ui.lDiamN->text().isEmpty()) {
        return;
    }
    FProbeDiamMM = LengthToMM(ui.edDiam->value());
    ui.lSign->setVisible(IsOutsideProbeBand(FProbeDiamMM, ReadNumberText(FOptDiamText)));
    edIzmStChange();
}

} // namespace kthread
