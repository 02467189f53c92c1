// What one batch input line may cost, in one place: the longest line the readers take and how
// much of the input an error message quotes.
#pragma once

#include <cstddef>
#include <string_view>

namespace kthread::cli {

// Longest line the batch readers take, not counting its '\n'. A record needs well under 1 KiB;
// a longer line is answered with an error and skipped to its end without being held in memory.
inline constexpr std::size_t kMaxLineBytes = std::size_t{1} << 20;

// Most bytes of the input that an error message repeats.
inline constexpr std::size_t kMaxEchoBytes = 40;

inline constexpr bool IsLineTooLong(std::size_t bytes) {
    return bytes > kMaxLineBytes;
}

// Error texts for lines that are not read at all. Fixed texts, so that reporting a line that ran
// out of memory needs no memory beyond the error line itself.
inline constexpr std::string_view kLineTooLongMessage = "line too long (more than 1048576 bytes)";
inline constexpr std::string_view kLineOutOfMemoryMessage = "not enough memory for this line";

} // namespace kthread::cli
