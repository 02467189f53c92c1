// The notebook's four tabs: paint boxes over the pages, drawn by the window. Pressing one puts
// it in front and shows the page named by the last character of its name; its caption is its
// hint, set by the language.
#include "window/TfrmRuZede.h"

#include "window/FrameColours.h"
#include "window/TPaintBox.h"
#include "window/TabPainter.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStackedWidget>

namespace kthread {

QWidget* TfrmRuZede::BuildTabs() {
    ui.pnlTabs = new TPaintBox(this);
    ui.pnlTabs->setObjectName(QStringLiteral("pnlTabs"));
    ui.pnlTabs->setFixedHeight(kTabHeight);
    connect(ui.pnlTabs, &TPaintBox::paint, this,
            [this](QPainter& painter) { pnlTabsPaint(painter); });

    TPaintBox** tabs[] = {&ui.pbCtrl_0, &ui.pbCtrl_1, &ui.pbCtrl_2, &ui.pbCtrl_3};
    for (int page = 0; page < 4; ++page) {
        auto* tab = new TPaintBox(ui.pnlTabs);
        tab->setObjectName(QStringLiteral("pbCtrl_%1").arg(page));
        tab->setGeometry(page * kTabStep, 0, kTabWidth, kTabHeight);
        connect(tab, &TPaintBox::paint, this,
                [this, tab](QPainter& painter) { pbCtrl_0Paint(tab, painter); });
        connect(tab, &TPaintBox::mouseDown, this,
                [this, tab](QMouseEvent* /*event*/) { pbCtrl_0MouseDown(tab); });
        *tabs[page] = tab;
    }
    ui.pbCtrl_0->setTag(1);
    ui.pbCtrl_0->raise();
    return ui.pnlTabs;
}

void TfrmRuZede::pnlTabsPaint(QPainter& painter) {
    painter.fillRect(ui.pnlTabs->rect(), ui.pnlClientRect->palette().window());
    painter.setPen(kFrameLine);
    const int baseLine = ui.pnlTabs->height() - 1;
    painter.drawLine(0, baseLine, ui.pnlTabs->width() - 1, baseLine);
}

void TfrmRuZede::pbCtrl_0Paint(TPaintBox* tab, QPainter& painter) {
    PaintNotebookTab(painter, tab->size(), ui.pnlClientRect->palette().window().color(),
                     tab->tag() == 1, tab->toolTip());
}

void TfrmRuZede::pbCtrl_0MouseDown(TPaintBox* tab) {
    for (TPaintBox* each : {ui.pbCtrl_0, ui.pbCtrl_1, ui.pbCtrl_2, ui.pbCtrl_3}) {
        each->setTag(each == tab ? 1 : 0);
        each->update();
    }
    tab->raise();
    const QString name = tab->objectName();
    ui.Book->setCurrentIndex(name.right(1).toInt());
}

} // namespace kthread
