#include "window/catalog/CatalogGrid.h"

#include "window/catalog/DecimalItemDelegate.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>

namespace kthread {

CatalogGrid::CatalogGrid(QWidget* parent)
    : QTableView(parent), m_delegate(new DecimalItemDelegate(this)) {
    setObjectName(QStringLiteral("dbgrKatDiam"));
    setItemDelegate(m_delegate);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    setTabKeyNavigation(true);
    setShowGrid(true);
    setWordWrap(false);
    // The millimetre and inch columns share the grid's width.
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->hide();
}

void CatalogGrid::commitOpenEditor() {
    QLineEdit* editor = m_delegate->openEditor();
    if (!isEditing() || editor == nullptr) {
        return;
    }
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void CatalogGrid::keyPressEvent(QKeyEvent* event) {
    if (!isEditing() && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (event->key() == Qt::Key_Delete) {
            emit deleteKeyPressed();
            event->accept();
            return;
        }
        if (event->key() == Qt::Key_Escape) {
            emit cancelRequested();
            event->accept();
            return;
        }
    }
    QTableView::keyPressEvent(event);
}

void CatalogGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    QTableView::closeEditor(editor, hint);
    if (hint == QAbstractItemDelegate::RevertModelCache) {
        emit cancelRequested();
    }
}

} // namespace kthread
