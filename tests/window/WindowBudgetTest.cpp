// The uncertainty budget page, driven through the window: the worked example's budget against
// the engine's for the same record, editing input uncertainties in the table, the expanded
// uncertainty beside the results, the inch display, the decision rule, and the section of the
// settings file that keeps them.
#include "WindowTestSupport.h"
#include "engine/Measurement.h"
#include "engine/uncertainty/LabDefaults.h"
#include "engine/uncertainty/UncertaintyBudget.h"
#include "lang/LanguageTable.h"
#include "window/BudgetTableModel.h"
#include "window/BudgetTexts.h"
#include "window/NumberTexts.h"
#include "window/TPaintBox.h"
#include "window/UncertaintyEntry.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

using kthread::BudgetTableModel;
using kthread::testing::Local;
using kthread::testing::WindowUnderTest;
using kthread::uncertainty::InputQuantity;

namespace {

BudgetTableModel* Budget(WindowUnderTest& w) {
    auto* model = w.window().findChild<BudgetTableModel*>(QStringLiteral("mdBudget"));
    if (model == nullptr) {
        qFatal("no budget model");
    }
    return model;
}

QTableView* Table(WindowUnderTest& w) {
    return w.window().findChild<QTableView*>(QStringLiteral("tvBudget"));
}

QString Cell(WindowUnderTest& w, InputQuantity row, int column) {
    return Budget(w)->index(static_cast<int>(row), column).data().toString();
}

// The worked example with a force of 1 N, calculated with Enter as a person would.
void CalculateWorkedExample(WindowUnderTest& w, bool inches = false) {
    w.typeWorkedExample(inches);
    w.type("edIzmN", QStringLiteral("1"));
    w.pressEnter("edIzmSt");
}

// The record the window calculated, built from what its fields show (in millimetres).
kthread::TPitchDiamData RecordOf(WindowUnderTest& w, kthread::GivenQuantity given, double givenMM) {
    kthread::MeasurementInputs in;
    in.thread = kthread::ThreadType::ExternalCylindrical;
    in.given = given;
    in.method = static_cast<std::uint8_t>(w.combo("cbIzm")->currentIndex());
    in.pitch = 1.5;
    in.starts = 1;
    in.flank1 = {30, 0, 0};
    in.flank2 = {30, 0, 0};
    in.probeDiam = 0.866;
    in.probeMaterial = kthread::ProbeMaterial::Steel;
    in.threadPoisson = w.edit("edSigma")->value();
    in.threadModulusGPa = w.edit("edE")->value();
    in.force = 1;
    in.givenValue = givenMM;
    return kthread::BuildMeasurementRecord(in);
}

// The engine's budget of the record with the given input uncertainties, as kthread-calc sets
// up the model.
kthread::uncertainty::UncertaintyBudget
EngineBudget(const kthread::TPitchDiamData& record,
             const kthread::uncertainty::UncertaintyInputs& inputs) {
    kthread::uncertainty::MeasurementModel model;
    model.record = record;
    model.thermal = kthread::uncertainty::DefaultThermalConditions(record);
    model.inputs = inputs;
    model.probes = kthread::uncertainty::kDefaultProbeCorrelation;
    const auto result = kthread::uncertainty::CalcUncertaintyBudget(model);
    if (!result) {
        qFatal("the engine has no budget for the record");
    }
    return result.budget;
}

QString ExpandedText(double millimetres, bool inches) {
    const QString value =
        inches ? kthread::FixedText(millimetres / 25.4, 6) : kthread::FixedText(millimetres, 5);
    return QStringLiteral("± ") + value +
           (inches ? QStringLiteral(" in.") : QStringLiteral(" mm")) + QStringLiteral(" (k = 2)");
}

// Types into a cell of the table through its editor and commits with Enter.
void ShowBudgetPage(WindowUnderTest& w) {
    QTest::mouseClick(w.window().findChild<kthread::TPaintBox*>(QStringLiteral("pbCtrl_3")),
                      Qt::LeftButton, {}, QPoint(30, 12));
}

void EditCell(WindowUnderTest& w, InputQuantity row, const QString& keys) {
    ShowBudgetPage(w);
    QTableView* table = Table(w);
    const QModelIndex index =
        Budget(w)->index(static_cast<int>(row), BudgetTableModel::ValueColumn);
    table->setFocus();
    table->setCurrentIndex(index);
    table->edit(index);
    auto* editor = table->viewport()->findChild<QLineEdit*>();
    QVERIFY(editor != nullptr);
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, keys);
    QTest::keyClick(editor, Qt::Key_Return);
    // The view commits an editor's text from the event loop.
    QCoreApplication::processEvents();
}

// Picks a form in a row's selector with the keyboard.
void ChooseForm(WindowUnderTest& w, InputQuantity row, kthread::EntryForm form) {
    ShowBudgetPage(w);
    QTableView* table = Table(w);
    const QModelIndex index = Budget(w)->index(static_cast<int>(row), BudgetTableModel::FormColumn);
    table->setCurrentIndex(index);
    table->edit(index);
    auto* selector = table->viewport()->findChild<QComboBox*>(QStringLiteral("cbEntryForm"));
    QVERIFY(selector != nullptr);
    const int target = static_cast<int>(form);
    selector->setCurrentIndex(target > 0 ? target - 1 : target + 1);
    QTest::keyClick(selector, target > 0 ? Qt::Key_Down : Qt::Key_Up);
}

} // namespace

class WindowBudgetTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { kthread::testing::PrepareApplication(); }

    void fourthTabShowsTheBudgetPage() {
        WindowUnderTest w;
        auto* book = w.window().findChild<QStackedWidget*>(QStringLiteral("Book"));
        auto* tab = w.window().findChild<kthread::TPaintBox*>(QStringLiteral("pbCtrl_3"));
        QVERIFY(tab != nullptr);
        QCOMPARE(tab->toolTip(), kthread::BudgetText(130));
        QTest::mouseClick(tab, Qt::LeftButton, {}, QPoint(30, 12));
        QCOMPARE(book->currentIndex(), 3);
        QCOMPARE(book->currentWidget()->objectName(), QStringLiteral("pgBudget"));
        QCOMPARE(tab->tag(), 1);
        QCOMPARE(tab->parentWidget()->children().last(), tab);
    }

    void workedExampleAgreesWithTheEngine_data() {
        QTest::addColumn<bool>("inches");
        QTest::newRow("millimetres") << false;
        QTest::newRow("inches") << true;
    }
    void workedExampleAgreesWithTheEngine() {
        QFETCH(bool, inches);
        WindowUnderTest w;
        if (inches) {
            w.click("btnMM");
        }
        QVERIFY(w.text("lblUncertainty").isEmpty());
        CalculateWorkedExample(w, inches);
        QVERIFY(!w.text("lSrDA2").isEmpty());

        const auto engine = EngineBudget(RecordOf(w, kthread::GivenQuantity::SizeOver, 20),
                                         kthread::uncertainty::LabDefaultInputs());
        QVERIFY(engine.expandedUncertainty > 0);
        QCOMPARE(engine.rows.size(), std::size_t{11});
        QCOMPARE(w.text("lblUncertainty"), ExpandedText(engine.expandedUncertainty, inches));
        QVERIFY(w.text("lblUncertaintyCaption").endsWith(QStringLiteral("U(d2)")));
        QCOMPARE(w.text("lblExpanded"), ExpandedText(engine.expandedUncertainty, inches)
                                            .mid(2)
                                            .chopped(QStringLiteral(" (k = 2)").size()));
        QCOMPARE(w.text("lblCoverage"), QStringLiteral("2"));

        // Every row of the engine's budget is in the table, with its figures.
        BudgetTableModel* model = Budget(w);
        QVERIFY(model->budget().has_value());
        // Inches typed carry the inch's rounding into the record: agreement to 1e-9 relative.
        QVERIFY(std::abs(model->budget()->expandedUncertainty - engine.expandedUncertainty) <=
                1e-9 * engine.expandedUncertainty);
        for (const auto& row : engine.rows) {
            QVERIFY(!Cell(w, row.quantity, BudgetTableModel::SensitivityColumn).isEmpty());
            QVERIFY(!Cell(w, row.quantity, BudgetTableModel::ContributionColumn).isEmpty());
            QVERIFY(Cell(w, row.quantity, BudgetTableModel::ShareColumn).endsWith(u'%'));
            QVERIFY(!Cell(w, row.quantity, BudgetTableModel::QuantityColumn).isEmpty());
        }

        // A 60° thread over three wires: the wire diameter weighs about three times, the pitch
        // about 0.87 times; a length over a length, so the same in inches.
        const double wire = kthread::ReadNumberText(
            Cell(w, InputQuantity::ProbeDiam, BudgetTableModel::SensitivityColumn));
        const double pitch = kthread::ReadNumberText(
            Cell(w, InputQuantity::Pitch, BudgetTableModel::SensitivityColumn));
        QVERIFY2(std::abs(wire) > 2.9 && std::abs(wire) < 3.1, qPrintable(QString::number(wire)));
        QVERIFY2(pitch > 0.85 && pitch < 0.89, qPrintable(QString::number(pitch)));

        // The lengths in the unit shown: the probe's U of 0.4 um.
        QCOMPARE(Cell(w, InputQuantity::ProbeDiam, BudgetTableModel::UnitColumn),
                 inches ? QStringLiteral("in.") : QStringLiteral("mm"));
        QCOMPARE(Cell(w, InputQuantity::ProbeDiam, BudgetTableModel::ValueColumn),
                 inches ? Local("0.00001575") : Local("0.0004"));
        QCOMPARE(Cell(w, InputQuantity::FlankAngle1, BudgetTableModel::ValueColumn),
                 QStringLiteral("5"));
        // Switching back shows the same budget in millimetres.
        if (inches) {
            w.click("btnMM");
            QCOMPARE(w.text("lblUncertainty"), ExpandedText(engine.expandedUncertainty, false));
        }
    }

    void editsChangeTheBudgetAndClearingClearsIt() {
        WindowUnderTest w;
        CalculateWorkedExample(w);
        const QString before = w.text("lblUncertainty");
        QVERIFY(!before.isEmpty());

        // A worse wire certificate: 2 um instead of 0.4 um, then rectangular.
        EditCell(w, InputQuantity::ProbeDiam, Local("0.002"));
        QCOMPARE(Cell(w, InputQuantity::ProbeDiam, BudgetTableModel::ValueColumn), Local("0.002"));
        ChooseForm(w, InputQuantity::ProbeDiam, kthread::EntryForm::Rectangular);
        QCOMPARE(Cell(w, InputQuantity::ProbeDiam, BudgetTableModel::FormColumn),
                 kthread::BudgetText(146));
        QCOMPARE(Cell(w, InputQuantity::ProbeDiam, BudgetTableModel::StandardColumn),
                 Local("0.00115")); // 0.002 / sqrt(3)
        w.click("btnCalc");

        kthread::uncertainty::UncertaintyInputs edited = kthread::uncertainty::LabDefaultInputs();
        edited[InputQuantity::ProbeDiam] =
            kthread::WithForm(edited[InputQuantity::ProbeDiam], kthread::EntryForm::Rectangular);
        edited[InputQuantity::ProbeDiam].value = 0.002;
        const auto engine = EngineBudget(RecordOf(w, kthread::GivenQuantity::SizeOver, 20), edited);
        QCOMPARE(w.text("lblUncertainty"), ExpandedText(engine.expandedUncertainty, false));
        QVERIFY(w.text("lblUncertainty") != before);
        QCOMPARE(w.window().CurrentVerdictUncertainty().expandedUncertaintyMM,
                 engine.expandedUncertainty);

        // A value that is no uncertainty is refused; the cell keeps what it had.
        EditCell(w, InputQuantity::Pitch, QStringLiteral("-1"));
        QCOMPARE(Cell(w, InputQuantity::Pitch, BudgetTableModel::ValueColumn), Local("0.001"));

        // A keystroke in the inputs clears the results and the budget with them.
        w.type("edIzmSt", Local("20.1"));
        QVERIFY(w.text("lSrDA2").isEmpty());
        QVERIFY(w.text("lblUncertainty").isEmpty());
        QVERIFY(Cell(w, InputQuantity::ProbeDiam, BudgetTableModel::ContributionColumn).isEmpty());
        QCOMPARE(w.window().CurrentVerdictUncertainty().expandedUncertaintyMM, 0.0);
    }

    void givenPitchDiameterGivesTheBudgetOfTheSizeOverTheProbes() {
        WindowUnderTest w;
        w.choose("cbVidVav", static_cast<int>(kthread::GivenQuantity::PitchDiam));
        w.type("edStapka", Local("1.5"));
        w.type("edDiam", Local("0.866"));
        w.type("edIzmSt", Local("18.70062"));
        w.type("edIzmN", QStringLiteral("1"));
        w.pressEnter("edIzmSt");
        QVERIFY(!w.text("lRazmM").isEmpty());
        QVERIFY(w.text("lblUncertaintyCaption").endsWith(QStringLiteral("U(M)")));
        const auto engine = EngineBudget(RecordOf(w, kthread::GivenQuantity::PitchDiam, 18.70062),
                                         kthread::uncertainty::LabDefaultInputs());
        QCOMPARE(engine.measurand, kthread::uncertainty::Measurand::SizeOver);
        QCOMPARE(w.text("lblUncertainty"), ExpandedText(engine.expandedUncertainty, false));
        // The verdict is on the given pitch diameter: its own U (1 um, k = 2).
        QCOMPARE(w.window().CurrentVerdictUncertainty().expandedUncertaintyMM, 0.001);
    }

    void settingsSurviveCloseAndReopen() {
        QTemporaryDir profile;
        QVERIFY(profile.isValid());
        {
            WindowUnderTest w(profile.path(), nullptr);
            QCOMPARE(w.window().CurrentVerdictUncertainty().rule,
                     kthread::uncertainty::DecisionRule::GuardBanded);
            EditCell(w, InputQuantity::Pitch, Local("0.0025"));
            ChooseForm(w, InputQuantity::Force, kthread::EntryForm::Triangular);
            w.choose("cbDecisionRule", 1);
            w.closeWindow();
        }
        QFile file(kthread::testing::SettingsFileIn(profile.path()));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY2(text.contains("[UNCERTAINTY]"), text.constData());
        QVERIFY2(text.contains("Pitch=0.0025"), text.constData());
        QVERIFY2(text.contains("ForceForm=tri"), text.constData());
        QVERIFY2(text.contains("DecisionRule=simple"), text.constData());

        WindowUnderTest again(profile.path(), nullptr);
        QCOMPARE(Cell(again, InputQuantity::Pitch, BudgetTableModel::ValueColumn), Local("0.0025"));
        QCOMPARE(Cell(again, InputQuantity::Force, BudgetTableModel::FormColumn),
                 kthread::BudgetText(147));
        QCOMPARE(again.combo("cbDecisionRule")->currentIndex(), 1);
        QCOMPARE(again.window().CurrentVerdictUncertainty().rule,
                 kthread::uncertainty::DecisionRule::SimpleAcceptance);
    }

    void unchangedSettingsLeaveTheFileAlone() {
        const QString settings = QStringLiteral("[SETTINGS]\r\nFormState=0\r\n");
        WindowUnderTest w(settings);
        w.closeWindow();
        QVERIFY2(!w.settingsText().contains(QStringLiteral("UNCERTAINTY")),
                 qPrintable(w.settingsText()));
    }

    void corruptValueFallsBackToTheDefaultAlone() {
        WindowUnderTest w(QStringLiteral("[UNCERTAINTY]\r\nPitch=lots\r\nPitchForm=rect\r\n"
                                         "ProbeDiam=0.003\r\nProbeDiamForm=std\r\n"
                                         "DecisionRule=simple\r\n"));
        QCOMPARE(Cell(w, InputQuantity::Pitch, BudgetTableModel::ValueColumn), Local("0.001"));
        QCOMPARE(Cell(w, InputQuantity::Pitch, BudgetTableModel::FormColumn),
                 kthread::BudgetText(145));
        QCOMPARE(Cell(w, InputQuantity::ProbeDiam, BudgetTableModel::ValueColumn), Local("0.003"));
        QCOMPARE(Cell(w, InputQuantity::ProbeDiam, BudgetTableModel::StandardColumn),
                 Local("0.00300"));
        QCOMPARE(w.combo("cbDecisionRule")->currentIndex(), 1);
    }
};

QTEST_MAIN(WindowBudgetTest)
#include "WindowBudgetTest.moc"
