// Putting the texts of the active language on the controls, after the help page has been loaded
// with the language's help file. Captions that carry a symbol are composed here ("Pitch (P)");
// selector item lists are rebuilt with their index kept.
#include "window/TfrmRuZede.h"

#include "lang/LanguageTable.h"
#include "window/BudgetTexts.h"
#include "window/TPaintBox.h"
#include "window/ThreadTables.h"
#include "window/catalog/CatalogPage.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QToolButton>
#include <algorithm>

namespace kthread {

namespace {

// Language text numbers.
enum Text : int {
    ExternalThread = 1,
    InternalThread = 2,
    Lead = 3,
    Pitch = 4,
    TypeOfThread = 5,
    NumberOfStarts = 6,
    Copy = 7,
    Exit = 8,
    Calculation = 9,
    About = 10,
    Language = 11,
    Figure = 12,
    DeformationCorrection = 13,
    ErrorMessage = 14,
    NewRow = 15,
    DeleteRow = 16,
    ProbeMaterialCaption = 17,
    Ruby = 19,
    MeasurementMethod = 20,
    FlankAngle = 23,
    MeasuringForce = 28,
    MeasurementPD = 29,
    PitchDiameter = 30,
    Catalog = 31,
    Manual = 32,
    Select = 33,
    FirstSymbol = 36,
    SecondSymbol = 37,
    ThreadMaterial = 39,
    ExternalTaper = 40,
    InternalTaper = 41,
    Taper = 43,
    HalfTaperAngle = 44,
    Steel = 74,
};

QString WithSymbol(int text, const QString& symbol) {
    return LangText(text) + QStringLiteral(" (") + symbol + QLatin1Char(')');
}

// Replaces the items and keeps the chosen index (clamped to the new list), without running the
// selector's handler.
void ReplaceItems(QComboBox* combo, const QStringList& items) {
    const QSignalBlocker blocker(combo);
    const int index = combo->currentIndex();
    combo->clear();
    combo->addItems(items);
    combo->setCurrentIndex(std::min(index, static_cast<int>(items.size()) - 1));
}

} // namespace

QString TfrmRuZede::PitchDiamCaption() const {
    return WithSymbol(PitchDiameter, FDiamLetter + QStringLiteral("2"));
}

void TfrmRuZede::ApplyLanguage() {
    LoadHelpText();

    ReplaceItems(ui.cbType, {LangText(ExternalThread), LangText(InternalThread),
                             LangText(ExternalTaper), LangText(InternalTaper)});
    ui.Label1->setText(LangText(TypeOfThread));
    ui.Label3->setText(WithSymbol(Pitch, QStringLiteral("P")));
    ui.Label11->setText(WithSymbol(NumberOfStarts, QStringLiteral("n")));
    ui.lHod->setText(WithSymbol(Lead, QStringLiteral("l")));
    ui.Label4->setText(WithSymbol(FlankAngle, LangText(FirstSymbol)));
    ui.Label16->setText(WithSymbol(FlankAngle, LangText(SecondSymbol)));
    ui.ULabel5->setText(LangText(Taper));
    ui.ULabel6->setText(LangText(HalfTaperAngle));
    ui.Label12->setText(LangText(ProbeMaterialCaption));
    ui.ULabel1->setText(LangText(ThreadMaterial));
    ui.Label2->setText(LangText(MeasurementMethod));
    ui.Label5->setText(WithSymbol(MeasuringForce, QStringLiteral("F")));
    ui.lRes3->setText(LangText(DeformationCorrection));

    const int type = ui.cbType->currentIndex();
    if (const ThreadTypeTraits* traits = ThreadTypeInfo(type)) {
        ui.lODN->setText(LangText(traits->optimalCaptionText));
        ui.lDN->setText(WithSymbol(traits->diameterCaptionText, QStringLiteral("dD")));
    }
    FillMethodItems(type);
    ReplaceItems(ui.cbMaterial, {LangText(Steel), LangText(Ruby)});
    QStringList materials;
    for (std::size_t row = 0; row + 1 < ThreadMaterialTable.size(); ++row) {
        materials << LangText(ThreadMaterialTable[row].nameText);
    }
    materials << LangText(kOtherMaterialText);
    ReplaceItems(ui.cbThrMaterial, materials);
    ReplaceItems(ui.cbVidVav, {WithSymbol(MeasurementPD, QStringLiteral("m")),
                               WithSymbol(MeasurementPD, QStringLiteral("M")), PitchDiamCaption()});
    ApplyGivenQuantityCaptions();

    ui.btnCopy->setToolTip(LangText(Copy));
    ui.btnExit->setToolTip(LangText(Exit));
    ui.btnCalc->setToolTip(LangText(Calculation));
    ui.btnInfo->setToolTip(LangText(About));
    ui.btnLang->setToolTip(LangText(Language));
    ui.btnMM->setToolTip(QStringLiteral("mm / in."));
    // A tab's caption is its hint.
    for (const auto& [tab, text] : {std::pair{ui.pbCtrl_0, LangText(Figure)},
                                    {ui.pbCtrl_1, LangText(Catalog)},
                                    {ui.pbCtrl_2, LangText(Manual)},
                                    {ui.pbCtrl_3, BudgetText(BudgetTab)}}) {
        tab->setToolTip(text);
        tab->update();
    }
    ui.catalogPage->setHints(LangText(NewRow), LangText(DeleteRow), LangText(Select));
    FErrorText = LangText(ErrorMessage);
    ApplyDesignationTexts();
    ApplyBudgetTexts();

    FitLayoutToTexts();

    RefreshBannerText();
}

void TfrmRuZede::FillMethodItems(int typeIndex) {
    QStringList items;
    if (const ThreadTypeTraits* traits = ThreadTypeInfo(typeIndex)) {
        for (const int text : traits->methodTexts) {
            items << LangText(text);
        }
    }
    ReplaceItems(ui.cbIzm, items);
}

// The result captions name what is not given: with the size m or M given the first result is the
// pitch diameter, with the pitch diameter given it is the size m; the second result is the other
// size.
void TfrmRuZede::ApplyGivenQuantityCaptions() {
    const auto given = static_cast<GivenQuantity>(ui.cbVidVav->currentIndex());
    const bool sizeOverShown = given == GivenQuantity::SizeCtr || given == GivenQuantity::PitchDiam;
    ui.lVidIzm->setText(
        WithSymbol(MeasurementPD, sizeOverShown ? QStringLiteral("M") : QStringLiteral("m")));
    if (given == GivenQuantity::SizeCtr || given == GivenQuantity::SizeOver) {
        ui.lRes4->setText(PitchDiamCaption());
    } else {
        ui.lRes4->setText(WithSymbol(MeasurementPD, QStringLiteral("m")));
    }
    RefreshBudgetCaptions();
}

} // namespace kthread
