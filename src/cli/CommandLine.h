// The kthread-calc command: one measurement from named options, or a batch in JSON Lines or CSV
// from standard input to standard output.
#pragma once

namespace kthread::cli {

// Exit status: 0 success; 1 no solution, or a batch with error lines or a failed read/write;
// 2 a usage error (unknown option, malformed or out-of-range value).
int RunCommandLine(int argc, const char* const* argv);

} // namespace kthread::cli
