// Settings files with the semantics of Windows profile files: section and key names compared
// without regard to case, values trimmed, only a line starting with ";" or "#" is a comment,
// lines not understood are kept. Reads UTF-16 (with mark, either order), UTF-8 and 8-bit text.
// Every write goes to disk at once and atomically (temporary file, then rename). A file keeps
// its encoding and line ends when written; a new file is UTF-8 with CR LF, and gets the UTF-8
// mark once it holds more than ASCII. A file that exists but cannot be read is never rewritten.
#pragma once

#include <QString>
#include <utility>
#include <vector>

namespace kthread {

class IniFile {
public:
    explicit IniFile(QString path);

    const QString& path() const { return m_path; }

    // The file is read afresh on every call, so several IniFile objects on one path agree.
    QString readString(const QString& section, const QString& key,
                       const QString& defaultValue = {}) const;
    // A value that is not a whole number reads as the default.
    int readInt(const QString& section, const QString& key, int defaultValue) const;
    bool keyExists(const QString& section, const QString& key) const;
    bool sectionExists(const QString& section) const;
    // All keys of a section with their (trimmed) values, in file order; one read of the file.
    std::vector<std::pair<QString, QString>> readSection(const QString& section) const;

    // Creates the file and the section when missing. False (and the old file intact) when the
    // file cannot be written; errorString() then says why.
    bool writeString(const QString& section, const QString& key, const QString& value);
    bool writeInt(const QString& section, const QString& key, int value);
    // Several keys of one section in one atomic write.
    bool writeStrings(const QString& section,
                      const std::vector<std::pair<QString, QString>>& keyValues);

    QString errorString() const { return m_error; }

private:
    QString m_path;
    QString m_error;
};

} // namespace kthread
