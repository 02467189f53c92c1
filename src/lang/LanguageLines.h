// How a language source becomes the table's lines: decode, split at line ends, and drop every
// line before the first one that contains the marker.
#pragma once

#include <QByteArray>
#include <QStringList>
#include <QStringView>

namespace kthread {

// Language files must carry "0001=" (so a header line that mentions 0001 is skipped); the
// built-in table is found by "0001" alone.
inline constexpr QStringView kLanguageFileMarker = u"0001=";
inline constexpr QStringView kBuiltInTableMarker = u"0001";

// The lines of `bytes` from the first line containing `marker` on; empty when none does.
QStringList LanguageLinesFrom(const QByteArray& bytes, QStringView marker);

} // namespace kthread
