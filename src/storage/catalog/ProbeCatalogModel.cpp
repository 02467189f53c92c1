#include "storage/catalog/ProbeCatalogModel.h"

#include "storage/catalog/CatalogSection.h"
#include "storage/catalog/InchConversion.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace kthread {

ProbeCatalogModel::ProbeCatalogModel(QString section, QObject* parent)
    : QAbstractTableModel(parent), m_section(std::move(section)) {}

int ProbeCatalogModel::count() const {
    return static_cast<int>(m_rows.size()) - (m_pendingRow >= 0 ? 1 : 0);
}

double ProbeCatalogModel::diamMM(int row) const {
    return row >= 0 && row < count() ? m_rows[static_cast<std::size_t>(row)].mm : 0.0;
}

double ProbeCatalogModel::diamInch(int row) const {
    return row >= 0 && row < count() ? m_rows[static_cast<std::size_t>(row)].inch : 0.0;
}

int ProbeCatalogModel::appendPendingRow() {
    if (m_pendingRow >= 0) {
        return m_pendingRow;
    }
    const int row = static_cast<int>(m_rows.size());
    beginInsertRows({}, row, row);
    m_rows.push_back(Row{});
    m_pendingRow = row;
    endInsertRows();
    return row;
}

bool ProbeCatalogModel::hasPendingRow() const {
    return m_pendingRow >= 0;
}

void ProbeCatalogModel::cancelPendingRow() {
    if (m_pendingRow < 0) {
        return;
    }
    // Dropping an untouched row leaves the contents as they were, so the mark stays as it is.
    // The row stops being pending before views hear of the removal, so a view reacting to it
    // cannot cancel it a second time.
    const int row = m_pendingRow;
    m_pendingRow = -1;
    beginRemoveRows({}, row, row);
    m_rows.erase(m_rows.begin() + row);
    endRemoveRows();
}

void ProbeCatalogModel::removeRowAt(int row) {
    if (row < 0 || row >= static_cast<int>(m_rows.size())) {
        return;
    }
    if (row == m_pendingRow) {
        cancelPendingRow();
        return;
    }
    beginRemoveRows({}, row, row);
    m_rows.erase(m_rows.begin() + row);
    if (m_pendingRow > row) {
        --m_pendingRow;
    }
    m_changed = true;
    endRemoveRows();
}

int ProbeCatalogModel::postValue(int row, int column, double value) {
    if (row < 0 || row >= static_cast<int>(m_rows.size()) || !std::isfinite(value) ||
        (column != ColumnMM && column != ColumnInch)) {
        return -1;
    }
    Row& target = m_rows[static_cast<std::size_t>(row)];
    if (row == m_pendingRow) {
        // A new row takes the unit that was typed and completes the other one.
        if (column == ColumnMM) {
            target = {value, MillimetresToInches(value)};
        } else {
            target = {InchesToMillimetres(value), value};
        }
        m_pendingRow = -1;
    } else if (column == ColumnMM) {
        target.mm = value;
    } else {
        target.inch = value;
    }
    m_changed = true;
    emit dataChanged(index(row, ColumnMM), index(row, ColumnInch));

    return sortRows()[static_cast<std::size_t>(row)];
}

std::vector<int> ProbeCatalogModel::sortRows() {
    std::vector<int> newRowOf(m_rows.size());
    std::iota(newRowOf.begin(), newRowOf.end(), 0);
    const auto byMM = [this](int a, int b) {
        return m_rows[static_cast<std::size_t>(a)].mm < m_rows[static_cast<std::size_t>(b)].mm;
    };
    // The pending row is not sorted: it stays last until its value is posted.
    const int sortedCount = count();
    std::vector<int> order(static_cast<std::size_t>(sortedCount));
    std::iota(order.begin(), order.end(), 0);
    if (std::is_sorted(order.begin(), order.end(), byMM)) {
        return newRowOf;
    }
    std::stable_sort(order.begin(), order.end(), byMM);

    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<Row> sorted;
    sorted.reserve(m_rows.size());
    for (int newRow = 0; newRow < sortedCount; ++newRow) {
        const int oldRow = order[static_cast<std::size_t>(newRow)];
        newRowOf[static_cast<std::size_t>(oldRow)] = newRow;
        sorted.push_back(m_rows[static_cast<std::size_t>(oldRow)]);
    }
    if (m_pendingRow >= 0) {
        sorted.push_back(m_rows[static_cast<std::size_t>(m_pendingRow)]);
    }
    m_rows = std::move(sorted);

    // Keeps the view's current row and open editor on the row they were on.
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex& old : from) {
        to.append(index(newRowOf[static_cast<std::size_t>(old.row())], old.column()));
    }
    changePersistentIndexList(from, to);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    return newRowOf;
}

int ProbeCatalogModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ProbeCatalogModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QString ProbeCatalogModel::displayText(int row, int column) const {
    if (row == m_pendingRow) {
        return {};
    }
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const Row& entry = m_rows[static_cast<std::size_t>(row)];
    return column == ColumnMM ? locale.toString(entry.mm, 'f', 4)
                              : locale.toString(entry.inch, 'f', 5);
}

QVariant ProbeCatalogModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    const int row = index.row();
    switch (role) {
    case Qt::DisplayRole:
        return displayText(row, index.column());
    case Qt::EditRole:
        if (row == m_pendingRow) {
            return {};
        }
        return index.column() == ColumnMM ? m_rows[static_cast<std::size_t>(row)].mm
                                          : m_rows[static_cast<std::size_t>(row)].inch;
    case Qt::TextAlignmentRole:
        // As int, the form every Qt view reads.
        return int(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant ProbeCatalogModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (role) {
    case Qt::DisplayRole:
        if (section == ColumnMM) {
            return QStringLiteral("mm");
        }
        return section == ColumnInch ? QStringLiteral("in") : QVariant();
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    default:
        return {};
    }
}

Qt::ItemFlags ProbeCatalogModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool ProbeCatalogModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole ||
        !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return false;
    }
    std::optional<double> number;
    if (value.typeId() == QMetaType::QString) {
        number = ParseDecimalText(value.toString());
    } else {
        bool ok = false;
        const double converted = value.toDouble(&ok);
        if (ok) {
            number = converted;
        }
    }
    return number && postValue(index.row(), index.column(), *number) >= 0;
}

} // namespace kthread
