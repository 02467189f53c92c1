// The budget page's table: one row per input quantity of the uncertainty model, whether or not
// the last budget used it. The stated value and its form are edited here; the standard
// uncertainty follows from them at once, the sensitivity, contribution and share come from the
// last budget and stay empty without one (or for an input the budget left out, such as the
// force when none is applied). Lengths follow the unit switch; other inputs have units of
// their own (UncertaintyEntry.h).
#pragma once

#include "engine/uncertainty/MeasurementModel.h"
#include "engine/uncertainty/UncertaintyBudget.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <optional>

namespace kthread {

class BudgetTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        QuantityColumn,
        ValueColumn, // editable: the stated value in the display unit
        UnitColumn,
        FormColumn, // editable: an EntryForm index
        StandardColumn,
        SensitivityColumn, // result unit per display unit of the input
        ContributionColumn,
        ShareColumn,
        ColumnCount
    };
    // Of the form column: the selector's items (QStringList).
    static constexpr int FormChoicesRole = Qt::UserRole + 1;

    explicit BudgetTableModel(QObject* parent = nullptr);

    const uncertainty::UncertaintyInputs& inputs() const { return m_inputs; }
    void setInputs(const uncertainty::UncertaintyInputs& inputs);

    const std::optional<uncertainty::UncertaintyBudget>& budget() const { return m_budget; }
    void setBudget(std::optional<uncertainty::UncertaintyBudget> budget);

    bool inchMode() const { return m_inchMode; }
    void setInchMode(bool inchMode);

    // One caption per input quantity, the column headers and the forms' names.
    void setTexts(const QStringList& rowCaptions, const QStringList& headers,
                  const QStringList& formNames);

    // The budget's row of an input, when the budget used it.
    const uncertainty::BudgetRow* budgetRow(uncertainty::InputQuantity quantity) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // A value must read as a finite number not below zero; anything else is refused and the
    // cell keeps its value.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    // An input uncertainty was changed by an edit (not by setInputs).
    void inputsEdited();

private:
    QString valueText(int row) const;
    QString figureText(int row, int column) const;

    uncertainty::UncertaintyInputs m_inputs;
    std::optional<uncertainty::UncertaintyBudget> m_budget;
    bool m_inchMode = false;
    QStringList m_rowCaptions;
    QStringList m_headers;
    QStringList m_formNames;
};

} // namespace kthread
