#include "window/BudgetTableModel.h"

#include "engine/Measurement.h"
#include "window/NumberTexts.h"
#include "window/UncertaintyEntry.h"

#include <cmath>

namespace kthread {

using uncertainty::InputQuantity;
using uncertainty::kInputQuantityCount;

namespace {

// Enough for a certificate's figure; the budget's own figures need no more to be read.
constexpr int kValueDigits = 4;
constexpr int kFigureDigits = 3;
constexpr int kShareDecimals = 1;

InputQuantity QuantityOfRow(int row) {
    return static_cast<InputQuantity>(row);
}

} // namespace

BudgetTableModel::BudgetTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void BudgetTableModel::setInputs(const uncertainty::UncertaintyInputs& inputs) {
    m_inputs = inputs;
    emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

void BudgetTableModel::setBudget(std::optional<uncertainty::UncertaintyBudget> budget) {
    if (!budget && !m_budget) {
        return; // every keystroke clears: nothing to repaint
    }
    m_budget = std::move(budget);
    emit dataChanged(index(0, SensitivityColumn), index(rowCount() - 1, ShareColumn));
}

void BudgetTableModel::setInchMode(bool inchMode) {
    m_inchMode = inchMode;
    emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

void BudgetTableModel::setTexts(const QStringList& rowCaptions, const QStringList& headers,
                                const QStringList& formNames) {
    m_rowCaptions = rowCaptions;
    m_headers = headers;
    m_formNames = formNames;
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
    emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

const uncertainty::BudgetRow* BudgetTableModel::budgetRow(InputQuantity quantity) const {
    if (!m_budget) {
        return nullptr;
    }
    for (const uncertainty::BudgetRow& row : m_budget->rows) {
        if (row.quantity == quantity) {
            return &row;
        }
    }
    return nullptr;
}

int BudgetTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kInputQuantityCount);
}

int BudgetTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QString BudgetTableModel::valueText(int row) const {
    const InputQuantity quantity = QuantityOfRow(row);
    return SignificantText(m_inputs[quantity].value /
                               EngineUnitsPerDisplayUnit(quantity, m_inchMode),
                           kValueDigits, true);
}

QString BudgetTableModel::figureText(int row, int column) const {
    const InputQuantity quantity = QuantityOfRow(row);
    const double perDisplayUnit = EngineUnitsPerDisplayUnit(quantity, m_inchMode);
    // The result is a length: shown in mm or inches.
    const double resultPerMM = m_inchMode ? 1 / kMillimetresPerInch : 1;
    if (column == StandardColumn) {
        const std::optional<double> u = uncertainty::StandardUncertaintyOf(m_inputs[quantity]);
        return u ? SignificantText(*u / perDisplayUnit, kFigureDigits) : QString();
    }
    const uncertainty::BudgetRow* budget = budgetRow(quantity);
    if (budget == nullptr) {
        return {};
    }
    switch (column) {
    case SensitivityColumn:
        return SignificantText(budget->sensitivity * perDisplayUnit * resultPerMM, kFigureDigits);
    case ContributionColumn:
        return SignificantText(budget->contribution * resultPerMM, kFigureDigits);
    case ShareColumn:
        return FixedText(100 * budget->varianceShare, kShareDecimals) + QStringLiteral(" %");
    default:
        return {};
    }
}

QVariant BudgetTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= ColumnCount) {
        return {};
    }
    const int row = index.row();
    const InputQuantity quantity = QuantityOfRow(row);
    if (role == Qt::TextAlignmentRole) {
        const bool words = index.column() == QuantityColumn || index.column() == FormColumn ||
                           index.column() == UnitColumn;
        return QVariant::fromValue(Qt::Alignment(words ? Qt::AlignLeft | Qt::AlignVCenter
                                                       : Qt::AlignRight | Qt::AlignVCenter));
    }
    if (role == FormChoicesRole && index.column() == FormColumn) {
        return m_formNames;
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole && role != Qt::ToolTipRole) {
        return {};
    }
    switch (index.column()) {
    case QuantityColumn:
        return m_rowCaptions.value(row);
    case ValueColumn:
        return valueText(row);
    case UnitColumn:
        return DisplayUnitSymbol(quantity, m_inchMode);
    case FormColumn: {
        const int form = static_cast<int>(FormOf(m_inputs[quantity]));
        if (role == Qt::EditRole) {
            return form;
        }
        return m_formNames.value(form);
    }
    default:
        return figureText(row, index.column());
    }
}

QVariant BudgetTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && (role == Qt::DisplayRole || role == Qt::ToolTipRole)) {
        return m_headers.value(section);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags BudgetTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.column() == ValueColumn || index.column() == FormColumn) {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
}

bool BudgetTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.row() >= rowCount()) {
        return false;
    }
    const InputQuantity quantity = QuantityOfRow(index.row());
    uncertainty::InputUncertainty& stated = m_inputs[quantity];
    if (index.column() == ValueColumn) {
        const QString text = value.toString().trimmed();
        // Leaving the editor as it was must not round the value to what is shown.
        if (text == valueText(index.row())) {
            return true;
        }
        const std::optional<double> shown = ParseNumberText(text);
        if (!shown || *shown < 0) {
            return false;
        }
        stated.value = *shown * EngineUnitsPerDisplayUnit(quantity, m_inchMode);
    } else if (index.column() == FormColumn) {
        bool ok = false;
        const int form = value.toInt(&ok);
        if (!ok || form < 0 || form >= kEntryFormCount) {
            return false;
        }
        if (form == static_cast<int>(FormOf(stated))) {
            return true;
        }
        stated = WithForm(stated, static_cast<EntryForm>(form));
    } else {
        return false;
    }
    emit dataChanged(this->index(index.row(), ValueColumn),
                     this->index(index.row(), StandardColumn));
    emit inputsEdited();
    return true;
}

} // namespace kthread
