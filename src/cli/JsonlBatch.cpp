#include "cli/JsonlBatch.h"

#include "cli/JsonRecordReader.h"
#include "cli/RecordWriters.h"

namespace kthread::cli {

bool JsonlBatch::ProcessLine(std::string_view line, std::uint64_t lineNumber, std::string& out) {
    line = WithoutByteOrderMark(line, lineNumber);
    if (IsBlankLine(line)) {
        return true;
    }
    TPitchDiamData record{};
    if (const auto error = ReadJsonRecord(line, record, extras_)) {
        AppendJsonError(out, lineNumber, *error);
        ++summary_.errorLines;
        return true;
    }
    if (!extras_.Any()) {
        const bool ok = CalcPitchDiam(record);
        AppendJsonRecord(out, record, ok);
        ++summary_.records;
        return true;
    }
    bool ok = false;
    ExtraResults results;
    if (const auto error = CalcRecordWithExtras(extras_, rule_, record, ok, results)) {
        AppendJsonError(out, lineNumber, *error);
        ++summary_.errorLines;
        return true;
    }
    AppendJsonRecord(out, record, ok, &results);
    ++summary_.records;
    return true;
}

bool JsonlBatch::RejectLine(std::uint64_t lineNumber, std::string_view reason, std::string& out) {
    AppendJsonError(out, lineNumber, reason);
    ++summary_.errorLines;
    return true;
}

} // namespace kthread::cli
