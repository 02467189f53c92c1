// The controls of the main window, named as their objectName. Built by TfrmRuZede::BuildForm();
// every widget is owned by the window through Qt's parent chain.
#pragma once

class QComboBox;
class QGridLayout;
class QLabel;
class QTabWidget;
class QTextBrowser;
class QToolBar;
class QToolButton;
class QWidget;

namespace kthread {

class CatalogPage;
class TPaintBox;
class TQFloatEdit;

struct FormControls {
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

    QWidget* Panel5 = nullptr; // taper fields

    // The caption columns of the input grid and of Panel5 are kept equally wide.
    QGridLayout* inputGrid = nullptr;
    QGridLayout* taperGrid = nullptr;

    // Notebook.
    QTabWidget* Book = nullptr;
    TPaintBox* pbImage = nullptr; // the schematic figure
    CatalogPage* catalogPage = nullptr;
    QTextBrowser* redHlep = nullptr;

    // Banner strip.
    QWidget* pnlBanner = nullptr;
    TPaintBox* pbBanner = nullptr;
};

} // namespace kthread
