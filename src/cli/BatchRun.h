// Runs a batch processor over a whole input: a stream read in large blocks, or text in memory.
#pragma once

#include "cli/LineProcessor.h"

#include <string>
#include <string_view>

namespace kthread::cli {

struct BatchResult {
    BatchSummary summary;
    std::string ioError; // a failed read or write; the output may then be incomplete

    // 0 when every line was processed and written; 1 otherwise.
    int ExitCode() const;
};

// Reads the file descriptor `in` to its end (or until the processor stops) and writes the output
// to `out`, one write per block read. A block is whatever one read returns (up to 1 MiB), so a
// program that feeds lines through a pipe gets its answers without waiting for more input.
// Lines are processed on up to `threads` threads; the output keeps the input's order.
BatchResult RunBatch(LineProcessor& processor, int in, int out, unsigned threads);

// The same over text in memory; the output is returned in `out`.
BatchResult RunBatchOnText(LineProcessor& processor, std::string_view text, std::string& out,
                           unsigned threads = 1);

} // namespace kthread::cli
