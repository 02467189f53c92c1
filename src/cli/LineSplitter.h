// Cuts a byte stream that arrives in chunks into physical lines for a LineProcessor.
#pragma once

#include "LineProcessor.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kthread::cli {

class LineSplitter {
public:
    explicit LineSplitter(LineProcessor& processor) : processor_(processor) {}

    // Processes every line completed by `chunk`; a line cut by the chunk's end waits for the next
    // chunk. Returns false once the processor has stopped; later input is then ignored.
    bool Feed(std::string_view chunk, std::string& out);

    // Processes a last line that has no '\n'. Call once at the end of the input.
    bool Finish(std::string& out);

private:
    bool Dispatch(std::string_view line, std::string& out);

    LineProcessor& processor_;
    std::string carry_; // start of a line whose end has not arrived yet
    std::uint64_t lineNumber_ = 0;
    bool stopped_ = false;
};

} // namespace kthread::cli
