// Output lines of the batch formats: a completed record with the engine's verdict, or an error
// for one input line. Every writer appends one whole line ending in '\n'.
#pragma once

#include "cli/BatchExtras.h"
#include "engine/PitchDiam.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kthread::cli {

// {"ThreadType": 0, ..., "PitchDiam": 18.70062, "ok": true}; all 18 fields in the record's order,
// then what `extras` adds: "PitchDiamMin", "PitchDiamMax", "Verdict"; "U", "k"; "Conformity"
// (null for a value that was not computed).
void AppendJsonRecord(std::string& out, const TPitchDiamData& record, bool ok,
                      const ExtraResults* extras = nullptr);

// {"line": 3, "error": "..."}
void AppendJsonError(std::string& out, std::uint64_t lineNumber, std::string_view message);

// Which groups of added columns a CSV output has, decided by its input header.
struct CsvExtraColumns {
    bool limits = false;      // PitchDiamMin, PitchDiamMax, Verdict
    bool uncertainty = false; // U, k; with limits also Conformity
};

// The 18 field names and "ok", then the added columns.
void AppendCsvHeader(std::string& out, CsvExtraColumns extras = {});

// The 18 values and true/false, in the header's order, then the added cells (empty for a value
// that was not computed). `extras` must match the header's columns.
void AppendCsvRecord(std::string& out, const TPitchDiamData& record, bool ok,
                     const ExtraResults* extras = nullptr);

// line,3,"..."
void AppendCsvError(std::string& out, std::uint64_t lineNumber, std::string_view message);

} // namespace kthread::cli
