// Cutting input that arrives in arbitrary chunks into physical lines.
#include "LineSplitter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kthread::cli {
namespace {

// Records every line it is given as "number:text"; stops at a line reading "stop".
class RecordingProcessor final : public LineProcessor {
public:
    bool ProcessLine(std::string_view line, std::uint64_t lineNumber, std::string& out) override {
        out += std::to_string(lineNumber) + ":" + std::string(line) + "|";
        return line != "stop";
    }
    const BatchSummary& Summary() const override { return summary_; }

private:
    BatchSummary summary_;
};

std::string SplitInChunks(std::string_view input, std::size_t chunkSize) {
    RecordingProcessor processor;
    LineSplitter splitter(processor);
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

TEST(LineSplitter, DropsAByteOrderMarkOnTheFirstLineOnly) {
    EXPECT_EQ(SplitInChunks("\xEF\xBB\xBFx\n\xEF\xBB\xBFy", 2), "1:x|2:\xEF\xBB\xBFy|");
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
