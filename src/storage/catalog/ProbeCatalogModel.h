// One probe catalogue (wires or balls) as a Qt table model: rows of DIAMm (mm) and DIAMi (in),
// kept sorted ascending by DIAMm, duplicates allowed. Loaded from and written back to one
// section of the settings file ("DIAM_N" wires, "DIAM_S" balls): COUNT, D1, D2, ...
//
// A row appended by New stays pending (last, shown empty) until its first value is posted; it is
// not part of count(), diamMM() or the file, so the catalogue pick never sees it.
#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <QStringList>
#include <vector>

namespace kthread {

class IniFile;

class ProbeCatalogModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { ColumnMM = 0, ColumnInch = 1 };

    explicit ProbeCatalogModel(QString section, QObject* parent = nullptr);

    const QString& section() const { return m_section; }

    // Table contents, in their current (ascending) order; the pending new row is not counted.
    int count() const;
    double diamMM(int row) const;
    double diamInch(int row) const;

    // Replaces the rows with the section's entries (one read of the file); clears the changed
    // mark and drops a pending row.
    void load(const IniFile& file);
    // Writes COUNT and D1..Dn when the table changed since it was loaded; clears the mark.
    // False when the file could not be written (the mark then stays set).
    bool writeBack(IniFile& file);
    bool changed() const { return m_changed; }

    // The commands of the catalogue page.
    int appendPendingRow(); // New: an empty row waiting for its first value
    bool hasPendingRow() const;
    int pendingRow() const { return m_pendingRow; } // -1 when there is none
    void cancelPendingRow();                        // an untouched new row is dropped
    void removeRowAt(int row);                      // Delete; marks the table changed
    // Posts a value typed into `column` of `row`. On a pending new row the other unit is
    // completed (mm = in * 25.4, or in = mm / 25.4); on an existing row only that field changes.
    // The table is re-sorted and marked changed. Returns the row's new index (-1 and nothing
    // changes for a row out of range, an unknown column or a value that is not finite).
    int postValue(int row, int column, double value);

    // QAbstractTableModel
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Takes a number, or a text with "." or "," as the decimal mark, and posts it.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    struct Row {
        double mm = 0;
        double inch = 0;
    };
    // Stable sort by DIAMm, the pending row kept last; returns the new index of each old row.
    std::vector<int> sortRows();
    QString displayText(int row, int column) const;

    QString m_section;
    std::vector<Row> m_rows;
    // Entries of the section that are no number: not rows, but written back as they were.
    QStringList m_unreadTexts;
    int m_pendingRow = -1;
    bool m_changed = false;
};

} // namespace kthread
