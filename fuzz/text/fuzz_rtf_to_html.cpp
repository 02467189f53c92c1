// Help files in Rich Text Format from anywhere: any bytes must convert without a crash, in time
// linear in the input, into a well-formed document.

#include "text/RtfToHtml.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

qsizetype Count(const QString& text, const char* what) {
    return text.count(QLatin1String(what));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kthread;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString html = RtfToHtml(bytes);

    Require(html.startsWith(QLatin1String("<html><body")));
    Require(html.endsWith(QLatin1String("</body></html>")));
    // Each input byte gives at most one escaped character and one run's tags.
    Require(html.size() <= 64 + 40 * static_cast<qsizetype>(size));
    Require(Count(html, "<p>") + Count(html, "<p align") == Count(html, "</p>"));
    for (const char* tag : {"b", "i", "u"}) {
        const QString open = QStringLiteral("<%1>").arg(QLatin1String(tag));
        const QString close = QStringLiteral("</%1>").arg(QLatin1String(tag));
        Require(html.count(open) == html.count(close));
    }
    for (qsizetype i = 0; i < html.size(); ++i) {
        const QChar c = html[i];
        if (c.isHighSurrogate()) {
            Require(i + 1 < html.size() && html[i + 1].isLowSurrogate());
            ++i;
        } else {
            Require(!c.isLowSurrogate());
        }
    }
    (void)LooksLikeRtf(bytes);
    return 0;
}
