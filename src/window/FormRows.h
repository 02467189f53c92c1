// The rows of the window's grids: a caption in the first column, the field in the second and
// what follows the field (a unit, a mark) in the third. The input form, the taper panel and the
// result panel are all built through it, so their columns line up and a new row is one line.
#pragma once

#include <Qt>

class QGridLayout;
class QLayout;
class QWidget;

namespace kthread {

class FormRows {
public:
    explicit FormRows(QGridLayout* grid) : m_grid(grid) {}

    // Caption, field and, when given, what follows it.
    void Add(QWidget* caption, QWidget* field, QWidget* after = nullptr,
             Qt::Alignment captionAlignment = {});
    void Add(QWidget* caption, QWidget* field, QLayout* after);
    // A field as wide as the field and unit columns together: selectors, angle rows.
    void AddWide(QWidget* caption, QWidget* field);
    // A widget across all three columns.
    void AddWhole(QWidget* widget);
    void AddWhole(QLayout* layout);

    int RowCount() const { return m_row; }

private:
    QGridLayout* m_grid;
    int m_row = 0;
};

} // namespace kthread
