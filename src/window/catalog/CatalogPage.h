// The "Catalog" page: the grid dbgrKatDiam over the bound probe catalogue and the tool bar
// ToolBar2 with New (btnIns), Delete (btnDel) and Select (btnSel).
#pragma once

#include <QWidget>

class QTableView;
class QToolBar;
class QToolButton;

namespace kthread {

class ProbeCatalogModel;

class CatalogPage : public QWidget {
    Q_OBJECT
public:
    explicit CatalogPage(QWidget* parent = nullptr);

    // Binds a catalogue to the grid (the window's mdDiamOut or mdDiamIn); not owned.
    void bind(ProbeCatalogModel* model);
    ProbeCatalogModel* boundModel() const { return m_model; }

    // The grid's current row, -1 when the table is empty or positioned past its last row.
    int currentRow() const;
    void setCurrentRow(int row); // -1 rewinds to the first row

    // Commits a cell still being edited (the Exit command posts a pending edit first).
    void postPendingEdit();

    // Hints of the three buttons (texts 0015, 0016, 0033 of the active language).
    void setHints(const QString& newHint, const QString& deleteHint, const QString& selectHint);

    QTableView* grid() const { return m_grid; }

signals:
    // Select was pressed on a current row.
    void selectRequested(int row);

private:
    void insertRow();
    void deleteCurrentRow(bool ask);

    ProbeCatalogModel* m_model = nullptr;
    QTableView* m_grid = nullptr;
    QToolBar* m_toolBar = nullptr;
    QToolButton* m_btnIns = nullptr;
    QToolButton* m_btnDel = nullptr;
    QToolButton* m_btnSel = nullptr;
};

} // namespace kthread
