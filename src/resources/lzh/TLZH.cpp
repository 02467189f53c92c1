#include "resources/lzh/TLZH.h"

#include "resources/lzh/AdaptiveTree.h"
#include "resources/lzh/LzhFormat.h"

#include <QBuffer>
#include <QByteArray>
#include <QIODevice>
#include <QtEndian>
#include <algorithm>
#include <array>
#include <limits>
#include <memory>
#include <new>

namespace kthread {

using namespace lzh;

// The dictionary tables of one decompression.
struct TLZH::Tables {
    std::array<std::uint8_t, kWindowSize> ring;
    AdaptiveTree tree;
};

namespace {

// Each block buffer is allocated with 16 bytes to spare (32,784 bytes).
constexpr int kBufferSpare = 16;

std::unique_ptr<std::uint8_t[]> AllocateBlock() {
    return std::unique_ptr<std::uint8_t[]>(new (std::nothrow)
                                               std::uint8_t[TLZH::kBlockSize + kBufferSpare]);
}

// Reads exactly `size` bytes unless the stream ends or fails first.
bool ReadExactly(QIODevice& device, char* data, qint64 size) {
    while (size > 0) {
        const qint64 got = device.read(data, size);
        if (got <= 0) {
            return false;
        }
        data += got;
        size -= got;
    }
    return true;
}

void RefuseNesting(const TLZH& lzh) {
    if (lzh.Running()) {
        throw std::logic_error("LZH decompression started while one is running");
    }
}

} // namespace

qint64 TLZH::Decompress() {
    RefuseNesting(*this);
    // Buffers live for this call only; the instance keeps no pointer to them afterwards.
    struct CallScope {
        TLZH& lzh;
        ~CallScope() {
            lzh.running_ = false;
            lzh.inBuffer_ = nullptr;
            lzh.outBuffer_ = nullptr;
        }
    } scope{*this};
    running_ = true;

    const std::unique_ptr<std::uint8_t[]> in = AllocateBlock();
    const std::unique_ptr<std::uint8_t[]> out = AllocateBlock();
    if (!in || !out) {
        throw ELzrw1Exception(kIoBufferMemoryMessage);
    }
    if (input_ == nullptr || !input_->isReadable()) {
        throw ELzrw1Exception(kInputInitMessage);
    }
    if (output_ == nullptr || !output_->isWritable()) {
        throw ELzrw1Exception(kOutputInitMessage);
    }

    std::array<char, kMagicBytes + kSizeBytes> header{};
    if (!ReadExactly(*input_, header.data(), kMagicBytes)) {
        throw ELzrw1Exception(kHeaderReadMessage);
    }
    total_ = 0;
    if (!ReadExactly(*input_, header.data() + kMagicBytes, kSizeBytes)) {
        throw ELzrw1Exception(kHeaderReadMessage);
    }
    const std::uint64_t size = qFromLittleEndian<std::uint32_t>(header.data() + kMagicBytes);

    inBuffer_ = in.get();
    inFill_ = inPos_ = 0;
    inputEnded_ = false;
    outBuffer_ = out.get();
    outFill_ = 0;
    {
        const std::unique_ptr<Tables> tables(new (std::nothrow) Tables);
        if (!tables) {
            throw ElzhException(kTableMemoryMessage);
        }
        bitBuffer_ = 0;
        bitCount_ = 0;
        padBits_ = 0;
        Decode(*tables, size);
    }
    FlushOutput();
    if (total_ != size) {
        throw ELzrw1Exception(kSizeMismatchMessage);
    }
    return static_cast<qint64>(total_);
}

void TLZH::Decode(Tables& tables, std::uint64_t size) {
    tables.tree.Reset();
    std::uint8_t* const ring = tables.ring.data();
    std::fill(ring, ring + kFirstWrite, kRingFill);
    std::fill(ring + kFirstWrite, ring + kWindowSize, std::uint8_t{0});
    int r = kFirstWrite;

    constexpr std::uint64_t kNoLimit = std::numeric_limits<std::uint64_t>::max();
    std::uint64_t count = 0;
    std::uint64_t symbolStart = 0; // count before the symbol decoded last
    std::uint64_t stopAfter = kNoLimit;
    while (count < size) {
        if (padBits_ != 0) [[unlikely]] {
            // The symbol decoded last is the first to have read past the input: the output
            // may grow by the limit from where it started.
            if (stopAfter == kNoLimit && static_cast<std::uint64_t>(bitCount_) < padBits_) {
                stopAfter = symbolStart + kPastInputLimit;
            }
            if (count > stopAfter) {
                return;
            }
        }
        symbolStart = count;
        const int symbol = DecodeSymbol(tables);
        if (symbol < kLiterals) {
            const auto byte = static_cast<std::uint8_t>(symbol);
            WriteByte(byte);
            ring[r] = byte;
            r = (r + 1) & kWindowMask;
            ++count;
        } else {
            const int start = r - DecodePosition() - 1;
            const int length = MatchLength(symbol);
            // Whole matches, even past the unpacked size; byte by byte, since a match may
            // overlap the bytes it writes.
            for (int k = 0; k < length; ++k) {
                const std::uint8_t byte = ring[(start + k) & kWindowMask];
                WriteByte(byte);
                ring[r] = byte;
                r = (r + 1) & kWindowMask;
            }
            count += static_cast<std::uint64_t>(length);
        }
    }
}

inline int TLZH::ReadByte() {
    if (inPos_ == inFill_) {
        if (inputEnded_) {
            return -1;
        }
        const qint64 got = input_->read(reinterpret_cast<char*>(inBuffer_), kBlockSize);
        if (got < 0) {
            throw ELzrw1Exception(kBlockReadMessage);
        }
        if (got == 0) {
            inputEnded_ = true;
            return -1;
        }
        inFill_ = static_cast<int>(got);
        inPos_ = 0;
        RunBlockHook();
    }
    return inBuffer_[inPos_++];
}

void TLZH::FillBits() {
    while (bitCount_ <= 56) {
        int byte = ReadByte();
        if (byte < 0) {
            byte = 0;
            padBits_ += 8;
        }
        bitBuffer_ |= static_cast<std::uint64_t>(byte) << (56 - bitCount_);
        bitCount_ += 8;
    }
}

inline int TLZH::NextBit() {
    if (bitCount_ == 0) {
        FillBits();
    }
    const auto bit = static_cast<int>(bitBuffer_ >> 63);
    bitBuffer_ <<= 1;
    --bitCount_;
    return bit;
}

inline int TLZH::DecodeSymbol(Tables& tables) {
    int node = tables.tree.Child(kRoot);
    while (node < kTreeNodes) {
        node = tables.tree.Child(node + NextBit());
    }
    const int symbol = node - kTreeNodes;
    tables.tree.Update(symbol);
    return symbol;
}

inline int TLZH::DecodePosition() {
    constexpr int kLowBits = 6;
    if (bitCount_ < 8 + kLowBits) {
        FillBits();
    }
    const PositionPrefix prefix = kPositionPrefixes[bitBuffer_ >> 56];
    const int bits = prefix.length + kLowBits;
    const auto code = static_cast<int>(bitBuffer_ >> (64 - bits));
    bitBuffer_ <<= bits;
    bitCount_ -= bits;
    return (prefix.upper << kLowBits) | (code & ((1 << kLowBits) - 1));
}

inline void TLZH::WriteByte(std::uint8_t byte) {
    if (outFill_ == kBlockSize) {
        FlushOutput();
    }
    outBuffer_[outFill_++] = byte;
}

void TLZH::FlushOutput() {
    if (outFill_ == 0) {
        return;
    }
    if (output_->write(reinterpret_cast<const char*>(outBuffer_), outFill_) != outFill_) {
        throw ELzrw1Exception(kWriteMessage);
    }
    total_ += static_cast<std::uint64_t>(outFill_);
    outFill_ = 0;
    RunBlockHook();
}

void TLZH::RunBlockHook() {
    if (blockHook_) {
        blockHook_();
    }
}

TLZH& Lzh() {
    static TLZH instance;
    return instance;
}

qint64 LzhDecompress(QIODevice& input, QIODevice& output) {
    RefuseNesting(Lzh()); // before the running call's streams are touched
    // The instance does not keep the caller's streams past the call.
    struct StreamScope {
        TLZH& lzh;
        ~StreamScope() {
            lzh.SetInputStream(nullptr);
            lzh.SetOutputStream(nullptr);
        }
    } scope{Lzh()};
    scope.lzh.SetInputStream(&input);
    scope.lzh.SetOutputStream(&output);
    return scope.lzh.Decompress();
}

qint64 LzhDecompress(const QByteArray& packed, QByteArray& unpacked) {
    QBuffer input;
    input.setData(packed);
    input.open(QIODevice::ReadOnly);
    unpacked.clear();
    QBuffer output(&unpacked);
    output.open(QIODevice::WriteOnly);
    return LzhDecompress(input, output);
}

} // namespace kthread
