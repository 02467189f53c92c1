// The "Catalog" page: the grid dbgrKatDiam over the bound probe catalogue and the tool bar
// ToolBar2 with New (btnIns), Delete (btnDel) and Select (btnSel).
//
// A new row is posted when its first cell edit is committed (Enter, Tab, leaving the row,
// postPendingEdit()); it is cancelled by Escape, by moving to another row or by the focus leaving
// the grid while it is still untouched.
#pragma once

#include <QWidget>
#include <functional>

class QModelIndex;
class QTableView;
class QToolBar;
class QToolButton;

namespace kthread {

class CatalogGrid;
class ProbeCatalogModel;

class CatalogPage : public QWidget {
    Q_OBJECT
public:
    explicit CatalogPage(QWidget* parent = nullptr);
    ~CatalogPage() override;

    // Binds a catalogue to the grid (the window's mdDiamOut or mdDiamIn); not owned. Binding
    // another catalogue makes its first row current; binding the same one again changes nothing.
    void bind(ProbeCatalogModel* model);
    ProbeCatalogModel* boundModel() const { return m_model; }

    // The grid's current row, -1 when the table is empty or positioned past its last row (an
    // untouched new row counts as past the last row).
    int currentRow() const;
    void setCurrentRow(int row); // -1 (or a row out of range) rewinds to the first row

    // Commits a cell still being edited (the Exit command posts a pending edit first).
    void postPendingEdit();

    // Hints of the three buttons (texts 0015, 0016, 0033 of the active language).
    void setHints(const QString& newHint, const QString& deleteHint, const QString& selectHint);

    // Asked before the Delete key removes a row; true deletes. Defaults to a message box.
    using DeleteConfirmation = std::function<bool()>;
    void setDeleteConfirmation(DeleteConfirmation confirm);

    QTableView* grid() const;

signals:
    // Select was pressed on a current row.
    void selectRequested(int row);

private:
    void insertRow();
    void deleteCurrentRow(bool ask);
    void selectCurrentRow();
    void cancelUntouchedRow();
    void onCurrentRowChanged(const QModelIndex& current, const QModelIndex& previous);
    void onFocusChanged(QWidget* now);
    void unbind();
    void setGridModel(ProbeCatalogModel* model);
    bool askDeleteRecord();

    ProbeCatalogModel* m_model = nullptr;
    CatalogGrid* m_grid = nullptr;
    QToolBar* m_toolBar = nullptr;
    QToolButton* m_btnIns = nullptr;
    QToolButton* m_btnDel = nullptr;
    QToolButton* m_btnSel = nullptr;
    // The application-wide focus signal; cut first when the page goes, because hiding the
    // children during destruction still moves the focus.
    QMetaObject::Connection m_focusConnection;
    DeleteConfirmation m_confirmDelete;
};

} // namespace kthread
