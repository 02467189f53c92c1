// kthread-lzh as the build runs it: packing and unpacking files, exit status and messages,
// and the packer's own streams read by the decoder.

#include "LzhTestData.h"
#include "lzh/LzhPack.h"
#include "resources/lzh/TLZH.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace kthread {
namespace {

struct ToolRun {
    int exitCode = -1;
    QByteArray standardError;
};

ToolRun RunTool(const QStringList& arguments) {
    QProcess tool;
    tool.start(QStringLiteral(KTHREAD_LZH_TOOL), arguments);
    if (!tool.waitForFinished(60000) || tool.exitStatus() != QProcess::NormalExit) {
        ADD_FAILURE() << "kthread-lzh did not finish";
        return {};
    }
    return {tool.exitCode(), tool.readAllStandardError()};
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

// Bytes of several kinds, so that literals, short and long matches, overlapping runs and far
// positions all occur: random bytes, text, runs, and repeats of earlier stretches.
QByteArray MixedBytes(qsizetype size, std::uint32_t seed) {
    std::mt19937 random(seed);
    const QByteArray words[] = {"pitch ", "diameter ", "wire ", "0.57735 ", "\r\n", "thread "};
    QByteArray data;
    while (data.size() < size) {
        switch (random() % 4) {
        case 0:
            for (int i = random() % 200; i > 0; --i) {
                data.append(static_cast<char>(random()));
            }
            break;
        case 1:
            for (int i = random() % 40; i > 0; --i) {
                data.append(words[random() % std::size(words)]);
            }
            break;
        case 2:
            data.append(
                QByteArray(static_cast<qsizetype>(random() % 300), static_cast<char>(random())));
            break;
        default:
            if (!data.isEmpty()) {
                const qsizetype from = random() % data.size();
                data.append(data.mid(from, static_cast<qsizetype>(random() % 100)));
            }
        }
    }
    data.truncate(size);
    return data;
}

class LzhRoundTripTest : public ::testing::TestWithParam<qsizetype> {};

TEST_P(LzhRoundTripTest, PackThenUnpackGivesTheBytesBack) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString original = dir.filePath(QStringLiteral("original"));
    const QString packed = dir.filePath(QStringLiteral("packed"));
    const QString unpacked = dir.filePath(QStringLiteral("unpacked"));
    const QByteArray data = MixedBytes(GetParam(), static_cast<std::uint32_t>(GetParam()));
    WriteFile(original, data);

    EXPECT_EQ(RunTool({QStringLiteral("pack"), original, packed}).exitCode, 0);
    const ToolRun unpack = RunTool({QStringLiteral("unpack"), packed, unpacked});
    EXPECT_EQ(unpack.exitCode, 0);
    EXPECT_TRUE(unpack.standardError.isEmpty());
    EXPECT_TRUE(ReadFile(unpacked) == data);
    EXPECT_TRUE(ReadFile(packed) == lzh::LzhPack(data));
}

INSTANTIATE_TEST_SUITE_P(Sizes, LzhRoundTripTest,
                         ::testing::Values(0, 1, 2, 3, 59, 60, 61, 4095, 4096, 4097, 70000,
                                           400000));

TEST(LzhToolTest, UnpackKeepsWhatWasDecodedAndReportsTheError) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString unpacked = dir.filePath(QStringLiteral("unpacked"));
    struct Case {
        const char* name;
        const char* message;
    };
    for (const Case& damaged :
         {Case{"07_truncated",
               "Lzrw1 (LZH decompression) : Original and compressed sizes do not match !\n"},
          Case{"08_too_short", "Lzrw1 : Error reading from input stream !\n"}}) {
        const QString packed = QStringLiteral(KTHREAD_LZH_DATA "/%1.lzh").arg(damaged.name);
        const ToolRun run = RunTool({QStringLiteral("unpack"), packed, unpacked});
        EXPECT_EQ(run.exitCode, 1) << damaged.name;
        EXPECT_EQ(run.standardError.toStdString(), damaged.message);
        EXPECT_TRUE(ReadFile(unpacked) ==
                    test::ReadLzhData((std::string(damaged.name) + ".bin").c_str()));
    }
}

TEST(LzhToolTest, WrongUseIsAUsageError) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString missing = dir.filePath(QStringLiteral("missing"));
    const QString out = dir.filePath(QStringLiteral("out"));
    EXPECT_EQ(RunTool({}).exitCode, 2);
    EXPECT_EQ(RunTool({QStringLiteral("unpack"), missing}).exitCode, 2);
    EXPECT_EQ(RunTool({QStringLiteral("peek"), missing, out}).exitCode, 2);
    EXPECT_EQ(RunTool({QStringLiteral("pack"), missing, out}).exitCode, 1);
    EXPECT_EQ(RunTool({QStringLiteral("unpack"), missing, out}).exitCode, 1);
    EXPECT_FALSE(QFile::exists(out));
}

TEST(LzhPackTest, PacksTheReferenceDataAboutAsTightlyAsTheReferenceEncoder) {
    for (const char* name :
         {"02_short_text", "03_a5000", "04_random_64k", "05_gradient_773x60", "06_rebuild_text"}) {
        const QByteArray data = test::ReadLzhData((std::string(name) + ".bin").c_str());
        const QByteArray reference = test::ReadLzhData((std::string(name) + ".lzh").c_str());
        const QByteArray packed = lzh::LzhPack(data);
        EXPECT_TRUE(packed.left(8) == reference.left(8)) << name;
        EXPECT_LE(packed.size(), reference.size() + reference.size() / 50) << name;
        QByteArray unpacked;
        EXPECT_EQ(LzhDecompress(packed, unpacked), data.size()) << name;
        EXPECT_TRUE(unpacked == data) << name;
    }
}

} // namespace
} // namespace kthread
