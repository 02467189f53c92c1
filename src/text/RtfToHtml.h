// Rich Text Format as far as a help file needs it, turned into HTML that Qt's rich-text engine
// shows: paragraphs and line breaks, bold, italic and underline, paragraph alignment, tabs, and
// the text itself, Unicode (\uN with its fallback skipped) and 8-bit (\'hh, Windows-1252)
// alike. Fonts, colours, sizes, pictures, tables and fields are not carried over; their text is
// kept where it is text, and every destination that holds no text (font table, style sheet,
// document information, pictures, "\*" destinations) is left out.
//
// Any bytes give an HTML document: unbalanced braces, a truncated escape, runaway nesting or
// binary data end or skip what they spoil, and the work is linear in the input.
#pragma once

#include <QByteArrayView>
#include <QString>

namespace kthread {

QString RtfToHtml(QByteArrayView rtf);

// True when the bytes start like an RTF document ("{\rtf", blanks before it allowed).
bool LooksLikeRtf(QByteArrayView bytes);

} // namespace kthread
