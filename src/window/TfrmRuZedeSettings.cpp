// The selections remembered in the per-user store, and what a close of the window writes: the
// store, the placement and the input uncertainties in the settings file, then the catalogues.
#include "window/TfrmRuZede.h"

#include "storage/IniFile.h"
#include "storage/ProgramPaths.h"
#include "storage/UserStore.h"
#include "window/CompanionProgram.h"

#include <QComboBox>
#include <QDebug>

namespace kthread {

using settings::StoreValue;

namespace {

// Applies a stored index only when the selector has that item; otherwise the selector keeps what
// it shows.
void ApplyIndex(QComboBox* selector, std::int64_t index) {
    if (index >= 0 && index < selector->count()) {
        selector->setCurrentIndex(static_cast<int>(index));
    }
}

} // namespace

void TfrmRuZede::RestoreSelections() {
    const std::unique_ptr<UserStore> store = UserStore::open(false);
    if (!store) {
        return;
    }
    for (const StoreValue value : settings::kStoreValueOrder) {
        // A missing value, or one that is no whole number, leaves its control alone.
        if (const std::optional<std::int32_t> stored =
                store->readInt(settings::StoreValueName(value))) {
            ApplyStoredValue(value, *stored);
        }
    }
}

void TfrmRuZede::ApplyStoredValue(StoreValue value, std::int32_t stored) {
    // The selectors are set without running their handlers; the thread-type handling runs once
    // after all values are read.
    switch (value) {
    case StoreValue::ThreadType:
        ApplyIndex(ui.cbType, std::int64_t{stored} - 1);
        break;
    case StoreValue::ProbeMaterial:
        ApplyIndex(ui.cbMaterial, stored);
        break;
    case StoreValue::Method:
        ApplyIndex(ui.cbIzm, stored);
        break;
    case StoreValue::GivenQuantity:
        ApplyIndex(ui.cbVidVav, stored);
        break;
    case StoreValue::CarriedLanguage:
        FCarriedLang = stored;
        break;
    case StoreValue::InchMode:
        FInchMode = stored != 0;
        break;
    }
}

std::int32_t TfrmRuZede::StoredValueOf(StoreValue value) const {
    switch (value) {
    case StoreValue::ThreadType:
        return ui.cbType->currentIndex() + 1;
    case StoreValue::ProbeMaterial:
        return ui.cbMaterial->currentIndex();
    case StoreValue::Method:
        return ui.cbIzm->currentIndex();
    case StoreValue::GivenQuantity:
        return ui.cbVidVav->currentIndex();
    case StoreValue::CarriedLanguage:
        return FCarriedLang;
    case StoreValue::InchMode:
        return FInchMode ? 1 : 0;
    }
    return 0;
}

void TfrmRuZede::SaveSelections() const {
    if (CompanionProgramRunning()) {
        return;
    }
    // A store that cannot be opened or written costs only the remembered selections; the close
    // goes on without a word.
    const std::unique_ptr<UserStore> store = UserStore::open(true);
    if (!store) {
        return;
    }
    for (const StoreValue value : settings::kStoreValueOrder) {
        store->writeInt(settings::StoreValueName(value), StoredValueOf(value));
    }
}

void TfrmRuZede::SavePlacement() const {
    IniFile file(SettingsFilePath());
    if (!WritePlacement(file, FPlacement.record())) {
        // The previous file stays as it was; the window is closing, so say it where it cannot
        // block the close.
        qWarning().noquote() << QStringLiteral("The window placement was not saved to %1: %2")
                                    .arg(file.path(), file.errorString());
    }
}

void TfrmRuZede::SaveOnClose() {
    // closeEvent and the application's quit both end up here; only the first one writes.
    if (FClosedDown) {
        return;
    }
    FClosedDown = true;
    // A move just before the close is part of the placement.
    FlushTrackPlacement();
    SaveSelections();
    SavePlacement();
    SaveDesignation();
    SaveUncertaintySettings();
    CloseCatalogues();
}

} // namespace kthread
