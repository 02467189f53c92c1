// Output lines of the batch formats: a completed record with the engine's verdict, or an error
// for one input line. Every writer appends one whole line ending in '\n'.
#pragma once

#include "engine/PitchDiam.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kthread::cli {

// {"ThreadType": 0, ..., "PitchDiam": 18.70062, "ok": true}; all 18 fields in the record's order.
void AppendJsonRecord(std::string& out, const TPitchDiamData& record, bool ok);

// {"line": 3, "error": "..."}
void AppendJsonError(std::string& out, std::uint64_t lineNumber, std::string_view message);

// The 18 field names and "ok".
void AppendCsvHeader(std::string& out);

// The 18 values and true/false, in the header's order.
void AppendCsvRecord(std::string& out, const TPitchDiamData& record, bool ok);

// line,3,"..."
void AppendCsvError(std::string& out, std::uint64_t lineNumber, std::string_view message);

} // namespace kthread::cli
