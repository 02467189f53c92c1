// Small writers shared by the batch formats: numbers that read back exactly, and error texts
// that are safe to embed in JSON strings and CSV cells.
#pragma once

#include <string>
#include <string_view>

namespace kthread::cli {

// Appends the shortest text that reads back to the same double (std::to_chars). Negative zero is
// written as "-0.0" so that JSON readers which keep "-0" as the integer 0 still restore the sign.
// The caller handles non-finite values; here they come out as "nan", "inf" or "-inf".
void AppendShortest(std::string& out, double value);

// Quotes a piece of the input for an error message: at most 40 bytes, with control characters,
// quotes, backslashes and non-ASCII bytes written as \xNN so the message is plain ASCII.
std::string QuoteInput(std::string_view text);

// Repeats a piece of the input without quotes, cut and escaped as QuoteInput does ("..." marks
// a cut), for input that has no quotes of its own such as the text of a number.
std::string EchoInput(std::string_view text);

// Appends text as the contents of a JSON string (without the surrounding quotes).
void AppendJsonEscaped(std::string& out, std::string_view text);

// Appends text as one CSV cell in double quotes, doubling inner quotes.
void AppendCsvQuoted(std::string& out, std::string_view text);

} // namespace kthread::cli
