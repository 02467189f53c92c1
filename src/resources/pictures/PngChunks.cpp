#include "resources/pictures/PngChunks.h"

#include <QtEndian>
#include <array>
#include <cstring>

namespace kthread {

namespace {

constexpr std::array<char, 8> kSignature{'\x89', 'P', 'N', 'G', '\r', '\n', '\x1a', '\n'};
constexpr qsizetype kLengthSize = 4;
constexpr qsizetype kTypeSize = 4;
constexpr qsizetype kCrcSize = 4;
constexpr qsizetype kFrame = kLengthSize + kTypeSize + kCrcSize;
// The format's own bound on a chunk's length.
constexpr quint32 kMaxChunkLength = 0x7FFFFFFF;

bool IsDropped(const char* type) {
    for (const char* dropped : {"tEXt", "zTXt", "iTXt", "iCCP"}) {
        if (std::memcmp(type, dropped, kTypeSize) == 0) {
            return true;
        }
    }
    return false;
}

} // namespace

std::optional<QByteArray> PngWithoutTextChunks(const QByteArray& png) {
    const auto signatureSize = static_cast<qsizetype>(kSignature.size());
    if (png.size() < signatureSize ||
        std::memcmp(png.constData(), kSignature.data(), kSignature.size()) != 0) {
        return std::nullopt;
    }
    QByteArray kept;
    kept.reserve(png.size());
    kept.append(png.constData(), signatureSize);
    qsizetype at = signatureSize;
    while (png.size() - at >= kFrame) {
        const char* chunk = png.constData() + at;
        const quint32 length = qFromBigEndian<quint32>(chunk);
        if (length > kMaxChunkLength || static_cast<qsizetype>(length) > png.size() - at - kFrame) {
            return std::nullopt;
        }
        const qsizetype whole = kFrame + static_cast<qsizetype>(length);
        const char* type = chunk + kLengthSize;
        if (!IsDropped(type)) {
            kept.append(chunk, whole);
        }
        at += whole;
        if (std::memcmp(type, "IEND", kTypeSize) == 0) {
            return kept;
        }
    }
    return std::nullopt; // no IEND: cut short
}

} // namespace kthread
