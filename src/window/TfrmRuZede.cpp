// Creation, first show and close of the main window, and the wiring of the change handlers.
#include "window/TfrmRuZede.h"

#include "storage/catalog/ProbeCatalogModel.h"
#include "window/NumberTexts.h"
#include "window/ProductInfo.h"
#include "window/SettingsKeys.h"
#include "window/TPaintBox.h"
#include "window/TQFloatEdit.h"
#include "window/ThreadTables.h"
#include "window/catalog/CatalogPage.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QMessageBox>
#include <QShowEvent>
#include <QStackedWidget>
#include <QToolButton>

namespace kthread {

namespace {

constexpr int kDefaultMaterial = 1; // cbThrMaterial row shown at start
constexpr double kDefaultPoisson = 0.3;

} // namespace

TfrmRuZede::TfrmRuZede(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("TfrmRuZede"));
    setWindowTitle(QLatin1String(product::kProductLine));

    mdDiamOut = new ProbeCatalogModel(settings::kWireCatalogueSection, this);
    mdDiamOut->setObjectName(QStringLiteral("mdDiamOut"));
    mdDiamIn = new ProbeCatalogModel(settings::kBallCatalogueSection, this);
    mdDiamIn->setObjectName(QStringLiteral("mdDiamIn"));

    BuildForm();
    RestoreUncertaintySettings();
    FitToDesktop();
    // Ends in one application of a language: the chosen one, else the first listed, else the
    // built-in English texts.
    BuildLanguageMenu();
    ConnectHandlers();

    FInputsReady = true;
    ui.cbType->setCurrentIndex(0);
    RestoreSelections();
    // The thread type, the restored one or that of the design state, configures methods, probe
    // material, catalogue and figure; it resets the restored method and probe material.
    cbTypeChange();
    OpenCatalogues();
    // Fills the geometry, which derives the probe from the catalogue just opened.
    RestoreDesignation();
    PrepareBannerStrip();
}

TfrmRuZede::~TfrmRuZede() = default;

void TfrmRuZede::setMessageHook(MessageHook hook) {
    FMessageHook = std::move(hook);
}

void TfrmRuZede::ShowErrorMessage(const QString& text) {
    if (FMessageHook) {
        FMessageHook(text);
        return;
    }
    QMessageBox::warning(this, windowTitle(), text, QMessageBox::Ok);
}

void TfrmRuZede::ConnectHandlers() {
    // Selectors react to the user's choice only (activated); the window sets their indexes
    // without running the handlers, as the handlers themselves do.
    connect(ui.cbType, &QComboBox::activated, this, [this] { cbTypeChange(); });
    connect(ui.cbVidVav, &QComboBox::activated, this, [this] { cbVidVavChange(); });
    connect(ui.cbThrMaterial, &QComboBox::activated, this, [this] { cbThrMaterialChange(); });
    connect(ui.cbIzm, &QComboBox::activated, this, [this] { edIzmNChange(); });
    connect(ui.cbMaterial, &QComboBox::activated, this, [this] { edIzmNChange(); });

    for (TQFloatEdit* edit :
         {ui.edStapka, ui.edBrH, ui.edA1g, ui.edA1m, ui.edA1s, ui.edA2g, ui.edA2m, ui.edA2s}) {
        connect(edit, &QLineEdit::textChanged, this, [this] { edStapkaChange(); });
    }
    connect(ui.edDiam, &QLineEdit::textChanged, this, [this] { edDiamChange(); });
    connect(ui.edInIn, &QLineEdit::textChanged, this, [this] { edInInChange(); });
    for (TQFloatEdit* edit : {ui.edBg, ui.edBm, ui.edBs}) {
        connect(edit, &QLineEdit::textChanged, this, [this] { edBgChange(); });
    }
    connect(ui.edIzmSt, &QLineEdit::textChanged, this, [this] { edIzmStChange(); });
    connect(ui.edIzmN, &QLineEdit::textChanged, this, [this] { edIzmNChange(); });
    for (TQFloatEdit* edit : {ui.edIzmSt, ui.edIzmN}) {
        connect(edit, &QLineEdit::returnPressed, this, [this] { edIzmStKeyPress(Qt::Key_Return); });
    }

    connect(ui.btnCalc, &QToolButton::clicked, this, [this] { btnCalcClick(); });
    connect(ui.btnCopy, &QToolButton::clicked, this, [this] { btnCopyClick(); });
    connect(ui.btnMM, &QToolButton::clicked, this, [this] { btnMMClick(); });
    connect(ui.btnExit, &QToolButton::clicked, this, [this] { btnExitClick(); });
    connect(ui.btnInfo, &QToolButton::clicked, this, [this] { btnInfoClick(); });
    connect(ui.Book, &QStackedWidget::currentChanged, this,
            [this](int page) { BookPageChanged(page); });
    connect(ui.catalogPage, &CatalogPage::selectRequested, this,
            [this](int row) { btnSelClick(row); });
    ConnectDesignationHandlers();

    // A quit that closes no window (the session ends, the application is told to quit) still
    // writes what a close writes.
    if (auto* application = QCoreApplication::instance()) {
        connect(application, &QCoreApplication::aboutToQuit, this, [this] { SaveOnClose(); });
    }
#ifndef QT_NO_SESSIONMANAGER
    if (auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        // The session manager may end the process right after asking; keep everything
        // written, and the window as it is, in case the logout is cancelled.
        connect(application, &QGuiApplication::commitDataRequest, this, [this] {
            FlushTrackPlacement();
            SaveSelections();
            SavePlacement();
            SaveDesignation();
            SaveUncertaintySettings();
            WriteBackCatalogues();
        });
    }
#endif
}

void TfrmRuZede::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!FShownOnce && !event->spontaneous()) {
        FShownOnce = true;
        FormShow();
    }
}

void TfrmRuZede::FormShow() {
    RestorePlacement();
    FormResize();
    pbCtrl_0MouseDown(ui.pbCtrl_0);
    FDiamLetter = QLatin1Char(DiamLetterOf(ui.cbType->currentIndex()));
    ui.cbVidVav->setCurrentIndex(static_cast<int>(GivenQuantity::SizeOver));
    ui.cbThrMaterial->setCurrentIndex(kDefaultMaterial);
    ui.edSigma->setValue(kDefaultPoisson);
    cbVidVavChange();
    ApplyUnitDisplay();
    StartBanners();
}

void TfrmRuZede::closeEvent(QCloseEvent* event) {
    SaveOnClose();
    QMainWindow::closeEvent(event);
}

void TfrmRuZede::btnExitClick() {
    ui.catalogPage->postPendingEdit();
    close();
}

double TfrmRuZede::LengthToMM(double shown) const {
    return FInchMode ? shown * kMillimetresPerInch : shown;
}

} // namespace kthread
