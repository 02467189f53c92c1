#include "cli/RecordWriters.h"

#include "cli/DesignationFit.h"
#include "cli/OutputText.h"
#include "cli/RecordFields.h"
#include "cli/UncertaintyModel.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace kthread::cli {

namespace {

// Room for one output line: 18 names and 18 numbers of at most 24 characters, with separators,
// and the added keys with their values.
constexpr std::size_t kLineRoom = 1536;

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

void PutJsonNumberOrNull(LineBuffer& line, const std::optional<double>& value) {
    if (value && std::isfinite(*value)) {
        line.PutShortest(*value);
    } else {
        line.Put("null");
    }
}

// A word of the program's own (no escaping needed) in quotes, or null.
void PutJsonWordOrNull(LineBuffer& line, std::optional<std::string_view> word) {
    if (word) {
        line.Put('"');
        line.Put(*word);
        line.Put('"');
    } else {
        line.Put("null");
    }
}

void PutJsonExtras(LineBuffer& line, const ExtraResults& extras) {
    if (extras.limits) {
        line.Put(", \"PitchDiamMin\": ");
        line.PutShortest(extras.pitchDiamMin);
        line.Put(", \"PitchDiamMax\": ");
        line.PutShortest(extras.pitchDiamMax);
        line.Put(", \"Verdict\": ");
        PutJsonWordOrNull(line, extras.verdict ? std::optional(VerdictText(*extras.verdict))
                                               : std::nullopt);
    }
    if (extras.uncertainty) {
        line.Put(", \"U\": ");
        PutJsonNumberOrNull(line, extras.expanded);
        line.Put(", \"k\": ");
        PutJsonNumberOrNull(line, extras.coverageFactor);
        if (extras.limits) {
            line.Put(", \"Conformity\": ");
            PutJsonWordOrNull(line, extras.conformity
                                        ? std::optional(ConformityText(*extras.conformity))
                                        : std::nullopt);
        }
    }
}

void PutCsvNumberOrEmpty(LineBuffer& line, const std::optional<double>& value) {
    line.Put(',');
    if (value && std::isfinite(*value)) {
        line.PutShortest(*value);
    }
}

void PutCsvExtras(LineBuffer& line, const ExtraResults& extras) {
    if (extras.limits) {
        line.Put(',');
        line.PutShortest(extras.pitchDiamMin);
        line.Put(',');
        line.PutShortest(extras.pitchDiamMax);
        line.Put(',');
        if (extras.verdict) {
            line.Put(VerdictText(*extras.verdict));
        }
    }
    if (extras.uncertainty) {
        PutCsvNumberOrEmpty(line, extras.expanded);
        PutCsvNumberOrEmpty(line, extras.coverageFactor);
        if (extras.limits) {
            line.Put(',');
            if (extras.conformity) {
                line.Put(ConformityText(*extras.conformity));
            }
        }
    }
}

} // namespace

void AppendJsonRecord(std::string& out, const TPitchDiamData& record, bool ok,
                      const ExtraResults* extras) {
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
    line.Put(ok ? "\"ok\": true" : "\"ok\": false");
    if (extras != nullptr) {
        PutJsonExtras(line, *extras);
    }
    line.Put("}\n");
    line.AppendTo(out);
}

void AppendJsonError(std::string& out, std::uint64_t lineNumber, std::string_view message) {
    out += "{\"line\": ";
    out += std::to_string(lineNumber);
    out += ", \"error\": \"";
    AppendJsonEscaped(out, message);
    out += "\"}\n";
}

void AppendCsvHeader(std::string& out, CsvExtraColumns extras) {
    for (const FieldInfo& field : RecordFields()) {
        out += field.name;
        out += ',';
    }
    out += "ok";
    if (extras.limits) {
        out += ",PitchDiamMin,PitchDiamMax,Verdict";
    }
    if (extras.uncertainty) {
        out += extras.limits ? ",U,k,Conformity" : ",U,k";
    }
    out += '\n';
}

void AppendCsvRecord(std::string& out, const TPitchDiamData& record, bool ok,
                     const ExtraResults* extras) {
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
    line.Put(ok ? "true" : "false");
    if (extras != nullptr) {
        PutCsvExtras(line, *extras);
    }
    line.Put('\n');
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
