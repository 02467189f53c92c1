#include "resources/lzh/AdaptiveTree.h"

#include <algorithm>

namespace kthread::lzh {

void AdaptiveTree::Reset() {
    for (int i = 0; i < kSymbols; ++i) {
        freq_[i] = 1;
        child_[i] = static_cast<std::int16_t>(i + kTreeNodes);
        parent_[i + kTreeNodes] = static_cast<std::int16_t>(i);
    }
    for (int i = 0, j = kSymbols; j < kTreeNodes; i += 2, ++j) {
        freq_[j] = static_cast<std::uint16_t>(freq_[i] + freq_[i + 1]);
        child_[j] = static_cast<std::int16_t>(i);
        parent_[i] = parent_[i + 1] = static_cast<std::int16_t>(j);
    }
    freq_[kTreeNodes] = 0xFFFF;
    parent_[kRoot] = 0;
}

void AdaptiveTree::Rebuild() {
    // Keep the leaves in their order, with halved counts (rounded up, so none becomes 0).
    int leaves = 0;
    for (int i = 0; i < kTreeNodes; ++i) {
        if (child_[i] >= kTreeNodes) {
            freq_[leaves] = static_cast<std::uint16_t>((freq_[i] + 1) / 2);
            child_[leaves] = child_[i];
            ++leaves;
        }
    }
    // Pair them off from the bottom, each new node inserted where it keeps the order: above
    // every node of the same count, so ties stay in the order they were made.
    for (int i = 0, j = kSymbols; j < kTreeNodes; i += 2, ++j) {
        const std::uint16_t count = static_cast<std::uint16_t>(freq_[i] + freq_[i + 1]);
        int k = j;
        while (count < freq_[k - 1]) {
            --k;
        }
        std::copy_backward(freq_.begin() + k, freq_.begin() + j, freq_.begin() + j + 1);
        std::copy_backward(child_.begin() + k, child_.begin() + j, child_.begin() + j + 1);
        freq_[k] = count;
        child_[k] = static_cast<std::int16_t>(i);
    }
    for (int i = 0; i < kTreeNodes; ++i) {
        Adopt(child_[i], i);
    }
}

} // namespace kthread::lzh
