// Arbitrary bytes as JSON Lines input. Besides the sanitizers' findings it checks that:
// - the fast reader never accepts a line the full JSON reader rejects, and both fill the record
//   identically;
// - every output line is a JSON object, one per non-blank input line (a line too long to read
//   counts as non-blank);
// - cutting the input into two chunks anywhere changes nothing.
#include "cli/BatchRun.h"
#include "cli/InputLimits.h"
#include "cli/JsonRecordReader.h"
#include "cli/JsonlBatch.h"
#include "cli/LineSplitter.h"
#include "cli/RecordFields.h"

#include <nlohmann/json.hpp>

#include <bit>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace kthread;
using namespace kthread::cli;

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void CheckReadersAgree(std::string_view line) {
    TPitchDiamData fast{};
    LineExtras fastExtras;
    if (!ReadFlatJsonRecord(line, fast, fastExtras)) {
        return;
    }
    TPitchDiamData full{};
    LineExtras fullExtras;
    Require(!ReadJsonRecordFully(line, full, fullExtras).has_value());
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        Require(std::bit_cast<std::uint64_t>(FieldValue(fast, i)) ==
                std::bit_cast<std::uint64_t>(FieldValue(full, i)));
    }
    Require(fastExtras.keys == fullExtras.keys);
    Require(fastExtras.fieldsGiven == fullExtras.fieldsGiven);
    if (fastExtras.HasDesignation()) {
        Require(fastExtras.designation == fullExtras.designation);
    }
    for (std::size_t k = 1; k < kExtraKeyCount; ++k) {
        const auto key = static_cast<ExtraKey>(k);
        if ((fastExtras.keys & ExtraBit(key)) != 0) {
            const auto q = static_cast<std::size_t>(QuantityOf(key));
            Require(std::bit_cast<std::uint64_t>(fastExtras.u[q]) ==
                    std::bit_cast<std::uint64_t>(fullExtras.u[q]));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    std::size_t lines = 0;
    std::uint64_t number = 0;
    for (std::string_view rest = text; !rest.empty();) {
        const std::size_t end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        CheckReadersAgree(line);
        const bool blank = IsBlankLine(WithoutByteOrderMark(line, ++number));
        lines += IsLineTooLong(line.size()) || !blank ? 1 : 0;
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }

    JsonlBatch whole;
    std::string out;
    const BatchResult result = RunBatchOnText(whole, text, out);
    Require(result.summary.records + result.summary.errorLines == lines);
    std::size_t written = 0;
    for (std::string_view rest = out; !rest.empty(); ++written) {
        const std::size_t end = rest.find('\n');
        Require(end != std::string_view::npos);
        Require(nlohmann::json::parse(rest.substr(0, end)).is_object());
        rest.remove_prefix(end + 1);
    }
    Require(written == lines);

    const std::size_t cut = size == 0 ? 0 : data[0] % (size + 1);
    JsonlBatch pieces;
    LineSplitter splitter(pieces);
    std::string piecewise;
    splitter.Feed(text.substr(0, cut), piecewise);
    splitter.Feed(text.substr(cut), piecewise);
    splitter.Finish(piecewise);
    Require(piecewise == out);
    return 0;
}
