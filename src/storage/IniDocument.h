// The text of a settings file as a list of lines, read and edited with the rules of Windows
// profile files: a section runs from its "[name]" line to the next section line; "name=value"
// lines are its keys; names are compared without regard to case and values are trimmed; only a
// line whose first non-blank character is ";" or "#" is a comment, so a ";" inside a value
// belongs to the value. When a name occurs twice, the first occurrence counts. Lines it does
// not understand are never dropped or rewritten: an edit changes or adds exactly one line.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>
#include <utility>
#include <vector>

namespace kthread {

class IniDocument {
public:
    IniDocument() = default;
    explicit IniDocument(QStringList lines) : m_lines(std::move(lines)) {}

    const QStringList& lines() const { return m_lines; }

    bool hasSection(QStringView section) const;
    std::optional<QString> value(QStringView section, QStringView key) const;
    // Keys of a section with their values, in file order; a repeated key appears once.
    std::vector<std::pair<QString, QString>> entries(QStringView section) const;

    // Why `setValue` would refuse these names or this value; empty when it would not.
    static QString checkEntry(QStringView section, QStringView key, QStringView value);

    // Replaces the key's line, or adds it at the end of the section, or adds the section at the
    // end of the text. Names are trimmed. False (nothing changed) when checkEntry objects.
    bool setValue(QStringView section, QStringView key, QStringView value);
    // The same for several keys of one section, in one pass over the section (a catalogue of
    // thousands of keys is written in linear time). A key named twice takes its last value.
    // False (nothing changed) when checkEntry objects to any of them.
    bool setValues(QStringView section, const std::vector<std::pair<QString, QString>>& keyValues);

private:
    // Index of the first line of the section's header, or -1.
    qsizetype findSection(QStringView section) const;
    // One past the section's last line (the next header or the end).
    qsizetype sectionEnd(qsizetype header) const;
    // Index of the key's line inside the section starting at `header`, or -1.
    qsizetype findKey(qsizetype header, QStringView key) const;

    QStringList m_lines;
};

} // namespace kthread
