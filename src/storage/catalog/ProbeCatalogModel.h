// One probe catalogue (wires or balls) as a Qt table model: rows of DIAMm (mm) and DIAMi (in),
// kept sorted ascending by DIAMm, duplicates allowed. Loaded from and written back to one
// section of the settings file ("DIAM_N" wires, "DIAM_S" balls): COUNT, D1, D2, ...
#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <vector>

namespace kthread {

class IniFile;

class ProbeCatalogModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { ColumnMM = 0, ColumnInch = 1 };

    explicit ProbeCatalogModel(QString section, QObject* parent = nullptr);

    const QString& section() const { return m_section; }

    // Table contents, in their current (ascending) order.
    int count() const;
    double diamMM(int row) const;
    double diamInch(int row) const;

    // Replaces the rows with the section's entries; clears the changed mark.
    void load(const IniFile& file);
    // Writes COUNT and D1..Dn when the table changed since it was loaded; clears the mark.
    // False when the file could not be written (the mark then stays set).
    bool writeBack(IniFile& file);
    bool changed() const { return m_changed; }

    // The commands of the catalogue page.
    int appendPendingRow();           // New: an empty row waiting for its first value
    bool hasPendingRow() const;
    void cancelPendingRow();          // an untouched new row is dropped
    void removeRowAt(int row);        // Delete; marks the table changed
    // Posts a value typed into `column` of `row`. On a pending new row the other unit is
    // completed (mm = in * 25.4, or in = mm / 25.4); on an existing row only that field changes.
    // The table is re-sorted and marked changed. Returns the row's new index.
    int postValue(int row, int column, double value);

    // QAbstractTableModel
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    struct Row {
        double mm = 0;
        double inch = 0;
    };
    void sortRows();

    QString m_section;
    std::vector<Row> m_rows;
    int m_pendingRow = -1;
    bool m_changed = false;
};

} // namespace kthread
