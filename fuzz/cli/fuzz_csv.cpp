// Arbitrary bytes as CSV input. Besides the sanitizers' findings it checks that:
// - the output is a header, then per non-blank input line either a row of 18 values,
//   true/false and as many added cells as the header has added columns, or an error row naming
//   that line;
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

// What may follow "ok" in the output header: the columns a designation and uncertainties add.
constexpr std::string_view kAddedColumns[] = {"", ",PitchDiamMin,PitchDiamMax,Verdict", ",U,k",
                                              ",PitchDiamMin,PitchDiamMax,Verdict,U,k,Conformity"};

// Cell `index` of an output row (the rows hold no quoted commas).
std::string_view Cell(std::string_view line, std::size_t index) {
    for (; index > 0; --index) {
        line.remove_prefix(line.find(',') + 1);
    }
    return line.substr(0, line.find(','));
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
        std::ptrdiff_t commas = 0;
        for (std::string_view rest = out; !rest.empty();) {
            const std::size_t end = rest.find('\n');
            Require(end != std::string_view::npos);
            const std::string_view line = rest.substr(0, end);
            rest.remove_prefix(end + 1);
            if (header) {
                Require(line.starts_with("ThreadType,"));
                const std::string_view added = line.substr(line.find(",ok") + 3);
                Require(std::find(std::begin(kAddedColumns), std::end(kAddedColumns), added) !=
                        std::end(kAddedColumns));
                commas = std::count(line.begin(), line.end(), ',');
                header = false;
                continue;
            }
            ++rows;
            if (line.starts_with("line,")) {
                Require(line.ends_with("\""));
            } else {
                Require(std::count(line.begin(), line.end(), ',') == commas);
                const std::string_view ok = Cell(line, 18);
                Require(ok == "true" || ok == "false");
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
