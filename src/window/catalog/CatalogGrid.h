// The catalogue grid dbgrKatDiam: in-place decimal editing, whole-row selection that follows the
// current cell, Tab between cells. It reports the keys that act on rows instead of acting itself.
#pragma once

#include <QTableView>

namespace kthread {

class DecimalItemDelegate;

class CatalogGrid : public QTableView {
    Q_OBJECT
public:
    explicit CatalogGrid(QWidget* parent = nullptr);

    bool isEditing() const { return state() == EditingState; }
    // Writes the open cell editor's text to the model and closes the editor.
    void commitOpenEditor();

signals:
    // The Delete key outside a cell editor.
    void deleteKeyPressed();
    // Escape, in a cell editor or on the grid.
    void cancelRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    DecimalItemDelegate* m_delegate = nullptr;
};

} // namespace kthread
