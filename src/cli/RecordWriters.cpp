#include "cli/RecordWriters.h"

#include "cli/OutputText.h"
#include "cli/RecordFields.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace kthread::cli {

namespace {

// Room for one output line: 18 names and 18 numbers of at most 24 characters, with separators.
constexpr std::size_t kLineRoom = 1024;

// Writes a record line into a fixed buffer first: one append per line instead of dozens.
class LineBuffer {
public:
    void Put(std::string_view text) {
        std::memcpy(end_, text.data(), text.size());
        end_ += text.size();
    }
    void Put(char c) { *end_++ = c; }
    void PutUnsigned(std::uint64_t value) {
        end_ = std::to_chars(end_, buffer_ + kLineRoom, value).ptr;
    }
    // Shortest round-trip form; "-0.0" keeps the sign of negative zero for readers that take
    // "-0" as the integer 0.
    void PutShortest(double value) {
        if (value == 0.0 && std::signbit(value)) {
            Put("-0.0");
        } else {
            end_ = std::to_chars(end_, buffer_ + kLineRoom, value).ptr;
        }
    }
    void AppendTo(std::string& out) const {
        out.append(buffer_, static_cast<std::size_t>(end_ - buffer_));
    }

private:
    char buffer_[kLineRoom];
    char* end_ = buffer_;
};

} // namespace

void AppendJsonRecord(std::string& out, const TPitchDiamData& record, bool ok) {
    LineBuffer line;
    line.Put('{');
    for (const FieldInfo& field : RecordFields()) {
        line.Put('"');
        line.Put(field.name);
        line.Put("\": ");
        if (field.kind == FieldKind::Selector) {
            line.PutUnsigned(record.*field.selector);
        } else if (const double value = record.*field.number; std::isfinite(value)) {
            line.PutShortest(value);
        } else {
            // The engine reports arithmetic faults as ok=false, but fields it wrote before the
            // fault may hold NaN or infinity; JSON has no such numbers, so they become null.
            line.Put("null");
        }
        line.Put(", ");
    }
    line.Put(ok ? "\"ok\": true}\n" : "\"ok\": false}\n");
    line.AppendTo(out);
}

void AppendJsonError(std::string& out, std::uint64_t lineNumber, std::string_view message) {
    out += "{\"line\": ";
    out += std::to_string(lineNumber);
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
    LineBuffer line;
    for (const FieldInfo& field : RecordFields()) {
        if (field.kind == FieldKind::Selector) {
            line.PutUnsigned(record.*field.selector);
        } else if (const double value = record.*field.number; std::isnan(value)) {
            line.Put("nan"); // the spelling std::from_chars reads; no sign, as NaN has none
        } else {
            line.PutShortest(value); // infinities come out as "inf" and "-inf"
        }
        line.Put(',');
    }
    line.Put(ok ? "true\n" : "false\n");
    line.AppendTo(out);
}

void AppendCsvError(std::string& out, std::uint64_t lineNumber, std::string_view message) {
    out += "line,";
    out += std::to_string(lineNumber);
    out += ',';
    AppendCsvQuoted(out, message);
    out += '\n';
}

} // namespace kthread::cli
