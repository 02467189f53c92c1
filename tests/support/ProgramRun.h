// Runs a program of the build as a user would: arguments, a text on standard input, and what it
// wrote to standard output and standard error.
#pragma once

#include <string>
#include <vector>

namespace kthread::testing {

struct ProgramRun {
    int exitCode = -1; // -1 when the program did not exit normally
    std::string out;
    std::string err;
};

// The text as one word for /bin/sh, in single quotes.
std::string ShellQuoted(const std::string& text);

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                      const std::string& input = "");

} // namespace kthread::testing
