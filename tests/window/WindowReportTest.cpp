// The Copy command: what lands on the clipboard after typing, calculating and switching units
// or languages in the window.
#include "WindowTestSupport.h"
#include "lang/LanguageTable.h"
#include "window/BudgetTableModel.h"
#include "window/ClipboardReport.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

using kthread::LangText;
using kthread::testing::Local;
using kthread::testing::WindowUnderTest;

namespace {

QStringList ClipboardLines() {
    const QString text = QGuiApplication::clipboard()->text();
    if (!text.endsWith(QStringLiteral("\r\n"))) {
        return {QStringLiteral("<not ended by CR LF>"), text};
    }
    QStringList lines = text.split(QStringLiteral("\r\n"));
    lines.removeLast();
    return lines;
}

QString Line(const QString& label, const QString& value, const char* suffix) {
    return label + QStringLiteral(": \t") + value + QLatin1String(suffix);
}

// The built-in table with a few texts replaced, as another language file would have them.
QByteArray TranslatedTable() {
    QStringList lines = kthread::LanguageTable();
    for (QString& line : lines) {
        if (line.startsWith(QStringLiteral("0004="))) {
            line = QStringLiteral("0004=Steigung");
        } else if (line.startsWith(QStringLiteral("0005="))) {
            line = QStringLiteral("0005=Gewindeart");
        } else if (line.startsWith(QStringLiteral("0030="))) {
            line = QStringLiteral("0030=Flankendurchmesser");
        }
    }
    return lines.join(QStringLiteral("\r\n")).toUtf8();
}

} // namespace

class WindowReportTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { kthread::testing::PrepareApplication(); }
    void cleanup() { QVERIFY(kthread::LoadBuiltInLanguage()); }

    void copyIsAvailable() {
        WindowUnderTest w;
        QVERIFY(w.button("btnCopy")->isEnabled());
        QCOMPARE(w.button("btnCopy")->toolTip(), LangText(7));
    }

    void reportOfACalculation_data() {
        QTest::addColumn<bool>("inches");
        QTest::addColumn<QString>("length");
        QTest::newRow("millimetres") << false << " mm";
        QTest::newRow("inches") << true << " in";
    }
    void reportOfACalculation() {
        QFETCH(bool, inches);
        QFETCH(QString, length);
        const QByteArray unit = length.toLatin1();
        WindowUnderTest w;
        if (inches) {
            w.click("btnMM");
        }
        w.typeWorkedExample(inches);
        w.type("edIzmN", QStringLiteral("1"));
        w.pressEnter("edIzmSt");
        QVERIFY(!w.text("lSrDA2").isEmpty());
        w.click("btnCopy");

        const QStringList lines = ClipboardLines();
        // The 18 lines, then U with k and one line per contribution of the budget.
        const auto* budget = w.window().findChild<kthread::BudgetTableModel*>("mdBudget");
        QVERIFY(budget->budget().has_value());
        const int contributions = static_cast<int>(budget->budget()->rows.size());
        QCOMPARE(contributions, 11); // with a force, the force and the modulus enter too
        QCOMPARE(lines.size(), kthread::kReportLineCount + 1 + contributions);
        // U as shown beside the results, its length unit as in the lines above.
        const QString shownU =
            w.text("lblUncertainty").section(u' ', 1, 1); // "± 0.00185 mm (k = 2)"
        QCOMPARE(lines[18], Line(w.text("lblUncertaintyCaption"),
                                 QStringLiteral("± ") + shownU + QLatin1String(unit) +
                                     QStringLiteral(" (k = 2)"),
                                 ""));
        for (int row = 0; row < contributions; ++row) {
            const auto quantity = budget->budget()->rows[static_cast<std::size_t>(row)].quantity;
            const auto cell = [&](int column) {
                return budget->index(static_cast<int>(quantity), column).data().toString();
            };
            QCOMPARE(lines[19 + row],
                     Line(cell(kthread::BudgetTableModel::QuantityColumn),
                          cell(kthread::BudgetTableModel::ContributionColumn) +
                              QLatin1String(unit) + QStringLiteral(" (") +
                              cell(kthread::BudgetTableModel::ShareColumn) + QLatin1Char(')'),
                          ""));
        }
        QCOMPARE(lines[0], Line(w.text("Label1"), w.combo("cbType")->currentText(), ""));
        QCOMPARE(lines[1], Line(w.text("Label3"), w.text("edStapka"), unit));
        QCOMPARE(lines[2], Line(w.text("Label11"), QStringLiteral("1"), ""));
        QCOMPARE(lines[3], Line(w.text("lHod"), w.text("lPodem"), unit));
        QCOMPARE(lines[4], Line(w.text("Label4"), QStringLiteral("30° 0' 0"), "\""));
        QCOMPARE(lines[5], Line(w.text("Label16"), QStringLiteral("30° 0' 0"), "\""));
        QCOMPARE(lines[6], Line(w.text("lODN"), w.text("lDiamN"), unit));
        QCOMPARE(lines[7], Line(w.text("lDN"), w.text("edDiam"), unit));
        QCOMPARE(lines[8], Line(w.text("Label12"), w.combo("cbMaterial")->currentText(), ""));
        QCOMPARE(lines[9], Line(w.text("ULabel1"), w.combo("cbThrMaterial")->currentText(), ""));
        QCOMPARE(lines[10], Line(QStringLiteral("σ"), Local("0.3"), ""));
        QCOMPARE(lines[11], Line(QStringLiteral("E"), QStringLiteral("250"), ""));
        QCOMPARE(lines[12], Line(w.text("Label2"), w.combo("cbIzm")->currentText(), ""));
        QCOMPARE(lines[13], Line(w.text("Label5"), QStringLiteral("1"), " N"));
        QCOMPARE(lines[14], Line(w.combo("cbVidVav")->currentText(), w.text("edIzmSt"), unit));
        QCOMPARE(lines[15], Line(w.text("lRes4"), w.text("lSrDA2"), unit));
        QCOMPARE(lines[16], Line(w.text("lVidIzm"), w.text("lRazmM"), unit));
        QCOMPARE(lines[17], Line(w.text("lRes3"), w.text("lA2"), unit));
        // The values are those of the screen, in the unit shown.
        QVERIFY(lines[15].contains(w.text("lSrDA2")));
        QVERIFY(lines[14].contains(inches ? Local("0.7874") : QStringLiteral("20")));
    }

    void designationLinesAfterTheEighteen_data() {
        QTest::addColumn<bool>("inches");
        QTest::newRow("millimetres") << false;
        QTest::newRow("inches") << true;
    }
    void designationLinesAfterTheEighteen() {
        QFETCH(bool, inches);
        WindowUnderTest w;
        w.typeDesignation(QStringLiteral("M10x1.5-6g"));
        w.click("btnCopy");
        QStringList lines = ClipboardLines();
        QCOMPARE(lines.size(), kthread::kReportLineCount + 2);
        QCOMPARE(lines[18], Line(w.text("lblDesignation"), QStringLiteral("M10x1.5-6g"), ""));
        QCOMPARE(lines[19],
                 Line(QStringLiteral("Pitch-diameter limits"), w.text("lblDesigLimits"), ""));

        if (inches) {
            w.click("btnMM");
        }
        w.type("edDiam", inches ? Local("0.0341") : Local("0.866"));
        w.type("edIzmSt", inches ? Local("0.40354") : Local("10.25"));
        w.pressEnter("edIzmSt");
        w.click("btnCopy");
        lines = ClipboardLines();
        // The budget follows the designation's four lines: U, then one line per input.
        QVERIFY(lines.size() > kthread::kReportLineCount + 5);
        QCOMPARE(lines[22].section(QStringLiteral(": \t"), 0, 0), w.text("lblUncertaintyCaption"));
        // The 18 lines are those of a window without a designation.
        QCOMPARE(lines[15], Line(w.text("lRes4"), w.text("lSrDA2"), inches ? " in" : " mm"));
        QCOMPARE(lines[17], Line(w.text("lRes3"), w.text("lA2"), inches ? " in" : " mm"));
        QCOMPARE(lines[19],
                 Line(QStringLiteral("Pitch-diameter limits"), w.text("lblDesigLimits"), ""));
        QVERIFY(lines[19].endsWith(inches ? QStringLiteral(" in") : QStringLiteral(" mm")));
        QCOMPARE(lines[20], Line(QStringLiteral("Verdict"), w.text("lblVerdict"), ""));
        QVERIFY(lines[20].contains(QStringLiteral("within limits, margin ")));
        QCOMPARE(QStringLiteral("Reading window: ") + lines[21].section(QStringLiteral(": \t"), 1),
                 w.text("lblReadingWindow"));

        // Changed inputs: the designation and its marked limits stay, the verdict goes.
        w.type("edBrH", QStringLiteral("2"));
        w.click("btnCopy");
        lines = ClipboardLines();
        QCOMPARE(lines.size(), kthread::kReportLineCount + 2);
        QVERIFY(lines[19].endsWith(QStringLiteral("(changed)")));
    }

    void reportBeforeAnyCalculation_data() {
        QTest::addColumn<bool>("inches");
        QTest::addColumn<QString>("length");
        QTest::newRow("millimetres") << false << " mm";
        QTest::newRow("inches") << true << " in";
    }
    void reportBeforeAnyCalculation() {
        QFETCH(bool, inches);
        QFETCH(QString, length);
        WindowUnderTest w;
        if (inches) {
            w.click("btnMM");
        }
        w.click("btnCopy");
        const QStringList lines = ClipboardLines();
        QCOMPARE(lines.size(), kthread::kReportLineCount);
        QCOMPARE(lines[15], w.text("lRes4") + QStringLiteral(": \t") + length);
        QCOMPARE(lines[16], w.text("lVidIzm") + QStringLiteral(": \t") + length);
        QCOMPARE(lines[17], w.text("lRes3") + QStringLiteral(": \t") + length);
        QCOMPARE(lines[3], w.text("lHod") + QStringLiteral(": \t") + length);
    }

    void labelsFollowTheLanguage() {
        WindowUnderTest w;
        w.typeWorkedExample(false);
        w.pressEnter("edIzmSt");
        w.click("btnCopy");
        const QStringList before = ClipboardLines();
        // U, then nine contributions: without a force neither it nor the modulus enters.
        const int budgetLines = 1 + 9;
        QCOMPARE(before.size(), kthread::kReportLineCount + budgetLines);

        kthread::LoadLanguageBytes(TranslatedTable());
        w.window().ApplyLanguage();
        w.click("btnCopy");
        const QStringList after = ClipboardLines();
        QCOMPARE(after.size(), kthread::kReportLineCount + budgetLines);

        QCOMPARE(after[0].section(QStringLiteral(": \t"), 0, 0), QStringLiteral("Gewindeart"));
        QCOMPARE(after[1].section(QStringLiteral(": \t"), 0, 0), QStringLiteral("Steigung (P)"));
        QCOMPARE(after[15].section(QStringLiteral(": \t"), 0, 0),
                 QStringLiteral("Flankendurchmesser (d2)"));
        // Values do not change with the language; untranslated labels stay as they were.
        for (int line : {1, 2, 4, 7, 10, 11, 13, 14, 15, 16, 17, 18, 19, 27}) {
            QCOMPARE(after[line].section(QStringLiteral(": \t"), 1),
                     before[line].section(QStringLiteral(": \t"), 1));
        }
        QCOMPARE(after[2], before[2]);
        QVERIFY(after[1] != before[1]);
    }
};

QTEST_MAIN(WindowReportTest)
#include "WindowReportTest.moc"
