// What the build tools that draw pictures share: rendering without a display, PNG encoding, an
// atomic write, and the optional folder that also receives each picture for looking at it.
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>
#include <QString>
#include <QStringList>
#include <optional>

namespace kthread::tools {

// Called before the application object exists: the tools render offscreen unless told otherwise.
inline void UseOffscreenUnlessSet() {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

inline std::optional<QByteArray> EncodePng(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image)) {
        return std::nullopt;
    }
    return bytes;
}

inline bool WriteFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

// Takes "--png-folder FOLDER" out of the arguments. Empty when absent; nullopt when the option
// has no folder after it.
inline std::optional<QString> TakePngFolderOption(QStringList& arguments) {
    const qsizetype option = arguments.indexOf(QStringLiteral("--png-folder"));
    if (option < 0) {
        return QString();
    }
    if (option + 1 >= arguments.size()) {
        return std::nullopt;
    }
    QString folder = arguments.at(option + 1);
    arguments.remove(option, 2);
    return folder;
}

} // namespace kthread::tools
