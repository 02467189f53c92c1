// The reference vectors (tests/data/lzh/MANIFEST.md): each must write exactly its .bin and
// return its size or raise its error.

#include "LzhTestData.h"
#include "resources/lzh/TLZH.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>

namespace kthread {
namespace {

struct VectorCase {
    const char* name;
    std::optional<qint64> returns; // empty: the call raises ELzrw1Exception `error`
    const char* error;
    const char* sha256; // of the bytes written
};

void PrintTo(const VectorCase& vector, std::ostream* out) {
    *out << vector.name;
}

class LzhVectorTest : public ::testing::TestWithParam<VectorCase> {};

TEST_P(LzhVectorTest, WritesItsBytesAndEndsAsStated) {
    const VectorCase& vector = GetParam();
    QByteArray packed = test::ReadLzhData((std::string(vector.name) + ".lzh").c_str());
    const QByteArray expected = test::ReadLzhData((std::string(vector.name) + ".bin").c_str());

    QBuffer input(&packed);
    input.open(QIODevice::ReadOnly);
    QByteArray written;
    QBuffer output(&written);
    output.open(QIODevice::WriteOnly);
    if (vector.returns) {
        EXPECT_EQ(LzhDecompress(input, output), *vector.returns);
    } else {
        try {
            LzhDecompress(input, output);
            ADD_FAILURE() << "no exception";
        } catch (const ELzrw1Exception& error) {
            EXPECT_STREQ(error.what(), vector.error);
        }
    }
    EXPECT_EQ(written.size(), expected.size());
    EXPECT_TRUE(written == expected);
    EXPECT_EQ(QCryptographicHash::hash(written, QCryptographicHash::Sha256).toHex(),
              QByteArray(vector.sha256));
}

constexpr char kMismatch[] =
    "Lzrw1 (LZH decompression) : Original and compressed sizes do not match !";
constexpr char kShortHeader[] = "Lzrw1 : Error reading from input stream !";
constexpr char kShortTextSha[] = "249fb1d8b07827f59a5072d44031e80e673f6ea57de5a82bb25500efef2a6ceb";
constexpr char kEmptySha[] = "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855";

INSTANTIATE_TEST_SUITE_P(
    Manifest, LzhVectorTest,
    ::testing::Values(
        VectorCase{"01_empty", 0, nullptr, kEmptySha},
        VectorCase{"02_short_text", 226, nullptr, kShortTextSha},
        VectorCase{"03_a5000", 5000, nullptr,
                   "c526c6222044dab5674de9c4ac7f4566ebb5e4d8bf9d8ea34c9cc8a7cc3c869c"},
        VectorCase{"04_random_64k", 65536, nullptr,
                   "0fdc27ef5b1991ab3ec3ca466fd70ca111294ddf9bdafcaae67a0d089aae44dd"},
        VectorCase{"05_gradient_773x60", 139256, nullptr,
                   "e0e2a2dcffedf3767803f47446bdf96e0cf23dbfa369357831d2ab80bc023d29"},
        VectorCase{"06_rebuild_text", 300000, nullptr,
                   "62f4190e548fef7e7af4de75aaa5a9eb3d594fd98ba2b059912f32fcf550a29f"},
        VectorCase{"07_truncated", std::nullopt, kMismatch,
                   "b8a1c02986ea585f47a318d621df9c47e2a860ce2bdc2d614e9d0263d04396aa"},
        VectorCase{"08_too_short", std::nullopt, kShortHeader, kEmptySha},
        VectorCase{"09_other_magic", 226, nullptr, kShortTextSha}),
    [](const auto& info) { return std::string(info.param.name).substr(3); });

} // namespace
} // namespace kthread
