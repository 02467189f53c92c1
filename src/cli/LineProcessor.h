// Line-by-line batch processing: a reader splits the input into physical lines and hands each
// to a LineProcessor, which appends its output lines to a buffer.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kthread::cli {

// What a batch run did, for the exit status and the closing message.
struct BatchSummary {
    std::uint64_t records = 0;    // records computed and written
    std::uint64_t errorLines = 0; // input lines answered with an error line
    std::string fatalError;       // set when the run stopped early
};

class LineProcessor {
public:
    virtual ~LineProcessor() = default;

    // `line` excludes its '\n' but may end in '\r'; `lineNumber` counts physical lines from 1.
    // Returns false when the input cannot be processed any further.
    virtual bool ProcessLine(std::string_view line, std::uint64_t lineNumber, std::string& out) = 0;

    virtual const BatchSummary& Summary() const = 0;
};

// True when the line holds nothing but blanks, tabs and a carriage return.
bool IsBlankLine(std::string_view line);

// Drops a trailing carriage return (CR LF line ends).
std::string_view WithoutCarriageReturn(std::string_view line);

} // namespace kthread::cli
