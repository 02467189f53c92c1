#include "window/TPaintBox.h"

#include <QPainter>

namespace kthread {

TPaintBox::TPaintBox(QWidget* parent) : QWidget(parent) {
    // The receiver covers every pixel, so Qt need not clear the box first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPaintBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    emit paint(painter);
}

} // namespace kthread
