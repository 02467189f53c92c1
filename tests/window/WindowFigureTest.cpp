// The figure page: every set-up has its figure, and the paint box shows the one its hint names,
// fitted to the box.
#include "WindowTestSupport.h"
#include "resources/pictures/TPicHolder.h"
#include "window/ThreadTables.h"

#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QTest>

using kthread::FigureName;
using kthread::TPicHolder;
using kthread::testing::WindowUnderTest;

namespace {

constexpr int kFigureSize = 600;

const TPicHolder* Holder(WindowUnderTest& w) {
    return w.window().findChild<TPicHolder*>(QStringLiteral("PicHolder1"));
}

QWidget* Figure(WindowUnderTest& w) {
    return w.window().findChild<QWidget*>(QStringLiteral("pbImage"));
}

// What the box shows at the given size, drawn now.
QImage Shown(QWidget* box, QSize size) {
    box->resize(size);
    return box->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool AllWhite(const QImage& image, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                return false;
            }
        }
    }
    return true;
}

QImage Scaled(const TPicHolder* holder, const char* name, int width, int height) {
    return holder->Find(name)
        ->Graphic()
        .scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace

class WindowFigureTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { kthread::testing::PrepareApplication(); }

    void everyNamedSetUpHasItsFigure() {
        WindowUnderTest w;
        const TPicHolder* holder = Holder(w);
        QVERIFY(holder != nullptr);
        int named = 0;
        for (int type = 0; type < kthread::kThreadTypeCount; ++type) {
            for (int method = 0; method < 3; ++method) {
                const std::string name = FigureName(type, method);
                if (name.empty()) {
                    continue;
                }
                ++named;
                const kthread::TPicItem* picture = holder->Find(QByteArrayView(name));
                QVERIFY2(picture != nullptr, name.c_str());
                QVERIFY2(picture->HasGraphic(), name.c_str());
                QCOMPARE(picture->Graphic().size(), QSize(kFigureSize, kFigureSize));
            }
        }
        QCOMPARE(named, 8);
        QCOMPARE(holder->Pictures().size(), std::size_t{8});
    }

    void designedBoxShowsTheFigure359Square39Down() {
        WindowUnderTest w;
        QWidget* box = Figure(w);
        QCOMPARE(box->toolTip(), QStringLiteral("ExtCyl_3w"));
        const QImage shown = Shown(box, QSize(359, 438));
        QCOMPARE(shown.size(), QSize(359, 438));
        QVERIFY(AllWhite(shown, QRect(0, 0, 359, 39)));
        QVERIFY(AllWhite(shown, QRect(0, 398, 359, 40)));
        QCOMPARE(shown.copy(0, 39, 359, 359), Scaled(Holder(w), "ExtCyl_3w", 359, 359));
    }

    void wideBoxFitsTheHeightAndCentres() {
        WindowUnderTest w;
        const QImage shown = Shown(Figure(w), QSize(700, 400));
        QVERIFY(AllWhite(shown, QRect(0, 0, 150, 400)));
        QVERIFY(AllWhite(shown, QRect(550, 0, 150, 400)));
        QCOMPARE(shown.copy(150, 0, 400, 400), Scaled(Holder(w), "ExtCyl_3w", 400, 400));
    }

    void largeBoxShowsTheFigureUnscaledInTheMiddle() {
        WindowUnderTest w;
        const QImage shown = Shown(Figure(w), QSize(801, 700));
        QVERIFY(AllWhite(shown, QRect(0, 0, 801, 50)));
        QVERIFY(AllWhite(shown, QRect(0, 0, 100, 700)));
        QCOMPARE(shown.copy(100, 50, 600, 600),
                 Holder(w)->Find("ExtCyl_3w")->Graphic().convertToFormat(QImage::Format_RGB32));
    }

    void figureFollowsTheChosenSetUp() {
        WindowUnderTest w;
        w.choose("cbType", 2);
        w.choose("cbIzm", 1);
        QWidget* box = Figure(w);
        QCOMPARE(box->toolTip(), QStringLiteral("ExtTap_3w"));
        const QImage shown = Shown(box, QSize(359, 438));
        QCOMPARE(shown.copy(0, 39, 359, 359), Scaled(Holder(w), "ExtTap_3w", 359, 359));
        QVERIFY(shown.copy(0, 39, 359, 359) != Scaled(Holder(w), "ExtTap_2w", 359, 359));
    }

    void nameWithoutMethodGivesAWhiteBox() {
        WindowUnderTest w;
        QWidget* box = Figure(w);
        box->setToolTip(QStringLiteral("IntCyl_"));
        QVERIFY(AllWhite(Shown(box, QSize(359, 438)), QRect(0, 0, 359, 438)));
    }
};

QTEST_MAIN(WindowFigureTest)
#include "WindowFigureTest.moc"
