// LzhDecompress throughput in MB/s of unpacked bytes: a banner-sized picture (773 x 60,
// 24 bits, packed by the reference encoder) and 1 MiB of mixed data packed by kthread-lzh.

#include "lzh/LzhPack.h"
#include "resources/lzh/TLZH.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <benchmark/benchmark.h>
#include <random>
#include <stdexcept>

namespace {

QByteArray ReadPackedPicture() {
    QFile file(QStringLiteral(KTHREAD_LZH_DATA "/05_gradient_773x60.lzh"));
    if (!file.open(QIODevice::ReadOnly)) {
        throw std::runtime_error("cannot read the packed picture");
    }
    return file.readAll();
}

// Text, binary records, random bytes and runs in turn, each a few hundred bytes to a few KB.
QByteArray MixedData(qsizetype size) {
    std::mt19937 random(20240613);
    const char* const words[] = {"the ",      "pitch ", "diameter ", "over ",    "three ", "wires ",
                                 "thread ",   "flank ", "angle ",    "probe ",   "of ",    "and ",
                                 "measured ", "size ",  "force ",    "M20x1.5 ", "\r\n"};
    QByteArray data;
    data.reserve(size + 8192);
    while (data.size() < size) {
        const int length = 256 + static_cast<int>(random() % 4096);
        switch (random() % 4) {
        case 0: // prose
            for (const qsizetype end = data.size() + length; data.size() < end;) {
                data.append(words[random() % std::size(words)]);
            }
            break;
        case 1: // little-endian records: a rising counter and a slowly changing value
            for (int i = 0; i < length / 8; ++i) {
                const std::uint32_t fields[2] = {static_cast<std::uint32_t>(data.size() + i),
                                                 static_cast<std::uint32_t>(random() % 16)};
                data.append(reinterpret_cast<const char*>(fields), sizeof fields);
            }
            break;
        case 2: // noise
            for (int i = 0; i < length; ++i) {
                data.append(static_cast<char>(random()));
            }
            break;
        default: // runs
            data.append(QByteArray(length, static_cast<char>(random())));
        }
    }
    data.truncate(size);
    return data;
}

void Decompress(benchmark::State& state, const QByteArray& packed, qsizetype unpackedSize) {
    QByteArray input = packed;
    QByteArray unpacked(unpackedSize, '\0');
    for (auto _ : state) {
        QBuffer in(&input);
        in.open(QIODevice::ReadOnly);
        QBuffer out(&unpacked);
        out.open(QIODevice::WriteOnly); // keeps the array's storage, writes from 0
        const qint64 written = kthread::LzhDecompress(in, out);
        benchmark::DoNotOptimize(written);
        if (written != unpackedSize) {
            state.SkipWithError("wrong size");
        }
    }
    state.SetBytesProcessed(state.iterations() * unpackedSize);
    state.counters["packed_bytes"] = static_cast<double>(packed.size());
}

void BM_LzhDecompressPicture(benchmark::State& state) {
    static const QByteArray packed = ReadPackedPicture();
    Decompress(state, packed, 139256);
}
BENCHMARK(BM_LzhDecompressPicture)->Unit(benchmark::kMicrosecond);

void BM_LzhDecompressMixed1MiB(benchmark::State& state) {
    constexpr qsizetype kSize = 1 << 20;
    static const QByteArray packed = kthread::lzh::LzhPack(MixedData(kSize));
    Decompress(state, packed, kSize);
}
BENCHMARK(BM_LzhDecompressMixed1MiB)->Unit(benchmark::kMillisecond);

} // namespace
