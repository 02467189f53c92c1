// Whole-file reads for the small text files the program keeps (language and settings files).
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <optional>

namespace kthread {

// Larger files are refused rather than read, so a stray huge file cannot exhaust memory.
inline constexpr qint64 kMaxTextFileBytes = 64 * 1024 * 1024;

// The file's bytes; empty optional (and `error` set when given) when the file cannot be read,
// is not a regular file (a FIFO or a device could block for ever) or is larger than
// kMaxTextFileBytes.
std::optional<QByteArray> ReadWholeFile(const QString& path, QString* error = nullptr);

} // namespace kthread
