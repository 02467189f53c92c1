// The two probe catalogues owned by the window: wires (mdDiamOut) for external and balls
// (mdDiamIn) for internal threads. Loaded at creation, written back (when changed) at close and
// around the unit switch; the Select command puts the current row into edDiam.
#include "window/TfrmRuZede.h"

#include "engine/NumberText.h"
#include "storage/IniFile.h"
#include "storage/ProgramPaths.h"
#include "storage/catalog/ProbeCatalogModel.h"
#include "window/TQFloatEdit.h"
#include "window/ThreadTables.h"
#include "window/catalog/CatalogPage.h"

#include <QComboBox>

namespace kthread {

namespace {

constexpr int kCatalogPage = 1;
constexpr int kHelpPage = 2;
constexpr int kSelectInchDecimals = 5;
constexpr int kSelectMMDecimals = 4;

} // namespace

void TfrmRuZede::OpenCatalogues() {
    const IniFile settings(SettingsFilePath());
    mdDiamOut->load(settings);
    mdDiamIn->load(settings);
    ui.catalogPage->setCurrentRow(-1);
    FCataloguesOpen = true;
}

void TfrmRuZede::CloseCatalogues() {
    if (!FCataloguesOpen) {
        return;
    }
    FCataloguesOpen = false;
    for (ProbeCatalogModel* catalogue : {mdDiamOut, mdDiamIn}) {
        // A new row nobody has typed into is not part of the catalogue.
        if (catalogue->hasPendingRow()) {
            catalogue->cancelPendingRow();
        }
    }
    WriteBackCatalogues();
}

void TfrmRuZede::WriteBackCatalogues() {
    IniFile settings(SettingsFilePath());
    for (ProbeCatalogModel* catalogue : {mdDiamOut, mdDiamIn}) {
        if (!catalogue->writeBack(settings)) {
            ShowErrorMessage(settings.errorString());
        }
    }
}

ProbeCatalogModel* TfrmRuZede::CatalogueOfType() const {
    const ThreadTypeTraits* traits = ThreadTypeInfo(ui.cbType->currentIndex());
    const bool wires = traits != nullptr && traits->catalogue == ProbeCatalogue::Wires;
    return wires ? mdDiamOut : mdDiamIn;
}

void TfrmRuZede::BindCatalogue() {
    ui.catalogPage->bind(CatalogueOfType());
}

void TfrmRuZede::BookPageChanged(int page) {
    if (page == kCatalogPage) {
        BindCatalogue();
    }
    if (page == kHelpPage && FHelpLoadPending) {
        FFirstFramePainted = true;
        LoadHelpText();
    }
}

void TfrmRuZede::btnSelClick(int row) {
    const ProbeCatalogModel* catalogue = ui.catalogPage->boundModel();
    if (catalogue == nullptr || row < 0 || row >= catalogue->count()) {
        return;
    }
    FProbeDiamMM = catalogue->diamMM(row);
    // Writing edDiam runs edDiamChange, which reads the shown value back and judges it.
    if (FInchMode) {
        ui.edDiam->setValue(RoundHalfEven(catalogue->diamInch(row), kSelectInchDecimals));
    } else {
        ui.edDiam->setValue(RoundHalfEven(catalogue->diamMM(row), kSelectMMDecimals));
    }
}

} // namespace kthread
