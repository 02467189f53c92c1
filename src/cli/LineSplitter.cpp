#include "cli/LineSplitter.h"

#include "cli/InputLimits.h"

#include <algorithm>
#include <exception>
#include <new>
#include <thread>
#include <vector>

namespace kthread::cli {

namespace {

// Below this much text a second thread costs more than it saves.
constexpr std::size_t kMinBytesPerThread = 64 * 1024;
constexpr unsigned kMaxThreads = 8;

// Hands one whole line to the processor. A line over the limit, or one whose processing runs out
// of memory, becomes that line's error and the run goes on; returns false if the processor
// stopped.
bool TakeLine(LineProcessor& processor, std::string_view line, std::uint64_t lineNumber,
              std::string& out) {
    if (IsLineTooLong(line.size())) {
        return processor.RejectLine(lineNumber, kLineTooLongMessage, out);
    }
    const std::size_t mark = out.size();
    try {
        return processor.ProcessLine(line, lineNumber, out);
    } catch (const std::bad_alloc&) {
        out.resize(mark); // drop a partly written answer; shrinking allocates nothing
        return processor.RejectLine(lineNumber, kLineOutOfMemoryMessage, out);
    }
}

// Processes whole lines with one processor; returns false if it stopped.
bool RunLines(LineProcessor& processor, std::string_view lines, std::uint64_t lineNumber,
              std::string& out) {
    while (!lines.empty()) {
        const std::size_t end = lines.find('\n');
        if (!TakeLine(processor, lines.substr(0, end), ++lineNumber, out)) {
            return false;
        }
        lines.remove_prefix(end + 1);
    }
    return true;
}

} // namespace

unsigned BatchThreads() {
    return std::clamp(std::thread::hardware_concurrency(), 1U, kMaxThreads);
}

bool LineSplitter::Feed(std::string_view chunk, std::string& out) {
    if (stopped_) {
        return false;
    }
    if (skipping_) {
        const std::size_t end = chunk.find('\n');
        if (end == std::string_view::npos) {
            return true;
        }
        skipping_ = false;
        chunk.remove_prefix(end + 1);
    }
    if (!carry_.empty()) {
        const std::size_t end = chunk.find('\n');
        const std::string_view head = chunk.substr(0, end);
        if (IsLineTooLong(carry_.size() + head.size())) {
            carry_.clear();
            RejectTooLong(end == std::string_view::npos, out);
            if (skipping_ || stopped_) {
                return !stopped_;
            }
        } else if (end == std::string_view::npos) {
            carry_.append(chunk);
            return true;
        } else {
            carry_.append(head);
            Dispatch(carry_, out);
            carry_.clear();
        }
        chunk.remove_prefix(end + 1);
    }
    const std::size_t last = chunk.rfind('\n');
    if (last != std::string_view::npos && !stopped_) {
        ProcessLines(chunk.substr(0, last + 1), out);
        chunk.remove_prefix(last + 1);
    }
    if (!stopped_) {
        if (IsLineTooLong(chunk.size())) {
            RejectTooLong(true, out);
        } else {
            carry_.assign(chunk);
        }
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

void LineSplitter::Dispatch(std::string_view line, std::string& out) {
    if (!TakeLine(processor_, line, ++lineNumber_, out)) {
        stopped_ = true;
    }
}

void LineSplitter::RejectTooLong(bool endStillToCome, std::string& out) {
    if (!processor_.RejectLine(++lineNumber_, kLineTooLongMessage, out)) {
        stopped_ = true;
    }
    skipping_ = endStillToCome && !stopped_;
}

void LineSplitter::ProcessLines(std::string_view lines, std::string& out) {
    // Lines that must be taken in order (a header) come first, one at a time.
    while (!lines.empty() && !stopped_ && threads_ > 1 && !processor_.Fork()) {
        const std::size_t end = lines.find('\n');
        Dispatch(lines.substr(0, end), out);
        lines.remove_prefix(end + 1);
    }
    if (stopped_ || lines.empty()) {
        return;
    }
    if (threads_ > 1 && lines.size() >= 2 * kMinBytesPerThread) {
        ProcessInParallel(lines, out);
    } else {
        ProcessInOrder(lines, out);
    }
}

void LineSplitter::ProcessInOrder(std::string_view lines, std::string& out) {
    const auto count = static_cast<std::uint64_t>(std::count(lines.begin(), lines.end(), '\n'));
    std::uint64_t number = lineNumber_;
    while (!lines.empty() && !stopped_) {
        const std::size_t end = lines.find('\n');
        if (!TakeLine(processor_, lines.substr(0, end), ++number, out)) {
            stopped_ = true;
        }
        lines.remove_prefix(end + 1);
    }
    lineNumber_ = stopped_ ? number : lineNumber_ + count;
}

void LineSplitter::ProcessInParallel(std::string_view lines, std::string& out) {
    // Cut into parts of about equal size at line ends; part 0 stays on this thread.
    const std::size_t parts = std::min<std::size_t>(threads_, lines.size() / kMinBytesPerThread);
    struct Part {
        std::string_view lines;
        std::uint64_t firstNumber = 0; // number of the line before the part's first
        std::unique_ptr<LineProcessor> fork;
        std::string* out = nullptr;
        std::exception_ptr failure;
    };
    std::vector<Part> work(parts);
    partOutputs_.resize(std::max(partOutputs_.size(), parts));
    std::string_view rest = lines;
    std::uint64_t number = lineNumber_;
    for (std::size_t i = 0; i < parts; ++i) {
        std::size_t size = rest.size();
        if (i + 1 < parts) {
            size = rest.find('\n', std::max<std::size_t>(rest.size() / (parts - i), 1) - 1) + 1;
        }
        work[i].lines = rest.substr(0, size);
        work[i].firstNumber = number;
        number += static_cast<std::uint64_t>(
            std::count(work[i].lines.begin(), work[i].lines.end(), '\n'));
        rest.remove_prefix(size);
        if (i > 0) {
            work[i].fork = processor_.Fork();
            work[i].out = &partOutputs_[i];
            work[i].out->clear();
        }
    }
    std::vector<std::thread> threads;
    for (std::size_t i = 1; i < parts; ++i) {
        threads.emplace_back([&part = work[i]] {
            try {
                RunLines(*part.fork, part.lines, part.firstNumber, *part.out);
            } catch (...) {
                part.failure = std::current_exception();
            }
        });
    }
    std::exception_ptr failure;
    try {
        RunLines(processor_, work[0].lines, work[0].firstNumber, out);
    } catch (...) {
        failure = std::current_exception();
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    for (std::size_t i = 1; i < parts; ++i) {
        failure = failure ? failure : work[i].failure;
        out += *work[i].out;
        processor_.Absorb(*work[i].fork);
    }
    if (failure) {
        std::rethrow_exception(failure);
    }
    lineNumber_ = number;
}

} // namespace kthread::cli
