#include "window/FormRows.h"

#include <QGridLayout>

namespace kthread {

void FormRows::Add(QWidget* caption, QWidget* field, QWidget* after,
                   Qt::Alignment captionAlignment) {
    m_grid->addWidget(caption, m_row, 0, captionAlignment);
    m_grid->addWidget(field, m_row, 1);
    if (after != nullptr) {
        m_grid->addWidget(after, m_row, 2);
    }
    ++m_row;
}

void FormRows::Add(QWidget* caption, QWidget* field, QLayout* after) {
    m_grid->addWidget(caption, m_row, 0);
    m_grid->addWidget(field, m_row, 1);
    m_grid->addLayout(after, m_row, 2);
    ++m_row;
}

void FormRows::AddWide(QWidget* caption, QWidget* field) {
    m_grid->addWidget(caption, m_row, 0);
    m_grid->addWidget(field, m_row, 1, 1, 2);
    ++m_row;
}

void FormRows::AddWhole(QWidget* widget) {
    m_grid->addWidget(widget, m_row, 0, 1, 3);
    ++m_row;
}

void FormRows::AddWhole(QLayout* layout) {
    m_grid->addLayout(layout, m_row, 0, 1, 3);
    ++m_row;
}

} // namespace kthread
