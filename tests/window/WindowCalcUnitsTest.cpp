// Calculate, the mm/inch switch and the catalogue's trip through the settings file, driven
// through the window's controls.
#include "WindowTestSupport.h"
#include "window/NumberTexts.h"
#include "window/catalog/CatalogPage.h"

#include <QApplication>
#include <QLocale>
#include <QTest>
#include <QToolButton>

using kthread::testing::CatalogueSection;
using kthread::testing::Local;
using kthread::testing::WindowUnderTest;

namespace {

QString Wires(const QStringList& entries) {
    return CatalogueSection(QStringLiteral("DIAM_N"), entries);
}

// The pitch diameter of the worked example (P 1.5, 30°/30°, three wires 0.866, M 20).
constexpr double kWorkedExampleMM = 18.70062;

} // namespace

class WindowCalcUnitsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { kthread::testing::PrepareApplication(); }
    void cleanup() { QLocale::setDefault(QLocale::system()); }

    void workedExampleByKeyboard_data() {
        QTest::addColumn<bool>("inches");
        QTest::newRow("millimetres") << false;
        QTest::newRow("inches") << true;
    }
    void workedExampleByKeyboard() {
        QFETCH(bool, inches);
        WindowUnderTest w;
        if (inches) {
            w.click("btnMM");
            QCOMPARE(w.text("Label27"), QStringLiteral("in."));
        }
        w.typeWorkedExample(inches);
        w.pressEnter("edIzmSt");
        if (inches) {
            QCOMPARE(w.text("lSrDA2"), kthread::FixedText(kWorkedExampleMM / 25.4, 6));
            QCOMPARE(w.text("lSrDA2").size(), Local("0.736245").size());
            w.click("btnMM");
        }
        QCOMPARE(w.text("lSrDA2"), Local("18.70062"));
        // Without a force the sizes satisfy M = m + D and A2 is zero.
        QCOMPARE(w.text("lRazmM"), Local("19.13400"));
        QCOMPARE(w.text("lA2"), Local("0.00000"));
    }

    void unitSwitchIsReachableByKeyboard() {
        WindowUnderTest w;
        QWidget* toggle = w.button("btnMM");
        QVERIFY(w.edit("edIzmSt")->hasFocus());
        for (int step = 0; step < 60 && QApplication::focusWidget() != toggle; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(QApplication::focusWidget(), toggle);
        QTest::keyClick(toggle, Qt::Key_Space);
        QCOMPARE(w.text("Label6"), QStringLiteral("in."));
    }

    void enterInForceFieldCalculates() {
        WindowUnderTest w;
        w.typeWorkedExample(false);
        w.type("edIzmN", QStringLiteral("1"));
        QVERIFY(w.text("lSrDA2").isEmpty());
        w.pressEnter("edIzmN");
        QVERIFY(!w.text("lA2").isEmpty());
        QVERIFY(w.text("lA2") != Local("0.00000"));
    }

    void calculateWithPitchZeroDoesNothing() {
        WindowUnderTest w;
        w.type("edDiam", Local("0.866"));
        w.type("edIzmSt", QStringLiteral("20"));
        w.click("btnCalc");
        QVERIFY(w.text("lSrDA2").isEmpty());
        QVERIFY(w.text("lRazmM").isEmpty());
        QVERIFY(w.messages().isEmpty());
    }

    void calculateWithProbeZeroKeepsLabels() {
        WindowUnderTest w;
        w.type("edStapka", Local("1.5"));
        w.type("edIzmSt", QStringLiteral("20"));
        QCOMPARE(w.text("edDiam"), QStringLiteral("0"));
        w.pressEnter("edIzmSt");
        QVERIFY(w.text("lSrDA2").isEmpty());
        QVERIFY(w.messages().isEmpty());
    }

    void enterRightAfterTypeChangeUsesTheShownSize() {
        WindowUnderTest w(Wires({QStringLiteral("0.866")}));
        w.type("edStapka", Local("1.5"));
        w.type("edIzmSt", QStringLiteral("20"));
        w.choose("cbType", 1);
        w.choose("cbType", 0);
        QCOMPARE(w.text("edDiam"), Local("0.866"));
        w.pressEnter("edIzmSt");
        QCOMPARE(w.text("lSrDA2"), Local("18.70062"));
    }

    void givenPitchDiameterGivesBothSizes() {
        WindowUnderTest w;
        w.choose("cbVidVav", 2);
        w.type("edStapka", Local("1.5"));
        w.type("edDiam", Local("0.866"));
        w.type("edIzmSt", Local("18.70062"));
        w.pressEnter("edIzmSt");
        // Back from the pitch diameter: M comes out near 20, and m = M - D.
        const double sizeCtr = kthread::ReadNumberText(w.text("lSrDA2"));
        const double sizeOver = kthread::ReadNumberText(w.text("lRazmM"));
        QVERIFY(qAbs(sizeOver - 20.0) < 1e-4);
        QVERIFY(qAbs(sizeOver - sizeCtr - 0.866) < 1e-9);
    }

    void unitSwitchRoundTripDoesNotDrift() {
        WindowUnderTest w;
        w.typeWorkedExample(false);
        w.pressEnter("edIzmSt");
        const QStringList names{"edStapka", "edDiam", "edIzmSt", "lPodem",
                                "lDiamN",   "lSrDA2", "lRazmM",  "lA2"};
        QStringList before;
        for (const QString& name : names) {
            before << w.text(name.toLatin1().constData());
        }
        w.click("btnMM");
        QCOMPARE(w.text("edStapka"), Local("0.05906"));
        QCOMPARE(w.text("edIzmSt"), Local("0.7874"));
        QCOMPARE(w.text("lSrDA2"), kthread::FixedText(kWorkedExampleMM / 25.4, 6));
        for (const char* unit :
             {"Label6", "Label7", "Label8", "Label9", "Label23", "Label25", "Label26", "Label27"}) {
            QCOMPARE(w.text(unit), QStringLiteral("in."));
        }
        QCOMPARE(w.text("ULabel8"), QStringLiteral("in./in."));
        QCOMPARE(w.text("Label21"), QStringLiteral("N"));
        for (int round = 0; round < 3; ++round) {
            w.click("btnMM");
            w.click("btnMM");
        }
        w.click("btnMM");
        QCOMPARE(w.text("Label6"), QStringLiteral("mm"));
        QCOMPARE(w.text("ULabel8"), QStringLiteral("mm/mm"));
        for (int i = 0; i < names.size(); ++i) {
            QCOMPARE(w.text(names[i].toLatin1().constData()), before[i]);
        }
    }

    void zeroGivenSizeIsLeftAloneInInches() {
        WindowUnderTest w;
        w.type("edIzmSt", QStringLiteral("-"));
        w.click("btnMM");
        QCOMPARE(w.text("edIzmSt"), QStringLiteral("-"));
        w.click("btnMM");
        QCOMPARE(w.text("edIzmSt"), QStringLiteral("0"));
    }

    void emptyDerivedTextsStayEmpty() {
        WindowUnderTest w;
        w.click("btnMM");
        QVERIFY(w.text("lPodem").isEmpty());
        QVERIFY(w.text("lDiamN").isEmpty());
        w.click("btnMM");
        QVERIFY(w.text("lPodem").isEmpty());
        QVERIFY(w.text("lDiamN").isEmpty());
    }

    void unitSwitchIconFollowsTheMode() {
        WindowUnderTest w;
        QToolButton* toggle = w.button("btnMM");
        const qint64 millimetreIcon = toggle->icon().cacheKey();
        w.click("btnMM");
        QVERIFY(toggle->icon().cacheKey() != millimetreIcon);
        w.click("btnMM");
        QCOMPARE(toggle->icon().cacheKey(), millimetreIcon);
    }

    void selectTakesTheCurrentRow_data() {
        QTest::addColumn<bool>("inches");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("shown");
        QTest::newRow("millimetres, 4 decimals") << false << 0 << Local("0.8661");
        QTest::newRow("inches, 5 decimals") << true << 1 << Local("0.03937");
    }
    void selectTakesTheCurrentRow() {
        QFETCH(bool, inches);
        QFETCH(int, row);
        QFETCH(QString, shown);
        WindowUnderTest w(Wires({QStringLiteral("0.86614"), QStringLiteral("1")}));
        if (inches) {
            w.click("btnMM");
        }
        auto* page = w.window().findChild<kthread::CatalogPage*>();
        page->setCurrentRow(row);
        w.click("btnSel");
        QCOMPARE(w.text("edDiam"), shown);
    }

    void deletionIsWrittenAtTheUnitSwitch() {
        WindowUnderTest w(
            Wires({QStringLiteral("0.5"), QStringLiteral("0.8"), QStringLiteral("1")}));
        auto* page = w.window().findChild<kthread::CatalogPage*>();
        page->setCurrentRow(0);
        w.click("btnDel");
        QVERIFY(w.settingsText().contains(QStringLiteral("COUNT=3")));
        w.click("btnMM");
        QVERIFY(w.settingsText().contains(QStringLiteral("COUNT=2")));
    }

    void catalogueCrossesLocales_data() {
        QTest::addColumn<QString>("writer");
        QTest::addColumn<QString>("reader");
        QTest::newRow("comma written, point read") << "de_DE"
                                                   << "en_US";
        QTest::newRow("point written, comma read") << "en_US"
                                                   << "de_DE";
    }
    void catalogueCrossesLocales() {
        QFETCH(QString, writer);
        QFETCH(QString, reader);
        QString settings;
        {
            QLocale::setDefault(QLocale(writer));
            WindowUnderTest w(Wires({QStringLiteral("0.3"), QStringLiteral("0.5"),
                                     QStringLiteral("0.8"), QStringLiteral("1")}));
            auto* page = w.window().findChild<kthread::CatalogPage*>();
            page->setCurrentRow(0);
            w.click("btnDel");
            w.click("btnExit");
            settings = w.settingsText();
        }
        const QString mark = QLocale(writer).decimalPoint();
        QVERIFY2(settings.contains(QStringLiteral("D1=0") + mark + QStringLiteral("5")),
                 qPrintable(settings));

        QLocale::setDefault(QLocale(reader));
        WindowUnderTest w(settings);
        w.type("edStapka", Local("1.5"));
        QCOMPARE(w.text("edDiam"), Local("0.8"));
        w.type("edStapka", Local("0.8"));
        QCOMPARE(w.text("edDiam"), Local("0.5"));
        // The deleted 0.3 mm would be picked here.
        w.type("edStapka", Local("0.55"));
        QCOMPARE(w.text("edDiam"), QStringLiteral("0"));
    }
};

QTEST_MAIN(WindowCalcUnitsTest)
#include "WindowCalcUnitsTest.moc"
