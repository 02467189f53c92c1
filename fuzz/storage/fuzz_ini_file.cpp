// Settings files from anywhere: any bytes must read without a crash, and a write must change
// exactly the key it names, keep every other value, and read back as written.
// Input: three short strings (section, key, value) for the write, then the file's bytes.

#include "storage/IniDocument.h"
#include "storage/IniFile.h"
#include "storage/IniLine.h"
#include "text/TextDecoding.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <utility>
#include <vector>

namespace {

using Snapshot = std::vector<std::pair<QString, std::vector<std::pair<QString, QString>>>>;

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool SameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Every section as the reader sees it: first occurrence of each name, with its entries.
Snapshot TakeSnapshot(const QByteArray& bytes) {
    const kthread::IniDocument document(kthread::SplitLines(kthread::DecodeText(bytes)));
    Snapshot snapshot;
    for (const QString& text : document.lines()) {
        const kthread::IniLine line = kthread::IniLine::parse(text);
        if (line.kind != kthread::IniLine::Kind::Section || line.name.isEmpty()) {
            continue;
        }
        const QString name = line.name.toString();
        bool seen = false;
        for (const auto& section : snapshot) {
            seen = seen || SameName(section.first, name);
        }
        if (!seen) {
            snapshot.emplace_back(name, document.entries(name));
        }
    }
    return snapshot;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kthread.ini"));

    FuzzedDataProvider input(data, size);
    const QString section = QString::fromStdString(input.ConsumeRandomLengthString(24));
    const QString key = QString::fromStdString(input.ConsumeRandomLengthString(24));
    const QString value = QString::fromStdString(input.ConsumeRandomLengthString(48));
    const std::string rest = input.ConsumeRemainingBytesAsString();
    const QByteArray bytes(rest.data(), static_cast<qsizetype>(rest.size()));
    {
        QFile file(path);
        Require(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        Require(file.write(bytes) == bytes.size());
    }

    kthread::IniFile ini(path);
    const Snapshot before = TakeSnapshot(bytes);
    for (const auto& [name, entries] : before) {
        Require(ini.sectionExists(name));
        Require(ini.readSection(name) == entries);
    }
    ini.readInt(section, key, 0);

    const bool allowed = kthread::IniDocument::checkEntry(section, key, value).isEmpty();
    const bool written = ini.writeString(section, key, value);
    Require(written == allowed);
    if (!written) {
        Require(!ini.errorString().isEmpty());
        Require(ReadAll(path) == bytes);
        return 0;
    }

    Require(ini.readString(section, key, QStringLiteral("<missing>")) == value.trimmed());
    const QString writtenSection = section.trimmed();
    const QString writtenKey = key.trimmed();
    for (const auto& [name, entries] : before) {
        // Every other key keeps its value and its place; the written one may be new or moved.
        const bool isWrittenSection = SameName(name, writtenSection);
        const auto isWrittenKey = [&](const auto& entry) {
            return isWrittenSection && SameName(entry.first, writtenKey);
        };
        auto after = ini.readSection(name);
        std::erase_if(after, isWrittenKey);
        auto expected = entries;
        std::erase_if(expected, isWrittenKey);
        Require(after == expected);
    }
    return 0;
}
