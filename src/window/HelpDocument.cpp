#include "window/HelpDocument.h"

#include "text/RtfToHtml.h"
#include "text/TextDecoding.h"
#include "text/TextFile.h"

#include <QFileInfo>
#include <QStringDecoder>
#include <QTextDocument>
#include <optional>

namespace kthread {

HelpFormat HelpFormatOf(const QString& fileName, const QByteArray& start) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("html") || suffix == QLatin1String("htm")) {
        return HelpFormat::Html;
    }
    if (suffix == QLatin1String("md") || suffix == QLatin1String("markdown")) {
        return HelpFormat::Markdown;
    }
    if (suffix == QLatin1String("rtf") || LooksLikeRtf(start)) {
        return HelpFormat::RichText;
    }
    return HelpFormat::PlainText;
}

namespace {

// HTML names its encoding in a byte-order mark or a meta element; without either it is UTF-8.
QString DecodeHtml(const QByteArray& bytes) {
    QStringDecoder decoder = QStringDecoder::decoderForHtml(bytes);
    if (!decoder.isValid()) {
        decoder = QStringDecoder(QStringDecoder::Utf8);
    }
    return decoder.decode(bytes);
}

} // namespace

bool LoadHelpFile(QTextDocument& document, const QString& path, QString* error) {
    document.clear();
    const std::optional<QByteArray> bytes = ReadWholeFile(path, error);
    if (!bytes) {
        return false;
    }
    switch (HelpFormatOf(path, bytes->left(64))) {
    case HelpFormat::Html:
        document.setHtml(DecodeHtml(*bytes));
        break;
    case HelpFormat::Markdown:
        document.setMarkdown(DecodeText(*bytes));
        break;
    case HelpFormat::RichText:
        document.setHtml(RtfToHtml(*bytes));
        break;
    case HelpFormat::PlainText:
        document.setPlainText(DecodeText(*bytes));
        break;
    }
    return true;
}

} // namespace kthread
