// Texts by number: the process-wide language table, filled from the built-in English table or
// from a language file. Lines are "NNNN=text"; a lookup formats the number as at least four
// digits and returns the text after the first "=" of the first matching line.
#pragma once

#include <QString>
#include <QStringList>

namespace kthread {

// Index of the active language in the window's language lists; 0 when no file is in use.
extern int CurrentLanguage;

// The table's lines, in file order, from the first line carrying the marker on.
const QStringList& LanguageTable();

// Text number `number` of the active language; empty when there is none.
QString LangText(int number);

// Fills the table from the built-in English table (resource LANG/EN). False when the resource
// cannot be read (the table is then empty).
bool LoadBuiltInLanguage();

// Fills the table from a language file. False when the file cannot be read (the table is then
// empty). A file without an entry 0001 gives an empty table.
bool LoadLanguageFile(const QString& path);

// Fills the table from a language file's contents, as LoadLanguageFile does after reading.
void LoadLanguageBytes(const QByteArray& bytes);

} // namespace kthread
