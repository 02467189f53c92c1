#include "window/TQFloatEdit.h"

#include "engine/NumberText.h"
#include "window/NumberTexts.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QValidator>
#include <cmath>

namespace kthread {

namespace {

// Keeps pasted and dropped text within the typing rules; typed keys are filtered before they
// get here, and writes through setText() are not validated at all.
class NumberInputValidator : public QValidator {
public:
    NumberInputValidator(NumberKind kind, QObject* parent) : QValidator(parent), m_kind(kind) {}

    State validate(QString& input, int& position) const override {
        const std::optional<QString> normalised =
            NormalisedInput(m_kind, input, LocaleDecimalPoint());
        if (!normalised) {
            return Invalid;
        }
        if (*normalised != input) {
            position = std::min(position, static_cast<int>(normalised->size()));
            input = *normalised;
        }
        return Acceptable;
    }

private:
    NumberKind m_kind;
};

bool IsEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// A change of focus that does not mean entering or leaving the field: a menu or another
// application's window came to the front.
bool IsPassingFocus(Qt::FocusReason reason) {
    return reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason;
}

} // namespace

TQFloatEdit::TQFloatEdit(NumberKind kind, double minValue, double maxValue, QWidget* parent)
    : QLineEdit(parent), m_kind(kind), m_minValue(minValue), m_maxValue(maxValue) {
    setValidator(new NumberInputValidator(kind, this));
}

double TQFloatEdit::value() const {
    return ReadNumberText(text());
}

double TQFloatEdit::clamped(double value) const {
    if (!hasLimits()) {
        return value;
    }
    if (value > m_maxValue) {
        return m_maxValue;
    }
    if (value < m_minValue) {
        return m_minValue;
    }
    return value;
}

QString TQFloatEdit::formatValue(double value) const {
    const double shown = clamped(value);
    if (m_kind == NumberKind::Integer) {
        return QString::number(static_cast<long long>(RoundHalfEven(shown, 0)));
    }
    if (m_decimals > 0) {
        QString text = QString::number(shown, 'f', m_decimals);
        return text.replace(QLatin1Char('.'), LocaleDecimalPoint());
    }
    return GeneralText(shown);
}

void TQFloatEdit::setValue(double value) {
    // setText() emits textChanged() only when the text really changes.
    setText(formatValue(value));
}

void TQFloatEdit::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Escape) {
        setText(m_textOnEntry);
        event->accept();
        return;
    }
    // Shortcuts, cursor movement, Delete, Backspace and Enter keep their line-edit meaning;
    // pasting goes through the validator.
    const QString typed = event->text();
    const bool command =
        (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
    if (command || typed.isEmpty() || key == Qt::Key_Backspace || key == Qt::Key_Tab ||
        key == Qt::Key_Backtab || IsEnter(key) || key == Qt::Key_Delete) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (typed.size() != 1) {
        event->accept();
        return;
    }
    QString remaining = text();
    int position = cursorPosition();
    if (hasSelectedText()) {
        position = selectionStart();
        remaining.remove(position, selectedText().size());
    }
    const std::optional<QString> accepted =
        TypedCharacter(m_kind, remaining, position, typed.front(), LocaleDecimalPoint());
    if (accepted) {
        insert(*accepted);
    }
    event->accept();
}

void TQFloatEdit::focusInEvent(QFocusEvent* event) {
    // Coming back from another window or a menu is no new entry; the first focus of a freshly
    // activated window is.
    if (!m_entered && event->reason() != Qt::PopupFocusReason) {
        m_textOnEntry = text();
        m_entered = true;
    }
    QLineEdit::focusInEvent(event);
}

void TQFloatEdit::focusOutEvent(QFocusEvent* event) {
    if (!IsPassingFocus(event->reason())) {
        m_entered = false;
        settleOnLeaving();
    }
    QLineEdit::focusOutEvent(event);
}

void TQFloatEdit::settleOnLeaving() {
    const QString current = text();
    if (current.isEmpty() || current == QStringLiteral("-")) {
        setText(QStringLiteral("0"));
        return;
    }
    const double read = value();
    if (clamped(read) != read) {
        setValue(read);
    }
}

} // namespace kthread
