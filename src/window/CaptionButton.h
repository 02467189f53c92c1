// The glyph buttons of the caption bar: close, maximise, restore and minimise, drawn as thin
// dark lines on the caption bar's grey, lighter under the mouse and darker while pressed.
#pragma once

#include <QAbstractButton>

namespace kthread {

enum class CaptionGlyph { Close, Maximize, Restore, Minimize };

class CaptionButton : public QAbstractButton {
    Q_OBJECT
public:
    CaptionButton(CaptionGlyph glyph, QWidget* parent = nullptr);

    CaptionGlyph glyph() const { return m_glyph; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    CaptionGlyph m_glyph;
    bool m_hovered = false;
};

} // namespace kthread
