// The adaptive Huffman tree over the 314 symbols (256 literals, 58 match lengths). Nodes are
// kept in order of rising frequency; the children of an internal node are the pair of nodes
// starting at its child link, and a child link of kTreeNodes or more is a leaf for symbol
// (link - kTreeNodes). Coder and decoder update it identically after every symbol.
#pragma once

#include "resources/lzh/LzhFormat.h"

#include <array>
#include <cstdint>

namespace kthread::lzh {

class AdaptiveTree {
public:
    // Every symbol with frequency 1, paired off from the bottom.
    void Reset();

    // First of the two children of an internal node, or kTreeNodes + symbol for a leaf.
    int Child(int node) const { return child_[node]; }
    // Node holding the leaf of `symbol`; parent of a node (0 above the root).
    int LeafNode(int symbol) const { return parent_[kTreeNodes + symbol]; }
    int Parent(int node) const { return parent_[node]; }

    // Counts one more `symbol`, rebuilding with halved counts when the root reaches the limit.
    void Update(int symbol) {
        if (freq_[kRoot] == kFrequencyLimit) {
            Rebuild();
        }
        int node = parent_[kTreeNodes + symbol];
        do {
            const std::uint16_t count = ++freq_[node];
            if (count > freq_[node + 1]) {
                // Move up to the highest node still below the new count; the sentinel after
                // the root stops the search.
                int swap = node + 1;
                while (count > freq_[swap + 1]) {
                    ++swap;
                }
                freq_[node] = freq_[swap];
                freq_[swap] = count;
                const int ours = child_[node];
                const int theirs = child_[swap];
                Adopt(ours, swap);
                Adopt(theirs, node);
                child_[swap] = static_cast<std::int16_t>(ours);
                child_[node] = static_cast<std::int16_t>(theirs);
                node = swap;
            }
            node = parent_[node];
        } while (node != 0);
    }

private:
    void Rebuild();

    // Makes `parent` the parent of what child link `link` stands for (a leaf, or a pair).
    void Adopt(int link, int parent) {
        parent_[link] = static_cast<std::int16_t>(parent);
        if (link < kTreeNodes) {
            parent_[link + 1] = static_cast<std::int16_t>(parent);
        }
    }

    std::array<std::uint16_t, kTreeNodes + 1> freq_{};         // the last is a sentinel 0xFFFF
    std::array<std::int16_t, kTreeNodes + kSymbols> parent_{}; // nodes, then leaves
    std::array<std::int16_t, kTreeNodes> child_{};
};

} // namespace kthread::lzh
