// The thread designation in the window: what taking one fills in, the limits in either unit,
// the verdict and the reading window after Calculate, refused texts, inputs that leave the
// designation, type-ahead, and the designation remembered from one run to the next.
#include "WindowTestSupport.h"
#include "window/DesignationTexts.h"
#include "window/NumberTexts.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

using kthread::DesignationText;
using kthread::EnglishTextOf;
using kthread::testing::Local;
using kthread::testing::WindowUnderTest;

namespace {

const QColor kGreen(0, 0x80, 0);
const QColor kRed(0xd0, 0, 0);

QString Range(const char* low, const char* high, const char* unit) {
    return Local(low) + QStringLiteral(" … ") + Local(high) + QLatin1Char(' ') +
           QLatin1String(unit);
}

QLineEdit* DesignationField(WindowUnderTest& w) {
    return w.window().findChild<QLineEdit*>(QStringLiteral("cbDesignation"));
}

QColor TextColour(const QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

QString Changed() {
    return EnglishTextOf(DesignationText::Changed);
}

// The worked set-up of the designation example: 0.866 mm wires, no force, M given.
void TypeBoltSetUp(WindowUnderTest& w, const QString& force, const QString& sizeOver) {
    w.typeDesignation(QStringLiteral("M10x1.5-6g"));
    w.type("edDiam", Local("0.866"));
    w.type("edIzmN", force);
    w.type("edIzmSt", sizeOver);
    w.pressEnter("edIzmSt");
}

// The pitch diameter given, Calculate, and the verdict shown.
QString VerdictForGivenPitchDiam(WindowUnderTest& w, const QString& pitchDiam) {
    w.type("edIzmSt", pitchDiam);
    w.pressEnter("edIzmSt");
    return w.text("lblVerdict");
}

} // namespace

class WindowDesignationTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { kthread::testing::PrepareApplication(); }

    void takingADesignationFillsTheGeometryAndShowsTheLimits_data() {
        QTest::addColumn<int>("startType");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("pitch");
        QTest::addColumn<QString>("starts");
        QTest::addColumn<QString>("flank");
        QTest::addColumn<QString>("limits");
        QTest::addColumn<QString>("inchLimits");
        // The metric and unified limits are those of the published tables (ISO 965-2, ASME
        // B1.1); the converted ones have one digit more than the tables' last.
        QTest::newRow("M10x1.5-6g")
            << 0 << "M10x1.5-6g"
            << "M10x1.5-6g" << 0 << Local("1.5") << "1"
            << "30"
            << "d2 " + Range("8.862", "8.994", "mm") << "d2 " + Range("0.34890", "0.35409", "in");
        QTest::newRow("typed loosely, from a taper type")
            << 2 << "m10 x 1,5"
            << "M10x1.5-6g" << 0 << Local("1.5") << "1"
            << "30"
            << "d2 " + Range("8.862", "8.994", "mm") << "d2 " + Range("0.34890", "0.35409", "in");
        QTest::newRow("M10-6H internal")
            << 0 << "M10-6H"
            << "M10x1.5-6H" << 1 << Local("1.5") << "1"
            << "30"
            << "D2 " + Range("9.026", "9.206", "mm") << "D2 " + Range("0.35535", "0.36244", "in");
        QTest::newRow("M6-6g") << 0 << "M6-6g"
                               << "M6x1-6g" << 0 << "1"
                               << "1"
                               << "30"
                               << "d2 " + Range("5.212", "5.324", "mm")
                               << "d2 " + Range("0.20520", "0.20961", "in");
        QTest::newRow("1/2-13 UNC-2A")
            << 0 << "1/2-13 UNC-2A"
            << "1/2-13 UNC-2A" << 0 << Local("1.9538") << "1"
            << "30"
            << "d2 " + Range("11.2649", "11.3919", "mm") << "d2 " + Range("0.4435", "0.4485", "in");
        QTest::newRow("Tr 24x5-7e")
            << 0 << "Tr 24x5-7e"
            << "Tr 24x5-7e" << 0 << "5"
            << "1"
            << "15"
            << "d2 " + Range("21.094", "21.394", "mm") << "d2 " + Range("0.83047", "0.84228", "in");
        QTest::newRow("Tr 40x14(P7)-8e two starts")
            << 0 << "Tr 40x14(P7)-8e"
            << "Tr 40x14(P7)-8e" << 0 << "7"
            << "2"
            << "15"
            << "d2 " + Range("35.875", "36.375", "mm") << "d2 " + Range("1.41240", "1.43209", "in");
    }
    void takingADesignationFillsTheGeometryAndShowsTheLimits() {
        QFETCH(int, startType);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, type);
        QFETCH(QString, pitch);
        QFETCH(QString, starts);
        QFETCH(QString, flank);
        QFETCH(QString, limits);
        QFETCH(QString, inchLimits);
        WindowUnderTest w;
        if (startType != 0) {
            w.choose("cbType", startType);
        }
        w.typeDesignation(typed);

        QCOMPARE(DesignationField(w)->text(), shown);
        QCOMPARE(w.combo("cbType")->currentIndex(), type);
        QCOMPARE(w.text("edStapka"), pitch);
        QCOMPARE(w.text("edBrH"), starts);
        for (const char* degrees : {"edA1g", "edA2g"}) {
            QCOMPARE(w.text(degrees), flank);
        }
        for (const char* part : {"edA1m", "edA1s", "edA2m", "edA2s"}) {
            QCOMPARE(w.text(part), QStringLiteral("0"));
        }
        QVERIFY(w.label("lblDesigLimits")->isVisibleTo(&w.window()));
        QCOMPARE(w.text("lblDesigLimits"), limits);
        // The derived values follow the new geometry.
        QVERIFY(!w.text("lDiamN").isEmpty());
        QVERIFY(w.text("lDiamN") != Local("0.00000"));

        w.click("btnMM");
        QCOMPARE(w.text("lblDesigLimits"), inchLimits);
        w.click("btnMM");
        QCOMPARE(w.text("lblDesigLimits"), limits);
    }

    // The pitch field shows 1/13 in to five decimals; the designation's exact pitch is kept, and
    // retyping what the field shows still stands for it.
    void anInchThreadTakenInInches() {
        WindowUnderTest w;
        w.click("btnMM");
        w.typeDesignation(QStringLiteral("1/2-13 UNC-2A"));
        QCOMPARE(w.text("edStapka"), Local("0.07692"));
        const QString limits = "d2 " + Range("0.4435", "0.4485", "in");
        QCOMPARE(w.text("lblDesigLimits"), limits);
        w.type("edStapka", Local("0.07692"));
        QCOMPARE(w.text("lblDesigLimits"), limits);
        w.type("edStapka", Local("0.0769"));
        QCOMPARE(w.text("lblDesigLimits"), limits + QLatin1Char(' ') + Changed());
    }

    void verdictAndReadingWindowAfterCalculate() {
        WindowUnderTest w;
        // The limits themselves first; the guard band of the default rule is checked below.
        w.choose("cbDecisionRule", 1);
        TypeBoltSetUp(w, QStringLiteral("0"), Local("10.25"));
        QCOMPARE(w.text("lSrDA2"), Local("8.94928"));
        QVERIFY(w.label("lblVerdict")->isVisibleTo(&w.window()));
        QCOMPARE(w.text("lblVerdict"),
                 QStringLiteral("within limits, margin ") + Local("44.7") + QStringLiteral(" µm"));
        QCOMPARE(TextColour(w.label("lblVerdict")), kGreen);
        // kthread-calc --designation M10x1.5-6g --probe 0.866 --given M --value 10.25 gives
        // the same window.
        QCOMPARE(w.text("lblReadingWindow"),
                 QStringLiteral("Reading window: M ") + Range("10.16276", "10.29470", "mm"));

        w.click("btnMM");
        QCOMPARE(w.text("lblVerdict"), QStringLiteral("within limits, margin ") + Local("17.6") +
                                           QStringLiteral(" × ") + Local("0.0001") +
                                           QStringLiteral(" in"));
        QCOMPARE(w.text("lblReadingWindow"),
                 QStringLiteral("Reading window: M ") + Range("0.400109", "0.405303", "in"));

        // Guard-banded: the margin is what is left inside the limits shrunk by U.
        w.click("btnMM");
        w.choose("cbDecisionRule", 0);
        w.click("btnCalc");
        const double expandedUM =
            w.window().CurrentVerdictUncertainty().expandedUncertaintyMM * 1e3;
        QVERIFY(expandedUM > 0.5 && expandedUM < 5);
        const QString verdict = w.text("lblVerdict");
        QVERIFY2(verdict.startsWith(QStringLiteral("within limits, margin ")), qPrintable(verdict));
        const QString number = verdict.section(QLatin1Char(' '), 3, 3);
        bool read = false;
        const double marginUM = QLocale().toDouble(number, &read);
        QVERIFY(read);
        QVERIFY2(std::abs(marginUM - (44.72 - expandedUM)) < 0.11, qPrintable(verdict));
    }

    // With a measuring force the window moves with the deformation; whatever it is, its ends
    // read back as the limits.
    void readingWindowEndsGiveTheLimitsBack_data() {
        QTest::addColumn<QString>("force");
        QTest::newRow("no force") << "0";
        QTest::newRow("1 N") << "1";
        QTest::newRow("2.5 N") << Local("2.5");
    }
    void readingWindowEndsGiveTheLimitsBack() {
        QFETCH(QString, force);
        WindowUnderTest w;
        w.choose("cbDecisionRule", 1); // the limits themselves
        TypeBoltSetUp(w, force, Local("10.25"));
        const QString window = w.text("lblReadingWindow");
        const QString prefix = QStringLiteral("Reading window: M ");
        QVERIFY2(window.startsWith(prefix), qPrintable(window));
        const QStringList ends = window.mid(prefix.size()).chopped(3).split(QStringLiteral(" … "));
        QCOMPARE(ends.size(), 2);
        QVERIFY(kthread::ReadNumberText(ends[0]) < kthread::ReadNumberText(ends[1]));

        // The ends are rounded to the results' 0.00001 mm, the pitch diameter follows the
        // reading about one to one.
        constexpr double kRounding = 1e-5;
        w.type("edIzmSt", ends[0]);
        w.pressEnter("edIzmSt");
        QVERIFY2(std::abs(kthread::ReadNumberText(w.text("lSrDA2")) - 8.862) <= kRounding,
                 qPrintable(w.text("lSrDA2")));
        // Shown rounded inward, so a reading at a shown end is still a good part.
        QVERIFY2(w.text("lblVerdict").startsWith(QStringLiteral("within limits")),
                 qPrintable(w.text("lblVerdict")));
        w.type("edIzmSt", ends[1]);
        w.pressEnter("edIzmSt");
        QVERIFY2(std::abs(kthread::ReadNumberText(w.text("lSrDA2")) - 8.994) <= kRounding,
                 qPrintable(w.text("lSrDA2")));
        QVERIFY2(w.text("lblVerdict").startsWith(QStringLiteral("within limits")),
                 qPrintable(w.text("lblVerdict")));
        // The window is the same for every reading inside it.
        QCOMPARE(w.text("lblReadingWindow"), window);
    }

    void verdictAtAndAroundEachLimit_data() {
        QTest::addColumn<QString>("pitchDiam");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("margin");
        QTest::newRow("1 µm under the lower limit") << "8.861"
                                                    << "undersize"
                                                    << "-1.0";
        QTest::newRow("at the lower limit") << "8.862"
                                            << "within limits"
                                            << "0.0";
        QTest::newRow("1 µm above the lower limit") << "8.863"
                                                    << "within limits"
                                                    << "1.0";
        QTest::newRow("mid-tolerance") << "8.928"
                                       << "within limits"
                                       << "66.0";
        QTest::newRow("1 µm under the upper limit") << "8.993"
                                                    << "within limits"
                                                    << "1.0";
        QTest::newRow("at the upper limit") << "8.994"
                                            << "within limits"
                                            << "0.0";
        QTest::newRow("1 µm above the upper limit") << "8.995"
                                                    << "oversize"
                                                    << "-1.0";
    }
    void verdictAtAndAroundEachLimit() {
        QFETCH(QString, pitchDiam);
        QFETCH(QString, word);
        QFETCH(QString, margin);
        WindowUnderTest w;
        w.choose("cbDecisionRule", 1); // the limits themselves, no guard band
        w.typeDesignation(QStringLiteral("M10x1.5-6g"));
        w.type("edDiam", Local("0.866"));
        w.choose("cbVidVav", 2);
        const QString verdict = VerdictForGivenPitchDiam(w, Local(pitchDiam.toLatin1()));
        // The verdict is on the given pitch diameter.
        QCOMPARE(verdict, word + QStringLiteral(", margin ") + Local(margin.toLatin1()) +
                              QStringLiteral(" µm"));
        QCOMPARE(TextColour(w.label("lblVerdict")), word == "within limits" ? kGreen : kRed);
        QVERIFY(w.text("lblReadingWindow").startsWith(QStringLiteral("Reading window: M ")));
    }

    void refusedTextsSayWhatIsWrong_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("text");
        QTest::addColumn<QString>("part");
        QTest::newRow("pitch") << "M10x1.4" << int(DesignationText::PitchNotInSeries) << "1.4";
        QTest::newRow("family") << "Q7" << int(DesignationText::UnknownFamily) << "Q";
        QTest::newRow("class") << "M10x1.5-3H" << int(DesignationText::ClassNotAllowed) << "3H";
        QTest::newRow("left over")
            << "M10-6g junk" << int(DesignationText::UnexpectedText) << "junk";
    }
    void refusedTextsSayWhatIsWrong() {
        QFETCH(QString, typed);
        QFETCH(int, text);
        QFETCH(QString, part);
        WindowUnderTest w;
        w.type("edStapka", Local("2"));
        w.typeDesignation(typed);
        const QString shown = w.text("lblDesigLimits");
        QCOMPARE(shown, EnglishTextOf(static_cast<DesignationText>(text)).arg(part));
        QCOMPARE(TextColour(w.label("lblDesigLimits")), kRed);
        // Nothing is filled from a refused text, and no verdict follows.
        QCOMPARE(w.text("edStapka"), QStringLiteral("2"));
        QCOMPARE(DesignationField(w)->text(), typed);
        w.type("edDiam", Local("1.2"));
        w.type("edIzmSt", QStringLiteral("20"));
        w.pressEnter("edIzmSt");
        QVERIFY(!w.text("lSrDA2").isEmpty());
        QVERIFY(!w.label("lblVerdict")->isVisibleTo(&w.window()));
    }

    void inputsThatLeaveTheDesignationMarkItChanged_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::newRow("pitch") << "edStapka" << Local("1.25");
        QTest::newRow("starts") << "edBrH"
                                << "2";
        QTest::newRow("first flank") << "edA1g"
                                     << "29";
        QTest::newRow("second flank minutes") << "edA2m"
                                              << "30";
    }
    void inputsThatLeaveTheDesignationMarkItChanged() {
        QFETCH(QString, field);
        QFETCH(QString, value);
        const QByteArray name = field.toLatin1();
        WindowUnderTest w;
        TypeBoltSetUp(w, QStringLiteral("0"), Local("10.25"));
        const QString limits = "d2 " + Range("8.862", "8.994", "mm");
        QVERIFY(w.label("lblVerdict")->isVisibleTo(&w.window()));

        const QString before = w.text(name.constData());
        w.type(name.constData(), value);
        QCOMPARE(w.text("lblDesigLimits"), limits + QLatin1Char(' ') + Changed());
        QVERIFY(!w.label("lblVerdict")->isVisibleTo(&w.window()));
        w.type("edDiam", Local("0.866"));
        w.pressEnter("edIzmSt");
        QVERIFY(!w.text("lSrDA2").isEmpty());
        QVERIFY(!w.label("lblVerdict")->isVisibleTo(&w.window()));
        // Leaving the designation field again does not fill the inputs afresh.
        DesignationField(w)->setFocus(Qt::TabFocusReason);
        w.edit("edIzmN")->setFocus(Qt::TabFocusReason);
        QCOMPARE(w.text(name.constData()), value);

        // Back to the designation's value: in force again.
        w.type(name.constData(), before);
        QCOMPARE(w.text("lblDesigLimits"), limits);
        w.type("edDiam", Local("0.866"));
        w.pressEnter("edIzmSt");
        QVERIFY(w.label("lblVerdict")->isVisibleTo(&w.window()));
    }

    void anotherThreadTypeMarksItChanged() {
        WindowUnderTest w;
        w.typeDesignation(QStringLiteral("M10x1.5-6g"));
        w.choose("cbType", 1);
        QVERIFY(w.text("lblDesigLimits").endsWith(Changed()));
    }

    void anEmptyFieldIsNoDesignation() {
        WindowUnderTest w;
        TypeBoltSetUp(w, QStringLiteral("0"), Local("10.25"));
        QVERIFY(w.label("lblVerdict")->isVisibleTo(&w.window()));
        w.typeDesignation(QString());
        QVERIFY(!w.label("lblDesigLimits")->isVisibleTo(&w.window()));
        QVERIFY(!w.label("lblVerdict")->isVisibleTo(&w.window()));
        // The geometry stays as the designation left it.
        QCOMPARE(w.text("edStapka"), Local("1.5"));
        w.pressEnter("edIzmSt");
        QCOMPARE(w.text("lSrDA2"), Local("8.94928"));
        QVERIFY(!w.label("lblVerdict")->isVisibleTo(&w.window()));
        QVERIFY(!w.label("lblReadingWindow")->isVisibleTo(&w.window()));
    }

    void typeAheadOffersTheCatalogueAndTakesAChoice() {
        WindowUnderTest w;
        QLineEdit* field = DesignationField(w);
        field->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(field, QStringLiteral("m1"));
        QCompleter* completer = field->completer();
        QVERIFY(completer != nullptr);
        QAbstractItemView* popup = completer->popup();
        QVERIFY(popup->isVisible());
        const QAbstractItemModel* offered = popup->model();
        QVERIFY(offered->rowCount() > 1);
        QVERIFY(offered->rowCount() <= 20);
        for (int row = 0; row < offered->rowCount(); ++row) {
            const QString text = offered->index(row, 0).data().toString();
            QVERIFY2(text.startsWith(QStringLiteral("M1")), qPrintable(text));
        }
        // Typed loosely down to one size: its classes follow, the default first.
        QTest::keyClicks(field, QStringLiteral("0 x 1,5"));
        QVERIFY(popup->isVisible());
        QCOMPARE(offered->index(0, 0).data().toString(), QStringLiteral("M10x1.5"));
        QCOMPARE(offered->index(1, 0).data().toString(), QStringLiteral("M10x1.5-6g"));
        // Nothing is taken while typing.
        QCOMPARE(w.text("edStapka"), QStringLiteral("0"));

        QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Return);
        QVERIFY(!popup->isVisible());
        QCOMPARE(field->text(), QStringLiteral("M10x1.5-6g"));
        QCOMPARE(w.text("edStapka"), Local("1.5"));
        QCOMPARE(w.text("lblDesigLimits"), "d2 " + Range("8.862", "8.994", "mm"));
    }

    void rememberedFromOneRunToTheNext() {
        QTemporaryDir profile;
        QVERIFY(profile.isValid());
        {
            WindowUnderTest w(profile.path(), nullptr);
            w.typeDesignation(QStringLiteral("tr 24 x 5"));
            w.closeWindow();
            QVERIFY(w.settingsText().contains(QStringLiteral("Designation=Tr 24x5-7e")));
        }
        {
            WindowUnderTest w(profile.path(), nullptr);
            QCOMPARE(DesignationField(w)->text(), QStringLiteral("Tr 24x5-7e"));
            QCOMPARE(w.text("lblDesigLimits"), "d2 " + Range("21.094", "21.394", "mm"));
            QCOMPARE(w.text("edStapka"), QStringLiteral("5"));
            QCOMPARE(w.text("edA1g"), QStringLiteral("15"));
            // A stored thread type that disagrees is kept, and the designation shows changed.
            w.choose("cbType", 1);
            w.closeWindow();
        }
        {
            WindowUnderTest w(profile.path(), nullptr);
            QCOMPARE(w.combo("cbType")->currentIndex(), 1);
            QCOMPARE(w.text("lblDesigLimits"),
                     "d2 " + Range("21.094", "21.394", "mm") + QLatin1Char(' ') + Changed());
            w.typeDesignation(QString());
            w.closeWindow();
            QVERIFY(w.settingsText().contains(QStringLiteral("Designation=\r\n")));
        }
        {
            WindowUnderTest w(profile.path(), nullptr);
            QCOMPARE(DesignationField(w)->text(), QString());
            QVERIFY(!w.label("lblDesigLimits")->isVisibleTo(&w.window()));
        }
    }

    void fitsTheSmallestWindowWithoutOverlaps() {
        WindowUnderTest w;
        w.window().resize(w.window().minimumSize());
        QCoreApplication::processEvents();
        TypeBoltSetUp(w, QStringLiteral("0"), Local("10.25"));
        w.typeDesignation(QStringLiteral("M10x1.5-3H")); // the longest text the label shows
        QCoreApplication::processEvents();
        const QWidget* designation =
            w.window().findChild<QWidget*>(QStringLiteral("pnlDesignation"));
        const QWidget* inputs = w.window().findChild<QWidget*>(QStringLiteral("pnlInputs"));
        QVERIFY(designation && inputs);
        const QRect designationArea(designation->mapTo(&w.window(), QPoint()), designation->size());
        const QRect inputArea(inputs->mapTo(&w.window(), QPoint()), inputs->size());
        QVERIFY(!designationArea.intersects(inputArea));
        // Every input still lies inside the client area, above the banner.
        const QWidget* banner = w.window().findChild<QWidget*>(QStringLiteral("pnlBanner"));
        QVERIFY(banner != nullptr);
        const int bannerTop = banner->mapTo(&w.window(), QPoint()).y();
        QVERIFY2(inputArea.bottom() < bannerTop,
                 qPrintable(QStringLiteral("%1 %2").arg(inputArea.bottom()).arg(bannerTop)));
        for (const char* name : {"lblDesigLimits", "cbDesignation", "lblDesignation"}) {
            const auto* widget = w.window().findChild<QWidget*>(QLatin1String(name));
            const QRect area(widget->mapTo(designation, QPoint()), widget->size());
            QVERIFY2(designation->rect().contains(area), name);
        }
    }
};

QTEST_MAIN(WindowDesignationTest)
#include "WindowDesignationTest.moc"
