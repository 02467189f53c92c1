#include "window/NumericInputRules.h"

namespace kthread {

namespace {

bool IsExponentLetter(QChar c) {
    return c == QLatin1Char('E') || c == QLatin1Char('e');
}

bool IsDecimalMark(QChar c) {
    return c == QLatin1Char('.') || c == QLatin1Char(',');
}

// A "-" may stand at the start (once) and, in a decimal field, right after the exponent letter.
bool MinusAllowedAt(NumberKind kind, const QString& text, int position) {
    if (position == 0) {
        return !text.startsWith(QLatin1Char('-'));
    }
    return kind == NumberKind::Decimal && IsExponentLetter(text.at(position - 1));
}

bool IsPlainCharacter(NumberKind kind, QChar c) {
    if (c.isDigit() && c.unicode() < 128) {
        return true;
    }
    return kind == NumberKind::Decimal && (c == QLatin1Char('+') || IsExponentLetter(c));
}

} // namespace

std::optional<QString> TypedCharacter(NumberKind kind, const QString& text, int position,
                                      QChar typed, const QString& decimalPoint) {
    if (typed == QLatin1Char('-')) {
        if (MinusAllowedAt(kind, text, position)) {
            return QString(typed);
        }
        return std::nullopt;
    }
    if (IsDecimalMark(typed) || QString(typed) == decimalPoint) {
        if (kind == NumberKind::Decimal && !text.contains(decimalPoint)) {
            return decimalPoint;
        }
        return std::nullopt;
    }
    if (IsPlainCharacter(kind, typed)) {
        return QString(typed);
    }
    return std::nullopt;
}

std::optional<QString> NormalisedInput(NumberKind kind, const QString& text,
                                       const QString& decimalPoint) {
    // Rebuild the text as if it were typed character by character.
    QString result;
    for (const QChar c : text) {
        if (c.isSpace()) {
            continue;
        }
        const std::optional<QString> accepted =
            TypedCharacter(kind, result, static_cast<int>(result.size()), c, decimalPoint);
        if (!accepted) {
            return std::nullopt;
        }
        result += *accepted;
    }
    return result;
}

} // namespace kthread
