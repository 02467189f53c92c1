// The borderless window's own frame and pages: the caption bar and its buttons, the regions the
// window reports for sizing and dragging, moving and sizing by the mouse where no window system
// does it (the offscreen platform), and the tabs that switch the pages.
#include "WindowTestSupport.h"
#include "storage/catalog/ProbeCatalogModel.h"
#include "window/CaptionButton.h"
#include "window/TPaintBox.h"
#include "window/catalog/CatalogPage.h"

#include <QLabel>
#include <QStackedWidget>
#include <QTest>
#include <QTextBrowser>

using kthread::CaptionButton;
using kthread::FrameHit;
using kthread::TPaintBox;
using kthread::testing::CatalogueSection;
using kthread::testing::WindowUnderTest;

namespace {

void Settle() {
    QCoreApplication::processEvents();
    QTest::qWait(20);
    QCoreApplication::processEvents();
}

template <typename T> T* Child(WindowUnderTest& w, const char* name) {
    T* found = w.window().findChild<T*>(QLatin1String(name));
    if (found == nullptr) {
        qFatal("no control %s", name);
    }
    return found;
}

// A point of `widget` in the window's coordinates.
QPoint InWindow(WindowUnderTest& w, const QWidget* widget, QPoint point) {
    return widget->mapTo(&w.window(), point);
}

// A point of the client panel with no control under it (between the columns and the banner
// strip, or beside the tool bar): such a bare area drags the window.
QPoint BarePoint(WindowUnderTest& w) {
    auto* client = Child<QWidget>(w, "pnlClientRect");
    for (int y = client->height() - 1; y >= 0; --y) {
        for (int x = 2; x < client->width(); x += 7) {
            if (client->childAt(x, y) == nullptr) {
                return {x, y};
            }
        }
    }
    QTest::qFail("the client panel has no bare area", __FILE__, __LINE__);
    return {};
}

} // namespace

class WindowFrameTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { kthread::testing::PrepareApplication(); }

    void windowHasNoSystemFrame() {
        WindowUnderTest w;
        QVERIFY(w.window().windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(Child<QLabel>(w, "lblCaption")->text(), QStringLiteral("Kalvo Thread - PD"));
    }

    void captionButtonsSitFromTheRightEdge() {
        WindowUnderTest w;
        Settle();
        auto* bar = Child<QWidget>(w, "Panel10");
        const int close = bar->width() - 21;
        QCOMPARE(Child<CaptionButton>(w, "btnClose")->x(), close);
        QCOMPARE(Child<CaptionButton>(w, "btnMaximize")->x(), close - 22);
        QCOMPARE(Child<CaptionButton>(w, "btnRestore")->x(), close - 22);
        QCOMPARE(Child<CaptionButton>(w, "btnMinimize")->x(), close - 44);
        // They follow a change of width.
        w.window().resize(w.window().width() + 60, w.window().height());
        Settle();
        QCOMPARE(Child<CaptionButton>(w, "btnClose")->x(), bar->width() - 21);
        QVERIFY(bar->width() > close + 21);
    }

    void maximiseAndRestoreSwapTheirButtons() {
        WindowUnderTest w;
        Settle();
        auto* maximize = Child<CaptionButton>(w, "btnMaximize");
        auto* restore = Child<CaptionButton>(w, "btnRestore");
        QVERIFY(maximize->isVisible());
        QVERIFY(!restore->isVisible());
        const QRect normal = w.window().geometry();
        QTest::mouseClick(maximize, Qt::LeftButton);
        Settle();
        QVERIFY(w.window().isMaximized());
        QVERIFY(restore->isVisible());
        QVERIFY(!maximize->isVisible());
        QTest::mouseClick(restore, Qt::LeftButton);
        Settle();
        QVERIFY(!w.window().isMaximized());
        QCOMPARE(w.window().geometry(), normal);
        QVERIFY(maximize->isVisible());
    }

    void doubleClickOnTheCaptionBarMaximisesAndRestores() {
        WindowUnderTest w;
        Settle();
        auto* caption = Child<QLabel>(w, "lblCaption");
        QTest::mouseDClick(caption, Qt::LeftButton, {}, QPoint(20, 10));
        Settle();
        QVERIFY(w.window().isMaximized());
        QTest::mouseDClick(caption, Qt::LeftButton, {}, QPoint(20, 10));
        Settle();
        QVERIFY(!w.window().isMaximized());
    }

    void doubleClickOnTheIconExits() {
        WindowUnderTest w;
        Settle();
        QTest::mouseDClick(Child<QLabel>(w, "Image1"), Qt::LeftButton, {}, QPoint(8, 8));
        Settle();
        QVERIFY(!w.window().isVisible());
    }

    void closeButtonExits() {
        WindowUnderTest w;
        Settle();
        QTest::mouseClick(Child<CaptionButton>(w, "btnClose"), Qt::LeftButton);
        Settle();
        QVERIFY(!w.window().isVisible());
    }

    void windowReportsItsFrameRegions() {
        WindowUnderTest w;
        Settle();
        const int width = w.window().width();
        const int height = w.window().height();
        QCOMPARE(w.window().HitTest(QPoint(1, height - 1)), FrameHit::BottomLeft);
        QCOMPARE(w.window().HitTest(QPoint(width / 2, height - 2)), FrameHit::Bottom);
        QCOMPARE(w.window().HitTest(QPoint(width - 1, height / 2)), FrameHit::Right);
        QCOMPARE(w.window().HitTest(QPoint(2, height / 2)), FrameHit::Left);
        QCOMPARE(w.window().HitTest(QPoint(0, 3)), FrameHit::TopLeft);
        // The caption bar and bare panels drag; controls are left to themselves.
        QCOMPARE(w.window().HitTest(QPoint(width / 2, 1)), FrameHit::Caption);
        auto* client = Child<QWidget>(w, "pnlClientRect");
        const QPoint bare = BarePoint(w);
        QCOMPARE(w.window().HitTest(InWindow(w, client, bare)), FrameHit::Caption);
        auto* banner = Child<QWidget>(w, "pbBanner");
        QCOMPARE(w.window().HitTest(InWindow(w, banner, QPoint(30, 30))), FrameHit::Client);
        auto* pitch = w.edit("edStapka");
        QCOMPARE(w.window().HitTest(InWindow(w, pitch, pitch->rect().center())), FrameHit::Client);
        auto* caption = w.label("Label1");
        QCOMPARE(w.window().HitTest(InWindow(w, caption, QPoint(2, 2))), FrameHit::Client);

        w.window().btnMaximizeClick();
        Settle();
        QCOMPARE(w.window().HitTest(QPoint(1, w.window().height() - 1)), FrameHit::Client);
        QCOMPARE(w.window().HitTest(InWindow(w, client, bare)), FrameHit::Client);
    }

    void draggingTheCaptionBarMovesTheWindow() {
        WindowUnderTest w;
        Settle();
        const QPoint start = w.window().pos();
        auto* bar = Child<TPaintBox>(w, "UPaintBox2");
        const QPoint press(60, 10);
        QTest::mousePress(bar, Qt::LeftButton, {}, press);
        QTest::mouseMove(bar, press + QPoint(40, 25));
        Settle();
        QCOMPARE(w.window().pos(), start + QPoint(40, 25));
        // Released where the pointer is now: the window has moved under it.
        QTest::mouseRelease(bar, Qt::LeftButton, {}, press);
        Settle();
        QCOMPARE(w.window().pos(), start + QPoint(40, 25));
        // Left of the title (on the icon) nothing is dragged.
        QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(8, 10));
        QTest::mouseMove(bar, QPoint(60, 60));
        QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(60, 60));
        Settle();
        QCOMPARE(w.window().pos(), start + QPoint(40, 25));
    }

    void draggingABareAreaMovesTheWindow() {
        WindowUnderTest w;
        Settle();
        const QPoint start = w.window().pos();
        auto* client = Child<QWidget>(w, "pnlClientRect");
        const QPoint press = BarePoint(w);
        QTest::mousePress(client, Qt::LeftButton, {}, press);
        QTest::mouseMove(client, press + QPoint(-15, 12));
        QTest::mouseRelease(client, Qt::LeftButton, {}, press);
        Settle();
        QCOMPARE(w.window().pos(), start + QPoint(-15, 12));
    }

    void draggingTheEdgesResizesTheWindowDownToItsMinimum() {
        WindowUnderTest w;
        Settle();
        const QRect start = w.window().geometry();
        Drag(w, QPoint(start.width() - 2, start.height() / 2), {35, 0});
        QCOMPARE(w.window().geometry(), start.adjusted(0, 0, 35, 0));

        const QRect wider = w.window().geometry();
        Drag(w, QPoint(wider.width() / 2, wider.height() - 2), {0, 20});
        QCOMPARE(w.window().geometry(), wider.adjusted(0, 0, 0, 20));

        // The left edge moves and the right one stays, never below the minimum size.
        const QRect taller = w.window().geometry();
        Drag(w, QPoint(1, taller.height() / 2), {2000, 0});
        QCOMPARE(w.window().width(), w.window().minimumWidth());
        QCOMPARE(w.window().geometry().right(), taller.right());
    }

    void tabPressShowsItsPageAndComesToTheFront_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("catalogue");
        QTest::newRow("external thread: wires") << 0 << QStringLiteral("mdDiamOut");
        QTest::newRow("internal thread: balls") << 1 << QStringLiteral("mdDiamIn");
        QTest::newRow("external taper: wires") << 2 << QStringLiteral("mdDiamOut");
        QTest::newRow("internal taper: balls") << 3 << QStringLiteral("mdDiamIn");
    }
    void tabPressShowsItsPageAndComesToTheFront() {
        QFETCH(int, type);
        QFETCH(QString, catalogue);
        WindowUnderTest w(
            CatalogueSection(QStringLiteral("DIAM_N"), {QStringLiteral("0.866")}) +
            CatalogueSection(QStringLiteral("DIAM_S"), {QStringLiteral("1"), QStringLiteral("2")}));
        Settle();
        auto* book = Child<QStackedWidget>(w, "Book");
        QCOMPARE(book->currentIndex(), 0);
        w.choose("cbType", type);
        TPaintBox* tabs[] = {Child<TPaintBox>(w, "pbCtrl_0"), Child<TPaintBox>(w, "pbCtrl_1"),
                             Child<TPaintBox>(w, "pbCtrl_2"), Child<TPaintBox>(w, "pbCtrl_3")};
        QCOMPARE(tabs[0]->tag(), 1);

        QTest::mouseClick(tabs[1], Qt::LeftButton, {}, QPoint(50, 12));
        QCOMPARE(book->currentIndex(), 1);
        QCOMPARE(book->currentWidget()->objectName(), QStringLiteral("pgCatalog"));
        const auto* page = Child<kthread::CatalogPage>(w, "pgCatalog");
        QVERIFY(page->boundModel() != nullptr);
        QCOMPARE(page->boundModel()->objectName(), catalogue);
        QCOMPARE(tabs[0]->tag(), 0);
        QCOMPARE(tabs[1]->tag(), 1);
        QCOMPARE(tabs[2]->tag(), 0);
        QCOMPARE(tabs[3]->tag(), 0);
        QCOMPARE(tabs[1]->parentWidget()->children().last(), tabs[1]);

        QTest::mouseClick(tabs[2], Qt::LeftButton, {}, QPoint(50, 12));
        QCOMPARE(book->currentWidget(), Child<QTextBrowser>(w, "redHlep"));
        QCOMPARE(tabs[2]->parentWidget()->children().last(), tabs[2]);
        QTest::mouseClick(tabs[3], Qt::LeftButton, {}, QPoint(50, 12));
        QCOMPARE(book->currentWidget()->objectName(), QStringLiteral("pgBudget"));
        QCOMPARE(tabs[3]->tag(), 1);
        QCOMPARE(tabs[2]->tag(), 0);
        QTest::mouseClick(tabs[0], Qt::LeftButton, {}, QPoint(50, 12));
        QCOMPARE(book->currentIndex(), 0);
        QCOMPARE(book->currentWidget(), Child<QWidget>(w, "pbImage"));
    }

    void tabsOverlapByOnePixel() {
        WindowUnderTest w;
        for (int page = 0; page < 4; ++page) {
            const QByteArray name = "pbCtrl_" + QByteArray::number(page);
            QCOMPARE(Child<TPaintBox>(w, name.constData())->geometry(),
                     QRect(page * 79, 0, 80, 24));
        }
        QCOMPARE(Child<TPaintBox>(w, "pbCtrl_1")->toolTip(), QStringLiteral("Catalog"));
    }

private:
    // Presses at `at` (window coordinates), moves the pointer by `by` and releases it there.
    static void Drag(WindowUnderTest& w, QPoint at, QPoint by) {
        const QPoint pointer = w.window().mapToGlobal(at + by);
        QTest::mousePress(&w.window(), Qt::LeftButton, {}, at);
        QTest::mouseMove(&w.window(), at + by);
        // The window may have moved under the pointer by now.
        QTest::mouseRelease(&w.window(), Qt::LeftButton, {}, w.window().mapFromGlobal(pointer));
        Settle();
    }
};

QTEST_MAIN(WindowFrameTest)
#include "WindowFrameTest.moc"
