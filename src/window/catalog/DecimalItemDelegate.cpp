#include "window/catalog/DecimalItemDelegate.h"

#include "engine/NumberText.h"
#include "storage/catalog/CatalogSection.h"
#include "window/catalog/DecimalInputValidator.h"

#include <QLineEdit>
#include <QLocale>

namespace kthread {

QWidget* DecimalItemDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& /*option*/,
                                           const QModelIndex& /*index*/) const {
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    editor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    editor->setValidator(new DecimalInputValidator(editor));
    m_openEditor = editor;
    return editor;
}

void DecimalItemDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* lineEdit = qobject_cast<QLineEdit*>(editor);
    if (lineEdit == nullptr) {
        return;
    }
    const QVariant value = index.data(Qt::EditRole);
    // A new row has no value yet: its cells open empty.
    lineEdit->setText(value.isNull() ? QString()
                                     : QString::fromStdString(FormatGeneral(
                                           value.toDouble(), 15, DecimalSeparatorOf(QLocale()))));
    lineEdit->setModified(false);
}

void DecimalItemDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                       const QModelIndex& index) const {
    const auto* lineEdit = qobject_cast<const QLineEdit*>(editor);
    if (lineEdit == nullptr || !lineEdit->isModified()) {
        return;
    }
    model->setData(index, lineEdit->text(), Qt::EditRole);
}

} // namespace kthread
