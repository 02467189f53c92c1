// The first start of a fresh installation: the starter settings file and the shipped language
// files, nothing remembered yet. The window comes up complete, in English: every caption has its
// text, every selector its items, the catalogues their probes and the help page its manual.
#include "WindowTestSupport.h"
#include "lang/LanguageTable.h"
#include "storage/ProgramPaths.h"
#include "storage/catalog/ProbeCatalogModel.h"
#include "window/ElidingComboBox.h"
#include "window/TPaintBox.h"
#include "window/TUPopupMenuExtItem.h"
#include "window/catalog/CatalogPage.h"

#include <QFile>
#include <QMenu>
#include <QTest>
#include <QTextBrowser>

#ifndef KTHREAD_LANGUAGES_FOLDER
#error "KTHREAD_LANGUAGES_FOLDER must name the shipped Languages folder"
#endif
#ifndef KTHREAD_STARTER_SETTINGS
#error "KTHREAD_STARTER_SETTINGS must name the starter settings file"
#endif

using kthread::testing::WindowUnderTest;

namespace {

QString StarterSettings() {
    QFile file(QStringLiteral(KTHREAD_STARTER_SETTINGS));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class WindowFirstStartTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        kthread::testing::PrepareApplication();
        kthread::OverrideLanguagesFolder(QStringLiteral(KTHREAD_LANGUAGES_FOLDER));
        QVERIFY(!StarterSettings().isEmpty());
    }
    void cleanupTestCase() {
        kthread::OverrideLanguagesFolder({});
        QVERIFY(kthread::LoadBuiltInLanguage());
    }

    void freshInstallationShowsACompleteEnglishWindow() {
        WindowUnderTest w(StarterSettings());
        QCOMPARE(kthread::CurrentLanguage, 0);
        const auto* menu = w.window().findChild<QMenu*>(QStringLiteral("UPopupMenuExt1"));
        QVERIFY(menu->actions().size() >= 14);
        QCOMPARE(qobject_cast<kthread::TUPopupMenuExtItem*>(menu->actions().first())->caption(),
                 QStringLiteral("English (United Kingdom)"));
        // The choice is remembered at once.
        QVERIFY(w.settingsText().contains(QStringLiteral("english_uk.lng")));

        for (const char* caption :
             {"Label1", "Label3", "Label11", "lHod", "Label4", "Label16", "lODN", "lDN", "Label12",
              "ULabel1", "Label2", "Label5", "lRes4", "lVidIzm", "lRes3", "ULabel5", "ULabel6"}) {
            QVERIFY2(!w.text(caption).trimmed().isEmpty(), caption);
        }
        QCOMPARE(w.text("ULabel1"), kthread::LangText(39));
        for (const char* name : {"cbType", "cbIzm", "cbMaterial", "cbThrMaterial", "cbVidVav"}) {
            QComboBox* selector = w.combo(name);
            QVERIFY2(selector->count() > 0, name);
            QVERIFY2(selector->currentIndex() >= 0, name);
            for (int i = 0; i < selector->count(); ++i) {
                QVERIFY2(!selector->itemText(i).trimmed().isEmpty(),
                         qPrintable(QStringLiteral("%1 item %2").arg(QLatin1String(name)).arg(i)));
            }
        }
        QCOMPARE(w.combo("cbType")->count(), 4);
        QCOMPARE(w.combo("cbThrMaterial")->count(), 23);
        QCOMPARE(w.combo("cbThrMaterial")->currentText(), kthread::LangText(74));
        for (int page = 0; page < 4; ++page) {
            const auto* tab =
                w.window().findChild<kthread::TPaintBox*>(QStringLiteral("pbCtrl_%1").arg(page));
            QVERIFY(!tab->toolTip().isEmpty());
        }
        for (const char* button : {"btnCalc", "btnCopy", "btnLang", "btnExit", "btnInfo"}) {
            QVERIFY2(!w.button(button)->toolTip().isEmpty(), button);
        }

        // Both catalogues hold the starter probes; the catalogue page shows the wires.
        QTest::mouseClick(w.window().findChild<kthread::TPaintBox*>(QStringLiteral("pbCtrl_1")),
                          Qt::LeftButton);
        const auto* page = w.window().findChild<kthread::CatalogPage*>(QStringLiteral("pgCatalog"));
        QVERIFY(page->boundModel() != nullptr);
        QVERIFY(page->boundModel()->count() > 0);
        for (const char* name : {"mdDiamOut", "mdDiamIn"}) {
            const auto* catalogue =
                w.window().findChild<kthread::ProbeCatalogModel*>(QLatin1String(name));
            QVERIFY2(catalogue->count() > 0, name);
        }

        // The manual is on the help page.
        const auto* help = w.window().findChild<QTextBrowser*>(QStringLiteral("redHlep"));
        QTRY_VERIFY(help->toPlainText().size() > 10000);
    }

    void everyShippedLanguageFillsEveryCaptionAndItem() {
        WindowUnderTest w(StarterSettings());
        const auto* menu = w.window().findChild<QMenu*>(QStringLiteral("UPopupMenuExt1"));
        for (QAction* action : menu->actions()) {
            action->trigger();
            QCoreApplication::processEvents();
            const QString language = action->text();
            // At the window's first size, the closed selectors show every thread type, method and
            // probe material whole (only long thread-material names may be cut), and no caption
            // needs more than two lines.
            for (const auto& [name, texts] :
                 {std::pair{"cbType", std::vector<int>{1, 2, 40, 41}},
                  {"cbIzm", std::vector<int>{34, 35, 38, 21, 22, 42, 45}},
                  {"cbMaterial", std::vector<int>{74, 19}}}) {
                auto* selector = static_cast<kthread::ElidingComboBox*>(w.combo(name));
                for (const int text : texts) {
                    QVERIFY2(selector->widthForText(kthread::LangText(text)) <= selector->width(),
                             qPrintable(language + QLatin1Char(' ') + kthread::LangText(text)));
                }
            }
            auto* given = static_cast<kthread::ElidingComboBox*>(w.combo("cbVidVav"));
            QVERIFY2(given->widthForItems() <= given->width(), qPrintable(language));
            for (const char* name :
                 {"Label1", "Label3", "Label11", "lHod", "Label4", "Label16", "lODN", "lDN",
                  "Label12", "ULabel1", "Label2", "Label5", "lRes4", "lVidIzm", "lRes3"}) {
                QLabel* caption = w.label(name);
                const int lines = caption->heightForWidth(caption->width()) /
                                  caption->fontMetrics().lineSpacing();
                QVERIFY2(lines <= 2, qPrintable(language + QLatin1Char(' ') + caption->text()));
            }
            for (const char* caption : {"Label1", "Label12", "ULabel1", "Label2", "lRes3"}) {
                QVERIFY2(!w.text(caption).trimmed().isEmpty(),
                         qPrintable(language + QLatin1Char(' ') + QLatin1String(caption)));
            }
            for (const char* name : {"cbType", "cbIzm", "cbMaterial", "cbThrMaterial"}) {
                QComboBox* selector = w.combo(name);
                for (int i = 0; i < selector->count(); ++i) {
                    QVERIFY2(!selector->itemText(i).trimmed().isEmpty(),
                             qPrintable(language + QLatin1Char(' ') + QLatin1String(name)));
                }
            }
        }
    }
};

QTEST_MAIN(WindowFirstStartTest)
#include "WindowFirstStartTest.moc"
