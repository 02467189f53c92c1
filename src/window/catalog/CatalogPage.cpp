#include "window/catalog/CatalogPage.h"

#include "storage/catalog/ProbeCatalogModel.h"
#include "window/catalog/CatalogGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QIcon>
#include <QItemSelectionModel>
#include <QMessageBox>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace kthread {

namespace {

QToolButton* MakeToolButton(QToolBar* toolBar, const QString& objectName, const QIcon& icon,
                            const QString& hint) {
    auto* button = new QToolButton(toolBar);
    button->setObjectName(objectName);
    button->setIcon(icon);
    button->setText(hint);
    button->setToolTip(hint);
    button->setAutoRaise(true);
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    // Pressing a button must not take the focus from the grid, or a new row would be cancelled.
    button->setFocusPolicy(Qt::NoFocus);
    toolBar->addWidget(button);
    return button;
}

QIcon ThemeIcon(const QString& name, const QStyle* style, QStyle::StandardPixmap fallback) {
    return QIcon::fromTheme(name, style->standardIcon(fallback));
}

} // namespace

CatalogPage::CatalogPage(QWidget* parent)
    : QWidget(parent), m_grid(new CatalogGrid(this)), m_toolBar(new QToolBar(this)) {
    m_toolBar->setObjectName(QStringLiteral("ToolBar2"));
    m_toolBar->setMovable(false);
    m_btnIns = MakeToolButton(
        m_toolBar, QStringLiteral("btnIns"),
        ThemeIcon(QStringLiteral("list-add"), style(), QStyle::SP_FileDialogNewFolder), tr("New"));
    m_btnDel = MakeToolButton(
        m_toolBar, QStringLiteral("btnDel"),
        ThemeIcon(QStringLiteral("list-remove"), style(), QStyle::SP_TrashIcon), tr("Delete"));
    m_btnSel = MakeToolButton(
        m_toolBar, QStringLiteral("btnSel"),
        ThemeIcon(QStringLiteral("dialog-ok-apply"), style(), QStyle::SP_DialogApplyButton),
        tr("Select"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_grid, 1);

    connect(m_btnIns, &QToolButton::clicked, this, &CatalogPage::insertRow);
    connect(m_btnDel, &QToolButton::clicked, this, [this] { deleteCurrentRow(false); });
    connect(m_btnSel, &QToolButton::clicked, this, [this] {
        if (m_model == nullptr) {
            return;
        }
        m_grid->commitOpenEditor();
        if (const int row = currentRow(); row >= 0) {
            emit selectRequested(row);
        }
    });
    connect(m_grid, &CatalogGrid::deleteKeyPressed, this, [this] { deleteCurrentRow(true); });
    connect(m_grid, &CatalogGrid::cancelRequested, this, &CatalogPage::cancelUntouchedRow);
    m_focusConnection = connect(qApp, &QApplication::focusChanged, this,
                                [this](QWidget* /*old*/, QWidget* now) { onFocusChanged(now); });
}

CatalogPage::~CatalogPage() {
    disconnect(m_focusConnection);
}

void CatalogPage::bind(ProbeCatalogModel* model) {
    if (model == m_model) {
        return;
    }
    unbind();
    if (model == nullptr) {
        return;
    }
    m_model = model;
    setGridModel(model);
    connect(model, &ProbeCatalogModel::modelReset, this, [this] { setCurrentRow(-1); });
    connect(model, &ProbeCatalogModel::rowsRemoved, this, &CatalogPage::selectCurrentRow);
    connect(model, &QObject::destroyed, this, [this] { m_model = nullptr; });
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &CatalogPage::onCurrentRowChanged);
    setCurrentRow(-1);
}

void CatalogPage::unbind() {
    if (m_model != nullptr) {
        // What was typed is kept; an untouched new row does not outlive the grid showing it.
        m_grid->commitOpenEditor();
        cancelUntouchedRow();
        disconnect(m_model, nullptr, this, nullptr);
    }
    m_model = nullptr;
    setGridModel(nullptr);
}

void CatalogPage::setGridModel(ProbeCatalogModel* model) {
    // The view does not delete the selection model it made for the previous catalogue.
    QItemSelectionModel* oldSelection = m_grid->selectionModel();
    m_grid->setModel(model);
    if (oldSelection != m_grid->selectionModel()) {
        delete oldSelection;
    }
}

QTableView* CatalogPage::grid() const {
    return m_grid;
}

int CatalogPage::currentRow() const {
    if (m_model == nullptr) {
        return -1;
    }
    const int row = m_grid->currentIndex().row();
    return row >= 0 && row < m_model->count() ? row : -1;
}

void CatalogPage::setCurrentRow(int row) {
    if (m_model == nullptr) {
        return;
    }
    if (row < 0 || row >= m_model->rowCount()) {
        row = m_model->rowCount() > 0 ? 0 : -1;
    }
    QItemSelectionModel* selection = m_grid->selectionModel();
    if (row < 0) {
        selection->clear();
        return;
    }
    const int column = std::max(m_grid->currentIndex().column(), 0);
    const QModelIndex index = m_model->index(row, column);
    selection->setCurrentIndex(index,
                               QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_grid->scrollTo(index);
}

void CatalogPage::postPendingEdit() {
    m_grid->commitOpenEditor();
}

void CatalogPage::setHints(const QString& newHint, const QString& deleteHint,
                           const QString& selectHint) {
    const std::pair<QToolButton*, const QString*> hints[] = {
        {m_btnIns, &newHint}, {m_btnDel, &deleteHint}, {m_btnSel, &selectHint}};
    for (const auto& [button, hint] : hints) {
        button->setToolTip(*hint);
        button->setText(*hint);
    }
}

void CatalogPage::setDeleteConfirmation(DeleteConfirmation confirm) {
    m_confirmDelete = std::move(confirm);
}

void CatalogPage::insertRow() {
    if (m_model == nullptr) {
        return;
    }
    m_grid->commitOpenEditor();
    const QModelIndex index =
        m_model->index(m_model->appendPendingRow(), ProbeCatalogModel::ColumnMM);
    m_grid->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                         QItemSelectionModel::Rows);
    m_grid->scrollTo(index);
    m_grid->setFocus(Qt::OtherFocusReason);
    m_grid->edit(index);
}

void CatalogPage::deleteCurrentRow(bool ask) {
    if (m_model == nullptr) {
        return;
    }
    const int row = m_grid->currentIndex().row();
    if (row < 0 || row >= m_model->rowCount()) {
        return;
    }
    if (ask && !askDeleteRecord()) {
        return;
    }
    m_model->removeRowAt(row);
}

bool CatalogPage::askDeleteRecord() {
    if (m_confirmDelete) {
        return m_confirmDelete();
    }
    return QMessageBox::question(this, windowTitle(), tr("Delete record?"),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

void CatalogPage::selectCurrentRow() {
    const QModelIndex current = m_grid->currentIndex();
    if (current.isValid()) {
        m_grid->selectionModel()->select(current, QItemSelectionModel::ClearAndSelect |
                                                      QItemSelectionModel::Rows);
    }
}

void CatalogPage::cancelUntouchedRow() {
    if (m_model != nullptr && m_model->hasPendingRow()) {
        m_model->cancelPendingRow();
    }
}

void CatalogPage::onCurrentRowChanged(const QModelIndex& current, const QModelIndex& previous) {
    // Leaving an untouched new row drops it.
    if (m_model != nullptr && m_model->hasPendingRow() && current.isValid() &&
        previous.row() == m_model->pendingRow() && current.row() != previous.row()) {
        m_model->cancelPendingRow();
    }
}

void CatalogPage::onFocusChanged(QWidget* now) {
    // A null widget means another application took the focus; the grid has not been left.
    if (now == nullptr || now == m_grid || m_grid->isAncestorOf(now)) {
        return;
    }
    cancelUntouchedRow();
}

} // namespace kthread
