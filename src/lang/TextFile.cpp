#include "TextFile.h"

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
    if (QFileInfo(path).isDir()) {
        return Fail(error, QStringLiteral("%1 is a folder").arg(path));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Fail(error, file.errorString());
    }
    if (file.size() > kMaxTextFileBytes) {
        return Fail(error,
                    QStringLiteral("%1 is larger than %2 bytes").arg(path).arg(kMaxTextFileBytes));
    }
    // Read one byte past the limit: devices and pipes report no size up front.
    QByteArray bytes = file.read(kMaxTextFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        return Fail(error, file.errorString());
    }
    if (bytes.size() > kMaxTextFileBytes) {
        return Fail(error,
                    QStringLiteral("%1 is larger than %2 bytes").arg(path).arg(kMaxTextFileBytes));
    }
    return bytes;
}

} // namespace kthread
