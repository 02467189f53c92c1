// Runs the real kthread-calc of the build, and small readers of its "Name: value" answer.
#pragma once

#include "support/ProgramRun.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#ifndef KTHREAD_CALC_PATH
#error "KTHREAD_CALC_PATH must name the program under test"
#endif

namespace kthread::test {

inline kthread::testing::ProgramRun RunCalc(const std::vector<std::string>& args,
                                            const std::string& input = "") {
    return kthread::testing::RunProgram(KTHREAD_CALC_PATH, args, input);
}

// The lines of an answer that have the "Name: value" form, by name.
inline std::map<std::string, std::string> NamedLines(const std::string& text) {
    std::map<std::string, std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        const std::size_t colon = line.find(": ");
        if (colon != std::string::npos) {
            lines[line.substr(0, colon)] = line.substr(colon + 2);
        }
    }
    return lines;
}

inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

} // namespace kthread::test
