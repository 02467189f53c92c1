#include "lang/LanguageTable.h"

#include "lang/LanguageLines.h"
#include "text/TextFile.h"

#include <QFile>

namespace kthread {

int CurrentLanguage = 0;

namespace {

// Lives from first use to exit; only the user-interface thread touches it.
QStringList& Table() {
    static QStringList table;
    return table;
}

// The lookup key of a text number: at least four digits with leading zeros, so 5 -> "0005"
// and 12345 -> "12345"; a negative number keeps its sign in front ("-0005").
QString TextKey(int number) {
    const qint64 magnitude = number < 0 ? -static_cast<qint64>(number) : number;
    QString key = QString::number(magnitude).rightJustified(4, u'0');
    return number < 0 ? u'-' + key : key;
}

} // namespace

const QStringList& LanguageTable() {
    return Table();
}

QString LangText(int number) {
    const QString key = TextKey(number);
    const qsizetype keyLength = key.size();
    // A line's name is the part before its first "="; the key holds no "=", so the name equals
    // the key exactly when the line starts with the key followed by "=".
    for (const QString& line : Table()) {
        if (line.size() > keyLength && line.at(keyLength) == u'=' &&
            QStringView(line).first(keyLength).compare(key, Qt::CaseInsensitive) == 0) {
            return line.sliced(keyLength + 1);
        }
    }
    return {};
}

bool LoadBuiltInLanguage() {
    QFile resource(QStringLiteral(":/LANG/EN"));
    if (!resource.open(QIODevice::ReadOnly)) {
        Table().clear();
        return false;
    }
    Table() = LanguageLinesFrom(resource.readAll(), kBuiltInTableMarker);
    return true;
}

bool LoadLanguageFile(const QString& path) {
    const auto bytes = ReadWholeFile(path);
    if (!bytes) {
        Table().clear();
        return false;
    }
    LoadLanguageBytes(*bytes);
    return true;
}

void LoadLanguageBytes(const QByteArray& bytes) {
    Table() = LanguageLinesFrom(bytes, kLanguageFileMarker);
}

} // namespace kthread
