// Start-up: the language table is filled before any window exists, then the main window runs.
#include "lang/LanguageTable.h"
#include "window/TfrmRuZede.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The same names as the per-user store, so that every per-user location of the program
    // (store and configuration folder) lies under one organisation and application.
    QCoreApplication::setOrganizationName(QStringLiteral("Brellmont"));
    QCoreApplication::setApplicationName(QStringLiteral("VuvozeVI"));

    // Without the built-in table every text is empty; the window still works.
    kthread::LoadBuiltInLanguage();

    kthread::TfrmRuZede window;
    window.show();
    return QApplication::exec();
}
