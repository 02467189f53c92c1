// Reads the reference tables under tests/data: comma-separated rows, lines starting with
// "# " are comments.
#pragma once

#include <charconv>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace kthread::designation::test {

// A decimal number with a point, whatever the C locale says.
inline double ReferenceNumber(const std::string& text) {
    double value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) {
        throw std::runtime_error("not a number: " + text);
    }
    return value;
}

inline std::vector<std::vector<std::string>> ReadReferenceCsv(const std::string& name) {
    std::string path = std::string(KTHREAD_TEST_DATA_DIR) + "/" + name;
    std::ifstream in(path);
    if (!in) {
        throw std::runtime_error("cannot open " + path);
    }
    std::vector<std::vector<std::string>> rows;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line.rfind("# ", 0) == 0) {
            continue;
        }
        std::vector<std::string> cells;
        std::stringstream cellStream(line);
        std::string cell;
        while (std::getline(cellStream, cell, ',')) {
            cells.push_back(cell);
        }
        rows.push_back(std::move(cells));
    }
    return rows;
}

} // namespace kthread::designation::test
