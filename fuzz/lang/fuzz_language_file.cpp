// Language files from anywhere: any bytes must load into a table without a crash, and the
// table, the lookup and the text decoding must keep their promises.

#include "lang/LanguageLines.h"
#include "lang/LanguageTable.h"
#include "text/TextDecoding.h"

#include <QString>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool HasLineBreak(const QString& line) {
    return line.contains(u'\r') || line.contains(u'\n') || line.contains(u'\u2028');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kthread;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    LoadLanguageBytes(bytes);
    const QStringList& table = LanguageTable();
    Require(table.isEmpty() || table.first().contains(kLanguageFileMarker));
    for (const QString& line : table) {
        Require(!HasLineBreak(line));
    }

    // The first line carries "0001=": when it starts with it, that is the text of number 1.
    if (!table.isEmpty() && table.first().startsWith(QStringLiteral("0001="))) {
        Require(LangText(1) == table.first().sliced(5));
    }
    for (const int number : {0, 1, 14, 100, 12345, -1, INT_MIN, INT_MAX}) {
        const QString text = LangText(number);
        Require(!HasLineBreak(text));
    }

    // Text written back in the encoding it came in reads the same.
    const DecodedText decoded = DecodeTextWithEncoding(bytes);
    const auto encoded = EncodeText(decoded.text, decoded.encoding);
    Require(encoded.has_value());
    const DecodedText again = DecodeTextWithEncoding(*encoded);
    Require(again.text == decoded.text);
    Require(again.encoding == decoded.encoding);
    return 0;
}
