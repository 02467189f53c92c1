// A label that acts as a link: hand cursor, underlined while the mouse is over it, and a click
// signal for a press and release of the left button on it.
#pragma once

#include <QLabel>

namespace kthread {

class TLinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit TLinkLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void SetUnderline(bool underline);

    bool FPressed = false;
};

} // namespace kthread
