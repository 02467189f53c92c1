// Unpacks the program's packed resources (type BANNERS). One instance serves the process; it
// holds the streams and the state of one decompression and is not re-entrant.
//
// Safety: any input ends in a result or in one of the exceptions of LzhErrors.h, using fixed
// memory. After the input runs out the decoder reads zero bits, and gives up with the size
// mismatch once it has written more than kPastInputLimit bytes beyond the last input byte.
#pragma once

#include "resources/lzh/LzhErrors.h"

#include <QtGlobal>
#include <cstdint>
#include <functional>

class QByteArray;
class QIODevice;

namespace kthread {

class TLZH {
public:
    using BlockHook = std::function<void()>;

    static constexpr int kBlockSize = 32768;
    static constexpr std::uint64_t kPastInputLimit = 64 * 1024;

    void SetInputStream(QIODevice* input) { input_ = input; }
    void SetOutputStream(QIODevice* output) { output_ = output; }
    // Runs after every block of up to 32 KB read or written, so that a window can let its
    // event loop run while a large picture unpacks. Empty by default.
    void SetBlockHook(BlockHook hook) { blockHook_ = std::move(hook); }

    // Unpacks from the input stream's current position to the output stream's; returns the
    // bytes written. Throws ELzrw1Exception or ElzhException; the output keeps what was
    // written before the error. A call from inside the block hook throws std::logic_error.
    qint64 Decompress();
    bool Running() const { return running_; }

private:
    struct Tables;

    int ReadByte();
    void FillBits();
    int NextBit();
    int DecodeSymbol(Tables& tables);
    int DecodePosition();
    void WriteByte(std::uint8_t byte);
    void FlushOutput();
    void RunBlockHook();
    void Decode(Tables& tables, std::uint64_t size);

    QIODevice* input_ = nullptr;
    QIODevice* output_ = nullptr;
    BlockHook blockHook_;
    bool running_ = false;

    std::uint8_t* inBuffer_ = nullptr;
    int inFill_ = 0;
    int inPos_ = 0;
    bool inputEnded_ = false;
    std::uint8_t* outBuffer_ = nullptr;
    int outFill_ = 0;
    std::uint64_t total_ = 0;

    // Next bits at the top. Zero bits stand in for input past its end; `padBits_` counts them.
    std::uint64_t bitBuffer_ = 0;
    int bitCount_ = 0;
    std::uint64_t padBits_ = 0;
};

// The process-wide instance, created on first use and living to exit.
TLZH& Lzh();

// Unpacks `input` into `output` with the process-wide instance; returns the bytes written.
// Callers rewind the input before and the output after the call.
qint64 LzhDecompress(QIODevice& input, QIODevice& output);

// The same for a packed stream in memory: `unpacked` is replaced by the bytes written, also
// when an exception ends the call.
qint64 LzhDecompress(const QByteArray& packed, QByteArray& unpacked);

} // namespace kthread
