#include "cli/CsvCells.h"

#include <algorithm>

namespace kthread::cli {

namespace {

std::string_view TrimCell(std::string_view cell) {
    const auto first = cell.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    cell = cell.substr(first, cell.find_last_not_of(" \t") - first + 1);
    if (cell.size() >= 2 && cell.front() == '"' && cell.back() == '"') {
        cell = cell.substr(1, cell.size() - 2);
    }
    return cell;
}

} // namespace

std::size_t SplitCsvLine(std::string_view line, std::vector<std::string_view>& cells,
                         std::size_t maxCells) {
    cells.clear();
    while (cells.size() < maxCells) {
        const std::size_t comma = line.find(',');
        cells.push_back(TrimCell(line.substr(0, comma)));
        if (comma == std::string_view::npos) {
            return cells.size();
        }
        line.remove_prefix(comma + 1);
    }
    return cells.size() + 1 + static_cast<std::size_t>(std::count(line.begin(), line.end(), ','));
}

} // namespace kthread::cli
