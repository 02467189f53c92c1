// Arbitrary bytes as CSV input. Besides the sanitizers' findings it checks that:
// - the output is a header, then per non-blank input line either a row of 18 values and
//   true/false or an error row naming that line;
// - a header error stops the run with nothing written;
// - cutting the input into two chunks anywhere changes nothing.
#include "cli/BatchRun.h"
#include "cli/CsvBatch.h"
#include "cli/LineSplitter.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace kthread::cli;

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    CsvBatch whole;
    std::string out;
    const BatchResult result = RunBatchOnText(whole, text, out);
    const BatchSummary& summary = result.summary;
    if (!summary.fatalError.empty()) {
        Require(out.empty() && summary.records == 0 && summary.errorLines == 0);
    } else {
        std::size_t rows = 0;
        bool header = true;
        for (std::string_view rest = out; !rest.empty();) {
            const std::size_t end = rest.find('\n');
            Require(end != std::string_view::npos);
            const std::string_view line = rest.substr(0, end);
            rest.remove_prefix(end + 1);
            if (header) {
                Require(line.starts_with("ThreadType,") && line.ends_with(",ok"));
                header = false;
                continue;
            }
            ++rows;
            if (line.starts_with("line,")) {
                Require(line.ends_with("\""));
            } else {
                Require(std::count(line.begin(), line.end(), ',') == 18);
                Require(line.ends_with(",true") || line.ends_with(",false"));
            }
        }
        Require(rows == summary.records + summary.errorLines);
    }

    const std::size_t cut = size == 0 ? 0 : data[0] % (size + 1);
    CsvBatch pieces;
    LineSplitter splitter(pieces);
    std::string piecewise;
    splitter.Feed(text.substr(0, cut), piecewise);
    splitter.Feed(text.substr(cut), piecewise);
    splitter.Finish(piecewise);
    Require(piecewise == out);
    return 0;
}
