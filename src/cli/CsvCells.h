// Splitting the cells of one CSV line: comma-separated, blanks around a cell ignored, a cell may
// sit in double quotes. A cell's number is read by ReadNumber (cli/NumberReading.h).
#pragma once

#include <string_view>
#include <vector>

namespace kthread::cli {

// Cuts the line at every comma and trims each cell (blanks, tabs, one pair of enclosing quotes).
// Keeps at most `maxCells` cells in `cells` and only counts the rest, so that a line of nothing
// but commas costs no memory; returns the line's number of cells. `cells` is reused between
// calls to spare allocations.
std::size_t SplitCsvLine(std::string_view line, std::vector<std::string_view>& cells,
                         std::size_t maxCells);

} // namespace kthread::cli
