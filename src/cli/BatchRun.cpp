#include "cli/BatchRun.h"

#include "cli/LineSplitter.h"
#include "cli/RawStreams.h"

#include <cerrno>
#include <cstring>
#include <vector>

namespace kthread::cli {

namespace {

constexpr std::size_t kReadBlock = 1 << 20;

std::string SystemError(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}

} // namespace

int BatchResult::ExitCode() const {
    const bool clean = summary.errorLines == 0 && summary.fatalError.empty() && ioError.empty();
    return clean ? 0 : 1;
}

BatchResult RunBatch(LineProcessor& processor, int in, int out, unsigned threads) {
    BatchResult result;
    LineSplitter splitter(processor, threads);
    std::vector<char> block(kReadBlock);
    std::string output;
    output.reserve(4 * kReadBlock);
    bool going = true;
    while (going) {
        const std::ptrdiff_t got = ReadSome(in, block.data(), block.size());
        if (got > 0) {
            going = splitter.Feed(std::string_view(block.data(), static_cast<std::size_t>(got)),
                                  output);
        } else {
            if (got < 0) {
                result.ioError = SystemError("cannot read the input");
            } else {
                splitter.Finish(output);
            }
            going = false;
        }
        if (!WriteAll(out, output)) {
            result.ioError = SystemError("cannot write the output");
            going = false;
        }
        output.clear();
    }
    result.summary = processor.Summary();
    return result;
}

BatchResult RunBatchOnText(LineProcessor& processor, std::string_view text, std::string& out,
                           unsigned threads) {
    LineSplitter splitter(processor, threads);
    if (splitter.Feed(text, out)) {
        splitter.Finish(out);
    }
    BatchResult result;
    result.summary = processor.Summary();
    return result;
}

} // namespace kthread::cli
