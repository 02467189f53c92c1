// Cell editor of the catalogue grid: a frameless line edit with DecimalInputValidator. An edit
// is written to the model only when the user changed the text, so opening and leaving a cell
// never alters a stored value through its shortened edit text.
#pragma once

#include <QLineEdit>
#include <QPointer>
#include <QStyledItemDelegate>

namespace kthread {

class DecimalItemDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

    // The editor currently open, if any.
    QLineEdit* openEditor() const { return m_openEditor; }

private:
    mutable QPointer<QLineEdit> m_openEditor;
};

} // namespace kthread
