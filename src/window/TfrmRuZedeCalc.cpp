// Calculate: checks the inputs, fills a measurement record, runs the engine and shows the two
// quantities that were not given and the deformation correction.
#include "window/TfrmRuZede.h"

#include "engine/PitchDiam.h"
#include "window/NumberTexts.h"
#include "window/TQFloatEdit.h"

#include <QComboBox>
#include <QLabel>
#include <cmath>
#include <exception>

namespace kthread {

namespace {

constexpr double kMaxPitchMM = 100;
constexpr double kMaxDegrees = 90;
constexpr double kMaxMinutes = 59;
constexpr double kMaxProbeMM = 100;
constexpr double kMaxForceN = 100;
constexpr double kMaxGivenMM = 4000;
constexpr double kPascalsPerGPa = 1e9;
constexpr int kRubyItem = 1;
constexpr int kExternalTaperType = 2;
constexpr int kMMDecimals = 5;
constexpr int kInchDecimals = 6;

enum class Given : int { SizeCtr = 0, SizeOver = 1, PitchDiam = 2 };

bool Within(double value, double low, double high) {
    return low <= value && value <= high;
}

} // namespace

void TfrmRuZede::btnCalcClick() {
    try {
        // Limits in millimetres whatever the display unit; the first failed check ends the
        // command silently. A value that is not a number fails every check.
        const bool inputsInRange =
            FPitchMM > 0 && FPitchMM <= kMaxPitchMM && Within(ui.edA1g->value(), 0, kMaxDegrees) &&
            Within(ui.edA1m->value(), 0, kMaxMinutes) &&
            Within(ui.edA1s->value(), 0, kMaxMinutes) &&
            Within(ui.edA2g->value(), 0, kMaxDegrees) &&
            Within(ui.edA2m->value(), 0, kMaxMinutes) &&
            Within(ui.edA2s->value(), 0, kMaxMinutes) && Within(FProbeDiamMM, 0, kMaxProbeMM) &&
            Within(ui.edIzmN->value(), 0, kMaxForceN) && Within(FGivenMM, 0, kMaxGivenMM);
        const int type = ui.cbType->currentIndex();
        const int given = ui.cbVidVav->currentIndex();
        const int method = ui.cbIzm->currentIndex();
        if (!inputsInRange || type < 0 || given < 0 || method < 0) {
            return;
        }

        TPitchDiamData data{};
        data.ThreadType = static_cast<std::uint8_t>(type);
        data.GivenQty = static_cast<std::uint8_t>(given);
        data.MeasMode = static_cast<std::uint8_t>(method);
        const bool ruby = ui.cbMaterial->currentIndex() == kRubyItem;
        data.ProbePoisson = ruby ? kRubyPoisson : kSteelPoisson;
        data.ProbeModulus = ruby ? kRubyModulus : kSteelModulus;
        data.ThreadPoisson = ui.edSigma->value();
        data.ThreadModulus = ui.edE->value() * kPascalsPerGPa;
        data.Pitch = FPitchMM;
        data.Starts = std::trunc(ui.edBrH->value());
        data.ProbeDiam = FProbeDiamMM;
        data.Force = ui.edIzmN->value();
        data.FlankAngle1 = AngleRad(ui.edA1g->value(), ui.edA1m->value(), ui.edA1s->value());
        data.FlankAngle2 = AngleRad(ui.edA2g->value(), ui.edA2m->value(), ui.edA2s->value());
        switch (static_cast<Given>(given)) {
        case Given::SizeCtr:
            data.SizeCtr = FGivenMM;
            break;
        case Given::SizeOver:
            data.SizeOver = FGivenMM;
            break;
        case Given::PitchDiam:
            data.PitchDiam = FGivenMM;
            break;
        }
        if (type == kExternalTaperType) {
            data.TaperRatio = ui.edInIn->value();
        }

        // The engine refuses a probe diameter of 0 and arithmetic faults: the labels keep what
        // they showed.
        if (!CalcPitchDiam(data)) {
            return;
        }
        ResultValues results;
        switch (static_cast<Given>(given)) {
        case Given::SizeCtr:
            results = {data.PitchDiam, data.SizeOver, data.DeformCorr};
            break;
        case Given::SizeOver:
            results = {data.PitchDiam, data.SizeCtr, data.DeformCorr};
            break;
        case Given::PitchDiam:
            results = {data.SizeCtr, data.SizeOver, data.DeformCorr};
            break;
        default:
            return;
        }
        ShowResults(results);
    } catch (const std::exception&) {
        ShowErrorMessage(FErrorText);
    }
}

// The result texts are kept in millimetres, so the unit switch can show them in either unit.
void TfrmRuZede::ShowResults(const ResultValues& results) {
    FResultsMM = results;
    FDiamText = FixedText(results.first, kMMDecimals);
    FSizeText = FixedText(results.second, kMMDecimals);
    FA2Text = FixedText(results.deformCorr, kMMDecimals);
    DisplayResults();
}

void TfrmRuZede::DisplayResults() {
    if (!FResultsMM) {
        return;
    }
    if (FInchMode) {
        ui.lSrDA2->setText(FixedText(FResultsMM->first / kMillimetresPerInch, kInchDecimals));
        ui.lRazmM->setText(FixedText(FResultsMM->second / kMillimetresPerInch, kInchDecimals));
        ui.lA2->setText(FixedText(FResultsMM->deformCorr / kMillimetresPerInch, kInchDecimals));
    } else {
        ui.lSrDA2->setText(FDiamText);
        ui.lRazmM->setText(FSizeText);
        ui.lA2->setText(FA2Text);
    }
}

} // namespace kthread
