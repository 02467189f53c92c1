// The controls of the main window, named as their objectName. Built by TfrmRuZede::BuildForm();
// every widget is owned by the window through Qt's parent chain.
//
// Name           What it holds
// -------------  ---------------------------------------------------------------------------
// Panel10        the caption bar of the borderless window
// UPaintBox2     paints the caption bar; lblCaption (title) and Image1 (icon) lie on it
// btnClose, btnMaximize, btnRestore, btnMinimize
//                the caption buttons; btnMaximize and btnRestore share one place
// pnlClientRect  everything inside the frame
// ToolBar1       btnCalc Calculate, btnCopy copy the report, btnLang language menu
//                (UPopupMenuExt1), btnMM mm/inch switch, btnExit close, btnInfo about window
// pnlDesignation     lblDesignation cbDesignation: the thread designation, with type-ahead;
//                    lblDesigLimits its pitch-diameter limits, or what is wrong with the text
// Label1 cbType      thread type          Label3 edStapka Label6     pitch
// Label11 edBrH      number of starts     lHod lPodem Label7         lead (derived)
// Label4 edA1g/m/s   first flank angle    Label16 edA2g/m/s          second flank angle
// Panel5             taper fields: ULabel5 edInIn ULabel8 taper ratio, ULabel6 edBg/m/s half
//                    taper angle
// lODN lDiamN Label8 best-size probe diameter (derived)
// lDN edDiam Label9  probe diameter; lSign the "!" when it is far from the best size
// Label12 cbMaterial probe material       ULabel1 cbThrMaterial      thread material
// ULabel2 edSigma    Poisson's ratio      ULabel3 edE ULabel4        modulus, GPa
// Label2 cbIzm       measurement method   Label5 edIzmN Label21      measuring force, N
// cbVidVav edIzmSt Label23                the given quantity (selector in the caption column)
// lRes4 lSrDA2 Label27   first result     lVidIzm lRazmM Label25     second result
// lRes3 lA2 Label26      deformation correction
// lblUncertaintyCaption lblUncertainty  the expanded uncertainty of the result, "± U (k = 2)"
// lblVerdict lblReadingWindow  the verdict against the designation's limits, and the readings
//                    over the probes that a part within them shows
// pnlInputs, pnlResults  the form on the left, the results under the notebook
// pnlTabs, pbCtrl_0..3   the notebook's drawn tabs; a tab's last character is its page in Book
// Book               the pages: pbImage (schematic figure), catalogPage (probe catalogues),
//                    redHlep (help text), pgBudget (uncertainty budget)
// pgBudget           lblDecisionRule cbDecisionRule the decision rule, in the order of
//                    uncertainty::DecisionRule; tvBudget the input uncertainties and the budget;
//                    lblCombined, lblDegrees, lblCoverage, lblExpanded (each with its ...Caption)
//                    u_c, effective degrees of freedom, k and U; lblBudgetNote why there is no
//                    budget, or why it is only first-order
// pnlBanner pbBanner the banner strip along the bottom
//
// Unit labels (Label6 and the like) follow the mm/inch switch; Label21 and ULabel4 do not.
#pragma once

class QComboBox;
class QFrame;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QStackedWidget;
class QTableView;
class QTextBrowser;
class QToolBar;
class QToolButton;
class QWidget;

namespace kthread {

class CaptionButton;
class CatalogPage;
class TPaintBox;
class TQFloatEdit;

struct FormControls {
    // Caption bar and frame.
    QWidget* Panel10 = nullptr;
    TPaintBox* UPaintBox2 = nullptr;
    QLabel* lblCaption = nullptr;
    QLabel* Image1 = nullptr;
    CaptionButton* btnClose = nullptr;
    CaptionButton* btnMaximize = nullptr;
    CaptionButton* btnRestore = nullptr;
    CaptionButton* btnMinimize = nullptr;
    QWidget* pnlClientRect = nullptr;

    // Tool bar.
    QToolBar* ToolBar1 = nullptr;
    QToolButton* btnCalc = nullptr;
    QToolButton* btnCopy = nullptr;
    QToolButton* btnLang = nullptr;
    QToolButton* btnMM = nullptr;
    QToolButton* btnExit = nullptr;
    QToolButton* btnInfo = nullptr;

    // Thread designation.
    QWidget* pnlDesignation = nullptr;
    QLabel* lblDesignation = nullptr;
    QLineEdit* cbDesignation = nullptr;
    QLabel* lblDesigLimits = nullptr;
    QGridLayout* designationGrid = nullptr;

    // Selectors.
    QComboBox* cbType = nullptr;
    QComboBox* cbIzm = nullptr;
    QComboBox* cbMaterial = nullptr;
    QComboBox* cbThrMaterial = nullptr;
    QComboBox* cbVidVav = nullptr;

    // Numeric inputs.
    TQFloatEdit* edStapka = nullptr;
    TQFloatEdit* edBrH = nullptr;
    TQFloatEdit* edA1g = nullptr;
    TQFloatEdit* edA1m = nullptr;
    TQFloatEdit* edA1s = nullptr;
    TQFloatEdit* edA2g = nullptr;
    TQFloatEdit* edA2m = nullptr;
    TQFloatEdit* edA2s = nullptr;
    TQFloatEdit* edInIn = nullptr;
    TQFloatEdit* edBg = nullptr;
    TQFloatEdit* edBm = nullptr;
    TQFloatEdit* edBs = nullptr;
    TQFloatEdit* edDiam = nullptr;
    TQFloatEdit* edIzmN = nullptr;
    TQFloatEdit* edIzmSt = nullptr;
    TQFloatEdit* edSigma = nullptr;
    TQFloatEdit* edE = nullptr;

    // Captions.
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* Label16 = nullptr;
    QLabel* lHod = nullptr;
    QLabel* lODN = nullptr;
    QLabel* lDN = nullptr;
    QLabel* ULabel1 = nullptr;
    QLabel* ULabel2 = nullptr;
    QLabel* ULabel3 = nullptr;
    QLabel* ULabel5 = nullptr;
    QLabel* ULabel6 = nullptr;
    QLabel* lRes4 = nullptr;
    QLabel* lVidIzm = nullptr;
    QLabel* lRes3 = nullptr;

    // Derived values and results.
    QLabel* lPodem = nullptr;
    QLabel* lDiamN = nullptr;
    QLabel* lSign = nullptr;
    QLabel* lSrDA2 = nullptr;
    QLabel* lRazmM = nullptr;
    QLabel* lA2 = nullptr;
    QLabel* lblVerdict = nullptr;
    QLabel* lblReadingWindow = nullptr;
    QLabel* lblUncertaintyCaption = nullptr;
    QLabel* lblUncertainty = nullptr;

    // Unit labels.
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label23 = nullptr;
    QLabel* Label27 = nullptr;
    QLabel* Label25 = nullptr;
    QLabel* Label26 = nullptr;
    QLabel* ULabel8 = nullptr;
    QLabel* Label21 = nullptr;
    QLabel* ULabel4 = nullptr;

    // Panels.
    QWidget* pnlInputs = nullptr;
    QWidget* Panel5 = nullptr;
    QFrame* pnlResults = nullptr;

    // The caption columns of the input grid and of Panel5 are kept equally wide.
    QHBoxLayout* columns = nullptr;
    QGridLayout* inputGrid = nullptr;
    QGridLayout* taperGrid = nullptr;
    QGridLayout* resultGrid = nullptr;

    QMenu* UPopupMenuExt1 = nullptr;

    // Notebook.
    TPaintBox* pnlTabs = nullptr;
    TPaintBox* pbCtrl_0 = nullptr;
    TPaintBox* pbCtrl_1 = nullptr;
    TPaintBox* pbCtrl_2 = nullptr;
    TPaintBox* pbCtrl_3 = nullptr;
    QStackedWidget* Book = nullptr;
    TPaintBox* pbImage = nullptr;
    CatalogPage* catalogPage = nullptr;
    QTextBrowser* redHlep = nullptr;
    // The uncertainty budget page.
    QWidget* pgBudget = nullptr;
    QLabel* lblDecisionRule = nullptr;
    QComboBox* cbDecisionRule = nullptr;
    QTableView* tvBudget = nullptr;
    QLabel* lblCombinedCaption = nullptr;
    QLabel* lblCombined = nullptr;
    QLabel* lblDegreesCaption = nullptr;
    QLabel* lblDegrees = nullptr;
    QLabel* lblCoverageCaption = nullptr;
    QLabel* lblCoverage = nullptr;
    QLabel* lblExpandedCaption = nullptr;
    QLabel* lblExpanded = nullptr;
    QLabel* lblBudgetNote = nullptr;

    // Banner strip.
    QWidget* pnlBanner = nullptr;
    TPaintBox* pbBanner = nullptr;
};

} // namespace kthread
