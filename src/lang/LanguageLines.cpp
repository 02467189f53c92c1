#include "lang/LanguageLines.h"

#include "text/TextDecoding.h"

#include <algorithm>

namespace kthread {

QStringList LanguageLinesFrom(const QByteArray& bytes, QStringView marker) {
    QStringList lines = SplitLines(DecodeText(bytes));
    const auto first = std::find_if(lines.cbegin(), lines.cend(), [marker](const QString& line) {
        return line.contains(marker);
    });
    lines.erase(lines.cbegin(), first);
    return lines;
}

} // namespace kthread
