// Build step: turns the readable UTF-8 source of a language table (the built-in English table or
// a language file that ships in Languages/) into the form the program reads, UTF-16
// little-endian with the mark FF FE and every line ended by CR LF.
// Usage: kthread_lang_resource_tool SOURCE OUTPUT

#include <QByteArray>
#include <QFile>
#include <QSaveFile>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>
#include <cstdio>

namespace {

int Fail(const QString& message) {
    std::fprintf(stderr, "kthread_lang_resource_tool: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        return Fail(QStringLiteral("usage: kthread_lang_resource_tool SOURCE OUTPUT"));
    }
    const QString sourcePath = QString::fromLocal8Bit(argv[1]);
    const QString outputPath = QString::fromLocal8Bit(argv[2]);

    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly)) {
        return Fail(sourcePath + QStringLiteral(": ") + source.errorString());
    }
    QStringDecoder fromUtf8(QStringConverter::Utf8);
    QString text = fromUtf8.decode(source.readAll());
    if (fromUtf8.hasError()) {
        return Fail(sourcePath + QStringLiteral(": not valid UTF-8"));
    }
    text.remove(u'\r');
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast(); // the source's final line end
    }

    QStringEncoder toUtf16(QStringConverter::Utf16LE);
    QByteArray bytes("\xFF\xFE", 2);
    for (const QString& line : lines) {
        bytes += toUtf16.encode(line + QStringLiteral("\r\n"));
    }

    QSaveFile output(outputPath);
    if (!output.open(QIODevice::WriteOnly) || output.write(bytes) != bytes.size() ||
        !output.commit()) {
        return Fail(outputPath + QStringLiteral(": ") + output.errorString());
    }
    return 0;
}
