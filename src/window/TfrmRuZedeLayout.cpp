// Building the form: inside the window's own frame the caption bar, the tool bar, the inputs on
// the left in the order a person measures, the notebook and the results on the right. Start
// texts and limits of the numeric fields are set here; the language texts are put on the
// controls by ApplyLanguage().
#include "window/TfrmRuZede.h"

#include "lang/LanguageTable.h"
#include "window/ElidingComboBox.h"
#include "window/FormRows.h"
#include "window/FrameColours.h"
#include "window/InputColumns.h"
#include "window/LanguageMenuStyle.h"
#include "window/TPaintBox.h"
#include "window/TQFloatEdit.h"
#include "window/TabPainter.h"
#include "window/ThreadTables.h"
#include "window/ToolIcons.h"
#include "window/catalog/CatalogPage.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QStackedWidget>
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
constexpr int kResultWidth = 96;
constexpr int kCaptionLayoutSlack = 3;
constexpr double kAngleMarkScale = 1.6;
constexpr int kAngleMarkGap = 3;
// The notebook keeps room for its four tabs.
constexpr int kMinimumNotebookWidth = 4 * kTabStep + 1;

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text = {}) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

// The caption of an input: on one line when it fits the caption column, else wrapped.
QLabel* MakeCaption(QWidget* parent, const char* name) {
    QLabel* caption = MakeLabel(parent, name);
    caption->setWordWrap(true);
    return caption;
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
    auto* combo = new ElidingComboBox(parent);
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

// The mark after an angle field: larger than the text so that the minute and second marks read
// as one and two strokes, set high as marks are written, with room before the next field.
QLabel* AngleMark(QWidget* parent, const QString& mark) {
    auto* label = new QLabel(mark, parent);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * kAngleMarkScale);
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setContentsMargins(1, 0, 0, 0);
    label->setFixedWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("″")) + 3);
    return label;
}

// Degrees, minutes and seconds side by side with their marks.
QWidget* AngleRow(QWidget* parent, TQFloatEdit* degrees, TQFloatEdit* minutes,
                  TQFloatEdit* seconds) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(degrees);
    layout->addWidget(AngleMark(row, QStringLiteral("°")));
    layout->addSpacing(kAngleMarkGap);
    layout->addWidget(minutes);
    layout->addWidget(AngleMark(row, QStringLiteral("′")));
    layout->addSpacing(kAngleMarkGap);
    layout->addWidget(seconds);
    layout->addWidget(AngleMark(row, QStringLiteral("″")));
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

// A derived value in the field column, right-aligned like the numbers typed beside it.
QLabel* MakeValueLabel(QWidget* parent, const char* name) {
    QLabel* value = MakeLabel(parent, name);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    FixSize(value, kValueFieldWidth);
    return value;
}

// The red "!" after the probe diameter, hidden until a probe is far from the best size. It sits
// in a box without a layout of its own, so showing and hiding it, which happens on most
// keystrokes, never sets off a layout pass of the form. Returns the box.
QWidget* MakeWarningMark(QWidget* parent, QLabel*& mark) {
    auto* box = new QWidget(parent);
    mark = MakeLabel(box, "lSign", QStringLiteral("!"));
    QPalette warning = mark->palette();
    warning.setColor(QPalette::WindowText, QColor(0xd0, 0, 0));
    mark->setPalette(warning);
    QFont bold = mark->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + kResultFontGrowth);
    mark->setFont(bold);
    mark->setAlignment(Qt::AlignCenter);
    FixSize(mark, mark->fontMetrics().horizontalAdvance(QLatin1Char('!')) + 8);
    box->setFixedSize(mark->size());
    mark->hide();
    return box;
}

QGridLayout* CompactGrid(QWidget* owner) {
    auto* grid = new QGridLayout(owner);
    grid->setContentsMargins(0, 0, 0, 0);
    // Enough room that a caption never seems to run into its field.
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(3);
    return grid;
}

} // namespace

void TfrmRuZede::BuildForm() {
    // Left, right and bottom keep a strip of the frame free for sizing; the caption bar is on
    // top.
    setContentsMargins(kResizeStripWidth, 0, kResizeStripWidth, kResizeStripWidth);
    setMenuWidget(BuildCaptionBar());

    // The frame's inner line runs one pixel inside the strips and under the caption bar; the
    // client area starts inside it.
    auto* frameInside = new QWidget(this);
    frameInside->setObjectName(QStringLiteral("pnlFrameInside"));
    auto* inside = new QVBoxLayout(frameInside);
    inside->setContentsMargins(0, 1, 0, 0);
    inside->setSpacing(0);

    ui.pnlClientRect = new QWidget(frameInside);
    ui.pnlClientRect->setObjectName(QStringLiteral("pnlClientRect"));
    ui.pnlClientRect->setAutoFillBackground(true);
    inside->addWidget(ui.pnlClientRect);
    auto* client = new QVBoxLayout(ui.pnlClientRect);
    client->setContentsMargins(0, 0, 0, 0);
    client->setSpacing(0);
    client->addWidget(BuildToolBar());

    auto* columns = new QHBoxLayout;
    ui.columns = columns;
    columns->setContentsMargins(8, 6, 8, 8);
    columns->setSpacing(12);
    auto* left = new QVBoxLayout;
    left->setSpacing(8);
    left->addWidget(BuildDesignationPanel());
    left->addWidget(BuildInputPanel());
    left->addStretch(1);
    columns->addLayout(left, 0);
    auto* right = new QVBoxLayout;
    right->setSpacing(8);
    right->addWidget(BuildNotebook(), 1);
    right->addWidget(BuildResultPanel(), 0);
    columns->addLayout(right, 1);
    client->addLayout(columns, 1);
    client->addWidget(BuildBannerPanel(ui.pnlClientRect), 0);
    setCentralWidget(frameInside);
}

QWidget* TfrmRuZede::BuildToolBar() {
    auto* bar = new QToolBar(ui.pnlClientRect);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setContextMenuPolicy(Qt::PreventContextMenu);
    bar->setIconSize(QSize(kToolIconSize, kToolIconSize));
    ui.ToolBar1 = bar;

    FMillimetreIcon = ToolIcon(ToolIconName::Millimetre);
    FInchIcon = ToolIcon(ToolIconName::Inch);
    ui.btnCalc = MakeToolButton(bar, "btnCalc", ToolIcon(ToolIconName::Calculate), true);
    ui.btnCopy = MakeToolButton(bar, "btnCopy", ToolIcon(ToolIconName::Copy), true);
    ui.btnLang = MakeToolButton(bar, "btnLang", ToolIcon(ToolIconName::Language), true);
    ui.UPopupMenuExt1 = new QMenu(ui.btnLang);
    ui.UPopupMenuExt1->setObjectName(QStringLiteral("UPopupMenuExt1"));
    ui.UPopupMenuExt1->setToolTipsVisible(true);
    // The window draws the menu's items; the style lives as long as the window, which outlives
    // the menu.
    auto* menuLook = new LanguageMenuStyle;
    menuLook->setParent(this);
    ui.UPopupMenuExt1->setStyle(menuLook);
    ui.btnLang->setMenu(ui.UPopupMenuExt1);
    ui.btnLang->setPopupMode(QToolButton::InstantPopup);
    ui.btnMM = MakeToolButton(bar, "btnMM", FMillimetreIcon, true);
    bar->addSeparator();
    ui.btnExit = MakeToolButton(bar, "btnExit", ToolIcon(ToolIconName::Exit), true);
    ui.btnInfo = MakeToolButton(bar, "btnInfo", ToolIcon(ToolIconName::About), true);
    return bar;
}

QWidget* TfrmRuZede::BuildInputPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("pnlInputs"));
    ui.pnlInputs = panel;
    ui.inputGrid = CompactGrid(panel);
    FormRows rows(ui.inputGrid);
    const auto decimal = NumberKind::Decimal;
    const auto integer = NumberKind::Integer;

    ui.Label1 = MakeCaption(panel, "Label1");
    ui.cbType = MakeCombo(panel, "cbType");
    rows.AddWide(ui.Label1, ui.cbType);

    ui.Label3 = MakeCaption(panel, "Label3");
    ui.edStapka = MakeEdit(panel, "edStapka", decimal, Input::Pitch, "0");
    ui.Label6 = MakeLabel(panel, "Label6");
    rows.Add(ui.Label3, ui.edStapka, ui.Label6);

    ui.Label11 = MakeCaption(panel, "Label11");
    ui.edBrH = MakeEdit(panel, "edBrH", integer, Input::Starts, "1");
    rows.Add(ui.Label11, ui.edBrH);

    ui.lHod = MakeCaption(panel, "lHod");
    ui.lPodem = MakeValueLabel(panel, "lPodem");
    ui.Label7 = MakeLabel(panel, "Label7");
    rows.Add(ui.lHod, ui.lPodem, ui.Label7);

    ui.Label4 = MakeCaption(panel, "Label4");
    ui.edA1g = MakeEdit(panel, "edA1g", decimal, Input::FlankDegrees, "30", kDegreeFieldWidth);
    ui.edA1m = MakeEdit(panel, "edA1m", integer, Input::FlankMinutes, "0", kMinuteFieldWidth);
    ui.edA1s = MakeEdit(panel, "edA1s", integer, Input::FlankSeconds, "0", kMinuteFieldWidth);
    rows.AddWide(ui.Label4, AngleRow(panel, ui.edA1g, ui.edA1m, ui.edA1s));

    ui.Label16 = MakeCaption(panel, "Label16");
    ui.edA2g = MakeEdit(panel, "edA2g", decimal, Input::FlankDegrees, "30", kDegreeFieldWidth);
    ui.edA2m = MakeEdit(panel, "edA2m", integer, Input::FlankMinutes, "0", kMinuteFieldWidth);
    ui.edA2s = MakeEdit(panel, "edA2s", integer, Input::FlankSeconds, "0", kMinuteFieldWidth);
    rows.AddWide(ui.Label16, AngleRow(panel, ui.edA2g, ui.edA2m, ui.edA2s));

    rows.AddWhole(BuildTaperPanel());

    ui.lODN = MakeCaption(panel, "lODN");
    ui.lDiamN = MakeValueLabel(panel, "lDiamN");
    ui.Label8 = MakeLabel(panel, "Label8");
    rows.Add(ui.lODN, ui.lDiamN, ui.Label8);

    ui.lDN = MakeCaption(panel, "lDN");
    ui.edDiam = MakeEdit(panel, "edDiam", decimal, Input::ProbeDiam, "0");
    ui.Label9 = MakeLabel(panel, "Label9");
    auto* probeRow = new QHBoxLayout;
    probeRow->setSpacing(4);
    probeRow->addWidget(ui.Label9);
    probeRow->addWidget(MakeWarningMark(panel, ui.lSign));
    probeRow->addStretch(1);
    rows.Add(ui.lDN, ui.edDiam, probeRow);

    ui.Label12 = MakeCaption(panel, "Label12");
    ui.cbMaterial = MakeCombo(panel, "cbMaterial");
    rows.AddWide(ui.Label12, ui.cbMaterial);

    ui.ULabel1 = MakeCaption(panel, "ULabel1");
    ui.cbThrMaterial = MakeCombo(panel, "cbThrMaterial");
    rows.AddWide(ui.ULabel1, ui.cbThrMaterial);

    ui.ULabel2 = MakeLabel(panel, "ULabel2", QStringLiteral("σ"));
    ui.edSigma = MakeEdit(panel, "edSigma", decimal, Input::ThreadPoisson, "1");
    rows.Add(ui.ULabel2, ui.edSigma, nullptr, Qt::AlignRight);

    ui.ULabel3 = MakeLabel(panel, "ULabel3", QStringLiteral("E"));
    ui.edE = MakeEdit(panel, "edE", decimal, Input::ThreadModulus, "250");
    ui.ULabel4 = MakeLabel(panel, "ULabel4", QStringLiteral("GPa"));
    rows.Add(ui.ULabel3, ui.edE, ui.ULabel4, Qt::AlignRight);

    ui.Label2 = MakeCaption(panel, "Label2");
    ui.cbIzm = MakeCombo(panel, "cbIzm");
    rows.AddWide(ui.Label2, ui.cbIzm);

    ui.Label5 = MakeCaption(panel, "Label5");
    ui.edIzmN = MakeEdit(panel, "edIzmN", decimal, Input::Force, "0");
    ui.Label21 = MakeLabel(panel, "Label21", QStringLiteral("N"));
    rows.Add(ui.Label5, ui.edIzmN, ui.Label21);

    // The given-quantity selector stands where the other rows have their caption.
    ui.cbVidVav = MakeCombo(panel, "cbVidVav");
    ui.edIzmSt = MakeEdit(panel, "edIzmSt", decimal, Input::Given, "0");
    ui.Label23 = MakeLabel(panel, "Label23");
    rows.Add(ui.cbVidVav, ui.edIzmSt, ui.Label23);

    ui.inputGrid->setColumnStretch(2, 1);
    return panel;
}

QWidget* TfrmRuZede::BuildTaperPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel5"));
    ui.taperGrid = CompactGrid(panel);
    FormRows rows(ui.taperGrid);

    ui.ULabel5 = MakeCaption(panel, "ULabel5");
    ui.edInIn = MakeEdit(panel, "edInIn", NumberKind::Decimal, Input::TaperRatio, "0");
    ui.ULabel8 = MakeLabel(panel, "ULabel8");
    rows.Add(ui.ULabel5, ui.edInIn, ui.ULabel8);

    ui.ULabel6 = MakeCaption(panel, "ULabel6");
    ui.edBg =
        MakeEdit(panel, "edBg", NumberKind::Decimal, Input::TaperDegrees, "0", kDegreeFieldWidth);
    ui.edBm =
        MakeEdit(panel, "edBm", NumberKind::Integer, Input::FlankMinutes, "0", kMinuteFieldWidth);
    ui.edBs =
        MakeEdit(panel, "edBs", NumberKind::Integer, Input::FlankSeconds, "0", kMinuteFieldWidth);
    rows.AddWide(ui.ULabel6, AngleRow(panel, ui.edBg, ui.edBm, ui.edBs));

    ui.taperGrid->setColumnStretch(2, 1);
    ui.Panel5 = panel;
    return panel;
}

QWidget* TfrmRuZede::BuildResultPanel() {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("pnlResults"));
    ui.pnlResults = panel;
    panel->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(panel);
    ui.resultGrid = grid;
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setVerticalSpacing(4);
    FormRows rows(grid);

    const auto addResult = [&](QLabel*& caption, const char* captionName, QLabel*& value,
                               const char* valueName, QLabel*& unit, const char* unitName) {
        caption = MakeLabel(panel, captionName);
        // On one line as long as the window is not at its narrowest in a long language.
        caption->setWordWrap(true);
        value = MakeLabel(panel, valueName);
        unit = MakeLabel(panel, unitName);
        MakeProminent(value);
        FixSize(value, kResultWidth);
        rows.Add(caption, value, unit);
    };
    addResult(ui.lRes4, "lRes4", ui.lSrDA2, "lSrDA2", ui.Label27, "Label27");
    addResult(ui.lVidIzm, "lVidIzm", ui.lRazmM, "lRazmM", ui.Label25, "Label25");
    addResult(ui.lRes3, "lRes3", ui.lA2, "lA2", ui.Label26, "Label26");
    ui.lblUncertaintyCaption = MakeLabel(panel, "lblUncertaintyCaption");
    ui.lblUncertaintyCaption->setWordWrap(true);
    ui.lblUncertainty = MakeLabel(panel, "lblUncertainty");
    ui.lblUncertainty->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ui.lblUncertainty->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A row of its own across the columns: the caption gives way (wraps) before the value.
    auto* uncertaintyRow = new QHBoxLayout;
    uncertaintyRow->setSpacing(grid->horizontalSpacing());
    uncertaintyRow->addWidget(ui.lblUncertaintyCaption, 1);
    uncertaintyRow->addWidget(ui.lblUncertainty, 0);
    rows.AddWhole(uncertaintyRow);
    // Shown only after a calculation with a designation in force.
    ui.lblVerdict = MakeLabel(panel, "lblVerdict");
    QFont bold = ui.lblVerdict->font();
    bold.setBold(true);
    ui.lblVerdict->setFont(bold);
    ui.lblReadingWindow = MakeLabel(panel, "lblReadingWindow");
    for (QLabel* label : {ui.lblVerdict, ui.lblReadingWindow}) {
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->hide();
    }
    rows.AddWhole(ui.lblVerdict);
    rows.AddWhole(ui.lblReadingWindow);
    grid->setColumnStretch(0, 1);
    return panel;
}

QWidget* TfrmRuZede::BuildNotebook() {
    auto* notebook = new QWidget(this);
    notebook->setObjectName(QStringLiteral("pnlNotebook"));
    notebook->setMinimumWidth(kMinimumNotebookWidth);
    auto* layout = new QVBoxLayout(notebook);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(BuildTabs());

    // The pages' frame: its top line is the tabs' base line.
    auto* pages = new TPaintBox(notebook);
    pages->setObjectName(QStringLiteral("pnlPages"));
    connect(pages, &TPaintBox::paint, pages, [pages](QPainter& painter) {
        painter.fillRect(pages->rect(), Qt::white);
        painter.setPen(kFrameLine);
        const int right = pages->width() - 1;
        const int bottom = pages->height() - 1;
        painter.drawLine(0, 0, 0, bottom);
        painter.drawLine(right, 0, right, bottom);
        painter.drawLine(0, bottom, right, bottom);
    });
    auto* pagesLayout = new QVBoxLayout(pages);
    pagesLayout->setContentsMargins(1, 0, 1, 1);
    layout->addWidget(pages, 1);

    auto* book = new QStackedWidget(pages);
    book->setObjectName(QStringLiteral("Book"));
    ui.Book = book;
    pagesLayout->addWidget(book);

    book->addWidget(BuildFigurePage(book));

    ui.catalogPage = new CatalogPage(book);
    ui.catalogPage->setObjectName(QStringLiteral("pgCatalog"));
    book->addWidget(ui.catalogPage);

    ui.redHlep = new QTextBrowser(book);
    ui.redHlep->setObjectName(QStringLiteral("redHlep"));
    ui.redHlep->setFrameShape(QFrame::NoFrame);
    ui.redHlep->setReadOnly(true);
    ui.redHlep->setOpenExternalLinks(true);
    book->addWidget(ui.redHlep);

    book->addWidget(BuildBudgetPage(book));
    return notebook;
}

// After the texts changed and whenever the window's width changes: the caption column and the
// selectors of the input form get the widths ChooseInputColumns gives for the room that the
// notebook and the results leave. The caption columns of the inputs and of the taper panel line
// up; a caption wider than its column wraps.
void TfrmRuZede::FitLayoutToTexts() {
    if (ui.inputGrid == nullptr || ui.pnlResults == nullptr) {
        return; // still being built
    }
    const QFontMetrics metrics = ui.Label1->fontMetrics();
    InputTextWidths texts;
    QStringList captions;
    for (const QLabel* caption :
         {ui.lblDesignation, ui.Label1, ui.Label3, ui.Label11, ui.lHod, ui.Label4, ui.Label16,
          ui.ULabel5, ui.ULabel6, ui.Label12, ui.ULabel1, ui.Label2, ui.Label5}) {
        captions << caption->text();
    }
    // Both probe captions, so that a change of thread type does not move the columns.
    for (const int type : {0, 1}) {
        if (const ThreadTypeTraits* traits = ThreadTypeInfo(type)) {
            captions << LangText(traits->optimalCaptionText)
                     << LangText(traits->diameterCaptionText) + QStringLiteral(" (dD)");
        }
    }
    int longestWord = 0;
    for (const QString& caption : captions) {
        // A label lays out its text a pixel or two wider than the plain advance.
        texts.caption =
            std::max(texts.caption, metrics.horizontalAdvance(caption) + kCaptionLayoutSlack);
        for (const QString& word : caption.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            longestWord = std::max(longestWord, metrics.horizontalAdvance(word));
        }
    }
    // The given-quantity selector stands in the caption column; it shows its items whole.
    texts.captionFloor =
        std::max(longestWord, static_cast<ElidingComboBox*>(ui.cbVidVav)->widthForItems());

    for (QComboBox* combo : {ui.cbType, ui.cbMaterial, ui.cbIzm, ui.cbThrMaterial}) {
        const int whole = static_cast<ElidingComboBox*>(combo)->widthForItems();
        texts.selectorAll = std::max(texts.selectorAll, whole);
        if (combo != ui.cbThrMaterial) {
            texts.selectorEssential = std::max(texts.selectorEssential, whole);
        }
    }
    texts.selectorFloor = ui.cbType->minimumSizeHint().width();
    int unitWidth = 0;
    for (const QLabel* unit : {ui.Label6, ui.Label7, ui.Label8, ui.Label9, ui.Label21, ui.Label23,
                               ui.ULabel4, ui.ULabel8}) {
        unitWidth = std::max(unitWidth, unit->sizeHint().width());
    }
    const int gap = ui.inputGrid->horizontalSpacing();
    texts.fields = std::max(kValueFieldWidth + gap + unitWidth + ui.lSign->width(),
                            ui.edA1g->parentWidget()->sizeHint().width());

    // The notebook and the results keep what they need with the result captions on one line;
    // the rest is the form's.
    int resultCaption = 0;
    // The uncertainty's caption wraps rather than widen the results.
    for (const QLabel* caption : {ui.lRes4, ui.lVidIzm, ui.lRes3}) {
        resultCaption = std::max(resultCaption,
                                 metrics.horizontalAdvance(caption->text()) + kCaptionLayoutSlack);
    }
    int resultUnit = 0;
    for (const QLabel* unit : {ui.Label27, ui.Label25, ui.Label26}) {
        resultUnit = std::max(resultUnit, unit->sizeHint().width());
    }
    const QMargins resultMargins = ui.resultGrid->contentsMargins();
    const int frame = 2 * ui.pnlResults->frameWidth();
    // The expanded uncertainty spans the value and unit columns; its caption and the other
    // result captions share the rest and wrap when the row is short.
    const int resultsNeed = frame + resultMargins.left() + resultMargins.right() + resultCaption +
                            2 * ui.resultGrid->horizontalSpacing() + kResultWidth + resultUnit;
    const QMargins margins = ui.columns->contentsMargins();
    const int rightNeed = std::max(kMinimumNotebookWidth, resultsNeed);
    const int clientWidth = width() - 2 * kResizeStripWidth;
    const int available =
        clientWidth - margins.left() - margins.right() - ui.columns->spacing() - rightNeed;
    const InputColumnWidths chosen = ChooseInputColumns(available, gap, texts);

    ui.inputGrid->setColumnMinimumWidth(0, chosen.caption);
    ui.taperGrid->setColumnMinimumWidth(0, chosen.caption);
    ui.designationGrid->setColumnMinimumWidth(0, chosen.caption);
    for (QLabel* caption :
         {ui.lblDesignation, ui.Label1, ui.Label3, ui.Label11, ui.lHod, ui.Label4, ui.Label16,
          ui.ULabel5, ui.ULabel6, ui.lODN, ui.lDN, ui.Label12, ui.ULabel1, ui.Label2, ui.Label5}) {
        caption->setMaximumWidth(chosen.caption);
    }
    for (QComboBox* combo : {ui.cbType, ui.cbMaterial, ui.cbThrMaterial, ui.cbIzm}) {
        static_cast<ElidingComboBox*>(combo)->setPreferredWidth(chosen.selector);
    }
}

// The window is at most as large as the work area, and never smaller than its minimum there.
void TfrmRuZede::FitToDesktop() {
    QSize limit(kMinimumWidth, kMinimumHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        limit = limit.boundedTo(screen->availableGeometry().size());
    }
    setMinimumSize(limit);
    resize(limit);
}

} // namespace kthread
