// Cuts a byte stream that arrives in chunks into physical lines for a LineProcessor. The
// complete lines of a large chunk are shared out among several threads, each with a fork of
// the processor; their output is joined in input order. A line longer than kMaxLineBytes is
// rejected as soon as it is known to be too long, and its remaining bytes are dropped as they
// arrive, so that memory stays bounded whatever the input.
#pragma once

#include "cli/LineProcessor.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kthread::cli {

class LineSplitter {
public:
    // `threads`: how many threads may process lines at once (1: all on the caller's thread).
    explicit LineSplitter(LineProcessor& processor, unsigned threads = 1)
        : processor_(processor), threads_(threads == 0 ? 1 : threads) {}

    // Processes every line completed by `chunk`; a line cut by the chunk's end waits for the next
    // chunk. Returns false once the processor has stopped; later input is then ignored.
    bool Feed(std::string_view chunk, std::string& out);

    // Processes a last line that has no '\n'. Call once at the end of the input.
    bool Finish(std::string& out);

private:
    // `lines` is a run of whole lines, each ending in '\n'.
    void ProcessLines(std::string_view lines, std::string& out);
    void ProcessInOrder(std::string_view lines, std::string& out);
    void ProcessInParallel(std::string_view lines, std::string& out);
    void Dispatch(std::string_view line, std::string& out);
    // Rejects the line now being read as too long; with `endStillToCome` the bytes up to its
    // '\n' are skipped as they arrive.
    void RejectTooLong(bool endStillToCome, std::string& out);

    LineProcessor& processor_;
    unsigned threads_;
    std::string carry_;                    // start of a line whose end has not arrived yet
    std::vector<std::string> partOutputs_; // kept between chunks to spare fresh allocations
    std::uint64_t lineNumber_ = 0;
    bool stopped_ = false;
    bool skipping_ = false; // inside a line that was rejected as too long
};

// Threads worth using for batch work on this machine.
unsigned BatchThreads();

} // namespace kthread::cli
