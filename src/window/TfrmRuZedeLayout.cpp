// Building the form: the tool bar, the inputs on the left in the order a person measures, the
// notebook and the results on the right. Start texts and limits of the numeric fields are set
// here; the language texts are put on the controls by ApplyLanguage().
#include "window/TfrmRuZede.h"

#include "window/TQFloatEdit.h"
#include "window/ToolIcons.h"
#include "window/catalog/CatalogPage.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace kthread {

namespace {

constexpr int kMinimumWidth = 739;
constexpr int kMinimumHeight = 584;
constexpr int kValueFieldWidth = 96;
constexpr int kDegreeFieldWidth = 44;
constexpr int kMinuteFieldWidth = 34;
constexpr int kResultFontGrowth = 3;
constexpr int kToolIconSize = 24;
constexpr int kResultWidth = 124;

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text = {}) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

// A numeric field clamped to the accepted range of its input.
TQFloatEdit* MakeEdit(QWidget* parent, const char* name, NumberKind kind, Input input,
                      const char* startText, int width = kValueFieldWidth) {
    const InputLimit& limit = LimitOf(input);
    auto* edit = new TQFloatEdit(kind, limit.low, limit.high, parent);
    edit->setObjectName(QLatin1String(name));
    edit->setText(QLatin1String(startText));
    edit->setFixedWidth(width);
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

QComboBox* MakeCombo(QWidget* parent, const char* name) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(14);
    return combo;
}

QToolButton* MakeToolButton(QToolBar* bar, const char* name, const QIcon& icon, bool enabled) {
    auto* button = new QToolButton(bar);
    button->setObjectName(QLatin1String(name));
    button->setIcon(icon);
    button->setAutoRaise(true);
    button->setEnabled(enabled);
    bar->addWidget(button);
    return button;
}

// Degrees, minutes and seconds side by side with their marks.
QWidget* AngleRow(QWidget* parent, TQFloatEdit* degrees, TQFloatEdit* minutes,
                  TQFloatEdit* seconds) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(degrees);
    layout->addWidget(new QLabel(QStringLiteral("°"), row));
    layout->addWidget(minutes);
    layout->addWidget(new QLabel(QStringLiteral("′"), row));
    layout->addWidget(seconds);
    layout->addWidget(new QLabel(QStringLiteral("″"), row));
    layout->addStretch(1);
    return row;
}

// A label whose size never follows its text: writing it then costs no new layout pass, which
// keeps a keystroke cheap.
void FixSize(QLabel* label, int width) {
    label->setFixedSize(width, label->fontMetrics().height() + 4);
}

void MakeProminent(QLabel* label) {
    QFont font = label->font();
    font.setBold(true);
    font.setPointSize(font.pointSize() + kResultFontGrowth);
    label->setFont(font);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
}

QGridLayout* CompactGrid(QWidget* owner) {
    auto* grid = new QGridLayout(owner);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    return grid;
}

} // namespace

void TfrmRuZede::BuildForm() {
    BuildToolBar();
    auto* central = new QWidget(this);
    auto* rows = new QVBoxLayout(central);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);
    auto* work = new QWidget(central);
    auto* columns = new QHBoxLayout(work);
    columns->setContentsMargins(8, 6, 8, 8);
    columns->setSpacing(12);
    columns->addWidget(BuildInputPanel(), 0, Qt::AlignTop);
    auto* right = new QVBoxLayout;
    right->setSpacing(8);
    right->addWidget(BuildNotebook(), 1);
    right->addWidget(BuildResultPanel(), 0);
    columns->addLayout(right, 1);
    rows->addWidget(work, 1);
    rows->addWidget(BuildBannerPanel(central), 0);
    setCentralWidget(central);
}

void TfrmRuZede::BuildToolBar() {
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setContextMenuPolicy(Qt::PreventContextMenu);
    bar->setIconSize(QSize(kToolIconSize, kToolIconSize));
    addToolBar(Qt::TopToolBarArea, bar);
    ui.ToolBar1 = bar;

    FMillimetreIcon = ToolIcon(ToolIconName::Millimetre);
    FInchIcon = ToolIcon(ToolIconName::Inch);
    // Language gets its behaviour later; it is shown, but inactive.
    ui.btnCalc = MakeToolButton(bar, "btnCalc", ToolIcon(ToolIconName::Calculate), true);
    ui.btnCopy = MakeToolButton(bar, "btnCopy", ToolIcon(ToolIconName::Copy), true);
    ui.btnLang = MakeToolButton(bar, "btnLang", ToolIcon(ToolIconName::Language), false);
    ui.btnMM = MakeToolButton(bar, "btnMM", FMillimetreIcon, true);
    bar->addSeparator();
    ui.btnExit = MakeToolButton(bar, "btnExit", ToolIcon(ToolIconName::Exit), true);
    ui.btnInfo = MakeToolButton(bar, "btnInfo", ToolIcon(ToolIconName::About), true);
}

QWidget* TfrmRuZede::BuildInputPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("pnlInputs"));
    auto* grid = CompactGrid(panel);
    ui.inputGrid = grid;
    const auto decimal = NumberKind::Decimal;
    const auto integer = NumberKind::Integer;
    int row = 0;

    ui.Label1 = MakeLabel(panel, "Label1");
    ui.cbType = MakeCombo(panel, "cbType");
    grid->addWidget(ui.Label1, row, 0);
    grid->addWidget(ui.cbType, row++, 1, 1, 2);

    ui.Label3 = MakeLabel(panel, "Label3");
    ui.edStapka = MakeEdit(panel, "edStapka", decimal, Input::Pitch, "0");
    ui.Label6 = MakeLabel(panel, "Label6");
    grid->addWidget(ui.Label3, row, 0);
    grid->addWidget(ui.edStapka, row, 1);
    grid->addWidget(ui.Label6, row++, 2);

    ui.Label11 = MakeLabel(panel, "Label11");
    ui.edBrH = MakeEdit(panel, "edBrH", integer, Input::Starts, "1");
    grid->addWidget(ui.Label11, row, 0);
    grid->addWidget(ui.edBrH, row++, 1);

    ui.lHod = MakeLabel(panel, "lHod");
    ui.lPodem = MakeLabel(panel, "lPodem");
    ui.lPodem->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    FixSize(ui.lPodem, kValueFieldWidth);
    ui.Label7 = MakeLabel(panel, "Label7");
    grid->addWidget(ui.lHod, row, 0);
    grid->addWidget(ui.lPodem, row, 1);
    grid->addWidget(ui.Label7, row++, 2);

    ui.Label4 = MakeLabel(panel, "Label4");
    ui.edA1g = MakeEdit(panel, "edA1g", decimal, Input::FlankDegrees, "30", kDegreeFieldWidth);
    ui.edA1m = MakeEdit(panel, "edA1m", integer, Input::FlankMinutes, "0", kMinuteFieldWidth);
    ui.edA1s = MakeEdit(panel, "edA1s", integer, Input::FlankSeconds, "0", kMinuteFieldWidth);
    grid->addWidget(ui.Label4, row, 0);
    grid->addWidget(AngleRow(panel, ui.edA1g, ui.edA1m, ui.edA1s), row++, 1, 1, 2);

    ui.Label16 = MakeLabel(panel, "Label16");
    ui.edA2g = MakeEdit(panel, "edA2g", decimal, Input::FlankDegrees, "30", kDegreeFieldWidth);
    ui.edA2m = MakeEdit(panel, "edA2m", integer, Input::FlankMinutes, "0", kMinuteFieldWidth);
    ui.edA2s = MakeEdit(panel, "edA2s", integer, Input::FlankSeconds, "0", kMinuteFieldWidth);
    grid->addWidget(ui.Label16, row, 0);
    grid->addWidget(AngleRow(panel, ui.edA2g, ui.edA2m, ui.edA2s), row++, 1, 1, 2);

    grid->addWidget(BuildTaperPanel(), row++, 0, 1, 3);

    ui.lODN = MakeLabel(panel, "lODN");
    ui.lDiamN = MakeLabel(panel, "lDiamN");
    ui.lDiamN->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    FixSize(ui.lDiamN, kValueFieldWidth);
    ui.Label8 = MakeLabel(panel, "Label8");
    grid->addWidget(ui.lODN, row, 0);
    grid->addWidget(ui.lDiamN, row, 1);
    grid->addWidget(ui.Label8, row++, 2);

    ui.lDN = MakeLabel(panel, "lDN");
    ui.edDiam = MakeEdit(panel, "edDiam", decimal, Input::ProbeDiam, "0");
    // The mark sits in a box without a layout of its own, so showing and hiding it, which
    // happens on most keystrokes, never sets off a layout pass of the form.
    auto* signBox = new QWidget(panel);
    ui.lSign = MakeLabel(signBox, "lSign", QStringLiteral("!"));
    QPalette warning = ui.lSign->palette();
    warning.setColor(QPalette::WindowText, QColor(0xd0, 0, 0));
    ui.lSign->setPalette(warning);
    QFont bold = ui.lSign->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + kResultFontGrowth);
    ui.lSign->setFont(bold);
    ui.lSign->setAlignment(Qt::AlignCenter);
    FixSize(ui.lSign, ui.lSign->fontMetrics().horizontalAdvance(QLatin1Char('!')) + 8);
    signBox->setFixedSize(ui.lSign->size());
    ui.lSign->hide();
    ui.Label9 = MakeLabel(panel, "Label9");
    auto* probeRow = new QHBoxLayout;
    probeRow->setSpacing(4);
    probeRow->addWidget(ui.Label9);
    probeRow->addWidget(signBox);
    probeRow->addStretch(1);
    grid->addWidget(ui.lDN, row, 0);
    grid->addWidget(ui.edDiam, row, 1);
    grid->addLayout(probeRow, row++, 2);

    ui.Label12 = MakeLabel(panel, "Label12");
    ui.cbMaterial = MakeCombo(panel, "cbMaterial");
    grid->addWidget(ui.Label12, row, 0);
    grid->addWidget(ui.cbMaterial, row++, 1, 1, 2);

    ui.ULabel1 = MakeLabel(panel, "ULabel1");
    ui.cbThrMaterial = MakeCombo(panel, "cbThrMaterial");
    grid->addWidget(ui.ULabel1, row, 0);
    grid->addWidget(ui.cbThrMaterial, row++, 1, 1, 2);

    ui.ULabel2 = MakeLabel(panel, "ULabel2", QStringLiteral("σ"));
    ui.edSigma = MakeEdit(panel, "edSigma", decimal, Input::ThreadPoisson, "1");
    grid->addWidget(ui.ULabel2, row, 0, Qt::AlignRight);
    grid->addWidget(ui.edSigma, row++, 1);

    ui.ULabel3 = MakeLabel(panel, "ULabel3", QStringLiteral("E"));
    ui.edE = MakeEdit(panel, "edE", decimal, Input::ThreadModulus, "250");
    ui.ULabel4 = MakeLabel(panel, "ULabel4", QStringLiteral("GPa"));
    grid->addWidget(ui.ULabel3, row, 0, Qt::AlignRight);
    grid->addWidget(ui.edE, row, 1);
    grid->addWidget(ui.ULabel4, row++, 2);

    ui.Label2 = MakeLabel(panel, "Label2");
    ui.cbIzm = MakeCombo(panel, "cbIzm");
    grid->addWidget(ui.Label2, row, 0);
    grid->addWidget(ui.cbIzm, row++, 1, 1, 2);

    ui.Label5 = MakeLabel(panel, "Label5");
    ui.edIzmN = MakeEdit(panel, "edIzmN", decimal, Input::Force, "0");
    ui.Label21 = MakeLabel(panel, "Label21", QStringLiteral("N"));
    grid->addWidget(ui.Label5, row, 0);
    grid->addWidget(ui.edIzmN, row, 1);
    grid->addWidget(ui.Label21, row++, 2);

    ui.cbVidVav = MakeCombo(panel, "cbVidVav");
    ui.edIzmSt = MakeEdit(panel, "edIzmSt", decimal, Input::Given, "0");
    ui.Label23 = MakeLabel(panel, "Label23");
    grid->addWidget(ui.cbVidVav, row, 0);
    grid->addWidget(ui.edIzmSt, row, 1);
    grid->addWidget(ui.Label23, row++, 2);

    grid->setColumnStretch(2, 1);
    return panel;
}

QWidget* TfrmRuZede::BuildTaperPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel5"));
    auto* grid = CompactGrid(panel);
    ui.taperGrid = grid;

    ui.ULabel5 = MakeLabel(panel, "ULabel5");
    ui.edInIn = MakeEdit(panel, "edInIn", NumberKind::Decimal, Input::TaperRatio, "0");
    ui.ULabel8 = MakeLabel(panel, "ULabel8");
    grid->addWidget(ui.ULabel5, 0, 0);
    grid->addWidget(ui.edInIn, 0, 1);
    grid->addWidget(ui.ULabel8, 0, 2);

    ui.ULabel6 = MakeLabel(panel, "ULabel6");
    ui.edBg =
        MakeEdit(panel, "edBg", NumberKind::Decimal, Input::TaperDegrees, "0", kDegreeFieldWidth);
    ui.edBm =
        MakeEdit(panel, "edBm", NumberKind::Integer, Input::FlankMinutes, "0", kMinuteFieldWidth);
    ui.edBs =
        MakeEdit(panel, "edBs", NumberKind::Integer, Input::FlankSeconds, "0", kMinuteFieldWidth);
    grid->addWidget(ui.ULabel6, 1, 0);
    grid->addWidget(AngleRow(panel, ui.edBg, ui.edBm, ui.edBs), 1, 1, 1, 2);

    grid->setColumnStretch(2, 1);
    ui.Panel5 = panel;
    return panel;
}

QWidget* TfrmRuZede::BuildResultPanel() {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("pnlResults"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setVerticalSpacing(4);

    const auto addResult = [&](int row, QLabel*& caption, const char* captionName, QLabel*& value,
                               const char* valueName, QLabel*& unit, const char* unitName) {
        caption = MakeLabel(panel, captionName);
        value = MakeLabel(panel, valueName);
        unit = MakeLabel(panel, unitName);
        MakeProminent(value);
        FixSize(value, kResultWidth);
        grid->addWidget(caption, row, 0);
        grid->addWidget(value, row, 1);
        grid->addWidget(unit, row, 2);
    };
    addResult(0, ui.lRes4, "lRes4", ui.lSrDA2, "lSrDA2", ui.Label27, "Label27");
    addResult(1, ui.lVidIzm, "lVidIzm", ui.lRazmM, "lRazmM", ui.Label25, "Label25");
    addResult(2, ui.lRes3, "lRes3", ui.lA2, "lA2", ui.Label26, "Label26");
    grid->setColumnStretch(0, 1);
    return panel;
}

QWidget* TfrmRuZede::BuildNotebook() {
    auto* book = new QTabWidget(this);
    book->setObjectName(QStringLiteral("Book"));
    ui.Book = book;

    book->addTab(BuildFigurePage(book), QString());

    ui.catalogPage = new CatalogPage(book);
    ui.catalogPage->setObjectName(QStringLiteral("pgCatalog"));
    book->addTab(ui.catalogPage, QString());

    ui.redHlep = new QTextBrowser(book);
    ui.redHlep->setObjectName(QStringLiteral("redHlep"));
    book->addTab(ui.redHlep, QString());
    return book;
}

void TfrmRuZede::FitToDesktop() {
    QSize limit(kMinimumWidth, kMinimumHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        limit = limit.boundedTo(screen->availableGeometry().size());
    }
    setMinimumSize(limit);
    resize(limit);
}

} // namespace kthread
