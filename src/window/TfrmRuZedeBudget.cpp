// The uncertainty budget: its notebook page (the input uncertainties, editable, with each one's
// sensitivity, contribution and share of the variance, and the combined and expanded
// uncertainty), the expanded uncertainty beside the results, the decision rule the verdict
// follows, and their section of the settings file. Recomputed by every Calculate, and at once
// when an input uncertainty is edited while results are shown.
#include "window/TfrmRuZede.h"

#include "engine/uncertainty/LabDefaults.h"
#include "lang/LanguageTable.h"
#include "storage/IniFile.h"
#include "storage/ProgramPaths.h"
#include "window/BudgetTableModel.h"
#include "window/BudgetTexts.h"
#include "window/ElidingComboBox.h"
#include "window/FormSelectorDelegate.h"
#include "window/NumberTexts.h"
#include "window/UncertaintyEntry.h"
#include "window/UncertaintySettings.h"

#include <QComboBox>
#include <QDebug>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>
#include <cmath>
#include <tuple>

namespace kthread {

using uncertainty::BudgetError;
using uncertainty::DecisionRule;
using uncertainty::InputQuantity;
using uncertainty::Measurand;

namespace {

constexpr int kQuantityColumnWidth = 120;

QLabel* PageLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QString WithSymbol(int text, const QString& symbol) {
    return BudgetText(text) + QLatin1Char(' ') + symbol;
}

// 2 as "2", 2.26 as "2.26".
QString CoverageText(double k) {
    const double rounded = std::round(k * 100) / 100;
    return GeneralText(rounded);
}

} // namespace

QWidget* TfrmRuZede::BuildBudgetPage(QWidget* parent) {
    auto* page = new QWidget(parent);
    page->setObjectName(QStringLiteral("pgBudget"));
    ui.pgBudget = page;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);

    auto* ruleRow = new QHBoxLayout;
    ui.lblDecisionRule = PageLabel(page, "lblDecisionRule");
    // The caption keeps its width; a long rule name is elided, its popup shows it whole.
    auto* rule = new ElidingComboBox(page);
    rule->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    rule->setMinimumContentsLength(8);
    ui.cbDecisionRule = rule;
    ui.cbDecisionRule->setObjectName(QStringLiteral("cbDecisionRule"));
    ui.cbDecisionRule->addItems({QString(), QString()});
    ruleRow->addWidget(ui.lblDecisionRule);
    ruleRow->addWidget(ui.cbDecisionRule, 1);
    layout->addLayout(ruleRow);

    mdBudget = new BudgetTableModel(this);
    mdBudget->setObjectName(QStringLiteral("mdBudget"));
    mdBudget->setInputs(uncertainty::LabDefaultInputs());
    ui.tvBudget = new QTableView(page);
    ui.tvBudget->setObjectName(QStringLiteral("tvBudget"));
    ui.tvBudget->setModel(mdBudget);
    ui.tvBudget->setItemDelegateForColumn(BudgetTableModel::FormColumn,
                                          new FormSelectorDelegate(ui.tvBudget));
    ui.tvBudget->setEditTriggers(QAbstractItemView::DoubleClicked |
                                 QAbstractItemView::EditKeyPressed |
                                 QAbstractItemView::AnyKeyPressed);
    ui.tvBudget->verticalHeader()->hide();
    ui.tvBudget->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ui.tvBudget->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // The inputs' names are long: their column keeps a width that leaves the figures in view,
    // cut with an ellipsis (the hint shows the whole name).
    ui.tvBudget->horizontalHeader()->setSectionResizeMode(BudgetTableModel::QuantityColumn,
                                                          QHeaderView::Interactive);
    ui.tvBudget->setColumnWidth(BudgetTableModel::QuantityColumn, kQuantityColumnWidth);
    ui.tvBudget->setTextElideMode(Qt::ElideRight);
    ui.tvBudget->setWordWrap(false);
    layout->addWidget(ui.tvBudget, 1);

    auto* figures = new QGridLayout;
    figures->setHorizontalSpacing(10);
    figures->setVerticalSpacing(2);
    const auto addFigure = [&](int row, int column, QLabel*& caption, const char* captionName,
                               QLabel*& value, const char* valueName) {
        caption = PageLabel(page, captionName);
        value = PageLabel(page, valueName);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        figures->addWidget(caption, row, column);
        figures->addWidget(value, row, column + 1);
    };
    addFigure(0, 0, ui.lblCombinedCaption, "lblCombinedCaption", ui.lblCombined, "lblCombined");
    addFigure(0, 2, ui.lblDegreesCaption, "lblDegreesCaption", ui.lblDegrees, "lblDegrees");
    addFigure(1, 0, ui.lblCoverageCaption, "lblCoverageCaption", ui.lblCoverage, "lblCoverage");
    addFigure(1, 2, ui.lblExpandedCaption, "lblExpandedCaption", ui.lblExpanded, "lblExpanded");
    figures->setColumnStretch(1, 1);
    figures->setColumnStretch(3, 1);
    layout->addLayout(figures);

    ui.lblBudgetNote = PageLabel(page, "lblBudgetNote");
    ui.lblBudgetNote->setWordWrap(true);
    QPalette warning = ui.lblBudgetNote->palette();
    warning.setColor(QPalette::WindowText, QColor(0xd0, 0, 0));
    ui.lblBudgetNote->setPalette(warning);
    ui.lblBudgetNote->hide();
    layout->addWidget(ui.lblBudgetNote);

    connect(mdBudget, &BudgetTableModel::inputsEdited, this, [this] { RecomputeBudget(); });
    return page;
}

void TfrmRuZede::ApplyBudgetTexts() {
    {
        const QSignalBlocker blocker(ui.cbDecisionRule);
        ui.cbDecisionRule->setItemText(static_cast<int>(DecisionRule::GuardBanded),
                                       BudgetText(GuardBandedRule));
        ui.cbDecisionRule->setItemText(static_cast<int>(DecisionRule::SimpleAcceptance),
                                       BudgetText(SimpleAcceptanceRule));
    }
    ui.lblDecisionRule->setText(BudgetText(DecisionRuleText));
    // The page is narrow: the figures go by their usual symbols, named in full by the hint.
    for (const auto& [caption, text, symbol] :
         {std::tuple{ui.lblCombinedCaption, CombinedUncertainty, QStringLiteral("uc")},
          {ui.lblDegreesCaption, EffectiveDegrees, QStringLiteral("νeff")},
          {ui.lblCoverageCaption, CoverageFactorText, QStringLiteral("k")},
          {ui.lblExpandedCaption, ExpandedUncertainty, QStringLiteral("U")}}) {
        caption->setText(symbol + QStringLiteral(" ="));
        caption->setToolTip(BudgetText(text));
    }
    RefreshBudgetCaptions();
    ShowBudgetFigures();
}

// The rows are named as the inputs are on the form, so they follow the thread type and the
// given quantity.
void TfrmRuZede::RefreshBudgetCaptions() {
    if (mdBudget == nullptr || ui.lblUncertaintyCaption == nullptr) {
        return; // still being built
    }
    const QStringList rows{
        ui.cbVidVav->currentText(),
        ui.lDN->text(),
        ui.Label3->text(),
        ui.Label4->text(),
        ui.Label16->text(),
        ui.Label5->text(),
        BudgetText(ModulusRow),
        BudgetText(PartTemperatureRow),
        BudgetText(ProbeTemperatureRow),
        BudgetText(PartExpansionRow),
        BudgetText(ProbeExpansionRow),
    };
    QStringList forms;
    for (int form = 0; form < kEntryFormCount; ++form) {
        forms << BudgetText(FirstFormText + form);
    }
    mdBudget->setTexts(rows,
                       {BudgetText(InputQuantityHeader), BudgetText(ValueHeader),
                        BudgetText(UnitHeader), BudgetText(DistributionHeader),
                        BudgetText(StandardUncertaintyHeader), BudgetText(SensitivityHeader),
                        BudgetText(ContributionHeader), BudgetText(ShareHeader)},
                       forms);
    const bool sizeMeasured =
        static_cast<GivenQuantity>(ui.cbVidVav->currentIndex()) == GivenQuantity::PitchDiam;
    const QString measurand =
        sizeMeasured ? QStringLiteral("M") : FDiamLetter + QStringLiteral("2");
    ui.lblUncertaintyCaption->setText(
        WithSymbol(ExpandedUncertainty, QStringLiteral("U(") + measurand + QLatin1Char(')')));
}

void TfrmRuZede::CalculateBudget(const TPitchDiamData& record) {
    FBudgetRecord = record;
    RecomputeBudget();
}

void TfrmRuZede::RecomputeBudget() {
    if (!FBudgetRecord) {
        return;
    }
    uncertainty::MeasurementModel model;
    model.record = *FBudgetRecord;
    model.thermal = uncertainty::DefaultThermalConditions(*FBudgetRecord);
    model.inputs = mdBudget->inputs();
    model.probes = uncertainty::kDefaultProbeCorrelation;
    const uncertainty::BudgetResult result =
        uncertainty::CalcUncertaintyBudget(model, uncertainty::kDefaultBudgetOptions);
    FBudgetError = result.error;
    FBudgetFailedInput = result.failedInput;
    mdBudget->setBudget(result ? std::optional(result.budget) : std::nullopt);
    ShowBudgetFigures();
}

void TfrmRuZede::ClearBudget() {
    if (!FBudgetRecord && !mdBudget->budget() && FBudgetError == BudgetError::None) {
        return; // every keystroke clears: leave what is already empty alone
    }
    FBudgetRecord.reset();
    FBudgetError = BudgetError::None;
    mdBudget->setBudget(std::nullopt);
    ShowBudgetFigures();
}

QString TfrmRuZede::LengthFigureText(double millimetres) const {
    return FInchMode ? FixedText(millimetres / kMillimetresPerInch, kResultInchDecimals)
                     : FixedText(millimetres, kResultMMDecimals);
}

void TfrmRuZede::ShowBudgetFigures() {
    if (mdBudget == nullptr) {
        return;
    }
    const std::optional<uncertainty::UncertaintyBudget>& budget = mdBudget->budget();
    if (!budget) {
        for (QLabel* figure :
             {ui.lblUncertainty, ui.lblCombined, ui.lblDegrees, ui.lblCoverage, ui.lblExpanded}) {
            figure->clear();
        }
    } else {
        const QString unit = FInchMode ? QStringLiteral(" in.") : QStringLiteral(" mm");
        const QString coverage = CoverageText(budget->coverageFactor);
        ui.lblUncertainty->setText(QStringLiteral("± ") +
                                   LengthFigureText(budget->expandedUncertainty) + unit +
                                   QStringLiteral(" (k = ") + coverage + QLatin1Char(')'));
        // Whole or not at all: the caption beside it wraps instead.
        ui.lblUncertainty->setMinimumWidth(ui.lblUncertainty->sizeHint().width());
        ui.lblCombined->setText(LengthFigureText(budget->combinedUncertainty) + unit);
        ui.lblDegrees->setText(std::isinf(budget->effectiveDof)
                                   ? QStringLiteral("∞")
                                   : FixedText(budget->effectiveDof, 1));
        ui.lblCoverage->setText(coverage);
        ui.lblExpanded->setText(LengthFigureText(budget->expandedUncertainty) + unit);
    }

    // Why there is no budget, or why its interval is only a first-order estimate.
    QString note;
    const auto failedRow = [this] {
        return mdBudget
            ->data(mdBudget->index(static_cast<int>(FBudgetFailedInput),
                                   BudgetTableModel::QuantityColumn))
            .toString();
    };
    switch (FBudgetError) {
    case BudgetError::None:
        if (budget && !budget->nearLinear) {
            note = BudgetText(NotNearLinearNote);
        }
        break;
    case BudgetError::InvalidUncertainty:
        note = BudgetText(UnusableUncertaintyNote) + QLatin1Char(' ') + failedRow();
        break;
    case BudgetError::SensitivityFailed:
        note = BudgetText(SensitivityFailedNote) + QLatin1Char(' ') + failedRow();
        break;
    case BudgetError::InvalidOptions:
    case BudgetError::ModelFailed:
        // Fixed options and a record Calculate has just solved: reaching here is a fault of the
        // program, said the same way as an input that cannot be used.
        note = BudgetText(SensitivityFailedNote) + QLatin1Char(' ') + failedRow();
        break;
    }
    ui.lblBudgetNote->setText(note);
    ui.lblBudgetNote->setVisible(!note.isEmpty());
}

VerdictAllowance TfrmRuZede::CurrentVerdictUncertainty() const {
    const auto rule = static_cast<DecisionRule>(std::max(0, ui.cbDecisionRule->currentIndex()));
    const std::optional<uncertainty::UncertaintyBudget>& budget = mdBudget->budget();
    if (!budget) {
        return {0, rule};
    }
    if (budget->measurand == Measurand::PitchDiam) {
        return {budget->expandedUncertainty, rule};
    }
    // With the pitch diameter given, the budget is that of the size over the probes; the
    // given pitch diameter carries its own stated uncertainty, at the budget's k.
    const std::optional<double> given =
        uncertainty::StandardUncertaintyOf(mdBudget->inputs()[InputQuantity::GivenValue]);
    return {given ? budget->coverageFactor * *given : 0, rule};
}

std::optional<ShownBudget> TfrmRuZede::ShownBudgetReport() const {
    if (!mdBudget->budget()) {
        return std::nullopt;
    }
    const std::optional<uncertainty::UncertaintyBudget>& budget = mdBudget->budget();
    // Lengths end as in the report's other lines (" in", not the screen's " in.").
    const QString unit = FInchMode ? QStringLiteral(" in") : QStringLiteral(" mm");
    ShownBudget shown;
    shown.expanded = {ui.lblUncertaintyCaption->text(),
                      QStringLiteral("± ") + LengthFigureText(budget->expandedUncertainty) + unit +
                          QStringLiteral(" (k = ") + CoverageText(budget->coverageFactor) +
                          QLatin1Char(')')};
    for (const uncertainty::BudgetRow& row : budget->rows) {
        const int tableRow = static_cast<int>(row.quantity);
        const auto cell = [&](int column) {
            return mdBudget->data(mdBudget->index(tableRow, column)).toString();
        };
        shown.contributions.push_back({cell(BudgetTableModel::QuantityColumn),
                                       cell(BudgetTableModel::ContributionColumn) + unit +
                                           QStringLiteral(" (") +
                                           cell(BudgetTableModel::ShareColumn) + QLatin1Char(')')});
    }
    return shown;
}

void TfrmRuZede::RestoreUncertaintySettings() {
    const IniFile file(SettingsFilePath());
    const UncertaintySettings stored = ReadUncertaintySettings(file);
    mdBudget->setInputs(stored.inputs);
    ui.cbDecisionRule->setCurrentIndex(static_cast<int>(stored.rule));
    FUncertaintyStored = UncertaintySettingsEntries(stored);
}

void TfrmRuZede::SaveUncertaintySettings() {
    const UncertaintySettings now{mdBudget->inputs(), static_cast<DecisionRule>(std::max(
                                                          0, ui.cbDecisionRule->currentIndex()))};
    const auto entries = UncertaintySettingsEntries(now);
    // Unchanged settings leave the file alone (a value it could not read keeps failing over to
    // the default, as it did this run).
    if (entries == FUncertaintyStored) {
        return;
    }
    IniFile file(SettingsFilePath());
    if (!WriteUncertaintySettings(file, now)) {
        qWarning().noquote() << QStringLiteral("The input uncertainties were not saved to %1: %2")
                                    .arg(file.path(), file.errorString());
        return;
    }
    FUncertaintyStored = entries;
}

} // namespace kthread
