// The Copy command: the inputs and the last results, as the window shows them, on the clipboard.
#include "window/TfrmRuZede.h"

#include "window/TQFloatEdit.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>

namespace kthread {

namespace {

ShownQuantity Shown(const QLabel* caption, const QLabel* value) {
    return {caption->text(), value->text()};
}

ShownQuantity Shown(const QLabel* caption, const QLineEdit* value) {
    return {caption->text(), value->text()};
}

ShownQuantity Shown(const QLabel* caption, const QComboBox* value) {
    return {caption->text(), value->currentText()};
}

ShownAngle Shown(const QLabel* caption, const QLineEdit* degrees, const QLineEdit* minutes,
                 const QLineEdit* seconds) {
    return {caption->text(), degrees->text(), minutes->text(), seconds->text()};
}

} // namespace

ReportInputs TfrmRuZede::ShownReportInputs() const {
    ReportInputs shown;
    shown.inchMode = FInchMode;
    shown.threadType = Shown(ui.Label1, ui.cbType);
    shown.pitch = Shown(ui.Label3, ui.edStapka);
    shown.starts = Shown(ui.Label11, ui.edBrH);
    shown.lead = Shown(ui.lHod, ui.lPodem);
    shown.firstFlank = Shown(ui.Label4, ui.edA1g, ui.edA1m, ui.edA1s);
    shown.secondFlank = Shown(ui.Label16, ui.edA2g, ui.edA2m, ui.edA2s);
    shown.optimalProbe = Shown(ui.lODN, ui.lDiamN);
    shown.probe = Shown(ui.lDN, ui.edDiam);
    shown.probeMaterial = Shown(ui.Label12, ui.cbMaterial);
    shown.threadMaterial = Shown(ui.ULabel1, ui.cbThrMaterial);
    shown.poisson = Shown(ui.ULabel2, ui.edSigma);
    shown.modulus = ui.edE->text();
    shown.method = Shown(ui.Label2, ui.cbIzm);
    shown.force = Shown(ui.Label5, ui.edIzmN);
    shown.given = {ui.cbVidVav->currentText(), ui.edIzmSt->text()};
    shown.firstResult = Shown(ui.lRes4, ui.lSrDA2);
    shown.secondResult = Shown(ui.lVidIzm, ui.lRazmM);
    shown.deformCorr = Shown(ui.lRes3, ui.lA2);
    shown.designation = ShownDesignationReport();
    shown.budget = ShownBudgetReport();
    return shown;
}

void TfrmRuZede::btnCopyClick() {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
        clipboard->setText(BuildReport(ShownReportInputs()));
    }
}

} // namespace kthread
