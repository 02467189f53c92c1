// Packed streams for the decoder tests: the reference vectors in tests/data/lzh and streams
// put together by hand.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>
#include <gtest/gtest.h>

namespace kthread::test {

inline QByteArray ReadLzhData(const char* fileName) {
    QFile file(QStringLiteral(KTHREAD_LZH_DATA "/") + QString::fromUtf8(fileName));
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << fileName;
        return {};
    }
    return file.readAll();
}

// The 8-byte header: the first four bytes of `magic`, then `size` little-endian.
inline QByteArray LzhHeader(const char* magic, std::uint32_t size) {
    QByteArray header(magic, 4);
    for (int i = 0; i < 4; ++i) {
        header.append(static_cast<char>((size >> (8 * i)) & 0xFF));
    }
    return header;
}

// `packed` with its size field replaced.
inline QByteArray WithSize(const QByteArray& packed, std::uint32_t size) {
    return LzhHeader("!HZL", size) + packed.mid(8);
}

} // namespace kthread::test
