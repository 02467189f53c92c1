// Edits the budget table's form column with a selector of the forms the model offers
// (BudgetTableModel::FormChoicesRole); a choice is written at once.
#pragma once

#include <QStyledItemDelegate>

namespace kthread {

class FormSelectorDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
};

} // namespace kthread
