// A box that its owner draws: every paint event is handed to the paint signal's receiver with a
// painter on the box. Mouse presses, moves, releases and double clicks are handed on the same way
// and count as handled, so they do not reach the boxes below. The tag is the owner's to use.
#pragma once

#include <QWidget>

class QMouseEvent;
class QPainter;

namespace kthread {

class TPaintBox : public QWidget {
    Q_OBJECT
public:
    explicit TPaintBox(QWidget* parent = nullptr);

    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }

signals:
    void paint(QPainter& painter);
    void mouseDown(QMouseEvent* event);
    void mouseMove(QMouseEvent* event);
    void mouseUp(QMouseEvent* event);
    void doubleClick(QMouseEvent* event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    int m_tag = 0;
};

} // namespace kthread
