// Cutting input that arrives in arbitrary chunks into physical lines.
#include "cli/LineSplitter.h"
#include "cli/InputLimits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <new>
#include <span>
#include <string>
#include <vector>

namespace kthread::cli {
namespace {

// Records every line it is given as "number:text" (a long line as "number:<size>") and every
// rejected line as "number!reason"; stops at a line reading "stop". It forks only after a line
// reading "go", as a CSV reader does after its header. A line reading "oom" runs out of memory
// after writing part of its answer.
class RecordingProcessor final : public LineProcessor {
public:
    bool ProcessLine(std::string_view line, std::uint64_t lineNumber, std::string& out) override {
        out += std::to_string(lineNumber) + ":";
        if (line == "oom") {
            throw std::bad_alloc();
        }
        if (line.size() > 40) {
            out += '<';
            out += std::to_string(line.size());
            out += '>';
        } else {
            out += line;
        }
        out += "|";
        ++summary_.records;
        going_ = going_ || line == "go";
        return line != "stop";
    }
    bool RejectLine(std::uint64_t lineNumber, std::string_view reason, std::string& out) override {
        out += std::to_string(lineNumber) + "!" + std::string(reason) + "|";
        ++summary_.errorLines;
        return true;
    }
    std::unique_ptr<LineProcessor> Fork() const override {
        if (!going_) {
            return nullptr;
        }
        auto fork = std::make_unique<RecordingProcessor>();
        fork->going_ = true;
        return fork;
    }

private:
    bool going_ = false;
};

std::string SplitInChunks(std::string_view input, std::size_t chunkSize, unsigned threads = 1) {
    RecordingProcessor processor;
    LineSplitter splitter(processor, threads);
    std::string out;
    for (std::size_t at = 0; at < input.size(); at += chunkSize) {
        splitter.Feed(input.substr(at, chunkSize), out);
    }
    splitter.Finish(out);
    return out;
}

TEST(LineSplitter, GivesTheSameLinesWhateverTheChunkSize) {
    const std::string input = "first\r\n\nthird line\nfourth\n\n\nlast without end";
    const std::string expected = "1:first\r|2:|3:third line|4:fourth|5:|6:|7:last without end|";
    for (std::size_t size = 1; size <= input.size(); ++size) {
        EXPECT_EQ(SplitInChunks(input, size), expected) << "chunk size " << size;
    }
}

TEST(LineSplitter, FinalNewlineMakesNoExtraLine) {
    EXPECT_EQ(SplitInChunks("a\nb\n", 3), "1:a|2:b|");
    EXPECT_EQ(SplitInChunks("", 3), "");
}

TEST(LineSplitter, ThreadsChangeNeitherOrderNorNumbersNorCounts) {
    // Enough text for several threads; the first lines must be taken in order.
    std::string input = "header\nstill header\ngo\n";
    for (int i = 0; i < 60000; ++i) {
        input += "row " + std::to_string(i * 7919 % 100003) + (i % 5 == 0 ? "\r\n" : "\n");
        if (i % 1000 == 0) {
            input += "\n";
        }
    }
    const std::string expected = SplitInChunks(input, input.size(), 1);
    for (const unsigned threads : {2U, 3U, 8U}) {
        for (const std::size_t chunk : {std::size_t{100000}, std::size_t{400000}, input.size()}) {
            RecordingProcessor processor;
            LineSplitter splitter(processor, threads);
            std::string out;
            for (std::size_t at = 0; at < input.size(); at += chunk) {
                splitter.Feed(std::string_view(input).substr(at, chunk), out);
            }
            splitter.Finish(out);
            EXPECT_EQ(out, expected) << threads << " threads, chunks of " << chunk;
            EXPECT_EQ(processor.Summary().records,
                      static_cast<std::uint64_t>(std::count(input.begin(), input.end(), '\n')))
                << threads << " threads";
        }
    }
}

std::string SplitInChunks(std::string_view input, std::span<const std::size_t> chunkSizes) {
    RecordingProcessor processor;
    LineSplitter splitter(processor);
    std::string out;
    std::size_t at = 0;
    for (std::size_t i = 0; at < input.size(); ++i) {
        const std::size_t size = chunkSizes[i % chunkSizes.size()];
        splitter.Feed(input.substr(at, size), out);
        at += size;
    }
    splitter.Finish(out);
    return out;
}

TEST(LineSplitter, RejectsLinesOverTheLimitAndGoesOnAfterThem) {
    const std::string longest(kMaxLineBytes, 'x');
    const std::string input = "a\n" + longest + "x\n" + longest + "\r\nb\n" + longest + "\n" +
                              std::string(3 * kMaxLineBytes, ',') + "\nc\n" + longest + "yz";
    const std::string tooLong = std::string(kLineTooLongMessage);
    const std::string expected = "1:a|2!" + tooLong + "|3!" + tooLong + "|4:b|5:<" +
                                 std::to_string(kMaxLineBytes) + ">|6!" + tooLong + "|7:c|8!" +
                                 tooLong + "|";
    const std::vector<std::vector<std::size_t>> chunkings{
        {input.size()}, {1 << 20}, {4096}, {kMaxLineBytes + 1}, {1, kMaxLineBytes, 3}, {777777}};
    for (const auto& sizes : chunkings) {
        EXPECT_EQ(SplitInChunks(input, sizes), expected) << "first chunk size " << sizes[0];
    }
}

TEST(LineSplitter, ALineThatRunsOutOfMemoryBecomesItsErrorAndTheRestGoesOn) {
    const std::string expected = "1:a|2!" + std::string(kLineOutOfMemoryMessage) + "|3:b|";
    EXPECT_EQ(SplitInChunks("a\noom\nb\n", 2), expected);
    EXPECT_EQ(SplitInChunks("a\noom\nb", 100), expected);

    // The same on the worker threads.
    std::string input = "go\n";
    std::string single = "1:go|";
    for (int i = 2; i < 40000; ++i) {
        const bool oom = i % 997 == 0;
        input += oom ? "oom\n" : "row\n";
        single += std::to_string(i) +
                  (oom ? "!" + std::string(kLineOutOfMemoryMessage) : std::string(":row")) + "|";
    }
    for (const unsigned threads : {1U, 4U}) {
        RecordingProcessor processor;
        LineSplitter splitter(processor, threads);
        std::string out;
        splitter.Feed(input, out);
        splitter.Finish(out);
        EXPECT_EQ(out, single) << threads << " threads";
        EXPECT_EQ(processor.Summary().errorLines, 40U) << threads << " threads";
    }
}

TEST(LineSplitter, IgnoresEverythingAfterTheProcessorStops) {
    RecordingProcessor processor;
    LineSplitter splitter(processor);
    std::string out;
    EXPECT_FALSE(splitter.Feed("a\nstop\nb\n", out));
    EXPECT_FALSE(splitter.Feed("c\n", out));
    EXPECT_FALSE(splitter.Finish(out));
    EXPECT_EQ(out, "1:a|2:stop|");
}

} // namespace
} // namespace kthread::cli
