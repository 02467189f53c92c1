#include "storage/IniDocument.h"

#include "storage/IniLine.h"

#include <QHash>
#include <QSet>
#include <algorithm>

namespace kthread {
namespace {

bool SameName(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool HasLineBreak(QStringView text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c == u'\r' || c == u'\n' || c == u'\u2028'; });
}

QString EntryLine(QStringView key, QStringView value) {
    return key.toString() + u'=' + value.toString();
}

// The form under which two names count as the same (the comparison of SameName).
QString NameKey(QStringView name) {
    return name.toString().toCaseFolded();
}

} // namespace

qsizetype IniDocument::findSection(QStringView section) const {
    const QStringView wanted = section.trimmed();
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const IniLine line = IniLine::parse(m_lines.at(i));
        if (line.kind == IniLine::Kind::Section && SameName(line.name, wanted)) {
            return i;
        }
    }
    return -1;
}

qsizetype IniDocument::sectionEnd(qsizetype header) const {
    for (qsizetype i = header + 1; i < m_lines.size(); ++i) {
        if (IniLine::parse(m_lines.at(i)).kind == IniLine::Kind::Section) {
            return i;
        }
    }
    return m_lines.size();
}

qsizetype IniDocument::findKey(qsizetype header, QStringView key) const {
    const QStringView wanted = key.trimmed();
    const qsizetype end = sectionEnd(header);
    for (qsizetype i = header + 1; i < end; ++i) {
        const IniLine line = IniLine::parse(m_lines.at(i));
        if (line.kind == IniLine::Kind::Entry && SameName(line.name, wanted)) {
            return i;
        }
    }
    return -1;
}

bool IniDocument::hasSection(QStringView section) const {
    return findSection(section) >= 0;
}

std::optional<QString> IniDocument::value(QStringView section, QStringView key) const {
    const qsizetype header = findSection(section);
    if (header < 0) {
        return std::nullopt;
    }
    const qsizetype index = findKey(header, key);
    if (index < 0) {
        return std::nullopt;
    }
    return IniLine::parse(m_lines.at(index)).value.toString();
}

std::vector<std::pair<QString, QString>> IniDocument::entries(QStringView section) const {
    std::vector<std::pair<QString, QString>> result;
    const qsizetype header = findSection(section);
    if (header < 0) {
        return result;
    }
    const qsizetype end = sectionEnd(header);
    QSet<QString> seen;
    for (qsizetype i = header + 1; i < end; ++i) {
        const IniLine line = IniLine::parse(m_lines.at(i));
        if (line.kind != IniLine::Kind::Entry) {
            continue;
        }
        if (const QString name = NameKey(line.name); !seen.contains(name)) {
            seen.insert(name);
            result.emplace_back(line.name.toString(), line.value.toString());
        }
    }
    return result;
}

QString IniDocument::checkEntry(QStringView section, QStringView key, QStringView value) {
    const QStringView sectionName = section.trimmed();
    const QStringView keyName = key.trimmed();
    if (sectionName.isEmpty() || keyName.isEmpty()) {
        return QStringLiteral("empty section or key name");
    }
    // A line break would split the line and could forge other keys or sections.
    if (HasLineBreak(sectionName) || HasLineBreak(keyName) || HasLineBreak(value)) {
        return QStringLiteral("line break in a section name, key name or value");
    }
    if (sectionName.contains(u']')) {
        return QStringLiteral("\"]\" in the section name %1").arg(sectionName);
    }
    // Such a key would read back as a section line, a comment or another key.
    if (keyName.contains(u'=') || keyName.front() == u'[' || keyName.front() == u';' ||
        keyName.front() == u'#') {
        return QStringLiteral("key name %1 cannot be written").arg(keyName);
    }
    return {};
}

bool IniDocument::setValue(QStringView section, QStringView key, QStringView value) {
    return setValues(section, {{key.toString(), value.toString()}});
}

bool IniDocument::setValues(QStringView section,
                            const std::vector<std::pair<QString, QString>>& keyValues) {
    for (const auto& [key, value] : keyValues) {
        if (!checkEntry(section, key, value).isEmpty()) {
            return false;
        }
    }
    if (keyValues.empty()) {
        return true;
    }
    qsizetype header = findSection(section);
    if (header < 0) {
        if (!m_lines.isEmpty() && !m_lines.last().trimmed().isEmpty()) {
            m_lines.append(QString());
        }
        m_lines.append(u'[' + section.trimmed().toString() + u']');
        header = m_lines.size() - 1;
    }
    const qsizetype end = sectionEnd(header);

    // The first line of each key counts, as for reading.
    QHash<QString, qsizetype> existing;
    for (qsizetype i = header + 1; i < end; ++i) {
        const IniLine line = IniLine::parse(m_lines.at(i));
        if (line.kind == IniLine::Kind::Entry) {
            if (const QString name = NameKey(line.name); !existing.contains(name)) {
                existing.insert(name, i);
            }
        }
    }

    QStringList added;
    QHash<QString, qsizetype> addedIndex;
    for (const auto& [key, value] : keyValues) {
        const QStringView keyName = QStringView(key).trimmed();
        const QString name = NameKey(keyName);
        if (const auto found = existing.constFind(name); found != existing.cend()) {
            // Keep the name as the file spells it.
            const IniLine line = IniLine::parse(m_lines.at(*found));
            m_lines[*found] = EntryLine(line.name, value);
        } else if (const auto again = addedIndex.constFind(name); again != addedIndex.cend()) {
            // Spelled as when it was first added, as one write after another would leave it.
            const IniLine line = IniLine::parse(added.at(*again));
            added[*again] = EntryLine(line.name, value);
        } else {
            addedIndex.insert(name, added.size());
            added.append(EntryLine(keyName, value));
        }
    }
    if (added.isEmpty()) {
        return true;
    }
    // After the section's last non-blank line, so blank lines that separate it from the next
    // section stay in place.
    qsizetype insertAt = end;
    while (insertAt > header + 1 && m_lines.at(insertAt - 1).trimmed().isEmpty()) {
        --insertAt;
    }
    QStringList lines;
    lines.reserve(m_lines.size() + added.size());
    lines << m_lines.mid(0, insertAt) << added << m_lines.mid(insertAt);
    m_lines = std::move(lines);
    return true;
}

} // namespace kthread
