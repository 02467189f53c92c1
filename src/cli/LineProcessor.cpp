#include "cli/LineProcessor.h"

namespace kthread::cli {

bool IsBlankLine(std::string_view line) {
    return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

std::string_view WithoutCarriageReturn(std::string_view line) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    return line;
}

std::string_view WithoutByteOrderMark(std::string_view line, std::uint64_t lineNumber) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (lineNumber == 1 && line.starts_with(kByteOrderMark)) {
        line.remove_prefix(kByteOrderMark.size());
    }
    return line;
}

} // namespace kthread::cli
