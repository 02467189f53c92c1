// The selectors and the taper pair of the main window, driven through its controls.
#include "WindowTestSupport.h"
#include "lang/LanguageTable.h"

#include <QTest>

using kthread::LangText;
using kthread::testing::CatalogueSection;
using kthread::testing::Local;
using kthread::testing::WindowUnderTest;

class WindowInputsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { kthread::testing::PrepareApplication(); }

    void threadTypeConfiguresTheWindow_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("taperPanel");
        QTest::addColumn<int>("methods");
        QTest::addColumn<bool>("methodEnabled");
        QTest::addColumn<int>("material");
        QTest::addColumn<bool>("materialEnabled");
        QTest::addColumn<QString>("letter");
        QTest::addColumn<int>("optimalCaption");
        QTest::newRow("external cylindrical") << 0 << false << 3 << true << 0 << false << "d" << 24;
        QTest::newRow("internal cylindrical") << 1 << false << 2 << true << 1 << true << "D" << 26;
        QTest::newRow("external taper") << 2 << true << 2 << true << 0 << false << "d" << 24;
        QTest::newRow("internal taper") << 3 << false << 1 << false << 1 << true << "D" << 26;
    }
    void threadTypeConfiguresTheWindow() {
        QFETCH(int, type);
        QFETCH(bool, taperPanel);
        QFETCH(int, methods);
        QFETCH(bool, methodEnabled);
        QFETCH(int, material);
        QFETCH(bool, materialEnabled);
        QFETCH(QString, letter);
        QFETCH(int, optimalCaption);
        WindowUnderTest w;
        // Leave the starting type first, so that every row runs a real change.
        w.choose("cbType", type == 0 ? 1 : 0);
        w.choose("cbType", type);

        QWidget* panel = w.window().findChild<QWidget*>(QStringLiteral("Panel5"));
        QCOMPARE(panel->isVisible(), taperPanel);
        QCOMPARE(w.combo("cbIzm")->count(), methods);
        QCOMPARE(w.combo("cbIzm")->currentIndex(), 0);
        QCOMPARE(w.combo("cbIzm")->isEnabled(), methodEnabled);
        QCOMPARE(w.combo("cbMaterial")->currentIndex(), material);
        QCOMPARE(w.combo("cbMaterial")->isEnabled(), materialEnabled);
        QCOMPARE(w.text("lODN"), LangText(optimalCaption));
        QCOMPARE(w.text("lDN"), LangText(optimalCaption + 1) + QStringLiteral(" (dD)"));
        // The pitch-diameter captions carry the letter and change nothing else.
        const QString caption = LangText(30) + QStringLiteral(" (") + letter + QStringLiteral("2)");
        QCOMPARE(w.text("lRes4"), caption);
        QCOMPARE(w.combo("cbVidVav")->itemText(2), caption);
        QCOMPARE(w.combo("cbVidVav")->currentIndex(), 1);
    }

    void internalTaperUsesTheBallCatalogue() {
        WindowUnderTest w(CatalogueSection(QStringLiteral("DIAM_N"), {QStringLiteral("0.866")}) +
                          CatalogueSection(QStringLiteral("DIAM_S"), {QStringLiteral("0.9")}));
        w.type("edStapka", Local("1.5"));
        QCOMPARE(w.text("edDiam"), Local("0.866"));
        w.choose("cbType", 3);
        QCOMPARE(w.text("edDiam"), Local("0.9"));
        w.choose("cbType", 0);
        QCOMPARE(w.text("edDiam"), Local("0.866"));
    }

    void leavingTheTaperTypeKeepsTheTaperFields() {
        WindowUnderTest w;
        w.choose("cbType", 2);
        w.type("edInIn", Local("0.1"));
        w.choose("cbType", 0);
        QVERIFY(!w.window().findChild<QWidget*>(QStringLiteral("Panel5"))->isVisible());
        QCOMPARE(w.text("edInIn"), Local("0.1"));
        QCOMPARE(w.text("edBg"), QStringLiteral("2"));
        QCOMPARE(w.text("edBm"), QStringLiteral("51"));
        QCOMPARE(w.text("edBs"), QStringLiteral("45"));
    }

    void taperRatioGivesHalfAngle_data() {
        QTest::addColumn<QString>("ratio");
        QTest::addColumn<QString>("degrees");
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<QString>("seconds");
        QTest::newRow("1 in 16") << Local("0.0625") << "1"
                                 << "47"
                                 << "24";
        QTest::newRow("1 in 10") << Local("0.1") << "2"
                                 << "51"
                                 << "45";
        QTest::newRow("comma typed") << QStringLiteral("0,1") << "2"
                                     << "51"
                                     << "45";
    }
    void taperRatioGivesHalfAngle() {
        QFETCH(QString, ratio);
        QFETCH(QString, degrees);
        QFETCH(QString, minutes);
        QFETCH(QString, seconds);
        WindowUnderTest w;
        w.choose("cbType", 2);
        w.type("edInIn", ratio);
        QCOMPARE(w.text("edBg"), degrees);
        QCOMPARE(w.text("edBm"), minutes);
        QCOMPARE(w.text("edBs"), seconds);
    }

    void halfAngleGivesTaperRatio() {
        WindowUnderTest w;
        w.choose("cbType", 2);
        w.type("edBg", QStringLiteral("2"));
        w.type("edBm", QStringLiteral("51"));
        w.type("edBs", QStringLiteral("45"));
        QCOMPARE(w.text("edInIn"), Local("0.1"));
    }

    void syncDoesNotEchoBack() {
        // 0.391 becomes 11° 3′ 42″, whose ratio rounds to 0.39099: an echo would show.
        WindowUnderTest w;
        w.choose("cbType", 2);
        w.type("edInIn", Local("0.391"));
        QCOMPARE(w.text("edInIn"), Local("0.391"));
        QCOMPARE(w.text("edBg"), QStringLiteral("11"));
        QCOMPARE(w.text("edBm"), QStringLiteral("3"));
        QCOMPARE(w.text("edBs"), QStringLiteral("42"));
        // Typing the same angle on the angle side gives the rounded-back ratio.
        w.type("edBs", QStringLiteral("42"));
        QCOMPARE(w.text("edInIn"), Local("0.39099"));
    }

    void zeroOnEitherSideChangesNothing() {
        WindowUnderTest w;
        w.choose("cbType", 2);
        w.type("edInIn", Local("0.1"));
        w.type("edInIn", QStringLiteral("0"));
        QCOMPARE(w.text("edBg"), QStringLiteral("2"));
        QCOMPARE(w.text("edBs"), QStringLiteral("45"));

        w.type("edBm", QStringLiteral("0"));
        w.type("edBs", QStringLiteral("0"));
        const QString ratioBefore = w.text("edInIn");
        QVERIFY(ratioBefore != QStringLiteral("0"));
        w.type("edBg", QStringLiteral("0"));
        QCOMPARE(w.text("edInIn"), ratioBefore);
    }

    void lastMaterialLoadsConstantsAndCalculates() {
        WindowUnderTest w;
        w.typeWorkedExample(false);
        QVERIFY(w.text("lSrDA2").isEmpty());
        w.choose("cbThrMaterial", 22);
        QCOMPARE(w.text("edSigma"), Local("0.33"));
        QCOMPARE(w.text("edE"), QStringLiteral("70"));
        QCOMPARE(w.text("lSrDA2"), Local("18.70062"));
    }

    void materialChoiceKeepsUserOverwrite() {
        WindowUnderTest w;
        QCOMPARE(w.text("edSigma"), Local("0.3"));
        QCOMPARE(w.text("edE"), QStringLiteral("250"));
        w.choose("cbThrMaterial", 10);
        QCOMPARE(w.text("edSigma"), Local("0.33"));
        QCOMPARE(w.text("edE"), QStringLiteral("70"));
        w.type("edE", QStringLiteral("75"));
        QCOMPARE(w.text("edE"), QStringLiteral("75"));
    }

    void givenPitchDiameterRelabelsResults() {
        WindowUnderTest w;
        w.type("edIzmSt", Local("12.5"));
        w.choose("cbVidVav", 2);
        QCOMPARE(w.text("lRes4"), LangText(29) + QStringLiteral(" (m)"));
        QCOMPARE(w.text("lVidIzm"), LangText(29) + QStringLiteral(" (M)"));
        QCOMPARE(w.text("edIzmSt"), QStringLiteral("0"));
        QVERIFY(w.edit("edIzmSt")->hasFocus());
        w.choose("cbVidVav", 0);
        QCOMPARE(w.text("lRes4"), LangText(30) + QStringLiteral(" (d2)"));
        QCOMPARE(w.text("lVidIzm"), LangText(29) + QStringLiteral(" (M)"));
        w.choose("cbVidVav", 1);
        QCOMPARE(w.text("lVidIzm"), LangText(29) + QStringLiteral(" (m)"));
    }

    void figureFollowsTypeAndMethod() {
        WindowUnderTest w;
        QWidget* figure = w.window().findChild<QWidget*>(QStringLiteral("pbImage"));
        QCOMPARE(figure->toolTip(), QStringLiteral("ExtCyl_3w"));
        w.choose("cbIzm", 2);
        QCOMPARE(figure->toolTip(), QStringLiteral("ExtCyl_2w_incl"));
        w.choose("cbType", 1);
        QCOMPARE(figure->toolTip(), QStringLiteral("IntCyl_Perp"));
        w.choose("cbIzm", 1);
        QCOMPARE(figure->toolTip(), QStringLiteral("IntCyl_Incl"));
    }

    void changedInputsClearTheResults_data() {
        QTest::addColumn<QString>("field");
        QTest::newRow("force") << QStringLiteral("edIzmN");
        QTest::newRow("given size") << QStringLiteral("edIzmSt");
        QTest::newRow("pitch") << QStringLiteral("edStapka");
        QTest::newRow("starts") << QStringLiteral("edBrH");
        QTest::newRow("probe") << QStringLiteral("edDiam");
    }
    void changedInputsClearTheResults() {
        QFETCH(QString, field);
        WindowUnderTest w;
        w.typeWorkedExample(false);
        w.pressEnter("edIzmSt");
        QCOMPARE(w.text("lSrDA2"), Local("18.70062"));
        QVERIFY(!w.text("lA2").isEmpty());
        w.type(field.toLatin1().constData(), QStringLiteral("2"));
        QVERIFY(w.text("lSrDA2").isEmpty());
        QVERIFY(w.text("lRazmM").isEmpty());
        QVERIFY(w.text("lA2").isEmpty());
    }

    void taperAndMaterialFieldsKeepTheResults() {
        WindowUnderTest w;
        w.choose("cbType", 2);
        w.typeWorkedExample(false);
        w.pressEnter("edIzmSt");
        const QString result = w.text("lSrDA2");
        QVERIFY(!result.isEmpty());
        w.type("edSigma", Local("0.29"));
        w.type("edE", QStringLiteral("200"));
        w.type("edInIn", Local("0.1"));
        w.type("edBs", QStringLiteral("30"));
        QCOMPARE(w.text("lSrDA2"), result);
    }
};

QTEST_MAIN(WindowInputsTest)
#include "WindowInputsTest.moc"
