// Line-by-line batch processing: a reader splits the input into physical lines and hands each
// to a LineProcessor, which appends its output lines to a buffer.
#pragma once

#include <cstdint>
#include <memory>
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

    // Answers a line that is not read at all (too long, or no memory left to read it) with an
    // error line giving `reason`. Returns false when the input cannot be processed any further.
    virtual bool RejectLine(std::uint64_t lineNumber, std::string_view reason,
                            std::string& out) = 0;

    // A processor for other lines of the same input, to run on another thread; empty while the
    // lines must still be taken in order (for example before a header has been read). Once a
    // processor can fork, ProcessLine and RejectLine no longer return false, on it or on its
    // forks.
    virtual std::unique_ptr<LineProcessor> Fork() const = 0;

    const BatchSummary& Summary() const { return summary_; }

    // Adds the counts of a fork that has finished.
    void Absorb(const LineProcessor& fork) {
        summary_.records += fork.summary_.records;
        summary_.errorLines += fork.summary_.errorLines;
    }

protected:
    BatchSummary summary_;
};

// True when the line holds nothing but blanks, tabs and a carriage return.
bool IsBlankLine(std::string_view line);

// Drops a trailing carriage return (CR LF line ends).
std::string_view WithoutCarriageReturn(std::string_view line);

// Drops a UTF-8 byte order mark at the start of line 1: some editors write one; it is not data.
std::string_view WithoutByteOrderMark(std::string_view line, std::uint64_t lineNumber);

} // namespace kthread::cli
