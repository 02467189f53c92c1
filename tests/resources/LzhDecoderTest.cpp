// Decoder behaviour beyond the reference vectors: header rules, the end of the input, the
// streams and their failures, and the block hook.

#include "LzhTestData.h"
#include "resources/lzh/TLZH.h"

#include <QBuffer>
#include <algorithm>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

namespace kthread {
namespace {

constexpr char kMismatch[] =
    "Lzrw1 (LZH decompression) : Original and compressed sizes do not match !";
constexpr char kShortHeader[] = "Lzrw1 : Error reading from input stream !";

// Decodes `packed`; the message of the ELzrw1Exception that ended it, or empty on success.
std::string DecodeError(const QByteArray& packed, QByteArray& written) {
    try {
        LzhDecompress(packed, written);
        return {};
    } catch (const ELzrw1Exception& error) {
        return error.what();
    }
}

TEST(LzhHeaderTest, EmptyStreamWritesNothingWhateverTheMagic) {
    for (const QByteArray& packed :
         {test::LzhHeader("!HZL", 0), test::LzhHeader("\0\0\0\0", 0),
          test::LzhHeader("\xFF\xFF\xFF\xFF", 0), test::LzhHeader("!HZL", 0) + "trailing"}) {
        QByteArray written("old");
        EXPECT_EQ(LzhDecompress(packed, written), 0);
        EXPECT_TRUE(written.isEmpty());
    }
}

TEST(LzhHeaderTest, HeaderShorterThanEightBytesIsAReadError) {
    const QByteArray header = test::LzhHeader("!HZL", 0);
    for (int length = 0; length < 8; ++length) {
        QByteArray written;
        EXPECT_EQ(DecodeError(header.left(length), written), kShortHeader) << length;
        EXPECT_TRUE(written.isEmpty());
    }
}

TEST(LzhHeaderTest, MagicIsReadButNotCompared) {
    const QByteArray text = test::ReadLzhData("02_short_text.lzh");
    const QByteArray expected = test::ReadLzhData("02_short_text.bin");
    for (const char* magic : {"\0\0\0\0", "\xFF\xFF\xFF\xFF", "HZL!", "\x21\x48\x5A\x00"}) {
        QByteArray written;
        EXPECT_EQ(LzhDecompress(test::LzhHeader(magic, 226) + text.mid(8), written), 226);
        EXPECT_TRUE(written == expected);
    }
}

TEST(LzhEndOfInputTest, TruncatedStreamDecodesItsStartThenReportsTheMismatch) {
    const QByteArray packed = test::ReadLzhData("06_rebuild_text.lzh");
    const QByteArray original = test::ReadLzhData("06_rebuild_text.bin");
    for (const int cut : {8, 9, 1000, 20000, 100000}) {
        QByteArray written;
        EXPECT_EQ(DecodeError(packed.left(cut), written), kMismatch) << cut;
        EXPECT_NE(written.size(), original.size());
        EXPECT_LE(written.size(), original.size() + 59) << "only the last match may overrun";
        if (cut > 100) {
            // Each packed byte carries at least one decoded byte of this text.
            const qsizetype decoded = cut - 8;
            EXPECT_TRUE(written.left(decoded) == original.left(decoded)) << cut;
        }
    }
}

TEST(LzhEndOfInputTest, ZeroBitsAfterTheEndMayCompleteAStream) {
    // The truncated vector's zero bits decode to 6,002 bytes: with that size it is complete.
    QByteArray written;
    EXPECT_EQ(LzhDecompress(test::WithSize(test::ReadLzhData("07_truncated.lzh"), 6002), written),
              6002);
    EXPECT_TRUE(written == test::ReadLzhData("07_truncated.bin"));
}

TEST(LzhEndOfInputTest, GivesUpOnceTheOutputIsFarPastTheInput) {
    QByteArray unbounded;
    EXPECT_EQ(DecodeError(test::LzhHeader("!HZL", 0xFFFFFFFF), unbounded), kMismatch);
    EXPECT_GT(unbounded.size(), TLZH::kPastInputLimit);
    EXPECT_LE(unbounded.size(), TLZH::kPastInputLimit + 60);

    // Up to that point the zero bits still complete a stream, one byte more does not.
    const auto limit = static_cast<std::uint32_t>(unbounded.size());
    QByteArray written;
    EXPECT_EQ(LzhDecompress(test::LzhHeader("!HZL", limit), written), limit);
    EXPECT_TRUE(written == unbounded);
    EXPECT_EQ(DecodeError(test::LzhHeader("!HZL", limit + 1), written), kMismatch);
    EXPECT_EQ(written.size(), limit);

    // The limit counts from the end of the input, not from the start of the output.
    const QByteArray text = test::ReadLzhData("02_short_text.lzh");
    EXPECT_EQ(DecodeError(test::WithSize(text, 0xFFFFFFFF), written), kMismatch);
    EXPECT_GT(written.size(), 226 + TLZH::kPastInputLimit - 120);
    EXPECT_LE(written.size(), 226 + TLZH::kPastInputLimit + 60);
}

// A sequential input that hands out a few bytes per read and may fail at a given offset.
class TrickleInput : public QIODevice {
public:
    TrickleInput(QByteArray data, qint64 chunk, qint64 failAt = -1)
        : data_(std::move(data)), chunk_(chunk), failAt_(failAt) {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        if (failAt_ >= 0 && at_ >= failAt_) {
            return -1;
        }
        qint64 count = std::min({maxSize, chunk_, data_.size() - at_});
        if (failAt_ >= 0) {
            count = std::min(count, failAt_ - at_);
        }
        std::copy_n(data_.constData() + at_, count, data);
        at_ += count;
        return count;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray data_;
    qint64 chunk_;
    qint64 failAt_;
    qint64 at_ = 0;
};

// An output that takes `accepted` bytes and then refuses the rest of a write.
class ShortOutput : public QIODevice {
public:
    explicit ShortOutput(qint64 accepted) : accepted_(accepted) {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 size) override {
        const qint64 taken = std::min(size, accepted_);
        accepted_ -= taken;
        return taken;
    }

private:
    qint64 accepted_;
};

TEST(LzhStreamTest, ReadsAndWritesFromTheStreamsCurrentPositions) {
    QByteArray source = "junk" + test::ReadLzhData("02_short_text.lzh") + "after";
    QBuffer input(&source);
    input.open(QIODevice::ReadOnly);
    input.seek(4);
    QByteArray target = "kept";
    QBuffer output(&target);
    output.open(QIODevice::ReadWrite);
    output.seek(4);
    EXPECT_EQ(LzhDecompress(input, output), 226);
    EXPECT_TRUE(target == "kept" + test::ReadLzhData("02_short_text.bin"));
}

TEST(LzhStreamTest, ShortReadsAreNotTheEndOfTheInput) {
    TrickleInput input(test::ReadLzhData("05_gradient_773x60.lzh"), 3);
    QByteArray written;
    QBuffer output(&written);
    output.open(QIODevice::WriteOnly);
    EXPECT_EQ(LzhDecompress(input, output), 139256);
    EXPECT_TRUE(written == test::ReadLzhData("05_gradient_773x60.bin"));
}

TEST(LzhStreamTest, StreamFailuresRaiseTheirMessages) {
    const QByteArray picture = test::ReadLzhData("05_gradient_773x60.lzh");
    QByteArray sink;
    QBuffer output(&sink);
    output.open(QIODevice::WriteOnly);
    auto message = [](QIODevice& in, QIODevice& out) -> std::string {
        try {
            LzhDecompress(in, out);
            return "no error";
        } catch (const ELzrw1Exception& error) {
            return error.what();
        }
    };

    QBuffer closed;
    EXPECT_EQ(message(closed, output),
              "Lzrw1 (de)compression : Failed to initialize input stream !");
    TrickleInput input(picture, 100);
    QBuffer readOnly;
    readOnly.open(QIODevice::ReadOnly);
    EXPECT_EQ(message(input, readOnly),
              "Lzrw1 (de)compression : Failed to initialize output stream !");

    TrickleInput failsInHeader(picture, 100, 6);
    EXPECT_EQ(message(failsInHeader, output), kShortHeader);
    TrickleInput failsInBits(picture, 100, 1000);
    EXPECT_EQ(message(failsInBits, output), "Lzrw1 : Error reading from input stream ! (LZH)");

    for (const qint64 accepted : {0, 100, 32768 + 5}) {
        TrickleInput whole(picture, 100000);
        ShortOutput refusing(accepted);
        EXPECT_EQ(message(whole, refusing), "Lzrw1 : Error writing to output stream !");
    }

    TLZH unset;
    try {
        unset.Decompress();
        ADD_FAILURE() << "no error without streams";
    } catch (const ELzrw1Exception& error) {
        EXPECT_STREQ(error.what(), "Lzrw1 (de)compression : Failed to initialize input stream !");
    }
}

TEST(LzhBlockHookTest, RunsOncePerBlockReadOrWritten) {
    QByteArray written;
    std::vector<qsizetype> seen;
    Lzh().SetBlockHook([&] { seen.push_back(written.size()); });
    // 37,598 packed bytes are two blocks read; 139,256 unpacked bytes five blocks written.
    EXPECT_EQ(LzhDecompress(test::ReadLzhData("05_gradient_773x60.lzh"), written), 139256);
    Lzh().SetBlockHook({});
    ASSERT_EQ(seen.size(), 7U);
    EXPECT_EQ(seen.front(), 0);
    EXPECT_EQ(seen.back(), 139256);
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    for (qsizetype block = 1; block <= 4; ++block) {
        EXPECT_NE(std::find(seen.begin(), seen.end(), block * TLZH::kBlockSize), seen.end());
    }
}

TEST(LzhBlockHookTest, NestedDecompressionIsRefusedAndTheRunningOneCompletes) {
    const QByteArray text = test::ReadLzhData("02_short_text.lzh");
    int refused = 0;
    Lzh().SetBlockHook([&] {
        QByteArray inner;
        try {
            LzhDecompress(text, inner);
        } catch (const std::logic_error&) {
            ++refused;
        }
    });
    QByteArray written;
    EXPECT_EQ(LzhDecompress(text, written), 226);
    Lzh().SetBlockHook({});
    EXPECT_EQ(refused, 2); // one block read, one written
    EXPECT_TRUE(written == test::ReadLzhData("02_short_text.bin"));
}

} // namespace
} // namespace kthread
