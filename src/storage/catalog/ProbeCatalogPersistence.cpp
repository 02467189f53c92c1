// Loading a catalogue from its section of the settings file and writing it back.
#include "storage/IniFile.h"
#include "storage/catalog/CatalogSection.h"
#include "storage/catalog/InchConversion.h"
#include "storage/catalog/ProbeCatalogModel.h"

#include <QLocale>
#include <algorithm>

namespace kthread {

void ProbeCatalogModel::load(const IniFile& file) {
    CatalogSectionContent content = ReadCatalogSection(file.readSection(m_section));
    std::vector<double>& diameters = content.diameters;
    std::stable_sort(diameters.begin(), diameters.end());
    m_unreadTexts = std::move(content.unreadTexts);

    beginResetModel();
    m_rows.clear();
    m_rows.reserve(diameters.size());
    for (const double mm : diameters) {
        m_rows.push_back(Row{mm, MillimetresToInches(mm)});
    }
    m_pendingRow = -1;
    m_changed = false;
    endResetModel();
}

bool ProbeCatalogModel::writeBack(IniFile& file) {
    if (!m_changed) {
        return true;
    }
    std::vector<double> diameters;
    diameters.reserve(m_rows.size());
    for (int row = 0; row < count(); ++row) {
        diameters.push_back(m_rows[static_cast<std::size_t>(row)].mm);
    }
    // Keys above the new COUNT stay in the file; COUNT alone makes them unread.
    if (!file.writeStrings(m_section, FormatCatalogSection(diameters, DecimalSeparatorOf(QLocale()),
                                                           m_unreadTexts))) {
        return false;
    }
    m_changed = false;
    return true;
}

} // namespace kthread
