// Calculate: checks the inputs, fills a measurement record, runs the engine and shows the two
// quantities that were not given and the deformation correction, then the uncertainty budget of
// the same record.
#include "window/TfrmRuZede.h"

#include "engine/Measurement.h"
#include "engine/designation/ThreadLimits.h"
#include "window/NumberTexts.h"
#include "window/TQFloatEdit.h"

#include <QComboBox>
#include <QLabel>
#include <cmath>
#include <exception>

namespace kthread {

namespace {

AngleDms AngleOf(const TQFloatEdit* degrees, const TQFloatEdit* minutes,
                 const TQFloatEdit* seconds) {
    return {degrees->value(), minutes->value(), seconds->value()};
}

} // namespace

MeasurementInputs TfrmRuZede::EnteredMeasurement() const {
    MeasurementInputs in;
    in.thread = static_cast<ThreadType>(ui.cbType->currentIndex());
    in.given = static_cast<GivenQuantity>(ui.cbVidVav->currentIndex());
    in.method = static_cast<std::uint8_t>(ui.cbIzm->currentIndex());
    in.pitch = FPitchMM;
    in.starts = ui.edBrH->value();
    in.flank1 = AngleOf(ui.edA1g, ui.edA1m, ui.edA1s);
    in.flank2 = AngleOf(ui.edA2g, ui.edA2m, ui.edA2s);
    in.probeDiam = FProbeDiamMM;
    in.probeMaterial = static_cast<ProbeMaterial>(ui.cbMaterial->currentIndex());
    in.threadPoisson = ui.edSigma->value();
    in.threadModulusGPa = ui.edE->value();
    in.force = ui.edIzmN->value();
    in.givenValue = FGivenMM;
    in.taperRatio = ui.edInIn->value();
    return in;
}

void TfrmRuZede::btnCalcClick() {
    try {
        // Limits in millimetres whatever the display unit; the first failed check ends the
        // command silently. A value that is not a number fails every check.
        const int type = ui.cbType->currentIndex();
        const int given = ui.cbVidVav->currentIndex();
        const int method = ui.cbIzm->currentIndex();
        if (type < 0 || type >= kThreadTypeCount || given < 0 || given >= kGivenQuantityCount ||
            method < 0) {
            return;
        }
        const MeasurementInputs inputs = EnteredMeasurement();
        if (FirstCalculateCheckFailing(inputs)) {
            return;
        }
        TPitchDiamData data = BuildMeasurementRecord(inputs);
        if (DesignationInForce()) {
            // The inputs stand for the designation's values; its exact pitch and angles are
            // used, not the ones rounded for their fields.
            designation::ApplyToRecord(*FDesigLimits, data);
        }
        const TPitchDiamData setup = data;

        // The engine refuses a probe diameter of 0 and arithmetic faults: the labels keep what
        // they showed.
        if (!CalcPitchDiam(data)) {
            return;
        }
        switch (inputs.given) {
        case GivenQuantity::SizeCtr:
            ShowResults({data.PitchDiam, data.SizeOver, data.DeformCorr});
            break;
        case GivenQuantity::SizeOver:
            ShowResults({data.PitchDiam, data.SizeCtr, data.DeformCorr});
            break;
        case GivenQuantity::PitchDiam:
            ShowResults({data.SizeCtr, data.SizeOver, data.DeformCorr});
            break;
        }
        CalculateBudget(BuildMeasurementRecord(inputs));
        ShowVerdict(inputs.given == GivenQuantity::PitchDiam ? inputs.givenValue : data.PitchDiam,
                    setup);
    } catch (const std::exception&) {
        ShowErrorMessage(FErrorText);
    }
}

// The result texts are kept in millimetres, so the unit switch can show them in either unit.
void TfrmRuZede::ShowResults(const ResultValues& results) {
    FResultsMM = results;
    FDiamText = FixedText(results.first, kResultMMDecimals);
    FSizeText = FixedText(results.second, kResultMMDecimals);
    FA2Text = FixedText(results.deformCorr, kResultMMDecimals);
    DisplayResults();
}

void TfrmRuZede::DisplayResults() {
    if (!FResultsMM) {
        return;
    }
    if (FInchMode) {
        ui.lSrDA2->setText(FixedText(FResultsMM->first / kMillimetresPerInch, kResultInchDecimals));
        ui.lRazmM->setText(
            FixedText(FResultsMM->second / kMillimetresPerInch, kResultInchDecimals));
        ui.lA2->setText(
            FixedText(FResultsMM->deformCorr / kMillimetresPerInch, kResultInchDecimals));
    } else {
        ui.lSrDA2->setText(FDiamText);
        ui.lRazmM->setText(FSizeText);
        ui.lA2->setText(FA2Text);
    }
}

} // namespace kthread
