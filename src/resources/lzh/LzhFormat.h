// The packed resource format: an LZSS ring of 4096 bytes whose literals and match lengths are
// coded by an adaptive Huffman tree and whose match positions carry a fixed prefix code for
// their upper 6 bits. Shared by the decoder and the build-time packer.
#pragma once

#include <array>
#include <cstdint>

namespace kthread::lzh {

// Stream layout: 4 bytes magic (never compared), 4 bytes unpacked size (little-endian), bits.
inline constexpr int kMagicBytes = 4;
inline constexpr int kSizeBytes = 4;
inline constexpr std::array<char, kMagicBytes> kMagic = {'!', 'H', 'Z', 'L'};

inline constexpr int kWindowSize = 4096; // ring of decoded bytes; positions are 12 bits
inline constexpr int kWindowMask = kWindowSize - 1;
inline constexpr int kLongestMatch = 60;
inline constexpr int kThreshold = 2; // a match is 3 to 60 bytes long
inline constexpr int kLiterals = 256;
inline constexpr int kSymbols = kLiterals + kLongestMatch - kThreshold; // 314
inline constexpr int kTreeNodes = 2 * kSymbols - 1;                     // 627
inline constexpr int kRoot = kTreeNodes - 1;                            // 626
inline constexpr std::uint16_t kFrequencyLimit = 0x8000; // the tree is rebuilt at this root count

// The ring starts with blanks before the first write position; matches may copy from them.
inline constexpr int kFirstWrite = kWindowSize - kLongestMatch; // 4036
inline constexpr std::uint8_t kRingFill = 0x20;

// Symbol of a match of `length` bytes, and back.
constexpr int MatchSymbol(int length) {
    return length + kLiterals - 1 - kThreshold;
}
constexpr int MatchLength(int symbol) {
    return symbol - kLiterals + 1 + kThreshold;
}

// Fixed code for the upper 6 bits of a match position, looked up by the first 8 bits read:
// `length` bits of prefix identify `upper`, the low 6 bits of the position follow verbatim.
struct PositionPrefix {
    std::uint8_t upper;
    std::uint8_t length;
};

constexpr std::array<PositionPrefix, 256> MakePositionPrefixes() {
    // Byte values from which each code length starts, and the first upper value it carries.
    struct Band {
        int firstByte, firstUpper, length;
    };
    constexpr Band bands[] = {{0x00, 0, 3},  {0x20, 1, 4},  {0x50, 4, 5},
                              {0x90, 12, 6}, {0xC0, 24, 7}, {0xF0, 48, 8}};
    std::array<PositionPrefix, 256> table{};
    for (const Band& band : bands) {
        const int bytesPerUpper = 1 << (8 - band.length);
        for (int byte = band.firstByte; byte < 256; ++byte) {
            table[byte] = {static_cast<std::uint8_t>(band.firstUpper +
                                                     (byte - band.firstByte) / bytesPerUpper),
                           static_cast<std::uint8_t>(band.length)};
        }
    }
    return table;
}

inline constexpr std::array<PositionPrefix, 256> kPositionPrefixes = MakePositionPrefixes();

static_assert(kPositionPrefixes[0x1F].upper == 0 && kPositionPrefixes[0x1F].length == 3);
static_assert(kPositionPrefixes[0x4F].upper == 3 && kPositionPrefixes[0x50].upper == 4);
static_assert(kPositionPrefixes[0xBF].upper == 23 && kPositionPrefixes[0xEF].upper == 47);
static_assert(kPositionPrefixes[0xFF].upper == 63 && kPositionPrefixes[0xFF].length == 8);

} // namespace kthread::lzh
