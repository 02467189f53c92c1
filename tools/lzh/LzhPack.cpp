#include "lzh/LzhPack.h"

#include "resources/lzh/AdaptiveTree.h"
#include "resources/lzh/LzhFormat.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <vector>

namespace kthread::lzh {
namespace {

class BitWriter {
public:
    explicit BitWriter(QByteArray& out) : out_(out) {}

    // The low `count` bits of `bits`, most significant first.
    void Put(std::uint32_t bits, int count) {
        for (int i = count - 1; i >= 0; --i) {
            byte_ = static_cast<std::uint8_t>((byte_ << 1) | ((bits >> i) & 1U));
            if (++used_ == 8) {
                out_.append(static_cast<char>(byte_));
                used_ = 0;
            }
        }
    }
    void Finish() {
        if (used_ != 0) {
            Put(0, 8 - used_);
        }
    }

private:
    QByteArray& out_;
    std::uint8_t byte_ = 0;
    int used_ = 0;
};

// Prefix code of each upper position value, read off the decoder's table.
struct PrefixCode {
    std::uint32_t bits = 0;
    int length = 0;
};

std::array<PrefixCode, 64> MakePrefixCodes() {
    std::array<PrefixCode, 64> codes{};
    for (int byte = 255; byte >= 0; --byte) {
        const PositionPrefix prefix = kPositionPrefixes[byte];
        codes[prefix.upper] = {static_cast<std::uint32_t>(byte) >> (8 - prefix.length),
                               prefix.length};
    }
    return codes;
}

class SymbolCoder {
public:
    explicit SymbolCoder(BitWriter& bits) : bits_(bits) { tree_.Reset(); }

    void PutSymbol(int symbol) {
        // The path from the leaf up: the second of a pair of children is a 1 bit.
        std::vector<int>& path = path_;
        path.clear();
        for (int node = tree_.LeafNode(symbol); node != kRoot; node = tree_.Parent(node)) {
            path.push_back(node & 1);
        }
        for (auto bit = path.rbegin(); bit != path.rend(); ++bit) {
            bits_.Put(static_cast<std::uint32_t>(*bit), 1);
        }
        tree_.Update(symbol);
    }

    void PutPosition(int position) {
        static const std::array<PrefixCode, 64> codes = MakePrefixCodes();
        const PrefixCode& code = codes[position >> 6];
        bits_.Put(code.bits, code.length);
        bits_.Put(static_cast<std::uint32_t>(position & 63), 6);
    }

private:
    BitWriter& bits_;
    AdaptiveTree tree_;
    std::vector<int> path_;
};

// Longest earlier match by hash chains over the history as the decoder's ring sees it: the
// initial ring (blanks, and before them the never-written positions, which are not used) then
// the data.
class MatchFinder {
public:
    static constexpr int kHistory = kWindowSize;       // data starts here in `text_`
    static constexpr int kFirstSource = kLongestMatch; // first blank of the initial ring
    static constexpr int kMaxChain = 256;

    explicit MatchFinder(QByteArrayView data)
        : text_(kHistory + static_cast<std::size_t>(data.size())), previous_(text_.size(), -1) {
        std::fill(text_.begin() + kFirstSource, text_.begin() + kHistory, kRingFill);
        std::copy(data.begin(), data.end(), text_.begin() + kHistory);
        heads_.assign(1 << kHashBits, -1);
        for (int at = kFirstSource; at < kHistory; ++at) {
            Insert(at);
        }
    }

    struct Match {
        int length = 0;
        int distance = 0;
    };

    // Best match for the data at `at` (an index into the history), at most `limit` long.
    Match Find(int at, int limit) const {
        Match best;
        if (limit <= kThreshold || at + kThreshold >= static_cast<int>(text_.size())) {
            return best;
        }
        int chain = kMaxChain;
        for (int source = heads_[Hash(at)]; source >= 0 && at - source <= kWindowSize && chain > 0;
             source = previous_[static_cast<std::size_t>(source)], --chain) {
            int length = 0;
            while (length < limit && text_[source + length] == text_[at + length]) {
                ++length;
            }
            if (length > best.length) {
                best = {length, at - source};
                if (length == limit) {
                    break;
                }
            }
        }
        if (best.length <= kThreshold) {
            best = {};
        }
        return best;
    }

    // Makes the data at `at` findable; call for every index in order.
    void Insert(int at) {
        if (at + kThreshold >= static_cast<int>(text_.size())) {
            return;
        }
        const std::size_t hash = Hash(at);
        previous_[static_cast<std::size_t>(at)] = heads_[hash];
        heads_[hash] = at;
    }

private:
    static constexpr int kHashBits = 15;

    std::size_t Hash(int at) const {
        const std::uint32_t key = text_[at] | (text_[at + 1] << 8) | (text_[at + 2] << 16);
        return (key * 2654435761U) >> (32 - kHashBits);
    }

    std::vector<std::uint8_t> text_;
    std::vector<int> previous_;
    std::vector<int> heads_;
};

} // namespace

QByteArray LzhPack(QByteArrayView data) {
    if (static_cast<std::uint64_t>(data.size()) > std::numeric_limits<std::uint32_t>::max() ||
        data.size() > std::numeric_limits<int>::max() - MatchFinder::kHistory) {
        throw std::length_error("too large to pack");
    }
    const auto size = static_cast<std::uint32_t>(data.size());
    QByteArray out(kMagic.data(), kMagicBytes);
    for (int i = 0; i < kSizeBytes; ++i) {
        out.append(static_cast<char>((size >> (8 * i)) & 0xFF));
    }

    BitWriter bits(out);
    SymbolCoder coder(bits);
    MatchFinder finder(data);
    const int end = MatchFinder::kHistory + static_cast<int>(size);
    int at = MatchFinder::kHistory;
    MatchFinder::Match match = finder.Find(at, std::min(kLongestMatch, end - at));
    while (at < end) {
        finder.Insert(at);
        // One step of lazy matching: a longer match one byte later wins over this one.
        const MatchFinder::Match next = finder.Find(at + 1, std::min(kLongestMatch, end - at - 1));
        if (match.length == 0 || next.length > match.length) {
            coder.PutSymbol(static_cast<std::uint8_t>(data[at - MatchFinder::kHistory]));
            ++at;
            match = next;
            continue;
        }
        coder.PutSymbol(MatchSymbol(match.length));
        coder.PutPosition(match.distance - 1);
        for (int k = 1; k < match.length; ++k) {
            finder.Insert(at + k);
        }
        at += match.length;
        match = finder.Find(at, std::min(kLongestMatch, end - at));
    }
    bits.Finish();
    return out;
}

} // namespace kthread::lzh
