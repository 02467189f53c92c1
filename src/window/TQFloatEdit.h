// The numeric input field of the window.
//
// Reading (value()): an empty text, a lone "-" or a text that is no number reads as 0; "." and
// "," both work as the decimal mark; reading never clamps. Writing (setValue()): integer fields
// show the value rounded to a whole number, decimal fields the shortest general form with up to
// 15 significant digits (or `decimals()` fixed decimals when above 0), with the locale's
// separator, clamped to the limits when either limit is not 0. A write that changes the text
// emits textChanged() exactly like typing does; the window's change handlers rely on that.
//
// Typing follows NumericInputRules (pasted and dropped text too). Escape restores the text the
// field had when it received the focus; leaving the field turns an empty text or a lone "-"
// into "0" and replaces a value outside the limits by the limit.
#pragma once

#include "window/NumericInputRules.h"

#include <QLineEdit>

namespace kthread {

class TQFloatEdit : public QLineEdit {
    Q_OBJECT
public:
    TQFloatEdit(NumberKind kind, double minValue, double maxValue, QWidget* parent = nullptr);

    NumberKind kind() const { return m_kind; }
    double minValue() const { return m_minValue; }
    double maxValue() const { return m_maxValue; }
    int decimals() const { return m_decimals; }
    void setDecimals(int decimals) { m_decimals = decimals; }

    double value() const;
    void setValue(double value);

    // The text a write of `value` would show.
    QString formatValue(double value) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool hasLimits() const { return m_minValue != 0 || m_maxValue != 0; }
    double clamped(double value) const;
    void settleOnLeaving();

    NumberKind m_kind;
    double m_minValue;
    double m_maxValue;
    int m_decimals = 0;
    QString m_textOnEntry;
    bool m_entered = false;
};

} // namespace kthread
