// Cutting input that arrives in arbitrary chunks into physical lines.
#include "cli/LineSplitter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace kthread::cli {
namespace {

// Records every line it is given as "number:text"; stops at a line reading "stop". It forks
// only after a line reading "go", as a CSV reader does after its header.
class RecordingProcessor final : public LineProcessor {
public:
    bool ProcessLine(std::string_view line, std::uint64_t lineNumber, std::string& out) override {
        out += std::to_string(lineNumber) + ":" + std::string(line) + "|";
        ++summary_.records;
        going_ = going_ || line == "go";
        return line != "stop";
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
