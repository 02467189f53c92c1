#include "storage/IniLine.h"

namespace kthread {

IniLine IniLine::parse(QStringView line) {
    const QStringView text = line.trimmed();
    if (text.isEmpty()) {
        return {Kind::Blank, {}, {}};
    }
    if (text.front() == u';' || text.front() == u'#') {
        return {Kind::Comment, {}, {}};
    }
    if (text.front() == u'[') {
        const qsizetype close = text.indexOf(u']');
        if (close < 0) {
            return {Kind::Other, {}, {}};
        }
        return {Kind::Section, text.sliced(1, close - 1).trimmed(), {}};
    }
    const qsizetype equals = text.indexOf(u'=');
    if (equals <= 0) {
        return {Kind::Other, {}, {}};
    }
    // The text starts with a non-blank character, so the name is never empty here.
    return {Kind::Entry, text.first(equals).trimmed(), text.sliced(equals + 1).trimmed()};
}

} // namespace kthread
