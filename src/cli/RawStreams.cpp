#include "cli/RawStreams.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <unistd.h>
#endif

namespace kthread::cli {

namespace {

#ifdef _WIN32
// The C runtime counts in unsigned int and returns int.
constexpr std::size_t kLargestTransfer = INT_MAX;

int InBinaryMode(FILE* stream) {
    const int fd = _fileno(stream);
    _setmode(fd, _O_BINARY);
    return fd;
}

int StandardInputFd() {
    return InBinaryMode(stdin);
}

int StandardOutputFd() {
    return InBinaryMode(stdout);
}

std::ptrdiff_t ReadOnce(int fd, char* data, std::size_t size) {
    return _read(fd, data, static_cast<unsigned>(std::min(size, kLargestTransfer)));
}

std::ptrdiff_t WriteOnce(int fd, const char* data, std::size_t size) {
    return _write(fd, data, static_cast<unsigned>(std::min(size, kLargestTransfer)));
}
#else
int StandardInputFd() {
    return STDIN_FILENO;
}

int StandardOutputFd() {
    return STDOUT_FILENO;
}

std::ptrdiff_t ReadOnce(int fd, char* data, std::size_t size) {
    return ::read(fd, data, size);
}

std::ptrdiff_t WriteOnce(int fd, const char* data, std::size_t size) {
    return ::write(fd, data, size);
}
#endif

} // namespace

int StandardInput() {
    return StandardInputFd();
}

int StandardOutput() {
    return StandardOutputFd();
}

std::ptrdiff_t ReadSome(int fd, char* data, std::size_t size) {
    while (true) {
        const std::ptrdiff_t got = ReadOnce(fd, data, size);
        if (got >= 0 || errno != EINTR) {
            return got;
        }
    }
}

bool WriteAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const std::ptrdiff_t put = WriteOnce(fd, text.data(), text.size());
        if (put < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
}

} // namespace kthread::cli
