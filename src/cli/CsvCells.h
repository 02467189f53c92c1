// Splitting and reading the cells of one CSV line: comma-separated, '.' decimal mark, blanks
// around a cell ignored, a cell may sit in double quotes.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kthread::cli {

// Cuts the line at every comma and trims each cell (blanks, tabs, one pair of enclosing quotes).
// `cells` is reused between calls to spare allocations.
void SplitCsvLine(std::string_view line, std::vector<std::string_view>& cells);

// Reads a whole cell as a finite double; an optional leading '+' is allowed.
std::optional<double> ParseCsvNumber(std::string_view cell);

} // namespace kthread::cli
