#include "text/TextDecoding.h"

#include "text/Windows1252.h"

#include <QByteArrayView>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>

namespace kthread {
namespace {

constexpr QByteArrayView kUtf16LEMark("\xFF\xFE", 2);
constexpr QByteArrayView kUtf16BEMark("\xFE\xFF", 2);
constexpr QByteArrayView kUtf8Mark("\xEF\xBB\xBF", 3);

// Marks are removed by the caller, so a second mark stays part of the text.
constexpr auto kConverterFlags =
    QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;

QString Decode(QByteArrayView bytes, QStringConverter::Encoding encoding) {
    QStringDecoder decoder(encoding, kConverterFlags);
    return decoder.decode(bytes);
}

QByteArray Encode(const QString& text, QStringConverter::Encoding encoding) {
    QStringEncoder encoder(encoding, kConverterFlags);
    return encoder.encode(text);
}

std::optional<QString> DecodeStrictUtf8(QByteArrayView bytes) {
    QStringDecoder decoder(QStringConverter::Utf8, kConverterFlags);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        return std::nullopt;
    }
    return text;
}

// Windows has a system 8-bit code page; elsewhere the locale is UTF-8 and an old 8-bit file
// is taken to be Windows-1252, the page Western language files were written in.
QString DecodeLegacy8Bit(QByteArrayView bytes) {
#ifdef Q_OS_WIN
    return Decode(bytes, QStringConverter::System);
#else
    return DecodeWindows1252(bytes);
#endif
}

std::optional<QByteArray> EncodeLegacy8Bit(const QString& text) {
#ifdef Q_OS_WIN
    QByteArray bytes = Encode(text, QStringConverter::System);
    // The system encoder replaces what it cannot map; a round trip tells.
    if (Decode(bytes, QStringConverter::System) != text) {
        return std::nullopt;
    }
    return bytes;
#else
    return EncodeWindows1252(text);
#endif
}

} // namespace

DecodedText DecodeTextWithEncoding(const QByteArray& bytes) {
    const QByteArrayView view(bytes);
    if (view.startsWith(kUtf16LEMark)) {
        return {Decode(view.sliced(2), QStringConverter::Utf16LE), TextEncoding::Utf16LE};
    }
    if (view.startsWith(kUtf16BEMark)) {
        return {Decode(view.sliced(2), QStringConverter::Utf16BE), TextEncoding::Utf16BE};
    }
    if (view.startsWith(kUtf8Mark)) {
        return {Decode(view.sliced(3), QStringConverter::Utf8), TextEncoding::Utf8WithMark};
    }
    if (auto utf8 = DecodeStrictUtf8(view)) {
        return {std::move(*utf8), TextEncoding::Utf8};
    }
    return {DecodeLegacy8Bit(view), TextEncoding::Legacy8Bit};
}

QString DecodeText(const QByteArray& bytes) {
    return DecodeTextWithEncoding(bytes).text;
}

std::optional<QByteArray> EncodeText(const QString& text, TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Utf16LE:
        return kUtf16LEMark.toByteArray() + Encode(text, QStringConverter::Utf16LE);
    case TextEncoding::Utf16BE:
        return kUtf16BEMark.toByteArray() + Encode(text, QStringConverter::Utf16BE);
    case TextEncoding::Utf8WithMark:
        return kUtf8Mark.toByteArray() + Encode(text, QStringConverter::Utf8);
    case TextEncoding::Utf8:
        return Encode(text, QStringConverter::Utf8);
    case TextEncoding::Legacy8Bit:
        return EncodeLegacy8Bit(text);
    }
    return std::nullopt;
}

QStringList SplitLines(const QString& text) {
    QStringList lines;
    const qsizetype size = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c != u'\r' && c != u'\n' && c != u'\u2028') {
            continue;
        }
        lines.append(text.sliced(start, i - start));
        if (c == u'\r' && i + 1 < size && text.at(i + 1) == u'\n') {
            ++i;
        }
        start = i + 1;
    }
    // A line end after the last line does not start another one.
    if (start < size) {
        lines.append(text.sliced(start));
    }
    return lines;
}

QString FirstLineEnd(const QString& text) {
    const auto it = std::find_if(text.cbegin(), text.cend(), [](QChar c) {
        return c == u'\r' || c == u'\n' || c == u'\u2028';
    });
    if (it == text.cend()) {
        return {};
    }
    if (*it == u'\r' && it + 1 != text.cend() && *(it + 1) == u'\n') {
        return QStringLiteral("\r\n");
    }
    return QString(*it);
}

bool IsAscii(const QString& text) {
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
}

} // namespace kthread
