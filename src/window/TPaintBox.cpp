#include "window/TPaintBox.h"

#include <QMouseEvent>
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

void TPaintBox::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit mouseDown(event);
}

void TPaintBox::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit mouseMove(event);
}

void TPaintBox::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    emit mouseUp(event);
}

void TPaintBox::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    emit doubleClick(event);
}

} // namespace kthread
