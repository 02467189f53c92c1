#include "window/FormSelectorDelegate.h"

#include "window/BudgetTableModel.h"

#include <QComboBox>

namespace kthread {

QWidget* FormSelectorDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& /*option*/,
                                            const QModelIndex& index) const {
    auto* selector = new QComboBox(parent);
    selector->setObjectName(QStringLiteral("cbEntryForm"));
    selector->addItems(index.data(BudgetTableModel::FormChoicesRole).toStringList());
    connect(selector, &QComboBox::activated, this, [this, selector] {
        // const_cast: commitData takes the editor the view handed out.
        emit const_cast<FormSelectorDelegate*>(this)->commitData(selector);
    });
    return selector;
}

void FormSelectorDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    static_cast<QComboBox*>(editor)->setCurrentIndex(index.data(Qt::EditRole).toInt());
}

void FormSelectorDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                        const QModelIndex& index) const {
    model->setData(index, static_cast<QComboBox*>(editor)->currentIndex(), Qt::EditRole);
}

} // namespace kthread
