// What the numeric fields let a person type or paste. Integer fields take digits and a leading
// "-"; decimal fields also take "+", "E", "e" and the decimal separator, and a "-" right after
// the exponent letter. A typed "." or "," becomes the locale's separator.
#pragma once

#include <QChar>
#include <QString>
#include <optional>

namespace kthread {

enum class NumberKind { Integer, Decimal };

// The character a key press inserts at `position` of `text` (with the selected characters
// already removed from `text`), or nothing when the key is refused.
std::optional<QString> TypedCharacter(NumberKind kind, const QString& text, int position,
                                      QChar typed, const QString& decimalPoint);

// Brings a pasted or dropped text into the field's form: blanks removed, the other decimal mark
// replaced by the locale's. Empty when the result breaks the typing rules.
std::optional<QString> NormalisedInput(NumberKind kind, const QString& text,
                                       const QString& decimalPoint);

} // namespace kthread
