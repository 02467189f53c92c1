// The main window: thread type, pitch, starts, flank angles, probe and measurement on the left,
// the schematic figure / probe catalogue / help notebook and the results on the right.
//
// Every length the window keeps is in millimetres (FPitchMM, FProbeDiamMM, FGivenMM and the
// texts FLeadText, FOptDiamText); the inch display is derived from them, so switching units
// back and forth never drifts. The logic lives in change handlers named after control and event;
// programmatic writes into the numeric fields raise the same change events as typing, and
// FInputsReady / TaperSyncBusy keep such writes from recomputing while the window fills fields.
//
// The window has no system frame: it draws its own frame and caption bar and is moved and sized
// through them (the window system does the moving where it can, the window itself otherwise).
//
// The class is split by concern: TfrmRuZede.cpp (creation, first show, close),
// TfrmRuZedeLayout.cpp (building the form), TfrmRuZedeFrame.cpp (frame, caption bar, moving and
// sizing), TfrmRuZedePages.cpp (the notebook's tabs), TfrmRuZedeLanguage.cpp (language menu and
// help page), TfrmRuZedeTexts.cpp (language texts), TfrmRuZedeInputs.cpp (selectors, taper
// pair, given quantity), TfrmRuZedeDerived.cpp (lead, optimal probe, catalogue pick),
// TfrmRuZedeCalc.cpp (Calculate), TfrmRuZedeUnits.cpp (mm/inch), TfrmRuZedeCatalog.cpp
// (catalogue tables and the Select command), TfrmRuZedeFigure.cpp (the schematic figure),
// TfrmRuZedeBanner.cpp (the banner strip), TfrmRuZedeAbout.cpp (the about window),
// TfrmRuZedeReport.cpp (the clipboard report), TfrmRuZedeDesignation.cpp (the thread
// designation and its limits), TfrmRuZedeVerdict.cpp (the verdict and the reading window),
// TfrmRuZedeBudget.cpp (the uncertainty budget page and the expanded uncertainty beside the
// results),
// TfrmRuZedeSettings.cpp and TfrmRuZedePlacement.cpp (what is remembered between runs).
// What does not need the window's state lives in classes of its own beside it (FormRows,
// PlacementState, ClipboardReport, BannerStrip, InputColumns and others).
#pragma once

#include "engine/Measurement.h"
#include "engine/PitchDiam.h"
#include "engine/designation/ReadingWindow.h"
#include "engine/designation/ThreadLimits.h"
#include "engine/uncertainty/ConformityDecision.h"
#include "engine/uncertainty/MeasurementModel.h"
#include "engine/uncertainty/UncertaintyBudget.h"
#include "window/ClipboardReport.h"
#include "window/FormControls.h"
#include "window/FrameHitTest.h"
#include "window/PitchDiamVerdict.h"
#include "window/PlacementState.h"

#include <QIcon>
#include <QImage>
#include <QMainWindow>
#include <QPixmap>
#include <QRect>
#include <QStaticText>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QMouseEvent;
class QPainter;
class QTimer;

namespace kthread {

class DesignationCompleter;
class BudgetTableModel;
class ProbeCatalogModel;
class TPicHolder;
class TUPopupMenuExtItem;

class TfrmRuZede : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmRuZede(QWidget* parent = nullptr);
    ~TfrmRuZede() override;

    // Shows the window's one error message; a standard message box unless replaced (tests
    // replace it so that nothing blocks).
    using MessageHook = std::function<void(const QString& text)>;
    void setMessageHook(MessageHook hook);

    // Loads the help text of the current language, then puts the texts of the active language
    // on every control; selectors keep their indexes.
    void ApplyLanguage();
    // The banner's text after a language change; run at the end of ApplyLanguage.
    void RefreshBannerText();

    // The frame region at a point of the window (window coordinates): resize strips, the
    // caption (any bare area drags the window), or nothing of the frame.
    FrameHit HitTest(QPoint point) const;

    // Window commands of the caption bar. They keep the placement record: the bounds of the
    // normal window, which a close stores together with whether the window was maximised.
    void btnMaximizeClick();
    void btnRestoreClick();
    void btnMinimizeClick();

    // What the conformity verdict needs of the last budget: the expanded uncertainty of the
    // pitch diameter in mm (0 when there is no budget) and the decision rule chosen on the
    // budget page. With the pitch diameter given, its own stated uncertainty times the budget's k.
    VerdictAllowance CurrentVerdictUncertainty() const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The results of the last calculation in millimetres, in the order of lSrDA2, lRazmM, lA2.
    struct ResultValues {
        double first = 0;
        double second = 0;
        double deformCorr = 0;
    };

    // Creation and first show.
    void BuildForm();
    QWidget* BuildToolBar();
    QWidget* BuildInputPanel();
    QWidget* BuildTaperPanel();
    QWidget* BuildResultPanel();
    QWidget* BuildNotebook();
    QWidget* BuildFigurePage(QWidget* parent);
    QWidget* BuildBudgetPage(QWidget* parent);
    void ConnectHandlers();
    void FitToDesktop();
    void FormShow();

    // Frame and caption bar.
    QWidget* BuildCaptionBar();
    void FormResize();
    void UPaintBox2Paint(QPainter& painter);
    void UPaintBox2MouseDown(QMouseEvent* event);
    void UPaintBox2MouseMove(QMouseEvent* event);
    void UPaintBox2MouseUp(QMouseEvent* event);
    void UPaintBox2DblClick();
    void ShowCaptionButtons();
    bool OnChildControl(QPoint point) const;
    void StartFrameDrag(Qt::Edges edges, const QPointF& globalCursor);
    void FollowFrameDrag(const QPointF& globalCursor);

    // Notebook tabs.
    QWidget* BuildTabs();
    void pbCtrl_0MouseDown(TPaintBox* tab);
    void pbCtrl_0Paint(TPaintBox* tab, QPainter& painter);
    void pnlTabsPaint(QPainter& painter);

    // Language menu and help page.
    void BuildLanguageMenu();
    void LangItemClick(TUPopupMenuExtItem* item);
    int MakeFlagImage(const QString& flag);
    void LoadHelpText();
    void FlushPendingHelpText();

    // Language texts.
    void FillMethodItems(int typeIndex);
    void FitLayoutToTexts();
    void ApplyGivenQuantityCaptions();
    QString PitchDiamCaption() const;

    // Inputs.
    void cbTypeChange();
    void cbVidVavChange();
    void cbThrMaterialChange();
    void edInInChange();
    void edBgChange();
    void edIzmStChange();
    void edIzmNChange();
    void edIzmStKeyPress(int key);
    void UpdateFigure();
    void pbImagePaint(QPainter& painter);
    void ClearResults();

    // Lead, optimal probe diameter and catalogue pick.
    void edStapkaChange();
    void UpdateDerivedValues();
    bool DerivedInputsComplete() const;
    void edDiamChange();
    void SelectCatalogDiam(double target);
    void PickProbeFromCatalogue(double target);
    void WriteProbeDiam();

    // Thread designation.
    QWidget* BuildDesignationPanel();
    void ConnectDesignationHandlers();
    void cbDesignationEdited(const QString& text);
    void cbDesignationCommit(const QString& typed);
    void TakeDesignation(const QString& text, bool withThreadType);
    void FillInputsFromDesignation(bool withThreadType);
    bool InputsMatchDesignation() const;
    bool DesignationInForce() const;
    void RefreshDesignationState();
    void ShowDesignationLimits();
    void ApplyDesignationTexts();
    void RestoreDesignation();
    void SaveDesignation() const;

    // Verdict.
    void ShowVerdict(double pitchDiamMM, const TPitchDiamData& setup);
    void ClearVerdict();
    void DisplayVerdict();
    std::optional<ReportDesignation> ShownDesignationReport() const;

    // Calculate.
    MeasurementInputs EnteredMeasurement() const;
    void btnCalcClick();
    void ShowResults(const ResultValues& results);
    void DisplayResults();

    // Uncertainty budget.
    void ApplyBudgetTexts();
    void RefreshBudgetCaptions();
    void CalculateBudget(const TPitchDiamData& record);
    void RecomputeBudget();
    void ClearBudget();
    void ShowBudgetFigures();
    QString LengthFigureText(double millimetres) const;
    std::optional<ShownBudget> ShownBudgetReport() const;
    void RestoreUncertaintySettings();
    void SaveUncertaintySettings();

    // Units.
    void btnMMClick();
    void ApplyUnitDisplay();
    void ApplyUnitCaptions();

    // Catalogue tables.
    void OpenCatalogues();
    void CloseCatalogues();
    ProbeCatalogModel* CatalogueOfType() const;
    void BindCatalogue();
    void BookPageChanged(int page);
    void btnSelClick(int row);
    void WriteBackCatalogues();
    void btnExitClick();

    // Remembered selections and the close.
    void RestoreSelections();
    std::int32_t StoredValueOf(settings::StoreValue value) const;
    void ApplyStoredValue(settings::StoreValue value, std::int32_t stored);
    void SaveSelections() const;
    void SavePlacement() const;
    void SaveOnClose();

    // Placement.
    QRect WorkArea() const;
    void RestorePlacement();
    void TrackPlacement();
    void ScheduleTrackPlacement();
    void FlushTrackPlacement();
    void FollowWindowManagerState(Qt::WindowStates now);
    void SetStateOwnCommand(Qt::WindowStates state);
    void ApplyRestoredBounds(const QRect& bounds);
    void ConfirmPlacedPosition();

    // Banner strip.
    QWidget* BuildBannerPanel(QWidget* parent);
    void PrepareBannerStrip();
    void StartBanners();
    void LoadBanner();
    void UpdateBannerText();
    QFont BannerFont() const;
    void MeasureBannerText();
    void Timer1Timer();
    void ComposeBanner(QSize size);
    void pbBannerPaint(QPainter& painter);

    // About.
    void btnInfoClick();

    // Copy.
    void btnCopyClick();
    ReportInputs ShownReportInputs() const;

    void ShowErrorMessage(const QString& text);

    double LengthToMM(double shown) const;

    FormControls ui;
    // The language files offered by the menu, full paths, and each one's help file name (may be
    // empty), at the index that is the menu item's tag.
    QStringList FLangFiles;
    QStringList FHelpFiles;
    // The flag squares of the menu items, by image index.
    QList<QPixmap> ImageList1;
    // Set while BuildLanguageMenu picks the first language.
    bool FChoosingStartLanguage = false;
    // A move or resize the window does itself, where the window system cannot.
    enum class FrameDrag { None, MovePending, Move, Resize };
    FrameDrag FFrameDrag = FrameDrag::None;
    Qt::Edges FDragEdges;
    QPointF FDragCursor;
    QRect FDragStartBounds;

    ProbeCatalogModel* mdDiamOut = nullptr;
    ProbeCatalogModel* mdDiamIn = nullptr;
    BudgetTableModel* mdBudget = nullptr; // the input uncertainties and the last budget
    TPicHolder* PicHolder1 = nullptr;     // the schematic figures, by name
    QIcon FMillimetreIcon;
    QIcon FInchIcon;
    MessageHook FMessageHook;

    QChar FDiamLetter = QLatin1Char('d');
    QString FErrorText;
    double FPitchMM = 0;
    double FProbeDiamMM = 0;
    double FGivenMM = 0;
    QString FLeadText;
    QString FOptDiamText;
    QString FDiamText;
    QString FSizeText;
    QString FA2Text;
    std::optional<ResultValues> FResultsMM;

    // The designation last taken from the field (as understood when valid), its limits or what
    // is wrong with it, and whether the inputs have left it since.
    DesignationCompleter* FDesignationCompleter = nullptr;
    QString FDesigCommitted;
    std::optional<designation::ThreadLimits> FDesigLimits;
    std::optional<designation::ParseError> FDesigError;
    bool FDesigChanged = false;
    bool FDesigFilling = false;
    struct ShownVerdict {
        PitchDiamVerdict verdict;
        // The reading window as each unit shows it; empty when it cannot be computed.
        std::optional<designation::ReadingWindow> windowMM;
        std::optional<designation::ReadingWindow> windowInch;
        const std::optional<designation::ReadingWindow>& Window(bool inch) const {
            return inch ? windowInch : windowMM;
        }
    };
    std::optional<ShownVerdict> FVerdict;
    // The record of the last Calculate, while its results are shown; the budget is of it.
    std::optional<TPitchDiamData> FBudgetRecord;
    uncertainty::BudgetError FBudgetError = uncertainty::BudgetError::None;
    uncertainty::InputQuantity FBudgetFailedInput = uncertainty::InputQuantity::GivenValue;
    // The UNCERTAINTY section as read or last written; a close writes only a change.
    std::vector<std::pair<QString, QString>> FUncertaintyStored;
    bool FInputsReady = false;
    bool FInchMode = false;
    bool TaperSyncBusy = false;
    bool FShownOnce = false;
    bool FFirstFramePainted = false;
    // The current language's help text waits for the first frame.
    bool FHelpLoadPending = false;
    bool FCataloguesOpen = false;

    std::int32_t FCarriedLang = settings::kCarriedLanguageDefault;
    PlacementState FPlacement;
    // Set while the window changes its own state, so that only the window manager's changes are
    // followed in changeEvent.
    bool FOwnStateChange = false;
    bool FTrackPending = false;
    bool FPositionConfirmed = false;
    bool FClosedDown = false;

    // Banner strip: the left strip, the current picture and the right strip, the banner
    // shown (1 to 6, 0 before the first) and its text's width and left edge in the strip.
    QImage FBannerLeft;
    QImage FBannerPicture;
    QImage FBannerRight;
    QImage FBannerComposed; // the strips and the picture at the strip's size
    QString FBannerText;
    QStaticText FBannerTextLayout; // FBannerText laid out in the banner font
    std::int32_t FBannerIndex = 0;
    std::int32_t FBannerTextWidth = 0;
    std::int32_t FBannerTextX = 0;
    QTimer* Timer1 = nullptr;
};

} // namespace kthread
