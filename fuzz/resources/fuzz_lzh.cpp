// Packed streams from anywhere: LzhDecompress must end in its result or one of its errors,
// write exactly what a plain reading of the format gives (bit by bit from a 16-bit buffer, zero
// bits after the end), and stop within the limit past the end of the input.
//
// Size fields above 128 KiB are cut to their low 13 bits before decoding: a random field would
// otherwise almost always mean decoding zero bits up to the limit, some milliseconds a run under
// the sanitizers. Fields up to 128 KiB stay as they are, so the limit is still reached.

#include "resources/lzh/AdaptiveTree.h"
#include "resources/lzh/LzhFormat.h"
#include "resources/lzh/TLZH.h"

#include <QByteArray>
#include <QtEndian>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using namespace kthread::lzh;

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// The format as it reads on paper, with the same rule for giving up after the input.
class PlainDecoder {
public:
    PlainDecoder(const std::uint8_t* bits, std::size_t size) : bits_(bits), size_(size) {}

    // The bytes of `size` decoded bytes (or more, for a last match), or fewer after the input.
    QByteArray Decode(std::uint64_t size) {
        AdaptiveTree tree;
        tree.Reset();
        std::array<std::uint8_t, kWindowSize> ring{};
        std::memset(ring.data(), kRingFill, kFirstWrite);
        int r = kFirstWrite;
        QByteArray out;
        std::uint64_t giveUpAfter = UINT64_MAX;
        while (static_cast<std::uint64_t>(out.size()) < size) {
            const auto start = static_cast<std::uint64_t>(out.size());
            if (start > giveUpAfter) {
                break;
            }
            int node = tree.Child(kRoot);
            while (node < kTreeNodes) {
                node = tree.Child(node + Bit());
            }
            const int symbol = node - kTreeNodes;
            tree.Update(symbol);
            if (symbol < kLiterals) {
                out.append(static_cast<char>(symbol));
                ring[r] = static_cast<std::uint8_t>(symbol);
                r = (r + 1) % kWindowSize;
            } else {
                int b = Byte();
                const PositionPrefix prefix = kPositionPrefixes[b];
                for (int i = 0; i < prefix.length - 2; ++i) {
                    b = 2 * b + Bit();
                }
                const int position = prefix.upper * 64 + b % 64;
                const int from = (r - position - 1 + kWindowSize) % kWindowSize;
                for (int k = 0; k < MatchLength(symbol); ++k) {
                    const std::uint8_t byte = ring[(from + k) % kWindowSize];
                    out.append(static_cast<char>(byte));
                    ring[r] = byte;
                    r = (r + 1) % kWindowSize;
                }
            }
            if (giveUpAfter == UINT64_MAX && consumed_ > 8 * size_) {
                giveUpAfter = start + kthread::TLZH::kPastInputLimit;
            }
        }
        return out;
    }

private:
    void Fill() {
        while (count_ < 9) {
            const std::uint8_t next = at_ < size_ ? bits_[at_] : 0;
            ++at_;
            buffer_ = static_cast<std::uint16_t>(buffer_ | (next << (8 - count_)));
            count_ += 8;
        }
    }
    int Bit() {
        Fill();
        const int bit = buffer_ >> 15;
        buffer_ = static_cast<std::uint16_t>(buffer_ << 1);
        --count_;
        ++consumed_;
        return bit;
    }
    int Byte() {
        Fill();
        const int byte = buffer_ >> 8;
        buffer_ = static_cast<std::uint16_t>(buffer_ << 8);
        count_ -= 8;
        consumed_ += 8;
        return byte;
    }

    const std::uint8_t* bits_;
    std::size_t size_;
    std::size_t at_ = 0;
    std::uint16_t buffer_ = 0;
    int count_ = 0;
    std::uint64_t consumed_ = 0;
};

constexpr char kMismatch[] =
    "Lzrw1 (LZH decompression) : Original and compressed sizes do not match !";

constexpr std::uint32_t kLargestKeptSize = 128 * 1024;

std::uint32_t SizeField(const QByteArray& packed) {
    return qFromLittleEndian<std::uint32_t>(packed.constData() + 4);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QByteArray packed(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (size >= 8 && SizeField(packed) > kLargestKeptSize) {
        qToLittleEndian<std::uint32_t>(SizeField(packed) & 0x1FFF, packed.data() + 4);
    }
    QByteArray written;
    std::string error;
    qint64 result = -1;
    try {
        result = kthread::LzhDecompress(packed, written);
    } catch (const kthread::ELzrw1Exception& e) {
        error = e.what();
    }

    if (size < 8) {
        Require(error == "Lzrw1 : Error reading from input stream !" && written.isEmpty());
        return 0;
    }
    const std::uint32_t unpackedSize = SizeField(packed);
    const QByteArray expected = PlainDecoder(data + 8, size - 8).Decode(unpackedSize);
    Require(written == expected);
    if (expected.size() == static_cast<qsizetype>(unpackedSize)) {
        Require(error.empty() && result == written.size());
    } else {
        Require(error == kMismatch);
    }
    return 0;
}
