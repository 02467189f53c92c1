// The about window: opened modally by btnInfo, shaped by its picture, showing the product, the
// version and the maker, with two links that go to the desktop's mail and web programs; a
// click anywhere else closes it.
#include "WindowTestSupport.h"
#include "window/PictureShape.h"
#include "window/ProductInfo.h"
#include "window/TfrmSplash.h"

#include <QApplication>
#include <QDesktopServices>
#include <QEnterEvent>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <QUrl>

using kthread::TfrmSplash;
using kthread::testing::WindowUnderTest;

namespace {

const QRgb kYellow = qRgb(255, 255, 0);

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls << url; }
};

QLabel* Child(QWidget& window, const char* name) {
    auto* label = window.findChild<QLabel*>(QLatin1String(name));
    if (label == nullptr) {
        qFatal("the about window has no %s", name);
    }
    return label;
}

} // namespace

class WindowAboutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { kthread::testing::PrepareApplication(); }

    void btnInfoOpensTheAboutWindowModallyAndAClickClosesIt() {
        WindowUnderTest w;
        QToolButton* info = w.button("btnInfo");
        QVERIFY(info->isEnabled());
        QPointer<QWidget> seen;
        bool modal = false;
        QTimer::singleShot(0, [&] {
            seen = QApplication::activeModalWidget();
            if (seen == nullptr) {
                return;
            }
            modal = seen->isModal() && seen->objectName() == QLatin1String("TfrmSplash");
            QTest::mouseClick(seen, Qt::LeftButton, {}, QPoint(300, 130));
        });
        w.click("btnInfo"); // returns once the about window has closed
        QVERIFY(modal);
        QVERIFY(seen.isNull()); // released after closing
    }

    void aClickOnTheProductLinesClosesIt() {
        TfrmSplash splash;
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        QLabel* lines = Child(splash, "Label3");
        QTest::mouseClick(lines, Qt::LeftButton, {}, QPoint(4, 4));
        QVERIFY(!splash.isVisible());
    }

    void itShowsTheProductTheVersionAndTheMaker() {
        TfrmSplash splash;
        const QStringList lines = Child(splash, "Label3")->text().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], QStringLiteral("Kalvo Thread - PD"));
        // The same version as the command-line calculator reports.
        QProcess calc;
        calc.start(QStringLiteral(KTHREAD_CALC_PATH), {QStringLiteral("--version")});
        QVERIFY(calc.waitForFinished(10000));
        const QString calcVersion = QString::fromUtf8(calc.readAllStandardOutput()).trimmed();
        QVERIFY(!calcVersion.isEmpty());
        QCOMPARE(lines[1], QStringLiteral("Version ") + calcVersion);
        QCOMPARE(lines[2], QLatin1String(kthread::product::kMakerName));
        QCOMPARE(Child(splash, "Label2")->text().count(QLatin1Char('\n')), 1);
        QCOMPARE(Child(splash, "XLabel1")->text(), QLatin1String(kthread::product::kMakerEmail));
        QCOMPARE(Child(splash, "XLabel2")->text(), QLatin1String(kthread::product::kMakerWeb));
        // Every text lies on the picture.
        for (const char* name : {"Label3", "Label2", "XLabel1", "XLabel2"}) {
            QVERIFY2(splash.rect().contains(Child(splash, name)->geometry()), name);
        }
    }

    void theWindowsShapeIsItsPictureWithoutTheYellow() {
        TfrmSplash splash;
        const QImage picture = QImage(QStringLiteral(":/about/frmSplash.png"));
        QCOMPARE(picture.size(), QSize(433, 223));
        QCOMPARE(splash.size(), picture.size());
        const QRegion shape = splash.mask();
        QVERIFY((shape ^ kthread::RegionWithout(picture, kYellow)).isEmpty());
        // The picture does cut something away: its top corners lie outside.
        QVERIFY(!shape.contains(QPoint(0, 0)));
        QVERIFY(!shape.contains(QPoint(432, 0)));
        QVERIFY(shape.contains(QPoint(216, 150)));
        // No text stands where the window is cut away.
        for (const char* name : {"Label3", "Label2", "XLabel1", "XLabel2"}) {
            const QRect place = Child(splash, name)->geometry();
            QVERIFY2((QRegion(place) - shape).isEmpty(), name);
        }
    }

    void theLinksOpenMailAndWebAndLeaveTheWindowOpen() {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &catcher, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
        TfrmSplash splash;
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        QTest::mouseClick(Child(splash, "XLabel1"), Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mouseClick(Child(splash, "XLabel2"), Qt::LeftButton, {}, QPoint(3, 3));
        QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(catcher.urls.size(), 2);
        QCOMPARE(catcher.urls[0],
                 QUrl(QStringLiteral("mailto:") + QLatin1String(kthread::product::kMakerEmail)));
        QCOMPARE(catcher.urls[1], QUrl(QLatin1String(kthread::product::kMakerWeb)));
        QVERIFY(splash.isVisible());
    }

    void aLinkIsUnderlinedWhileTheMouseIsOverIt() {
        TfrmSplash splash;
        QLabel* link = Child(splash, "XLabel2");
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(!link->font().underline());
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(link, &enter);
        QVERIFY(link->font().underline());
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(link, &leave);
        QVERIFY(!link->font().underline());
    }
};

QTEST_MAIN(WindowAboutTest)
#include "WindowAboutTest.moc"
