// Unbuffered reads and writes on the standard streams, the one place of the command line that
// differs between platforms: POSIX read and write, or the C runtime's _read and _write with the
// streams in binary mode on Windows (a batch is passed through byte for byte, CR LF included).
#pragma once

#include <cstddef>
#include <string_view>

namespace kthread::cli {

// The descriptors of standard input and output, ready for ReadSome and WriteAll.
int StandardInput();
int StandardOutput();

// Reads up to `size` bytes from `fd`: the count read, 0 at the end of the input, -1 on an error
// (errno tells). An interrupted read is retried.
std::ptrdiff_t ReadSome(int fd, char* data, std::size_t size);

// Writes all of `text` to `fd`; false on an error (errno tells). Interrupted writes are retried.
bool WriteAll(int fd, std::string_view text);

} // namespace kthread::cli
