// What one line of a settings file is.
#pragma once

#include <QStringView>

namespace kthread {

struct IniLine {
    enum class Kind {
        Blank,
        Comment, // first non-blank character ";" or "#"
        Section, // "[name]" (text after the "]" is ignored)
        Entry,   // "name=value" with a non-empty name
        Other,   // anything else; kept as it is
    };

    Kind kind = Kind::Other;
    QStringView name;  // trimmed; section or key name
    QStringView value; // trimmed; entries only

    static IniLine parse(QStringView line);
};

} // namespace kthread
