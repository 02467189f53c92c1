#include "cli/OutputText.h"

#include "cli/InputLimits.h"

#include <charconv>
#include <cmath>

namespace kthread::cli {

namespace {

void AppendHexByte(std::string& out, unsigned char byte) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    out += "\\x";
    out += kDigits[byte >> 4];
    out += kDigits[byte & 0x0F];
}

// The first kMaxEchoBytes bytes of `text`, bytes outside printable ASCII (and with `quoted` also
// quotes and backslashes) as \xNN.
void AppendEcho(std::string& out, std::string_view text, bool quoted) {
    for (const char c : text.substr(0, kMaxEchoBytes)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x7F || (quoted && (c == '"' || c == '\\'))) {
            AppendHexByte(out, byte);
        } else {
            out += c;
        }
    }
}

} // namespace

void AppendShortest(std::string& out, double value) {
    if (value == 0.0 && std::signbit(value)) {
        out += "-0.0";
        return;
    }
    if (std::isnan(value)) {
        out += "nan";
        return;
    }
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

std::string EchoInput(std::string_view text) {
    std::string out;
    AppendEcho(out, text, false);
    if (text.size() > kMaxEchoBytes) {
        out += "...";
    }
    return out;
}

std::string QuoteInput(std::string_view text) {
    std::string out = "\"";
    AppendEcho(out, text, true);
    out += text.size() > kMaxEchoBytes ? "\"..." : "\"";
    return out;
}

void AppendJsonEscaped(std::string& out, std::string_view text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            constexpr char kDigits[] = "0123456789abcdef";
            out += "\\u00";
            out += kDigits[byte >> 4];
            out += kDigits[byte & 0x0F];
        } else {
            out += c;
        }
    }
}

void AppendCsvQuoted(std::string& out, std::string_view text) {
    out += '"';
    for (const char c : text) {
        if (c == '"') {
            out += '"';
        }
        out += c;
    }
    out += '"';
}

} // namespace kthread::cli
