// The banner strip of the window: the pictures with their strips as the window is wide, the
// cycle through the six banners, where the next text starts after a resize, and the tip that
// follows the language. The tests drive the strip's timer by hand, one tick at a time.
#include "WindowTestSupport.h"
#include "lang/LanguageTable.h"
#include "resources/banners/BannerNames.h"
#include "resources/banners/BannerResource.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QTimer>

using kthread::testing::WindowUnderTest;
namespace banner = kthread::banner;

namespace {

constexpr int kBandTop = 34;
constexpr int kBandHeight = 16;
constexpr int kPictureTop = 30; // above it the pictures carry no text of the window
constexpr int kTickLimit = 20000;

QImage Resource(const QString& name) {
    QImage image;
    if (!kthread::UnpackResource(name, image)) {
        qFatal("no banner resource %s", qPrintable(name));
    }
    return image;
}

QImage Resource(const char* name) {
    return Resource(QLatin1String(name));
}

// The strip of a window, its timer stopped: the test ticks it.
class Strip {
public:
    explicit Strip(WindowUnderTest& w)
        : m_box(w.window().findChild<QWidget*>(QStringLiteral("pbBanner"))),
          m_timer(w.window().findChild<QTimer*>(QStringLiteral("Timer1"))) {
        if (m_box == nullptr || m_timer == nullptr) {
            qFatal("the window has no banner strip");
        }
        m_timer->stop();
    }

    bool running() const { return m_timer->isActive(); }
    int width() const { return m_box->width(); }
    QRect placeInWindow() const {
        return QRect(m_box->mapTo(m_box->window(), QPoint(0, 0)), m_box->size());
    }

    void tick() {
        QMetaObject::invokeMethod(m_timer, "timeout");
        // A new banner starts the timer again; the test keeps the pace.
        m_timer->stop();
    }

    void ticks(int count) {
        for (int i = 0; i < count; ++i) {
            tick();
        }
    }

    QImage shown(const QRect& area = {}) const {
        const QRect part = area.isNull() ? m_box->rect() : area;
        return m_box->grab(part).toImage().convertToFormat(QImage::Format_RGB32);
    }

    QImage band() const { return shown(QRect(0, kBandTop, width(), kBandHeight)); }

    // Ticks until the picture changes; the number of ticks, or 0 when it never does.
    int tickToNextBanner() {
        const QRect probe(width() / 2 - 8, 4, 16, 16);
        const QImage before = shown(probe);
        for (int count = 1; count <= kTickLimit; ++count) {
            tick();
            if (shown(probe) != before) {
                return count;
            }
        }
        return 0;
    }

private:
    QWidget* m_box;
    QTimer* m_timer;
};

// Makes the strip `width` pixels wide: the window is wider by its frame's sizing strips.
void Widen(WindowUnderTest& w, int width) {
    const auto* box = w.window().findChild<QWidget*>(QStringLiteral("pbBanner"));
    const int frame = box != nullptr ? w.window().width() - box->width() : 0;
    w.window().resize(width + frame, w.window().height());
    QApplication::processEvents();
}

// Is `shown` the picture `index` with the left strip `leftStrip` and the common right strip
// beside it?
bool ShowsBanner(const QImage& shown, int index, const char* leftStrip) {
    const QImage picture = Resource(QStringLiteral("B_%1").arg(index));
    const QImage left = Resource(leftStrip);
    const QImage right = Resource(banner::kRightStrip);
    const int width = shown.width();
    const int pictureX = picture.width() < width ? (width - picture.width()) / 2 : 0;
    for (int y = 0; y < kPictureTop; ++y) {
        for (int x = 0; x < width; ++x) {
            QRgb expected = 0;
            if (x >= pictureX && x < pictureX + picture.width()) {
                expected = picture.pixel(x - pictureX, y);
            } else {
                expected = (x < width / 2 ? left : right).pixel(0, y);
            }
            if (shown.pixel(x, y) != expected) {
                return false;
            }
        }
    }
    return true;
}

bool SameColumns(const QImage& a, const QImage& b, int from, int to) {
    for (int y = 0; y < a.height(); ++y) {
        for (int x = from; x < to; ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

class WindowBannerTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { kthread::testing::PrepareApplication(); }
    void cleanup() { QVERIFY(kthread::LoadBuiltInLanguage()); }

    void theFirstShowStartsBannerOne() {
        WindowUnderTest w;
        QTimer* timer = w.window().findChild<QTimer*>(QStringLiteral("Timer1"));
        QVERIFY(timer != nullptr);
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 20);
        Strip strip(w);
        QCOMPARE(strip.shown().height(), 60);
        // Along the bottom of the client area, across its whole width (inside the frame's
        // sizing strips).
        const auto* client = w.window().findChild<QWidget*>(QStringLiteral("pnlClientRect"));
        QVERIFY(client != nullptr);
        const QRect inside(client->mapTo(&w.window(), QPoint(0, 0)), client->size());
        QCOMPARE(strip.placeInWindow(),
                 QRect(inside.left(), inside.bottom() - 59, inside.width(), 60));
        QVERIFY(ShowsBanner(strip.shown(), 1, "B_L_1"));
    }

    void aWideStripStretchesTheStripsBesideTheCentredPicture() {
        WindowUnderTest w;
        Strip strip(w);
        Widen(w, 1101);
        QCOMPARE(strip.width(), 1101);
        QVERIFY(ShowsBanner(strip.shown(), 1, "B_L_1"));
    }

    void afterBannerSixComesBannerOneAndEachTakesItsLeftStrip() {
        WindowUnderTest w;
        Strip strip(w);
        Widen(w, 900);
        const std::pair<int, const char*> cycle[] = {{2, "B_L_1"}, {3, "B_L_1"}, {4, "B_L_1"},
                                                     {5, "B_L"},   {6, "B_L"},   {1, "B_L_1"}};
        for (const auto& [expected, leftStrip] : cycle) {
            QVERIFY2(strip.tickToNextBanner() > strip.width(), "a text left the strip early");
            QVERIFY2(ShowsBanner(strip.shown(), expected, leftStrip),
                     qPrintable(QString::number(expected)));
        }
    }

    void aWiderWindowStartsTheNextTextAtItsNewRightEdge() {
        WindowUnderTest w;
        Strip strip(w);
        strip.ticks(50);
        const int narrow = strip.width();
        Widen(w, narrow + 300);
        const int wide = strip.width();
        QCOMPARE(wide, narrow + 300);
        QVERIFY(strip.tickToNextBanner() > 0);
        const QImage empty = strip.band();
        strip.ticks(30);
        const QImage entering = strip.band();
        // The text has come 30 pixels in from the new edge; the rest of the band is bare.
        QVERIFY(SameColumns(empty, entering, 0, wide - 33));
        QVERIFY(!SameColumns(empty, entering, wide - 30, wide));
    }

    void aLanguageChangeReplacesTheTipWhereItStands() {
        const QString german = QStringLiteral(KTHREAD_LANGUAGES_FOLDER "/german.lng");
        WindowUnderTest english;
        Strip englishStrip(english);
        englishStrip.ticks(400);
        const QImage inEnglish = englishStrip.band();

        QVERIFY(kthread::LoadLanguageFile(german));
        english.window().ApplyLanguage();
        const QImage changed = englishStrip.band();
        QVERIFY(changed != inEnglish);

        // The same tick of a window that started in German shows the same.
        WindowUnderTest inGerman;
        Strip germanStrip(inGerman);
        QCOMPARE(germanStrip.width(), englishStrip.width());
        germanStrip.ticks(400);
        QCOMPARE(germanStrip.band(), changed);
    }

    void theTipsOfEveryBannerShowInTheChosenLanguage() {
        QVERIFY(kthread::LoadLanguageFile(QStringLiteral(KTHREAD_LANGUAGES_FOLDER "/russian.lng")));
        WindowUnderTest w;
        Strip strip(w);
        for (int banner = 1; banner <= 6; ++banner) {
            // Each tip is a sentence: on the strip, at its start, it covers the band's left part.
            const QImage bare = strip.band();
            strip.ticks(strip.width());
            QVERIFY2(!SameColumns(bare, strip.band(), 0, 200), qPrintable(QString::number(banner)));
            QVERIFY(strip.tickToNextBanner() > 0);
        }
    }
};

QTEST_MAIN(WindowBannerTest)
#include "WindowBannerTest.moc"
