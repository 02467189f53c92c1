// Input rule of the catalogue cells: a decimal number, typed with "." or "," as the mark; either
// mark is shown as the current locale's separator. An empty text is accepted (it posts nothing).
#pragma once

#include <QValidator>

namespace kthread {

class DecimalInputValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override;
};

} // namespace kthread
