// Build step and inspection tool for packed resources.
// Usage: kthread-lzh pack IN OUT     packs IN into OUT
//        kthread-lzh unpack IN OUT   unpacks IN into OUT with the program's own decoder
// Exit status 0 on success, 1 when a step fails, 2 on a usage error. `unpack` writes what the
// decoder wrote also when it fails, then prints the decoder's message.

#include "lzh/LzhPack.h"
#include "resources/lzh/TLZH.h"

#include <QByteArray>
#include <QFile>
#include <QSaveFile>
#include <QString>
#include <cstdio>
#include <cstring>
#include <exception>

namespace {

int Fail(const QString& message) {
    std::fprintf(stderr, "kthread-lzh: %s\n", qPrintable(message));
    return 1;
}

bool Commit(QSaveFile& file, QString* error) {
    if (file.commit()) {
        return true;
    }
    *error = file.fileName() + QStringLiteral(": ") + file.errorString();
    return false;
}

int Pack(const QString& inPath, const QString& outPath) {
    QFile in(inPath);
    if (!in.open(QIODevice::ReadOnly)) {
        return Fail(inPath + QStringLiteral(": ") + in.errorString());
    }
    const QByteArray data = in.readAll();
    if (in.error() != QFileDevice::NoError) {
        return Fail(inPath + QStringLiteral(": ") + in.errorString());
    }
    QByteArray packed;
    try {
        packed = kthread::lzh::LzhPack(data);
    } catch (const std::exception& error) {
        return Fail(inPath + QStringLiteral(": ") + QString::fromUtf8(error.what()));
    }
    QSaveFile out(outPath);
    QString error;
    if (!out.open(QIODevice::WriteOnly) || out.write(packed) != packed.size()) {
        return Fail(outPath + QStringLiteral(": ") + out.errorString());
    }
    return Commit(out, &error) ? 0 : Fail(error);
}

int Unpack(const QString& inPath, const QString& outPath) {
    QFile in(inPath);
    if (!in.open(QIODevice::ReadOnly)) {
        return Fail(inPath + QStringLiteral(": ") + in.errorString());
    }
    QSaveFile out(outPath);
    if (!out.open(QIODevice::WriteOnly)) {
        return Fail(outPath + QStringLiteral(": ") + out.errorString());
    }
    QString decodeError;
    try {
        kthread::LzhDecompress(in, out);
    } catch (const std::exception& error) {
        decodeError = QString::fromUtf8(error.what());
    }
    // What was decoded is kept either way, so a damaged stream can be looked at.
    QString writeError;
    if (!Commit(out, &writeError)) {
        return Fail(writeError);
    }
    if (!decodeError.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(decodeError));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4 || (std::strcmp(argv[1], "pack") != 0 && std::strcmp(argv[1], "unpack") != 0)) {
        std::fprintf(stderr, "usage: kthread-lzh pack|unpack IN OUT\n");
        return 2;
    }
    const QString inPath = QString::fromLocal8Bit(argv[2]);
    const QString outPath = QString::fromLocal8Bit(argv[3]);
    return std::strcmp(argv[1], "pack") == 0 ? Pack(inPath, outPath) : Unpack(inPath, outPath);
}
