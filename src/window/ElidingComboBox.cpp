#include "window/ElidingComboBox.h"

#include <QAbstractItemView>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <algorithm>

namespace kthread {

namespace {

// Room the open list's items take besides their text (margins, a scroll bar).
constexpr int kListItemMargin = 24;

} // namespace

int ElidingComboBox::widthForText(const QString& text) const {
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QSize content(fontMetrics().horizontalAdvance(text), fontMetrics().height());
    return style()->sizeFromContents(QStyle::CT_ComboBox, &option, content, this).width();
}

int ElidingComboBox::widthForItems() const {
    int widest = 0;
    for (int i = 0; i < count(); ++i) {
        widest = std::max(widest, widthForText(itemText(i)));
    }
    return widest;
}

void ElidingComboBox::setPreferredWidth(int width) {
    if (width != m_preferredWidth) {
        m_preferredWidth = width;
        updateGeometry();
    }
}

QSize ElidingComboBox::sizeHint() const {
    QSize hint = QComboBox::sizeHint();
    hint.setWidth(std::max(hint.width(), m_preferredWidth));
    return hint;
}

void ElidingComboBox::showPopup() {
    int widest = 0;
    for (int i = 0; i < count(); ++i) {
        widest = std::max(widest, view()->fontMetrics().horizontalAdvance(itemText(i)));
    }
    view()->setMinimumWidth(widest + kListItemMargin);
    QComboBox::showPopup();
}

void ElidingComboBox::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    option.currentText =
        fontMetrics().elidedText(option.currentText, Qt::ElideRight, field.width() - 2);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

} // namespace kthread
