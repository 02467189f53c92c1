#include "LineSplitter.h"

namespace kthread::cli {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

} // namespace

bool LineSplitter::Feed(std::string_view chunk, std::string& out) {
    while (!stopped_ && !chunk.empty()) {
        const std::size_t end = chunk.find('\n');
        if (end == std::string_view::npos) {
            carry_.append(chunk);
            return true;
        }
        if (carry_.empty()) {
            Dispatch(chunk.substr(0, end), out);
        } else {
            carry_.append(chunk.substr(0, end));
            Dispatch(carry_, out);
            carry_.clear();
        }
        chunk.remove_prefix(end + 1);
    }
    return !stopped_;
}

bool LineSplitter::Finish(std::string& out) {
    if (!stopped_ && !carry_.empty()) {
        Dispatch(carry_, out);
        carry_.clear();
    }
    return !stopped_;
}

bool LineSplitter::Dispatch(std::string_view line, std::string& out) {
    ++lineNumber_;
    // Editors on some systems start text files with a byte order mark; it is not data.
    if (lineNumber_ == 1 && line.starts_with(kByteOrderMark)) {
        line.remove_prefix(kByteOrderMark.size());
    }
    if (!processor_.ProcessLine(line, lineNumber_, out)) {
        stopped_ = true;
    }
    return !stopped_;
}

} // namespace kthread::cli
