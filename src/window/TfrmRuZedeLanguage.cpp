// The language menu of btnLang and the help page: the languages the settings file lists, each
// with its flag, the choice of one (loaded, applied, remembered in the settings file at once)
// and the help text that goes with it.
#include "window/TfrmRuZede.h"

#include "lang/LanguageTable.h"
#include "storage/IniFile.h"
#include "storage/ProgramPaths.h"
#include "window/FlagGuard.h"
#include "window/FlagImage.h"
#include "window/HelpDocument.h"
#include "window/LanguageList.h"
#include "window/SettingsKeys.h"
#include "window/TUPopupMenuExtItem.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QTextBrowser>
#include <QToolButton>

namespace kthread {

namespace {

// Room between the help text and the page's frame.
constexpr int kHelpMargin = 8;

} // namespace

void TfrmRuZede::BuildLanguageMenu() {
    FLangFiles.clear();
    FHelpFiles.clear();
    ImageList1.clear();
    ui.UPopupMenuExt1->clear();

    const QString settingsPath = SettingsFilePath();
    if (!QFileInfo::exists(settingsPath)) {
        CurrentLanguage = 0;
        ApplyLanguage();
        return;
    }
    const IniFile settings(settingsPath);
    const std::vector<LanguageChoice> languages = ReadLanguageList(settings, LanguagesFolder());
    for (const LanguageChoice& language : languages) {
        auto* item = new TUPopupMenuExtItem(language.name, ui.UPopupMenuExt1);
        item->setToolTip(language.code);
        item->setImageIndex(MakeFlagImage(language.flag));
        item->setIcon(QIcon(ImageList1.at(item->imageIndex())));
        item->setTag(static_cast<int>(FLangFiles.size()));
        FLangFiles.append(language.path);
        FHelpFiles.append(language.helpFile);
        connect(item, &QAction::triggered, this, [this, item] { LangItemClick(item); });
        ui.UPopupMenuExt1->addAction(item);
    }

    const QString stored =
        settings.readString(settings::kChosenLanguageSection, settings::kChosenLanguageKey);
    if (const std::optional<int> start = StartLanguageIndex(languages, stored)) {
        const FlagGuard choosing(FChoosingStartLanguage);
        for (QAction* action : ui.UPopupMenuExt1->actions()) {
            auto* item = qobject_cast<TUPopupMenuExtItem*>(action);
            if (item != nullptr && item->tag() == *start) {
                LangItemClick(item);
                return;
            }
        }
    }
    CurrentLanguage = 0;
    ApplyLanguage();
}

void TfrmRuZede::LangItemClick(TUPopupMenuExtItem* item) {
    const int index = item->tag();
    if (index < 0 || index >= FLangFiles.size()) {
        return;
    }
    if (item->imageIndex() >= 0 && item->imageIndex() < ImageList1.size()) {
        ui.btnLang->setIcon(QIcon(ImageList1.at(item->imageIndex())));
    }
    const QString path = FLangFiles.at(index);
    if (!LoadLanguageFile(path)) {
        // The table is empty now, as the file left it; every caption shows that.
        qWarning("The language file %s could not be read", qPrintable(path));
    }
    CurrentLanguage = index;
    ApplyLanguage();

    IniFile settings(SettingsFilePath());
    // The start language is usually the stored one: nothing to write then.
    if (settings.readString(settings::kChosenLanguageSection, settings::kChosenLanguageKey) ==
        path) {
        return;
    }
    if (!settings.writeString(settings::kChosenLanguageSection, settings::kChosenLanguageKey,
                              path)) {
        // At start the window has already said that settings cannot be saved.
        if (FChoosingStartLanguage) {
            qWarning("%s", qPrintable(settings.errorString()));
        } else {
            ShowErrorMessage(settings.errorString());
        }
    }
}

int TfrmRuZede::MakeFlagImage(const QString& flag) {
    ImageList1.append(MakeFlagSquare(flag, devicePixelRatioF()));
    return static_cast<int>(ImageList1.size()) - 1;
}

// The help file of the current language, read afresh at every language change. Without one,
// or when it cannot be read, the page stays empty; the reason shows greyed on the empty page.
void TfrmRuZede::LoadHelpText() {
    // Reading a manual takes longer than building the rest of the window: before the first frame
    // is on the screen it waits until then (see paintEvent); afterwards it happens at once.
    if (!FFirstFramePainted) {
        FHelpLoadPending = true;
        return;
    }
    FHelpLoadPending = false;
    QTextDocument* document = ui.redHlep->document();
    const QString folder = LanguagesFolder();
    ui.redHlep->setSearchPaths({folder});
    ui.redHlep->setPlaceholderText({});
    const QString helpFile = CurrentLanguage >= 0 && CurrentLanguage < FHelpFiles.size()
                                 ? FHelpFiles.at(CurrentLanguage)
                                 : QString();
    if (helpFile.isEmpty()) {
        document->clear();
        return;
    }
    QString error;
    if (!LoadHelpFile(*document, QDir(folder).filePath(helpFile), &error)) {
        ui.redHlep->setPlaceholderText(error);
    }
    document->setDocumentMargin(kHelpMargin);
    ui.redHlep->moveCursor(QTextCursor::Start);
}

} // namespace kthread
