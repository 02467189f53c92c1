// Start-up: the language table is filled, the decoder of the packed resources made ready and the
// settings file's place decided before any window exists; then the main window runs until it is
// closed or the session ends the program.
#include "app/TerminationSignals.h"
#include "lang/LanguageTable.h"
#include "resources/lzh/TLZH.h"
#include "storage/ProgramPaths.h"
#include "window/ProductInfo.h"
#include "window/TfrmRuZede.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The same names as the per-user store, so that every per-user location of the program
    // (store and configuration folder) lies under one organisation and application.
    QCoreApplication::setOrganizationName(QLatin1String(kthread::product::kMakerName));
    QCoreApplication::setApplicationName(QStringLiteral("VuvozeVI"));
    QGuiApplication::setDesktopFileName(QStringLiteral(KTHREAD_APP_ID));
    // The installed icon, found in the icon theme; a build tree has none and keeps the default.
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(KTHREAD_APP_ID)));

    // Without the built-in table every text is empty; the window still works.
    kthread::LoadBuiltInLanguage();

    // The one decoder of the process. It lets the event loop run once per 32 KB block, so the
    // window stays responsive while a banner unpacks; the banner timer never nests loads.
    kthread::Lzh().SetBlockHook([] { QCoreApplication::processEvents(); });

    // Decided once: the window reads and writes this one file for the whole run.
    const kthread::SettingsFileChoice& settingsFile = kthread::DecideSettingsFile();

    // SIGTERM and SIGHUP quit through the event loop, so the close writes everything once.
    kthread::TerminationSignals terminationSignals;
    QObject::connect(&terminationSignals, &kthread::TerminationSignals::terminationRequested, &app,
                     &QCoreApplication::quit);

    QGuiApplication::setApplicationDisplayName(QLatin1String(kthread::product::kProductLine));
    kthread::TfrmRuZede window;
    window.show();
    if (!settingsFile.problem.isEmpty()) {
        // Said once, at start, while nothing has been lost yet.
        QTimer::singleShot(0, &window, [&window, &settingsFile] {
            QMessageBox::warning(
                &window, window.windowTitle(),
                QStringLiteral("Settings cannot be saved: %1.\n\nChanges to the probe catalogues "
                               "and the window placement will not be kept after this session.")
                    .arg(settingsFile.problem));
        });
    }
    return QApplication::exec();
}
