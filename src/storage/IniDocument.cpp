#include "IniDocument.h"

#include "IniLine.h"

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
    for (qsizetype i = header + 1; i < end; ++i) {
        const IniLine line = IniLine::parse(m_lines.at(i));
        if (line.kind != IniLine::Kind::Entry) {
            continue;
        }
        const bool seen = std::any_of(result.cbegin(), result.cend(), [&](const auto& entry) {
            return SameName(entry.first, line.name);
        });
        if (!seen) {
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
    if (!checkEntry(section, key, value).isEmpty()) {
        return false;
    }
    const QStringView keyName = key.trimmed();
    const qsizetype header = findSection(section);
    if (header < 0) {
        if (!m_lines.isEmpty() && !m_lines.last().trimmed().isEmpty()) {
            m_lines.append(QString());
        }
        m_lines.append(u'[' + section.trimmed().toString() + u']');
        m_lines.append(EntryLine(keyName, value));
        return true;
    }
    const qsizetype index = findKey(header, keyName);
    if (index >= 0) {
        // Keep the name as the file spells it.
        const IniLine line = IniLine::parse(m_lines.at(index));
        m_lines[index] = EntryLine(line.name, value);
        return true;
    }
    // After the section's last non-blank line, so blank lines that separate it from the next
    // section stay in place.
    qsizetype insertAt = sectionEnd(header);
    while (insertAt > header + 1 && m_lines.at(insertAt - 1).trimmed().isEmpty()) {
        --insertAt;
    }
    m_lines.insert(insertAt, EntryLine(keyName, value));
    return true;
}

} // namespace kthread
