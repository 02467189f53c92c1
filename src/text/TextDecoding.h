// Text files of several origins: language files and settings files come as UTF-16 (either byte
// order, with mark), UTF-8 with or without mark, or old 8-bit text. These functions detect the
// encoding from the first bytes and convert both ways, so a file can be written back as it came.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace kthread {

enum class TextEncoding {
    Utf16LE,      // mark FF FE
    Utf16BE,      // mark FE FF
    Utf8WithMark, // mark EF BB BF
    Utf8,         // no mark, valid UTF-8 (plain ASCII included)
    Legacy8Bit,   // no mark, not UTF-8: the system's 8-bit code page, else Windows-1252
};

struct DecodedText {
    QString text; // without the mark
    TextEncoding encoding = TextEncoding::Utf8;
};

DecodedText DecodeTextWithEncoding(const QByteArray& bytes);

// Decodes a language or settings file's bytes: UTF-16 LE/BE and UTF-8 by their marks, otherwise
// 8-bit text (valid UTF-8 as UTF-8, anything else as the 8-bit code page / Windows-1252).
QString DecodeText(const QByteArray& bytes);

// Splits text at CR, LF, CR LF and U+2028.
QStringList SplitLines(const QString& text);

// `text` in `encoding`, with the mark where the encoding has one. Empty optional when a
// character has no code in an 8-bit code page.
std::optional<QByteArray> EncodeText(const QString& text, TextEncoding encoding);

// The first line end in `text` ("\r\n", "\r", "\n" or U+2028); empty when there is none.
QString FirstLineEnd(const QString& text);

// True when every character is 7-bit ASCII.
bool IsAscii(const QString& text);

} // namespace kthread
