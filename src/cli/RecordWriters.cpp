#include "RecordWriters.h"

#include "OutputText.h"
#include "RecordFields.h"

#include <charconv>
#include <cmath>

namespace kthread::cli {

namespace {

void AppendUnsigned(std::string& out, std::uint64_t value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

// Appends the field's value; false when it is a number that JSON cannot carry.
bool AppendFieldValue(std::string& out, const TPitchDiamData& record, const FieldInfo& field) {
    if (field.kind == FieldKind::Selector) {
        AppendUnsigned(out, record.*field.selector);
        return true;
    }
    const double value = record.*field.number;
    if (!std::isfinite(value)) {
        return false;
    }
    AppendShortest(out, value);
    return true;
}

} // namespace

void AppendJsonRecord(std::string& out, const TPitchDiamData& record, bool ok) {
    bool first = true;
    for (const FieldInfo& field : RecordFields()) {
        out += first ? "{\"" : ", \"";
        first = false;
        out += field.name;
        out += "\": ";
        if (!AppendFieldValue(out, record, field)) {
            // The engine reports arithmetic faults as ok=false, but fields it wrote before the
            // fault may hold NaN or infinity; JSON has no such numbers, so they become null.
            out += "null";
        }
    }
    out += ok ? ", \"ok\": true}\n" : ", \"ok\": false}\n";
}

void AppendJsonError(std::string& out, std::uint64_t lineNumber, std::string_view message) {
    out += "{\"line\": ";
    AppendUnsigned(out, lineNumber);
    out += ", \"error\": \"";
    AppendJsonEscaped(out, message);
    out += "\"}\n";
}

void AppendCsvHeader(std::string& out) {
    for (const FieldInfo& field : RecordFields()) {
        out += field.name;
        out += ',';
    }
    out += "ok\n";
}

void AppendCsvRecord(std::string& out, const TPitchDiamData& record, bool ok) {
    for (const FieldInfo& field : RecordFields()) {
        if (!AppendFieldValue(out, record, field)) {
            // CSV has no standard spelling for these; use the one std::from_chars reads.
            AppendShortest(out, record.*field.number);
        }
        out += ',';
    }
    out += ok ? "true\n" : "false\n";
}

void AppendCsvError(std::string& out, std::uint64_t lineNumber, std::string_view message) {
    out += "line,";
    AppendUnsigned(out, lineNumber);
    out += ',';
    AppendCsvQuoted(out, message);
    out += '\n';
}

} // namespace kthread::cli
