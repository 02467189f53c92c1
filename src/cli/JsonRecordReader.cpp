#include "cli/JsonRecordReader.h"

#include "cli/NumberReading.h"
#include "cli/OutputText.h"
#include "cli/RecordFields.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <string>

namespace kthread::cli {

namespace {

using nlohmann::json;

// What the JSON library's syntax errors mean, in this program's words: a fragment of the
// library's message and the reason given instead. The first fragment found decides, so a
// fragment comes before any that it contains ("unexpected end of input" before "; expected
// end of input").
struct SyntaxReason {
    std::string_view fragment;
    std::string_view reason;
};

constexpr SyntaxReason kSyntaxReasons[] = {
    {"unexpected end of input", "the line ends before the object does"},
    {"; expected end of input", "text after the end of the object"},
    {"control character", "an unescaped control character inside a string"},
    {"ill-formed UTF-8", "a string that is not valid UTF-8"},
    {"missing closing quote", "a string without its closing quote"},
    {"invalid string", "an invalid escape sequence in a string"},
    {"invalid number", "a malformed number"},
    {"invalid literal", "text that is not a JSON value"},
    {"; expected string literal", "expected a key in double quotes"},
    {"; expected ':'", "expected ':' after the key"},
    {"; expected '}'", "expected ',' or '}' after a value"},
    {"; expected '[', '{', or a literal", "expected a JSON object"},
};

std::string_view SyntaxReasonFor(std::string_view libraryMessage) {
    for (const SyntaxReason& entry : kSyntaxReasons) {
        if (libraryMessage.find(entry.fragment) != std::string_view::npos) {
            return entry.reason;
        }
    }
    return "unexpected text";
}

// Event handler for json::sax_parse that stores values straight into the record, so a line
// costs no document tree.
class RecordSaxHandler {
public:
    RecordSaxHandler(std::string_view text, TPitchDiamData& record, LineExtras& extras)
        : text_(text), record_(record), extras_(extras) {}

    const std::string& error() const { return error_; }

    bool null() { return Unexpected("null"); }
    bool boolean(bool value) { return Unexpected(value ? "true" : "false"); }
    bool string(std::string& value) {
        if (depth_ > 0 && IsDesignation()) {
            extras_.designation = std::move(value);
            return true;
        }
        return Unexpected("a string " + QuoteInput(value));
    }
    bool binary(json::binary_t& /*value*/) { return Unexpected("binary data"); }

    bool number_integer(json::number_integer_t value) {
        return Number(static_cast<double>(value), [value] { return std::to_string(value); });
    }
    bool number_unsigned(json::number_unsigned_t value) {
        return Number(static_cast<double>(value), [value] { return std::to_string(value); });
    }
    // The library reads the value itself; it is read again by the one number rule, which also
    // refuses a number too small to be told from 0.
    bool number_float(json::number_float_t /*value*/, const std::string& text) {
        const NumberReading reading = ReadNumber(text);
        if (!reading.ok()) {
            return NumberRefused(reading.problem, text);
        }
        return Number(reading.value, [&text] { return EchoInput(text); });
    }

    bool start_object(std::size_t /*size*/) {
        if (depth_ > 0) {
            return Unexpected("an object");
        }
        depth_ = 1;
        return true;
    }
    bool end_object() {
        depth_ = 0;
        return true;
    }
    bool start_array(std::size_t /*size*/) { return Unexpected("an array"); }
    bool end_array() { return true; }

    bool key(std::string& name) {
        if (const auto index = FindField(name)) {
            const std::uint32_t bit = 1U << *index;
            if ((extras_.fieldsGiven & bit) != 0) {
                return Fail("duplicate key " + QuoteInput(name));
            }
            extras_.fieldsGiven |= bit;
            key_ = *index;
            return true;
        }
        if (const auto extra = FindExtraKey(name)) {
            const ExtraKeySet bit = ExtraBit(*extra);
            if ((extras_.keys & bit) != 0) {
                return Fail("duplicate key " + QuoteInput(name));
            }
            extras_.keys |= bit;
            key_ = kFieldCount + static_cast<std::size_t>(*extra);
            return true;
        }
        return Fail("unknown key " + QuoteInput(name));
    }

    // `position` counts bytes from 1 up to the one where reading failed (one past the end when
    // the text ran out). The library's own text is never passed on: it names the library's
    // internals and may repeat the input without limit.
    bool parse_error(std::size_t position, const std::string& lastToken,
                     const nlohmann::detail::exception& failure) {
        if (failure.id == kNumberOverflowId) {
            return NumberRefused(NumberProblem::OutOfRange, lastToken);
        }
        std::string message = "invalid JSON at byte " + std::to_string(position) + ": " +
                              std::string(SyntaxReasonFor(failure.what()));
        if (position >= 1 && position <= text_.size()) {
            message += " (" + QuoteInput(text_.substr(position - 1)) + ")";
        }
        return Fail(std::move(message));
    }

private:
    // The current key: a record field below kFieldCount, an extra key above.
    bool IsExtra() const { return key_ >= kFieldCount; }
    ExtraKey Extra() const { return static_cast<ExtraKey>(key_ - kFieldCount); }
    bool IsDesignation() const { return IsExtra() && Extra() == ExtraKey::Designation; }
    std::string KeyName() const {
        return std::string(IsExtra() ? ExtraKeyName(Extra()) : RecordFields()[key_].name);
    }

    template <typename ShowFn> bool Number(double value, ShowFn show) {
        if (depth_ == 0) {
            return Unexpected("a number");
        }
        if (IsExtra()) {
            if (IsDesignation()) {
                return Fail(KeyName() + ": must be a text, got " + show());
            }
            extras_.u[static_cast<std::size_t>(QuantityOf(Extra()))] = value;
            return true;
        }
        const FieldInfo& field = RecordFields()[key_];
        if (field.kind == FieldKind::Number) {
            record_.*field.number = value;
            return true;
        }
        const auto selector = SelectorFromNumber(value);
        if (!selector) {
            return Fail(std::string(field.name) + ": must be a whole number from 0 to 255, got " +
                        show());
        }
        record_.*field.selector = *selector;
        return true;
    }

    bool NumberRefused(NumberProblem problem, std::string_view text) {
        if (depth_ == 0) {
            return Unexpected("a number");
        }
        return Fail(KeyName() + ": " + DescribeNumberProblem(problem, text));
    }

    bool Unexpected(const std::string& what) {
        if (depth_ == 0) {
            return Fail("expected a JSON object, got " + what);
        }
        const char* expected = ": must be a number, got ";
        if (IsDesignation()) {
            expected = ": must be a text, got ";
        } else if (!IsExtra() && RecordFields()[key_].kind == FieldKind::Selector) {
            expected = ": must be a whole number from 0 to 255, got ";
        }
        return Fail(KeyName() + expected + what);
    }

    bool Fail(std::string message) {
        error_ = std::move(message);
        return false;
    }

    // The library's id for a number too large for a double.
    static constexpr int kNumberOverflowId = 406;

    std::string_view text_;
    TPitchDiamData& record_;
    LineExtras& extras_;
    std::string error_;
    int depth_ = 0;
    std::size_t key_ = 0;
};

bool IsJsonBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

const char* SkipBlanks(const char* p, const char* end) {
    while (p != end && IsJsonBlank(*p)) {
        ++p;
    }
    return p;
}

// Reads a Designation's string at p, printable ASCII without escapes (anything else is left to
// the full reader, which also checks UTF-8); returns the position after it or nullptr.
const char* ReadPlainString(const char* p, const char* end, std::string& value) {
    if (p == end || *p != '"') {
        return nullptr;
    }
    const char* start = ++p;
    while (p != end && *p != '"') {
        if (*p == '\\' || static_cast<unsigned char>(*p) < 0x20 ||
            static_cast<unsigned char>(*p) > 0x7E) {
            return nullptr;
        }
        ++p;
    }
    if (p == end) {
        return nullptr;
    }
    value.assign(start, p);
    return p + 1;
}

// Reads the member of an extra key at p, just after its name; returns the position after the
// value or nullptr. Kept out of ReadMember, which the usual line runs through for every field.
const char* ReadExtraMember(const char* p, const char* end, std::string_view name,
                            LineExtras& extras) {
    const auto key = FindExtraKey(name);
    if (!key || (extras.keys & ExtraBit(*key)) != 0) {
        return nullptr;
    }
    extras.keys |= ExtraBit(*key);
    p = SkipBlanks(p, end);
    if (p == end || *p != ':') {
        return nullptr;
    }
    p = SkipBlanks(p + 1, end);
    if (*key == ExtraKey::Designation) {
        return ReadPlainString(p, end, extras.designation);
    }
    std::size_t length = 0;
    const NumberReading reading =
        ReadNumberPrefix(std::string_view(p, static_cast<std::size_t>(end - p)), length);
    if (!reading.ok()) {
        return nullptr;
    }
    extras.u[static_cast<std::size_t>(QuantityOf(*key))] = reading.value;
    return p + length;
}

// Reads "key": value at p and stores it; returns the position after the value or nullptr.
// `seen` collects the record's fields.
const char* ReadMember(const char* p, const char* end, TPitchDiamData& record, std::uint32_t& seen,
                       LineExtras& extras) {
    if (p == end || *p != '"') {
        return nullptr;
    }
    const char* keyStart = ++p;
    while (p != end && *p != '"') {
        // Escapes and control characters are left to the full reader.
        if (*p == '\\' || static_cast<unsigned char>(*p) < 0x20) {
            return nullptr;
        }
        ++p;
    }
    if (p == end) {
        return nullptr;
    }
    const std::string_view name(keyStart, static_cast<std::size_t>(p - keyStart));
    const auto index = FindField(name);
    if (!index) {
        return ReadExtraMember(p + 1, end, name, extras);
    }
    if ((seen & (1U << *index)) != 0) {
        return nullptr;
    }
    seen |= 1U << *index;
    p = SkipBlanks(p + 1, end);
    if (p == end || *p != ':') {
        return nullptr;
    }
    p = SkipBlanks(p + 1, end);
    std::size_t length = 0;
    const NumberReading reading =
        ReadNumberPrefix(std::string_view(p, static_cast<std::size_t>(end - p)), length);
    if (!reading.ok()) {
        return nullptr; // the full reader words the error
    }
    const FieldInfo& field = RecordFields()[*index];
    if (field.kind == FieldKind::Number) {
        record.*field.number = reading.value;
    } else if (const auto selector = SelectorFromNumber(reading.value)) {
        record.*field.selector = *selector;
    } else {
        return nullptr;
    }
    return p + length;
}

} // namespace

bool ReadFlatJsonRecord(std::string_view text, TPitchDiamData& record, LineExtras& extras) {
    extras.keys = 0;
    extras.fieldsGiven = 0;
    std::uint32_t seen = 0;
    const char* end = text.data() + text.size();
    const char* p = SkipBlanks(text.data(), end);
    if (p == end || *p != '{') {
        return false;
    }
    p = SkipBlanks(p + 1, end);
    if (p != end && *p == '}') {
        return SkipBlanks(p + 1, end) == end;
    }
    while (true) {
        p = ReadMember(p, end, record, seen, extras);
        if (p == nullptr) {
            return false;
        }
        p = SkipBlanks(p, end);
        if (p == end) {
            return false;
        }
        if (*p == '}') {
            extras.fieldsGiven = seen;
            return SkipBlanks(p + 1, end) == end;
        }
        if (*p != ',') {
            return false;
        }
        p = SkipBlanks(p + 1, end);
    }
}

std::optional<std::string> ReadJsonRecord(std::string_view text, TPitchDiamData& record,
                                          LineExtras& extras) {
    const TPitchDiamData before = record;
    if (ReadFlatJsonRecord(text, record, extras)) {
        return std::nullopt;
    }
    record = before;
    return ReadJsonRecordFully(text, record, extras);
}

std::optional<std::string> ReadJsonRecordFully(std::string_view text, TPitchDiamData& record,
                                               LineExtras& extras) {
    extras.keys = 0;
    extras.fieldsGiven = 0;
    // The JSON library takes a NUL byte for the end of the text and would ignore the rest.
    if (const std::size_t nul = text.find('\0'); nul != std::string_view::npos) {
        return "invalid JSON at byte " + std::to_string(nul + 1) + ": a NUL byte";
    }
    RecordSaxHandler handler(text, record, extras);
    const bool parsed = json::sax_parse(text.data(), text.data() + text.size(), &handler);
    if (parsed) {
        return std::nullopt;
    }
    if (handler.error().empty()) {
        return std::string("invalid JSON");
    }
    return handler.error();
}

} // namespace kthread::cli
