// Errors of the packed-resource decoder: ELzrw1Exception for stream, buffer and size errors,
// ElzhException for the memory of its tables. The messages are shown to the user as they are.
#pragma once

#include <stdexcept>

namespace kthread {

class ELzrw1Exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ElzhException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

namespace lzh {

inline constexpr char kIoBufferMemoryMessage[] =
    "Lzrw1 (de)compression : Failed to get memory for I/O buffers !";
inline constexpr char kInputInitMessage[] =
    "Lzrw1 (de)compression : Failed to initialize input stream !";
inline constexpr char kOutputInitMessage[] =
    "Lzrw1 (de)compression : Failed to initialize output stream !";
// The header is shorter than its 8 bytes.
inline constexpr char kHeaderReadMessage[] = "Lzrw1 : Error reading from input stream !";
// The stream failed while the coded bits were read.
inline constexpr char kBlockReadMessage[] = "Lzrw1 : Error reading from input stream ! (LZH)";
inline constexpr char kWriteMessage[] = "Lzrw1 : Error writing to output stream !";
inline constexpr char kSizeMismatchMessage[] =
    "Lzrw1 (LZH decompression) : Original and compressed sizes do not match !";
inline constexpr char kTableMemoryMessage[] = "LZH : Cannot get memory for dictionary tables";

} // namespace lzh
} // namespace kthread
