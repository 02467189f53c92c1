// The help page's text: a help file read into a text document by the kind of file it is. HTML
// (.html, .htm) and Markdown (.md, .markdown) by their extension; RTF by its extension or by its
// "{\rtf" start, as far as RtfToHtml carries it; anything else as plain text.
#pragma once

#include <QString>

class QTextDocument;

namespace kthread {

enum class HelpFormat { Html, Markdown, RichText, PlainText };

// The format of a file of that name with those first bytes.
HelpFormat HelpFormatOf(const QString& fileName, const QByteArray& start);

// Replaces the whole document with the file. When the file cannot be read the document is left
// empty and false returned, with `error` saying why.
bool LoadHelpFile(QTextDocument& document, const QString& path, QString* error = nullptr);

} // namespace kthread
