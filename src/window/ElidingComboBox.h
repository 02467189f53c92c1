// A drop-down list whose closed box cuts a text that does not fit with an ellipsis, at the end,
// instead of clipping it in the middle of a letter; its open list is at least as wide as its
// widest item, so every item can be read in full there.
#pragma once

#include <QComboBox>

namespace kthread {

class ElidingComboBox : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;

    // The width the closed box needs to show `text` whole.
    int widthForText(const QString& text) const;
    // The width the closed box needs to show its widest item whole.
    int widthForItems() const;

    // The width the box asks the layout for; it may be given less, down to its minimum.
    void setPreferredWidth(int width);
    QSize sizeHint() const override;

    void showPopup() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_preferredWidth = 0;
};

} // namespace kthread
