#include "text/TextFile.h"

#include <QFile>
#include <QFileInfo>

namespace kthread {
namespace {

std::optional<QByteArray> Fail(QString* error, const QString& message) {
    if (error) {
        *error = message;
    }
    return std::nullopt;
}

} // namespace

std::optional<QByteArray> ReadWholeFile(const QString& path, QString* error) {
    const QFileInfo info(path);
    if (info.isDir()) {
        return Fail(error, QStringLiteral("%1 is a folder").arg(path));
    }
    // A FIFO or a device would block the open or the read for ever (or without end).
    if (info.exists() && !info.isFile()) {
        return Fail(error, QStringLiteral("%1 is not a regular file").arg(path));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Fail(error, file.errorString());
    }
    const QString tooLarge =
        QStringLiteral("%1 is larger than %2 bytes").arg(path).arg(kMaxTextFileBytes);
    if (file.size() > kMaxTextFileBytes) {
        return Fail(error, tooLarge);
    }
    QByteArray bytes;
    if (!file.isSequential()) {
        bytes = file.readAll();
    } else {
        // Devices and pipes report no size up front: read in pieces up to the limit.
        constexpr qint64 kPiece = 64 * 1024;
        QByteArray piece;
        while (bytes.size() <= kMaxTextFileBytes && !(piece = file.read(kPiece)).isEmpty()) {
            bytes += piece;
        }
    }
    if (file.error() != QFileDevice::NoError) {
        return Fail(error, file.errorString());
    }
    if (bytes.size() > kMaxTextFileBytes) {
        return Fail(error, tooLarge);
    }
    return bytes;
}

} // namespace kthread
