// The controls of the main window, named as their objectName. Built by TfrmRuZede::BuildForm();
// every widget is owned by the window through Qt's parent chain.
#pragma once

class QComboBox;
class QFrame;
class QGridLayout;
class QHBoxLayout;
class QLabel;
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
    // The caption bar of the borderless window.
    QWidget* Panel10 = nullptr;
    TPaintBox* UPaintBox2 = nullptr; // fills the caption bar; lblCaption and Image1 lie on it
    QLabel* lblCaption = nullptr;
    QLabel* Image1 = nullptr; // the program's icon
    CaptionButton* btnClose = nullptr;
    CaptionButton* btnMaximize = nullptr; // btnMaximize and btnRestore share one place
    CaptionButton* btnRestore = nullptr;
    CaptionButton* btnMinimize = nullptr;
    // Everything inside the frame.
    QWidget* pnlClientRect = nullptr;

    // Tool bar.
    QToolBar* ToolBar1 = nullptr;
    QToolButton* btnCalc = nullptr;
    QToolButton* btnCopy = nullptr;
    QToolButton* btnLang = nullptr;
    QToolButton* btnMM = nullptr;
    QToolButton* btnExit = nullptr;
    QToolButton* btnInfo = nullptr;

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
    QLabel* Label1 = nullptr;  // thread type
    QLabel* Label2 = nullptr;  // measurement method
    QLabel* Label3 = nullptr;  // pitch
    QLabel* Label4 = nullptr;  // first flank angle
    QLabel* Label5 = nullptr;  // measuring force
    QLabel* Label11 = nullptr; // number of starts
    QLabel* Label12 = nullptr; // probe material
    QLabel* Label16 = nullptr; // second flank angle
    QLabel* lHod = nullptr;    // lead
    QLabel* lODN = nullptr;    // optimal probe diameter
    QLabel* lDN = nullptr;     // probe diameter
    QLabel* ULabel1 = nullptr; // thread material
    QLabel* ULabel2 = nullptr; // Poisson's ratio symbol
    QLabel* ULabel3 = nullptr; // modulus symbol
    QLabel* ULabel5 = nullptr; // taper ratio
    QLabel* ULabel6 = nullptr; // half taper angle
    QLabel* lRes4 = nullptr;   // first result
    QLabel* lVidIzm = nullptr; // second result
    QLabel* lRes3 = nullptr;   // deformation correction

    // Derived values and results.
    QLabel* lPodem = nullptr;
    QLabel* lDiamN = nullptr;
    QLabel* lSign = nullptr;
    QLabel* lSrDA2 = nullptr;
    QLabel* lRazmM = nullptr;
    QLabel* lA2 = nullptr;
    QLabel* lblUncertaintyCaption = nullptr;
    QLabel* lblUncertainty = nullptr; // the expanded uncertainty of the result, "± U (k = 2)"

    // Unit labels; the length units follow the unit switch.
    QLabel* Label6 = nullptr;  // pitch
    QLabel* Label7 = nullptr;  // lead
    QLabel* Label8 = nullptr;  // optimal probe diameter
    QLabel* Label9 = nullptr;  // probe diameter
    QLabel* Label23 = nullptr; // given quantity
    QLabel* Label27 = nullptr; // first result
    QLabel* Label25 = nullptr; // second result
    QLabel* Label26 = nullptr; // deformation correction
    QLabel* ULabel8 = nullptr; // taper ratio
    QLabel* Label21 = nullptr; // force, "N"
    QLabel* ULabel4 = nullptr; // modulus, "GPa"

    QWidget* pnlInputs = nullptr;
    QWidget* Panel5 = nullptr; // taper fields
    QFrame* pnlResults = nullptr;

    // The caption columns of the input grid and of Panel5 are kept equally wide.
    QHBoxLayout* columns = nullptr; // the form on the left, notebook and results on the right
    QGridLayout* inputGrid = nullptr;
    QGridLayout* taperGrid = nullptr;
    QGridLayout* resultGrid = nullptr;

    // The language menu of btnLang.
    QMenu* UPopupMenuExt1 = nullptr;

    // Notebook: four drawn tabs over the pages; the last character of a tab's name is the
    // number of its page.
    TPaintBox* pnlTabs = nullptr;
    TPaintBox* pbCtrl_0 = nullptr;
    TPaintBox* pbCtrl_1 = nullptr;
    TPaintBox* pbCtrl_2 = nullptr;
    TPaintBox* pbCtrl_3 = nullptr;
    QStackedWidget* Book = nullptr;
    TPaintBox* pbImage = nullptr; // the schematic figure
    CatalogPage* catalogPage = nullptr;
    QTextBrowser* redHlep = nullptr;
    // The uncertainty budget page.
    QWidget* pgBudget = nullptr;
    QLabel* lblDecisionRule = nullptr;
    QComboBox* cbDecisionRule = nullptr; // in the order of uncertainty::DecisionRule
    QTableView* tvBudget = nullptr;
    QLabel* lblCombinedCaption = nullptr;
    QLabel* lblCombined = nullptr;
    QLabel* lblDegreesCaption = nullptr;
    QLabel* lblDegrees = nullptr;
    QLabel* lblCoverageCaption = nullptr;
    QLabel* lblCoverage = nullptr;
    QLabel* lblExpandedCaption = nullptr;
    QLabel* lblExpanded = nullptr;
    QLabel* lblBudgetNote = nullptr; // why there is no budget, or why it is only first-order

    // Banner strip.
    QWidget* pnlBanner = nullptr;
    TPaintBox* pbBanner = nullptr;
};

} // namespace kthread
