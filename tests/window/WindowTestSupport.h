// A main window on a temporary settings file and per-user store, driven like a person would:
// typing into fields, choosing items with the keyboard, pressing Enter and tool buttons.
#pragma once

#include "window/TQFloatEdit.h"
#include "window/TfrmRuZede.h"

#include <QComboBox>
#include <QLabel>
#include <QStringList>
#include <QTemporaryDir>
#include <QToolButton>
#include <functional>
#include <memory>

namespace kthread::testing {

// Loads the built-in texts once and keeps per-user locations away from the real profile.
void PrepareApplication();

// A settings file section "DIAM_N" (wires) or "DIAM_S" (balls) with the given entries.
QString CatalogueSection(const QString& section, const QStringList& entries);

class WindowUnderTest {
public:
    // `settingsText` becomes the settings file before the window is created.
    explicit WindowUnderTest(const QString& settingsText = {});
    // A window whose settings file and per-user store live in `profileFolder`, which outlives
    // it, so that a second window can start from what the first one left. `beforeShow` runs
    // between creation and the first show.
    explicit WindowUnderTest(const QString& profileFolder,
                             const std::function<void(TfrmRuZede&)>& beforeShow);
    ~WindowUnderTest();

    // Closes the window as the window manager's close button does.
    void closeWindow();

    TfrmRuZede& window() { return *m_window; }
    const QStringList& messages() const { return m_messages; }
    QString settingsPath() const { return m_settingsPath; }
    QString settingsText() const;

    TQFloatEdit* edit(const char* name) const;
    QLabel* label(const char* name) const;
    QComboBox* combo(const char* name) const;
    QToolButton* button(const char* name) const;
    QString text(const char* name) const; // of a label or an edit

    // Replaces the field's text by typing (select all, then the keys), as a person would.
    void type(const char* editName, const QString& keys);
    void pressEnter(const char* editName);
    void click(const char* buttonName);
    // Picks an item with the arrow keys, so the selector's change handling runs.
    void choose(const char* comboName, int index);
    // Moves the focus on to another control, so the field's leaving rules run.
    void leave(const char* editName);

    // Types a thread designation into cbDesignation and takes it with Enter.
    void typeDesignation(const QString& text);

    // The pitch, probe and size of the worked example, typed in the current unit.
    void typeWorkedExample(bool inches);

private:
    void start(const QString& folder, const std::function<void(TfrmRuZede&)>& beforeShow);

    QTemporaryDir m_dir;
    QString m_settingsPath;
    std::unique_ptr<TfrmRuZede> m_window;
    QStringList m_messages;
};

// The settings file and the folder of the per-user store inside a profile folder.
QString SettingsFileIn(const QString& profileFolder);
QString UserStoreFolderIn(const QString& profileFolder);

// "3.00000" with the current locale's decimal separator.
QString Local(const char* text);

} // namespace kthread::testing
