#include "storage/IniFile.h"

#include "storage/IniDocument.h"
#include "storage/IniFileTesting.h"
#include "text/TextDecoding.h"
#include "text/TextFile.h"

#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <optional>

namespace kthread {
namespace {

constexpr QLatin1StringView kLockFileSuffix(".lock");
// A write takes milliseconds; a lock older than this belongs to a program that hangs.
constexpr int kStaleLockMilliseconds = 10'000;
constexpr int kLockWaitMilliseconds = 5'000;

std::function<void(QSaveFile&)>& BeforeCommitHook() {
    static std::function<void(QSaveFile&)> hook;
    return hook;
}

QString LockFailure(QLockFile::LockError error) {
    switch (error) {
    case QLockFile::LockFailedError:
        return QStringLiteral("another program keeps the file locked");
    case QLockFile::PermissionError:
        return QStringLiteral("the folder cannot be written");
    case QLockFile::NoError:
    case QLockFile::UnknownError:
        break;
    }
    return QStringLiteral(
        "the lock file beside it cannot be written (the folder is missing or the disk is full)");
}

struct LoadedIni {
    IniDocument document;
    // A new file is written as unmarked UTF-8 with CR LF line ends (see EncodeForWrite).
    TextEncoding encoding = TextEncoding::Utf8;
    QString lineEnd = QStringLiteral("\r\n");
};

// A missing file loads as an empty one; empty optional when the file exists but cannot be
// read, so that a write never replaces a file it could not read.
std::optional<LoadedIni> Load(const QString& path, QString* error) {
    // A dangling link counts as present: writing would replace the link, not create its target.
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        return LoadedIni{};
    }
    const auto bytes = ReadWholeFile(path, error);
    if (!bytes) {
        return std::nullopt;
    }
    DecodedText decoded = DecodeTextWithEncoding(*bytes);
    LoadedIni loaded{IniDocument(SplitLines(decoded.text)), decoded.encoding,
                     FirstLineEnd(decoded.text)};
    if (loaded.lineEnd.isEmpty()) {
        loaded.lineEnd = QStringLiteral("\r\n");
    }
    return loaded;
}

// A file keeps its encoding. An unmarked file gains the UTF-8 mark once it holds more than
// ASCII (on Windows an unmarked file reads as the 8-bit code page). Whatever is written must
// read back as the same text; where the file's own encoding cannot promise that (a character
// its 8-bit code page lacks, or 8-bit text that would now pass for UTF-8), the file becomes
// UTF-8 with mark.
std::optional<QByteArray> EncodeForWrite(const QString& text, TextEncoding encoding) {
    const TextEncoding preferred =
        (encoding == TextEncoding::Utf8 && !IsAscii(text)) ? TextEncoding::Utf8WithMark : encoding;
    auto bytes = EncodeText(text, preferred);
    if (!bytes || DecodeText(*bytes) != text) {
        return EncodeText(text, TextEncoding::Utf8WithMark);
    }
    return bytes;
}

QString Join(const QStringList& lines, const QString& lineEnd) {
    QString text;
    for (const QString& line : lines) {
        text += line;
        text += lineEnd;
    }
    return text;
}

IniDocument ReadDocument(const QString& path) {
    auto loaded = Load(path, nullptr);
    return loaded ? std::move(loaded->document) : IniDocument();
}

} // namespace

void SetIniBeforeCommitHook(std::function<void(QSaveFile&)> hook) {
    BeforeCommitHook() = std::move(hook);
}

IniFile::IniFile(QString path) : m_path(std::move(path)) {}

QString IniFile::readString(const QString& section, const QString& key,
                            const QString& defaultValue) const {
    return ReadDocument(m_path).value(section, key).value_or(defaultValue);
}

int IniFile::readInt(const QString& section, const QString& key, int defaultValue) const {
    const auto text = ReadDocument(m_path).value(section, key);
    if (!text) {
        return defaultValue;
    }
    bool ok = false;
    const int value = text->toInt(&ok);
    return ok ? value : defaultValue;
}

bool IniFile::keyExists(const QString& section, const QString& key) const {
    return ReadDocument(m_path).value(section, key).has_value();
}

bool IniFile::sectionExists(const QString& section) const {
    return ReadDocument(m_path).hasSection(section);
}

std::vector<std::pair<QString, QString>> IniFile::readSection(const QString& section) const {
    return ReadDocument(m_path).entries(section);
}

bool IniFile::writeString(const QString& section, const QString& key, const QString& value) {
    return writeStrings(section, {{key, value}});
}

bool IniFile::writeInt(const QString& section, const QString& key, int value) {
    return writeString(section, key, QString::number(value));
}

bool IniFile::writeStrings(const QString& section,
                           const std::vector<std::pair<QString, QString>>& keyValues) {
    m_error.clear();
    for (const auto& [key, value] : keyValues) {
        const QString problem = IniDocument::checkEntry(section, key, value);
        if (!problem.isEmpty()) {
            m_error = QStringLiteral("%1: not written: %2").arg(m_path, problem);
            return false;
        }
    }
    if (keyValues.empty()) {
        return true;
    }

    // Another instance of the program may write the same file: the read, the change and the
    // write below must not interleave with its own, or one of the two changes would be lost.
    QLockFile lock(m_path + kLockFileSuffix);
    lock.setStaleLockTime(kStaleLockMilliseconds);
    if (!lock.tryLock(kLockWaitMilliseconds)) {
        m_error = QStringLiteral("%1: %2").arg(m_path, LockFailure(lock.error()));
        return false;
    }

    QString readError;
    auto loaded = Load(m_path, &readError);
    if (!loaded) {
        m_error =
            QStringLiteral("%1: cannot be read, so it is not rewritten: %2").arg(m_path, readError);
        return false;
    }
    loaded->document.setValues(section, keyValues);
    const auto bytes =
        EncodeForWrite(Join(loaded->document.lines(), loaded->lineEnd), loaded->encoding);
    if (!bytes) {
        m_error = QStringLiteral("%1: the text cannot be encoded").arg(m_path);
        return false;
    }

    // The new text goes to a temporary file that replaces the old one only when complete.
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly)) {
        m_error = QStringLiteral("%1: %2").arg(m_path, file.errorString());
        return false;
    }
    // A short text is only buffered by write(); the disk may refuse it in flush(). A failed
    // flush must not reach commit(), which would put the incomplete file in place.
    if (file.write(*bytes) != bytes->size() || !file.flush() ||
        file.error() != QFileDevice::NoError) {
        m_error = QStringLiteral("%1: %2").arg(m_path, file.errorString());
        file.cancelWriting();
        return false;
    }
    if (BeforeCommitHook()) {
        BeforeCommitHook()(file);
    }
    if (!file.commit()) {
        m_error = QStringLiteral("%1: %2").arg(m_path, file.errorString());
        return false;
    }
    return true;
}

} // namespace kthread
