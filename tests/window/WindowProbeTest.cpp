// Lead, optimal probe diameter, the catalogue pick and the "!" mark, typed into the window.
#include "WindowTestSupport.h"
#include "lang/LanguageTable.h"
#include "window/catalog/CatalogPage.h"

#include <QTest>

using kthread::testing::CatalogueSection;
using kthread::testing::Local;
using kthread::testing::WindowUnderTest;

namespace {

QString Wires(const QStringList& entries) {
    return CatalogueSection(QStringLiteral("DIAM_N"), entries);
}

} // namespace

class WindowProbeTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { kthread::testing::PrepareApplication(); }

    void leadAndOptimum_data() {
        QTest::addColumn<bool>("inches");
        QTest::addColumn<QString>("pitch");
        QTest::addColumn<QString>("lead");
        QTest::addColumn<QString>("optimum");
        QTest::newRow("millimetres")
            << false << Local("1.5") << Local("3.00000") << Local("0.86603");
        QTest::newRow("inches") << true << Local("0.0590551181102362") << Local("0.118110")
                                << Local("0.03410");
    }
    void leadAndOptimum() {
        QFETCH(bool, inches);
        QFETCH(QString, pitch);
        QFETCH(QString, lead);
        QFETCH(QString, optimum);
        WindowUnderTest w;
        if (inches) {
            w.click("btnMM");
        }
        w.type("edStapka", pitch);
        w.type("edBrH", QStringLiteral("2"));
        QCOMPARE(w.text("lPodem"), lead);
        QCOMPARE(w.text("lDiamN"), optimum);
        QVERIFY(w.messages().isEmpty());
    }

    void startsAreTruncatedForTheLeadOnly() {
        WindowUnderTest w;
        w.type("edStapka", Local("1.5"));
        w.type("edBrH", QStringLiteral("3"));
        QCOMPARE(w.text("lPodem"), Local("4.50000"));
        QCOMPARE(w.text("lDiamN"), Local("0.86603"));
    }

    void asymmetricFlanks() {
        WindowUnderTest w;
        w.type("edStapka", QStringLiteral("2"));
        w.type("edA1g", QStringLiteral("3"));
        QCOMPARE(w.text("lDiamN"), Local("1.00900"));
    }

    void bothFlanksZeroShowsTheErrorAndKeepsTheLead() {
        WindowUnderTest w;
        w.type("edStapka", Local("1.5"));
        w.type("edA1g", QStringLiteral("0"));
        QVERIFY(w.messages().isEmpty());
        const QString optimum = w.text("lDiamN");
        w.type("edA2g", QStringLiteral("0"));
        QCOMPARE(w.messages(), QStringList{kthread::LangText(14)});
        w.type("edStapka", QStringLiteral("2"));
        QCOMPARE(w.text("lPodem"), Local("2.00000"));
        QCOMPARE(w.messages().size(), 2);
        QCOMPARE(w.messages().last(), QStringLiteral("No plausible entries. Please correct!"));
        // The optimum of the last good input (0° and 30°) stays.
        QCOMPARE(w.text("lDiamN"), optimum);
    }

    void outOfRangeInputStopsSilently_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("valid");
        QTest::addColumn<QString>("lastKey"); // empty: Backspace
        QTest::newRow("pitch above 100") << "edStapka"
                                         << "12"
                                         << "0";
        QTest::newRow("minutes above 59") << "edA1m"
                                          << "6"
                                          << "0";
        QTest::newRow("seconds above 59") << "edA2s"
                                          << "7"
                                          << "5";
        QTest::newRow("degrees above 90") << "edA2g"
                                          << "9"
                                          << "5";
        QTest::newRow("starts emptied") << "edBrH"
                                        << "2"
                                        << "";
    }
    void outOfRangeInputStopsSilently() {
        QFETCH(QString, field);
        QFETCH(QString, valid);
        QFETCH(QString, lastKey);
        WindowUnderTest w(Wires({QStringLiteral("0.5"), QStringLiteral("5")}));
        w.type("edStapka", Local("1.5"));
        const QByteArray name = field.toLatin1();
        w.type(name.constData(), valid);
        const QString lead = w.text("lPodem");
        const QString optimum = w.text("lDiamN");
        const QString probe = w.text("edDiam");
        QVERIFY(!lead.isEmpty() && !optimum.isEmpty());

        // One more key takes the input out of range: nothing shown changes.
        w.type(name.constData(), valid + lastKey);
        if (lastKey.isEmpty()) {
            QTest::keyClick(w.edit(name.constData()), Qt::Key_Backspace);
            QVERIFY(w.text(name.constData()).isEmpty());
        }
        QCOMPARE(w.text("lPodem"), lead);
        QCOMPARE(w.text("lDiamN"), optimum);
        QCOMPARE(w.text("edDiam"), probe);
        QVERIFY(w.messages().isEmpty());
    }

    void cataloguePick_data() {
        QTest::addColumn<QStringList>("catalogue");
        QTest::addColumn<QString>("pitch");
        QTest::addColumn<QString>("probe");
        QTest::addColumn<bool>("marked");
        QTest::addColumn<int>("currentRow");
        const QStringList three{QStringLiteral("0.5"), QStringLiteral("0.8"), QStringLiteral("1")};
        // For 30° flanks the optimum is 0.57735 × pitch.
        QTest::newRow("0.866 picks the nearer 0.8") << three << "1.5"
                                                    << "0.8" << false << 2;
        QTest::newRow("1.3 picks the largest, unmarked") << three << "2.25"
                                                         << "1" << false << 2;
        QTest::newRow("1.5 picks the largest, marked") << three << "2.6"
                                                       << "1" << true << 2;
        QTest::newRow("all too large picks nothing")
            << QStringList{QStringLiteral("2"), QStringLiteral("3")} << "1.5"
            << "0" << true << 1;
        QTest::newRow("first above within a quarter")
            << QStringList{QStringLiteral("1"), QStringLiteral("3")} << "1.5"
            << "1" << false << 1;
        QTest::newRow("stored with a comma")
            << QStringList{QStringLiteral("0,5"), QStringLiteral("0,85")} << "1.5"
            << "0.85" << false << 1;
    }
    void cataloguePick() {
        QFETCH(QStringList, catalogue);
        QFETCH(QString, pitch);
        QFETCH(QString, probe);
        QFETCH(bool, marked);
        QFETCH(int, currentRow);
        WindowUnderTest w(Wires(catalogue));
        w.type("edStapka", Local(pitch.toLatin1().constData()));
        QCOMPARE(w.text("edDiam"), Local(probe.toLatin1().constData()));
        QCOMPARE(w.label("lSign")->isVisible(), marked);
        auto* page = w.window().findChild<kthread::CatalogPage*>();
        QCOMPARE(page->currentRow(), currentRow);
    }

    void emptyCatalogueLeavesProbeAtZero() {
        WindowUnderTest w;
        w.type("edStapka", Local("1.5"));
        QCOMPARE(w.text("edDiam"), QStringLiteral("0"));
        // edDiam showed 0 already: nothing was judged, the mark keeps its state.
        QVERIFY(!w.label("lSign")->isVisible());
    }

    void emptyCatalogueMarksAReplacedProbe() {
        WindowUnderTest w;
        w.type("edStapka", Local("1.5"));
        w.type("edDiam", Local("0.9"));
        QVERIFY(!w.label("lSign")->isVisible());
        w.type("edStapka", Local("1.6"));
        QCOMPARE(w.text("edDiam"), QStringLiteral("0"));
        QVERIFY(w.label("lSign")->isVisible());
    }

    void typedProbeIsJudged_data() {
        QTest::addColumn<QString>("probe");
        QTest::addColumn<bool>("marked");
        QTest::newRow("1 lies within a quarter") << Local("1") << false;
        QTest::newRow("1.1 lies outside") << Local("1.1") << true;
        QTest::newRow("0.65 lies within") << Local("0.65") << false;
        QTest::newRow("0.6 lies outside") << Local("0.6") << true;
    }
    void typedProbeIsJudged() {
        QFETCH(QString, probe);
        QFETCH(bool, marked);
        WindowUnderTest w;
        w.type("edStapka", Local("1.5"));
        w.type("edDiam", probe);
        QCOMPARE(w.label("lSign")->isVisible(), marked);
    }

    void probeTypedBeforeAnyOptimumIsNotJudged() {
        WindowUnderTest w;
        w.type("edDiam", Local("5"));
        QVERIFY(!w.label("lSign")->isVisible());
        QVERIFY(w.text("lDiamN").isEmpty());
    }

    void internalThreadPicksFromTheBalls() {
        WindowUnderTest w(Wires({QStringLiteral("0.8")}) +
                          CatalogueSection(QStringLiteral("DIAM_S"),
                                           {QStringLiteral("0.7"), QStringLiteral("0.9")}));
        w.choose("cbType", 1);
        w.type("edStapka", Local("1.5"));
        QCOMPARE(w.text("edDiam"), Local("0.9"));
        w.choose("cbType", 0);
        QCOMPARE(w.text("edDiam"), Local("0.8"));
        w.choose("cbType", 1);
        QCOMPARE(w.text("edDiam"), Local("0.9"));
    }

    void inchModeWritesProbeWithFourDecimals() {
        WindowUnderTest w(Wires({QStringLiteral("0.866")}));
        w.click("btnMM");
        w.type("edStapka", Local("0.0590551181102362"));
        // 0.866 mm = 0.0340944… in.
        QCOMPARE(w.text("edDiam"), Local("0.0341"));
    }
};

QTEST_MAIN(WindowProbeTest)
#include "WindowProbeTest.moc"
