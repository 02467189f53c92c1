// Windows-1252, the 8-bit code page most old Western language files were saved in. Qt has no
// converter for it without ICU, and it differs from Latin-1 only in 0x80..0x9F.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

namespace kthread {

// Every byte maps to a character; the five unassigned bytes map to the control characters of
// the same value, as Windows itself does.
QString DecodeWindows1252(QByteArrayView bytes);

// Empty optional when a character has no code in Windows-1252.
std::optional<QByteArray> EncodeWindows1252(QStringView text);

} // namespace kthread
