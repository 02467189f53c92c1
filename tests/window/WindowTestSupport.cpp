#include "WindowTestSupport.h"

#include "lang/LanguageTable.h"
#include "storage/ProgramPaths.h"
#include "storage/UserStore.h"
#include "window/NumberTexts.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTest>

namespace kthread::testing {

void PrepareApplication() {
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(LoadBuiltInLanguage());
}

QString CatalogueSection(const QString& section, const QStringList& entries) {
    QString text = QStringLiteral("[%1]\nCOUNT=%2\n").arg(section).arg(entries.size());
    for (int i = 0; i < entries.size(); ++i) {
        text += QStringLiteral("D%1=%2\n").arg(i + 1).arg(entries[i]);
    }
    return text;
}

QString Local(const char* text) {
    return QString::fromLatin1(text).replace(QLatin1Char('.'), LocaleDecimalPoint());
}

QString SettingsFileIn(const QString& profileFolder) {
    return QDir(profileFolder).filePath(QStringLiteral("kthread.ini"));
}

QString UserStoreFolderIn(const QString& profileFolder) {
    return QDir(profileFolder).filePath(QStringLiteral("store"));
}

WindowUnderTest::WindowUnderTest(const QString& settingsText) {
    if (!settingsText.isEmpty()) {
        QFile file(SettingsFileIn(m_dir.path()));
        if (file.open(QIODevice::WriteOnly)) {
            file.write(settingsText.toUtf8());
        }
    }
    start(m_dir.path(), {});
}

WindowUnderTest::WindowUnderTest(const QString& profileFolder,
                                 const std::function<void(TfrmRuZede&)>& beforeShow) {
    start(profileFolder, beforeShow);
}

void WindowUnderTest::start(const QString& folder,
                            const std::function<void(TfrmRuZede&)>& beforeShow) {
    m_settingsPath = SettingsFileIn(folder);
    OverrideSettingsFilePath(m_settingsPath);
    UserStore::overrideLocation(UserStoreFolderIn(folder));
    m_window = std::make_unique<TfrmRuZede>();
    m_window->setMessageHook([this](const QString& text) { m_messages << text; });
    if (beforeShow) {
        beforeShow(*m_window);
    }
    m_window->show();
    m_window->activateWindow();
    if (!QTest::qWaitForWindowActive(m_window.get())) {
        qWarning("the window did not become active");
    }
}

WindowUnderTest::~WindowUnderTest() {
    closeWindow();
    m_window.reset();
    OverrideSettingsFilePath({});
    UserStore::overrideLocation({});
}

void WindowUnderTest::closeWindow() {
    if (m_window && m_window->isVisible()) {
        m_window->close();
    }
}

QString WindowUnderTest::settingsText() const {
    QFile file(m_settingsPath);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

TQFloatEdit* WindowUnderTest::edit(const char* name) const {
    auto* found = m_window->findChild<TQFloatEdit*>(QLatin1String(name));
    if (found == nullptr) {
        qFatal("no numeric field %s", name);
    }
    return found;
}

QLabel* WindowUnderTest::label(const char* name) const {
    auto* found = m_window->findChild<QLabel*>(QLatin1String(name));
    if (found == nullptr) {
        qFatal("no label %s", name);
    }
    return found;
}

QComboBox* WindowUnderTest::combo(const char* name) const {
    auto* found = m_window->findChild<QComboBox*>(QLatin1String(name));
    if (found == nullptr) {
        qFatal("no selector %s", name);
    }
    return found;
}

QToolButton* WindowUnderTest::button(const char* name) const {
    auto* found = m_window->findChild<QToolButton*>(QLatin1String(name));
    if (found == nullptr) {
        qFatal("no button %s", name);
    }
    return found;
}

QString WindowUnderTest::text(const char* name) const {
    if (auto* field = m_window->findChild<QLineEdit*>(QLatin1String(name))) {
        return field->text();
    }
    return label(name)->text();
}

void WindowUnderTest::type(const char* editName, const QString& keys) {
    TQFloatEdit* field = edit(editName);
    field->setFocus(Qt::TabFocusReason);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    if (keys.isEmpty()) {
        QTest::keyClick(field, Qt::Key_Backspace);
    } else {
        QTest::keyClicks(field, keys);
    }
}

void WindowUnderTest::pressEnter(const char* editName) {
    TQFloatEdit* field = edit(editName);
    field->setFocus(Qt::TabFocusReason);
    QTest::keyClick(field, Qt::Key_Return);
}

void WindowUnderTest::click(const char* buttonName) {
    QTest::mouseClick(button(buttonName), Qt::LeftButton);
}

void WindowUnderTest::choose(const char* comboName, int index) {
    QComboBox* selector = combo(comboName);
    // Stand on a neighbour without running anything, then step onto the item.
    const bool fromBelow = index > 0;
    selector->setCurrentIndex(fromBelow ? index - 1 : index + 1);
    selector->setFocus(Qt::TabFocusReason);
    QTest::keyClick(selector, fromBelow ? Qt::Key_Down : Qt::Key_Up);
}

void WindowUnderTest::leave(const char* editName) {
    TQFloatEdit* field = edit(editName);
    field->setFocus(Qt::TabFocusReason);
    QWidget* other = field == edit("edIzmN") ? edit("edIzmSt") : edit("edIzmN");
    other->setFocus(Qt::TabFocusReason);
}

void WindowUnderTest::typeDesignation(const QString& text) {
    auto* field = m_window->findChild<QLineEdit*>(QStringLiteral("cbDesignation"));
    if (field == nullptr) {
        qFatal("no designation field");
    }
    field->setFocus(Qt::TabFocusReason);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

void WindowUnderTest::typeWorkedExample(bool inches) {
    if (inches) {
        type("edStapka", Local("0.0590551181102362"));
        type("edDiam", Local("0.0340944881889764"));
        type("edIzmSt", Local("0.78740157480315"));
    } else {
        type("edStapka", Local("1.5"));
        type("edDiam", Local("0.866"));
        type("edIzmSt", Local("20"));
    }
}

} // namespace kthread::testing
