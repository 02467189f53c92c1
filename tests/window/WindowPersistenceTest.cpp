// What the window remembers between runs: the selections in the per-user store, the placement in
// the settings file, and that every way of closing writes them (and the catalogues) once.
//
// The tests run on an off-screen desktop of 1600 x 1000 pixels at (100, 40), so that centring and
// the work area's origin show in the numbers.
#include "WindowTestSupport.h"
#include "storage/IniFileTesting.h"
#include "storage/UserStore.h"
#include "window/catalog/CatalogPage.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <limits>
#include <optional>

using kthread::TfrmRuZede;
using kthread::UserStore;
using kthread::testing::SettingsFileIn;
using kthread::testing::UserStoreFolderIn;
using kthread::testing::WindowUnderTest;

namespace {

const QRect kWorkArea(100, 40, 1600, 1000);
// 800 x 551 centred in the work area.
const QPoint kCentred(100 + (1600 - 800) / 2, 40 + (1000 - 551) / 2);

using StoreValues = QMap<QString, int>;

void WriteStore(const QString& profile, const StoreValues& values) {
    UserStore::overrideLocation(UserStoreFolderIn(profile));
    auto store = UserStore::open(true);
    QVERIFY(store != nullptr);
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        QVERIFY(store->writeInt(it.key(), it.value()));
    }
    UserStore::overrideLocation({});
}

// The values the store holds, read straight from its file.
StoreValues ReadStore(const QString& profile) {
    QSettings file(UserStoreFolderIn(profile) + QStringLiteral("/Brellmont/VuvozeVI.ini"),
                   QSettings::IniFormat);
    file.beginGroup(QStringLiteral("Default"));
    StoreValues values;
    for (const QString& key : file.childKeys()) {
        values.insert(key, file.value(key).toInt());
    }
    return values;
}

void WriteSettings(const QString& profile, const QString& text) {
    QFile file(SettingsFileIn(profile));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
}

QString ReadSettings(const QString& profile) {
    QFile file(SettingsFileIn(profile));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The "SETTINGS" section's values as the window wrote them.
QMap<QString, int> Placement(const QString& profile) {
    QSettings file(SettingsFileIn(profile), QSettings::IniFormat);
    file.beginGroup(QStringLiteral("SETTINGS"));
    QMap<QString, int> values;
    for (const QString& key : file.childKeys()) {
        values.insert(key, file.value(key).toInt());
    }
    return values;
}

QMap<QString, int> PlacementOf(int state, const QRect& bounds) {
    return {{QStringLiteral("FormState"), state},
            {QStringLiteral("FormLeft"), bounds.left()},
            {QStringLiteral("FormTop"), bounds.top()},
            {QStringLiteral("FormWidth"), bounds.width()},
            {QStringLiteral("FormHeight"), bounds.height()}};
}

// Lets queued window-system events (geometry and state changes) arrive.
void Settle() {
    QCoreApplication::processEvents();
    QTest::qWait(20);
}

void LiftMinimum(TfrmRuZede& window) {
    window.setMinimumSize(0, 0);
}

} // namespace

class WindowPersistenceTest : public QObject {
    Q_OBJECT

public:
    enum class Maximise { Command, WindowManager, WindowManagerStateLate };
    Q_ENUM(Maximise)

private slots:
    void initTestCase() {
        kthread::testing::PrepareApplication();
        QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry(), kWorkArea);
    }
    void init() { QVERIFY(m_profile.emplace().isValid()); }
    void cleanup() { m_profile.reset(); }

    void firstRunIsCentredAndWritesEverything_data() {
        QTest::addColumn<bool>("minimumLifted");
        QTest::newRow("window may be as small as placed") << true;
        QTest::newRow("window keeps its design minimum") << false;
    }
    void firstRunIsCentredAndWritesEverything() {
        QFETCH(bool, minimumLifted);
        QRect shown;
        {
            WindowUnderTest w(profile(), minimumLifted ? LiftMinimum : nullptr);
            Settle();
            shown = w.window().geometry();
            QVERIFY(!w.window().isMaximized());
            QVERIFY(!w.window().isMinimized());
            // The design minimum (584 pixels high) wins over the default height.
            const int height = std::max(551, w.window().minimumHeight());
            QCOMPARE(shown, QRect(kCentred, QSize(800, height)));
        }
        QCOMPARE(Placement(profile()), PlacementOf(0, shown));
        const StoreValues expected{{QStringLiteral("Vid"), 1},  {QStringLiteral("Mat"), 0},
                                   {QStringLiteral("Izm"), 0},  {QStringLiteral("St"), 1},
                                   {QStringLiteral("Lang"), 0}, {QStringLiteral("mm_in"), 0}};
        QCOMPARE(ReadStore(profile()), expected);
    }

    void carriedLanguageSurvives_data() {
        QTest::addColumn<bool>("stored");
        QTest::addColumn<int>("value");
        QTest::newRow("absent becomes 0") << false << 0;
        QTest::newRow("positive") << true << 7;
        QTest::newRow("negative") << true << -3;
        QTest::newRow("largest") << true << std::numeric_limits<int>::max();
    }
    void carriedLanguageSurvives() {
        QFETCH(bool, stored);
        QFETCH(int, value);
        if (stored) {
            WriteStore(profile(), {{QStringLiteral("Lang"), value}, {QStringLiteral("Vid"), 2}});
        }
        {
            WindowUnderTest w(profile(), nullptr);
            w.choose("cbType", 0);
            w.click("btnMM");
        }
        const StoreValues written = ReadStore(profile());
        QCOMPARE(written.value(QStringLiteral("Lang"), -999), value);
        QCOMPARE(written.value(QStringLiteral("Vid")), 1);
        QCOMPARE(written.value(QStringLiteral("mm_in")), 1);
    }

    void storedSelectionsAreApplied_data() {
        QTest::addColumn<StoreValues>("stored");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("material");
        QTest::addColumn<bool>("inches");
        // Probe material and method follow the thread type; the given quantity is set at show.
        QTest::newRow("internal thread, inches")
            << StoreValues{{"Vid", 2}, {"Mat", 0}, {"Izm", 1}, {"St", 2}, {"mm_in", 1}} << 1 << 1
            << true;
        QTest::newRow("external taper, millimetres")
            << StoreValues{{"Vid", 3}, {"Mat", 1}, {"Izm", 1}, {"St", 0}, {"mm_in", 0}} << 2 << 0
            << false;
        QTest::newRow("any non-zero unit value means inches")
            << StoreValues{{"mm_in", 5}} << 0 << 0 << true;
        QTest::newRow("type above the list keeps the design type")
            << StoreValues{{"Vid", 5}, {"Mat", 1}} << 0 << 0 << false;
        QTest::newRow("type 0 keeps the design type") << StoreValues{{"Vid", 0}} << 0 << 0 << false;
        QTest::newRow("most negative type keeps the design type")
            << StoreValues{{"Vid", std::numeric_limits<int>::min()}} << 0 << 0 << false;
    }
    void storedSelectionsAreApplied() {
        QFETCH(StoreValues, stored);
        QFETCH(int, type);
        QFETCH(int, material);
        QFETCH(bool, inches);
        WriteStore(profile(), stored);
        WindowUnderTest w(profile(), nullptr);
        QCOMPARE(w.combo("cbType")->currentIndex(), type);
        QCOMPARE(w.combo("cbMaterial")->currentIndex(), material);
        QCOMPARE(w.combo("cbIzm")->currentIndex(), 0);
        QCOMPARE(w.combo("cbVidVav")->currentIndex(), 1);
        // The type's own configuration ran: the taper panel belongs to the external taper.
        QCOMPARE(w.window().findChild<QWidget*>(QStringLiteral("Panel5"))->isVisible(), type == 2);
        const QString unit = inches ? QStringLiteral("in.") : QStringLiteral("mm");
        for (const char* label : {"Label6", "Label9", "Label23", "Label27"}) {
            QCOMPARE(w.text(label), unit);
        }
        w.closeWindow();
        const StoreValues written = ReadStore(profile());
        QCOMPARE(written.value(QStringLiteral("Vid")), type + 1);
        QCOMPARE(written.value(QStringLiteral("Mat")), material);
        QCOMPARE(written.value(QStringLiteral("mm_in")), inches ? 1 : 0);
    }

    void inchesTypedAfterARestoredInchStartAreInches() {
        WriteStore(profile(), {{QStringLiteral("mm_in"), 1}});
        WindowUnderTest w(profile(), nullptr);
        w.typeWorkedExample(true);
        w.pressEnter("edIzmSt");
        w.click("btnMM");
        QCOMPARE(w.text("lSrDA2"), kthread::testing::Local("18.70062"));
    }

    void storedSizeWithoutPositionIsCentredForTheDefaultSize() {
        WriteSettings(profile(),
                      QStringLiteral("[SETTINGS]\r\nFormWidth=1000\r\nFormHeight=640\r\n"));
        WindowUnderTest w(profile(), nullptr);
        Settle();
        QCOMPARE(w.window().geometry(), QRect(kCentred, QSize(1000, 640)));
    }

    void storedPlacementComesBack() {
        const QRect stored(321, 123, 900, 650);
        WriteSettings(profile(),
                      QStringLiteral("[SETTINGS]\r\nFormState=0\r\nFormLeft=321\r\n"
                                     "FormTop=123\r\nFormWidth=900\r\nFormHeight=650\r\n"));
        WindowUnderTest w(profile(), nullptr);
        Settle();
        QCOMPARE(w.window().geometry(), stored);
        w.closeWindow();
        QCOMPARE(Placement(profile()), PlacementOf(0, stored));
    }

    void movesAndResizesAreTracked() {
        const QRect moved(150, 90, 1200, 700);
        {
            WindowUnderTest w(profile(), nullptr);
            Settle();
            w.window().setGeometry(moved);
            Settle();
        }
        QCOMPARE(Placement(profile()), PlacementOf(0, moved));
        WindowUnderTest again(profile(), nullptr);
        Settle();
        QCOMPARE(again.window().geometry(), moved);
    }

    void closingMaximisedKeepsTheNormalBounds_data() {
        QTest::addColumn<Maximise>("how");
        QTest::newRow("maximise command") << Maximise::Command;
        QTest::newRow("window manager maximises") << Maximise::WindowManager;
        QTest::newRow("window manager reports the state after the bounds")
            << Maximise::WindowManagerStateLate;
    }
    void closingMaximisedKeepsTheNormalBounds() {
        QFETCH(Maximise, how);
        const QRect normal(300, 200, 1000, 700);
        {
            WindowUnderTest w(profile(), nullptr);
            Settle();
            w.window().setGeometry(normal);
            Settle();
            QWindow* platformWindow = w.window().windowHandle();
            switch (how) {
            case Maximise::Command:
                w.window().btnMaximizeClick();
                break;
            case Maximise::WindowManagerStateLate:
                // The maximised bounds arrive on their own, the state in a later round: the work
                // area less the frame the platform draws (none for the borderless window).
                platformWindow->setGeometry(
                    kWorkArea.marginsRemoved(platformWindow->frameMargins()));
                Settle();
                [[fallthrough]];
            case Maximise::WindowManager:
                // Straight to the platform window, as a title-bar double click would.
                platformWindow->setWindowState(Qt::WindowMaximized);
                break;
            }
            Settle();
            QVERIFY(w.window().isMaximized());
            QVERIFY(kWorkArea.contains(w.window().geometry()));
            QVERIFY(w.window().geometry().width() > normal.width());
        }
        QCOMPARE(Placement(profile()), PlacementOf(2, normal));

        // The next start fills the work area; restoring returns to the bounds from before.
        WindowUnderTest again(profile(), nullptr);
        Settle();
        QVERIFY(again.window().isMaximized());
        QVERIFY(again.window().geometry().width() > normal.width());
        again.window().btnRestoreClick();
        Settle();
        QVERIFY(!again.window().isMaximized());
        QCOMPARE(again.window().geometry(), normal);
        again.closeWindow();
        QCOMPARE(Placement(profile()), PlacementOf(0, normal));
    }

    void windowManagerRestoreReturnsToTheNormalBounds() {
        const QRect normal(250, 150, 950, 680);
        WindowUnderTest w(profile(), nullptr);
        Settle();
        w.window().setGeometry(normal);
        Settle();
        w.window().btnMaximizeClick();
        Settle();
        w.window().windowHandle()->setWindowState(Qt::WindowNoState);
        Settle();
        QVERIFY(!w.window().isMaximized());
        QCOMPARE(w.window().geometry(), normal);
        // Tracking runs again once the window is normal.
        const QRect moved = normal.translated(40, 30);
        w.window().setGeometry(moved);
        Settle();
        w.closeWindow();
        QCOMPARE(Placement(profile()), PlacementOf(0, moved));
    }

    void storedMinimisedStartsMinimisedAndIsWrittenNormal() {
        const QRect stored(400, 300, 900, 600);
        WriteSettings(profile(),
                      QStringLiteral("[SETTINGS]\r\nFormState=1\r\nFormLeft=400\r\n"
                                     "FormTop=300\r\nFormWidth=900\r\nFormHeight=600\r\n"));
        WindowUnderTest w(profile(), nullptr);
        Settle();
        QVERIFY(w.window().isMinimized());
        w.closeWindow();
        QCOMPARE(Placement(profile()), PlacementOf(0, stored));
    }

    void minimisedWindowDoesNotRecordMoves() {
        const QRect normal(260, 170, 900, 640);
        WindowUnderTest w(profile(), nullptr);
        Settle();
        w.window().setGeometry(normal);
        Settle();
        w.window().btnMinimizeClick();
        Settle();
        QVERIFY(w.window().isMinimized());
        w.window().setGeometry(QRect(-32000, -32000, 160, 28));
        Settle();
        w.closeWindow();
        QCOMPARE(Placement(profile()), PlacementOf(0, normal));
    }

    void unwritableSettingsFileKeepsTheOldOne() {
        const QString before =
            QStringLiteral("[SETTINGS]\r\nFormState=0\r\nFormLeft=321\r\nFormTop=123\r\n");
        WriteSettings(profile(), before);
        WindowUnderTest w(profile(), nullptr);
        Settle();
        w.window().setGeometry(QRect(500, 400, 900, 600));
        Settle();
        // Every write fails at its last step, as on a full disk.
        kthread::SetIniBeforeCommitHook([](QSaveFile& file) { file.cancelWriting(); });
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("placement was not saved")));
        w.closeWindow();
        kthread::SetIniBeforeCommitHook({});
        QCOMPARE(ReadSettings(profile()), before);
        QVERIFY(w.messages().isEmpty());
        // The store is written all the same.
        QCOMPARE(ReadStore(profile()).value(QStringLiteral("Vid")), 1);
    }

    void unwritableStoreStillWritesTheSettingsFile() {
        // A file where the store's folder should be: the store cannot be opened.
        QFile blocker(UserStoreFolderIn(profile()));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        {
            WindowUnderTest w(profile(), nullptr);
            Settle();
            QVERIFY(w.messages().isEmpty());
        }
        QCOMPARE(Placement(profile()).size(), 5);
    }

    void deletedWireIsWrittenByAWindowManagerClose() {
        WriteSettings(profile(),
                      QStringLiteral("[DIAM_N]\r\nCOUNT=3\r\nD1=0.5\r\nD2=0.8\r\nD3=1\r\n"));
        WindowUnderTest w(profile(), nullptr);
        auto* page = w.window().findChild<kthread::CatalogPage*>();
        page->setCurrentRow(0);
        w.click("btnDel");
        QVERIFY(ReadSettings(profile()).contains(QStringLiteral("COUNT=3")));
        // The desktop's close button closes the platform window.
        w.window().windowHandle()->close();
        Settle();
        QVERIFY(!w.window().isVisible());
        QVERIFY(ReadSettings(profile()).contains(QStringLiteral("COUNT=2")));
        QCOMPARE(Placement(profile()).size(), 5);
    }

    void quitWithoutCloseWritesOnce() {
        WriteSettings(profile(), QStringLiteral("[DIAM_N]\r\nCOUNT=2\r\nD1=0.5\r\nD2=0.8\r\n"));
        WindowUnderTest w(profile(), nullptr);
        auto* page = w.window().findChild<kthread::CatalogPage*>();
        page->setCurrentRow(0);
        w.click("btnDel");
        // The event loop ends with the window still open, as when the session ends.
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
        QVERIFY(w.window().isVisible());
        const QString written = ReadSettings(profile());
        QVERIFY(written.contains(QStringLiteral("COUNT=1")));
        QVERIFY(written.contains(QStringLiteral("[SETTINGS]")));
        QCOMPARE(ReadStore(profile()).size(), 6);

        // A later close finds everything written and writes nothing more.
        WriteSettings(profile(), QStringLiteral("[SETTINGS]\r\nFormLeft=1\r\n"));
        w.closeWindow();
        QCOMPARE(ReadSettings(profile()), QStringLiteral("[SETTINGS]\r\nFormLeft=1\r\n"));
    }

private:
    QString profile() const { return m_profile->path(); }
    std::optional<QTemporaryDir> m_profile;
};

// The off-screen desktop gets a work area that is neither at the origin nor as wide as the
// default window.
int main(int argc, char* argv[]) {
    QTemporaryDir configDir;
    if (qEnvironmentVariable("QT_QPA_PLATFORM").startsWith(QLatin1String("offscreen"))) {
        QFile config(configDir.filePath(QStringLiteral("screens.json")));
        if (config.open(QIODevice::WriteOnly)) {
            config.write(R"({"screens": [{"name": "work", "x": 100, "y": 40, "width": 1600,
                           "height": 1000, "logicalDpi": 96}], "windowFrameMargins": true})");
            config.close();
            qputenv("QT_QPA_PLATFORM",
                    QByteArray("offscreen:configfile=") + config.fileName().toLocal8Bit());
        }
    }
    QApplication app(argc, argv);
    QTEST_SET_MAIN_SOURCE_PATH
    WindowPersistenceTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "WindowPersistenceTest.moc"
