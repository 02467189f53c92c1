// The language menu and the help page of the main window: which languages the menu offers, which
// one the window starts with, what a choice changes on the controls and in the settings file,
// and the help text that goes with each language.
#include "WindowTestSupport.h"
#include "lang/LanguageTable.h"
#include "storage/ProgramPaths.h"
#include "window/LanguageMenuStyle.h"
#include "window/TPaintBox.h"
#include "window/TUPopupMenuExtItem.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QTest>
#include <QTextBrowser>

using kthread::CurrentLanguage;
using kthread::LangText;
using kthread::TUPopupMenuExtItem;
using kthread::testing::WindowUnderTest;

namespace {

// Every text number the window uses, "<prefix> <number>", with the symbols the captions carry.
QByteArray LanguageFile(const QString& name, const QString& code, const QString& flag,
                        const QString& prefix) {
    QString text = QStringLiteral("[MAIN]\r\nflag=%1\r\nname=%2\r\ncode=%3\r\n\r\n[TEXT]\r\n")
                       .arg(flag, name, code);
    QList<int> numbers;
    for (int n = 1; n <= 45; ++n) {
        numbers << n;
    }
    for (int n = 51; n <= 74; ++n) {
        numbers << n;
    }
    for (const int n : numbers) {
        QString entry = QStringLiteral("%1 %2").arg(prefix).arg(n);
        if (n == 36) {
            entry = QStringLiteral("β");
        } else if (n == 37) {
            entry = QStringLiteral("γ");
        }
        text += QStringLiteral("%1=%2\r\n").arg(n, 4, 10, QLatin1Char('0')).arg(entry);
    }
    // Stored as the language files ship: UTF-16 LE with its mark.
    QByteArray bytes("\xFF\xFE", 2);
    bytes.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    return bytes;
}

QString Settings(const QStringList& languages, const QString& chosen = {}) {
    QString text = QStringLiteral("[LANGUAGES]\n");
    for (int i = 0; i < languages.size(); ++i) {
        text += QStringLiteral("%1=%2\n").arg(i).arg(languages[i]);
    }
    if (!chosen.isEmpty()) {
        text += QStringLiteral("[MAIN]\nLang=%1\n").arg(chosen);
    }
    return text;
}

QList<TUPopupMenuExtItem*> MenuItems(WindowUnderTest& w) {
    QList<TUPopupMenuExtItem*> items;
    const auto* menu = w.window().findChild<QMenu*>(QStringLiteral("UPopupMenuExt1"));
    for (QAction* action : menu->actions()) {
        if (auto* item = qobject_cast<TUPopupMenuExtItem*>(action)) {
            items << item;
        }
    }
    return items;
}

QTextBrowser* HelpPage(WindowUnderTest& w) {
    return w.window().findChild<QTextBrowser*>(QStringLiteral("redHlep"));
}

} // namespace

class WindowLanguageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { kthread::testing::PrepareApplication(); }

    void init() {
        QVERIFY(m_languages.isValid());
        QDir folder(m_languages.path());
        write(QStringLiteral("alpha.lng"),
              LanguageFile(QStringLiteral("Alpha"), QStringLiteral("AL"), QStringLiteral("DEU"),
                           QStringLiteral("A")));
        write(QStringLiteral("beta.lng"),
              LanguageFile(QStringLiteral("Beta & Co"), QStringLiteral("BE"), QStringLiteral("fra"),
                           QStringLiteral("B")));
        write(QStringLiteral("nomain.lng"), QByteArray("[TEXT]\r\n0001=x\r\n"));
        write(
            QStringLiteral("alpha.html"),
            QByteArray("<html><body><h1>Alpha manual</h1><p>Über <b>wires</b></p></body></html>"));
        write(QStringLiteral("beta.md"), QByteArray("# Beta manual\n\nSome *text*.\n"));
        write(QStringLiteral("gamma.rtf"), QByteArray(R"({\rtf1 Gamma \b manual\b0\par})"));
        kthread::OverrideLanguagesFolder(m_languages.path());
    }

    void cleanup() {
        kthread::OverrideLanguagesFolder({});
        // The language table is the process's; the next test starts from the built-in one.
        QVERIFY(kthread::LoadBuiltInLanguage());
        CurrentLanguage = 0;
    }

    void menuListsTheUsableEntriesWithTheirNamesHintsAndFlags() {
        WindowUnderTest w(Settings({QStringLiteral("alpha.lng ; alpha.html"),
                                    QStringLiteral("missing.lng;alpha.html"),
                                    QStringLiteral("nomain.lng"), QStringLiteral("beta.lng")}));
        const QList<TUPopupMenuExtItem*> items = MenuItems(w);
        QCOMPARE(items.size(), 2);
        QCOMPARE(items[0]->caption(), QStringLiteral("Alpha"));
        QCOMPARE(items[0]->toolTip(), QStringLiteral("AL"));
        QCOMPARE(items[0]->tag(), 0);
        // "&" is shown as it is, not taken as a shortcut mark.
        QCOMPARE(items[1]->caption(), QStringLiteral("Beta & Co"));
        QCOMPARE(items[1]->text(), QStringLiteral("Beta && Co"));
        QCOMPARE(items[1]->tag(), 1);
        for (TUPopupMenuExtItem* item : items) {
            const QImage flag = item->icon().pixmap(22, 22).toImage();
            // The flag's first row is transparent, its body (row 10) is drawn.
            QCOMPARE(qAlpha(flag.pixel(10, 1)), 0);
            QCOMPARE(qAlpha(flag.pixel(10, 10)), 255);
        }
        QToolButton* language = w.button("btnLang");
        QVERIFY(language->isEnabled());
        QCOMPARE(language->menu(), w.window().findChild<QMenu*>(QStringLiteral("UPopupMenuExt1")));
    }

    void startsWithTheStoredLanguage() {
        WindowUnderTest w(
            Settings({QStringLiteral("alpha.lng;alpha.html"), QStringLiteral("beta.lng;beta.md")},
                     path(QStringLiteral("BETA.lng"))));
        QCOMPARE(CurrentLanguage, 1);
        QCOMPARE(w.text("Label1"), QStringLiteral("B 5"));
    }

    void storedPathNotListedStartsWithTheFirstLanguageAndStoresIt() {
        WindowUnderTest w(Settings({QStringLiteral("beta.lng"), QStringLiteral("alpha.lng")},
                                   QStringLiteral("/moved/Languages/alpha.lng")));
        QCOMPARE(CurrentLanguage, 0);
        QCOMPARE(w.text("Label1"), QStringLiteral("B 5"));
        QVERIFY2(
            w.settingsText().contains(QStringLiteral("Lang=") + path(QStringLiteral("beta.lng"))),
            qPrintable(w.settingsText()));
    }

    void noUsableEntryKeepsTheBuiltInTexts() {
        WindowUnderTest w(Settings({QStringLiteral("missing.lng"), QStringLiteral("nomain.lng")}));
        QVERIFY(MenuItems(w).isEmpty());
        QCOMPARE(CurrentLanguage, 0);
        QCOMPARE(w.text("Label1"), QStringLiteral("Type of thread"));
        QVERIFY(HelpPage(w)->document()->isEmpty());
        QVERIFY(!w.settingsText().contains(QStringLiteral("Lang=")));
    }

    void choosingALanguageAppliesAndRemembersItAtOnce() {
        WindowUnderTest w(
            Settings({QStringLiteral("alpha.lng;alpha.html"), QStringLiteral("beta.lng;beta.md")}));
        QCOMPARE(w.text("Label1"), QStringLiteral("A 5"));
        MenuItems(w)[1]->trigger();
        QCOMPARE(CurrentLanguage, 1);
        QVERIFY(
            w.settingsText().contains(QStringLiteral("Lang=") + path(QStringLiteral("beta.lng"))));
        // Captions with their symbols, hints, tab captions, selector items.
        QCOMPARE(w.text("Label1"), QStringLiteral("B 5"));
        QCOMPARE(w.text("Label3"), QStringLiteral("B 4 (P)"));
        QCOMPARE(w.text("Label4"), QStringLiteral("B 23 (β)"));
        QCOMPARE(w.text("Label16"), QStringLiteral("B 23 (γ)"));
        QCOMPARE(w.text("lDN"), QStringLiteral("B 25 (dD)"));
        QCOMPARE(w.text("ULabel1"), QStringLiteral("B 39"));
        QCOMPARE(w.button("btnCalc")->toolTip(), QStringLiteral("B 9"));
        QCOMPARE(w.button("btnLang")->toolTip(), QStringLiteral("B 11"));
        QCOMPARE(tab(w, 0)->toolTip(), QStringLiteral("B 12"));
        QCOMPARE(tab(w, 2)->toolTip(), QStringLiteral("B 32"));
        QCOMPARE(w.combo("cbType")->itemText(3), QStringLiteral("B 41"));
        QCOMPARE(w.combo("cbMaterial")->itemText(0), QStringLiteral("B 74"));
        QCOMPARE(w.combo("cbThrMaterial")->count(), 23);
        QCOMPARE(w.combo("cbThrMaterial")->itemText(0), QStringLiteral("B 51"));
        QCOMPARE(w.combo("cbThrMaterial")->itemText(1), QStringLiteral("B 74"));
        QCOMPARE(w.combo("cbThrMaterial")->itemText(22), QStringLiteral("B 73"));
        QCOMPARE(w.combo("cbVidVav")->itemText(2), QStringLiteral("B 30 (d2)"));
        // The Language button shows the chosen language's flag.
        QCOMPARE(w.button("btnLang")->icon().pixmap(22, 22).toImage(),
                 MenuItems(w)[1]->icon().pixmap(22, 22).toImage());
    }

    void switchingKeepsEverySelectorsIndex_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("method");
        QTest::addColumn<int>("material");
        QTest::addColumn<int>("threadMaterial");
        QTest::addColumn<int>("given");
        QTest::newRow("external cylindrical, two wires inclined") << 0 << 2 << 0 << 22 << 2;
        QTest::newRow("internal cylindrical, inclined, steel balls") << 1 << 1 << 0 << 5 << 0;
        QTest::newRow("external taper, three wires") << 2 << 1 << 0 << 0 << 1;
    }
    void switchingKeepsEverySelectorsIndex() {
        QFETCH(int, type);
        QFETCH(int, method);
        QFETCH(int, material);
        QFETCH(int, threadMaterial);
        QFETCH(int, given);
        WindowUnderTest w(Settings({QStringLiteral("alpha.lng"), QStringLiteral("beta.lng")}));
        w.choose("cbType", type);
        w.choose("cbIzm", method);
        if (w.combo("cbMaterial")->isEnabled()) {
            w.choose("cbMaterial", material);
        }
        w.choose("cbThrMaterial", threadMaterial);
        w.choose("cbVidVav", given);

        MenuItems(w)[1]->trigger();
        QCOMPARE(w.combo("cbType")->currentIndex(), type);
        QCOMPARE(w.combo("cbIzm")->currentIndex(), method);
        QCOMPARE(w.combo("cbMaterial")->currentIndex(), material);
        QCOMPARE(w.combo("cbThrMaterial")->currentIndex(), threadMaterial);
        QCOMPARE(w.combo("cbVidVav")->currentIndex(), given);
        QCOMPARE(w.combo("cbIzm")->currentText(), w.combo("cbIzm")->itemText(method));
        QVERIFY(w.combo("cbIzm")->currentText().startsWith(QStringLiteral("B ")));
    }

    void internalTaperKeepsItsSingleMethodSelected() {
        WindowUnderTest w(Settings({QStringLiteral("alpha.lng"), QStringLiteral("beta.lng")}));
        w.choose("cbType", 3);
        MenuItems(w)[1]->trigger();
        QComboBox* method = w.combo("cbIzm");
        QCOMPARE(method->count(), 1);
        QCOMPARE(method->currentIndex(), 0);
        QCOMPARE(method->currentText(), QStringLiteral("B 45"));
        QVERIFY(!method->isEnabled());
    }

    void helpTextFollowsTheLanguageAlsoWhileShown() {
        WindowUnderTest w(Settings(
            {QStringLiteral("alpha.lng;alpha.html"), QStringLiteral("beta.lng;beta.md"),
             QStringLiteral("alpha.lng;gamma.rtf"), QStringLiteral("beta.lng;alpha.html")}));
        QTest::mouseClick(tab(w, 2), Qt::LeftButton);
        QTextBrowser* help = HelpPage(w);
        QVERIFY(help->isVisible());
        QVERIFY(help->isReadOnly());
        QVERIFY(help->toPlainText().contains(QStringLiteral("Alpha manual")));
        QVERIFY(help->toPlainText().contains(QStringLiteral("Über wires")));

        const QList<TUPopupMenuExtItem*> items = MenuItems(w);
        items[1]->trigger();
        QVERIFY(help->toPlainText().contains(QStringLiteral("Beta manual")));
        QVERIFY(!help->toPlainText().contains(QStringLiteral("Alpha")));
        items[2]->trigger();
        QCOMPARE(help->toPlainText().trimmed(), QStringLiteral("Gamma manual"));
        // Two languages may name the same help file.
        items[3]->trigger();
        QVERIFY(help->toPlainText().contains(QStringLiteral("Alpha manual")));
        QCOMPARE(w.text("Label1"), QStringLiteral("B 5"));
    }

    void missingOrUnreadableHelpLeavesThePageEmptyAndTheTextsApplied_data() {
        QTest::addColumn<QString>("entry");
        QTest::newRow("no help part") << QStringLiteral("beta.lng");
        QTest::newRow("help file missing") << QStringLiteral("beta.lng;nothere.html");
        QTest::newRow("help file is a folder") << QStringLiteral("beta.lng;folder.html");
    }
    void missingOrUnreadableHelpLeavesThePageEmptyAndTheTextsApplied() {
        QFETCH(QString, entry);
        QVERIFY(QDir(m_languages.path()).mkpath(QStringLiteral("folder.html")));
        WindowUnderTest w(Settings({QStringLiteral("alpha.lng;alpha.html"), entry}));
        // The start language's manual arrives once the first frame is painted.
        QTRY_VERIFY(!HelpPage(w)->document()->isEmpty());
        MenuItems(w)[1]->trigger();
        QVERIFY(HelpPage(w)->document()->isEmpty());
        QCOMPARE(w.text("Label1"), QStringLiteral("B 5"));
        QCOMPARE(CurrentLanguage, 1);
    }

    void menuItemsAreDrawnAsTheLanguageMenu() {
        // Height 21, width of the caption + 54; unselected white with the light-blue band,
        // selected blue with white text.
        const QFont font;
        const QFontMetrics metrics(font);
        const QString caption = QStringLiteral("Deutsch");
        const QSize size = kthread::LanguageItemSize(metrics, caption);
        QCOMPARE(size, QSize(metrics.horizontalAdvance(caption) + 54, 21));

        QImage image(size.width(), 21 * 2, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        painter.setFont(font);
        kthread::PaintLanguageItem(painter, QRect(0, 0, size.width(), 21), false, QIcon(), caption);
        kthread::PaintLanguageItem(painter, QRect(0, 21, size.width(), 21), true, QIcon(), caption);
        painter.end();
        QCOMPARE(QColor(image.pixel(10, 10)), QColor(166, 190, 237));
        QCOMPARE(QColor(image.pixel(size.width() - 3, 10)), QColor(Qt::white));
        QCOMPARE(QColor(image.pixel(10, 31)), QColor(108, 140, 198));
        QCOMPARE(QColor(image.pixel(0, 31)), QColor(40, 48, 89));
        // The caption is drawn: some pixels of the text area are not the fill colour.
        bool textDrawn = false;
        for (int x = 30; x < size.width() - 24 && !textDrawn; ++x) {
            for (int y = 24; y < 40 && !textDrawn; ++y) {
                const QColor pixel(image.pixel(x, y));
                textDrawn = pixel != QColor(108, 140, 198) && pixel != QColor(40, 48, 89);
            }
        }
        QVERIFY(textDrawn);
    }

private:
    void write(const QString& name, const QByteArray& bytes) {
        QFile file(QDir(m_languages.path()).filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QString path(const QString& name) const { return QDir(m_languages.path()).filePath(name); }
    static kthread::TPaintBox* tab(WindowUnderTest& w, int page) {
        return w.window().findChild<kthread::TPaintBox*>(QStringLiteral("pbCtrl_%1").arg(page));
    }

    QTemporaryDir m_languages;
};

QTEST_MAIN(WindowLanguageTest)
#include "WindowLanguageTest.moc"
