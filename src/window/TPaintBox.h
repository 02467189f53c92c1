// A box that its owner draws: every paint event is handed to the paint signal's receiver with a
// painter on the box.
#pragma once

#include <QWidget>

class QPainter;

namespace kthread {

class TPaintBox : public QWidget {
    Q_OBJECT
public:
    explicit TPaintBox(QWidget* parent = nullptr);

signals:
    void paint(QPainter& painter);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace kthread
