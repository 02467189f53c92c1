// Published thread-measurement cases (reference.jsonl beside this file), run through the real
// kthread-calc --jsonl and compared field by field with the values their sources print.
//
// A line is the record's input fields plus: "case" (a name), "source" (where a reader finds the
// numbers), "kind", "expect" (field -> published value, mm), "model" (field -> the difference
// the program's fuller model is expected to make, e.g. the helix term a handbook formula leaves
// out; optional), "tolerance" (field -> mm, from the precision the source prints plus the
// uncertainty of the model term) and "note" (how the numbers were read and the tolerance set).
// A case passes when |program - (expect + model)| <= tolerance.
#include "support/ProgramRun.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#ifndef KTHREAD_CALC_PATH
#error "KTHREAD_CALC_PATH must name the program under test"
#endif
#ifndef KTHREAD_REFERENCE_DATA
#error "KTHREAD_REFERENCE_DATA must name the reference cases"
#endif

namespace {

using nlohmann::json;

// The keys that describe a case; every other key of a line is an input field of the record.
constexpr std::array<std::string_view, 7> kCaseKeys{"case",  "kind",      "source", "expect",
                                                    "model", "tolerance", "note"};

// printed: the source prints the expected value; derived: computed from a printed value by an
// exact relation the note states; formula: a printed formula evaluated on printed inputs.
const std::set<std::string> kKinds{"printed", "derived", "formula"};

struct ReferenceCase {
    int lineNumber = 0;
    json meta;  // the case keys
    json input; // the record's fields, as kthread-calc reads them
};

std::vector<ReferenceCase> LoadCases() {
    std::ifstream file(KTHREAD_REFERENCE_DATA);
    EXPECT_TRUE(file) << "cannot read " << KTHREAD_REFERENCE_DATA;
    std::vector<ReferenceCase> cases;
    int lineNumber = 0;
    for (std::string line; std::getline(file, line);) {
        ++lineNumber;
        if (line.find_first_not_of(" \t\r") == std::string::npos) {
            continue;
        }
        ReferenceCase item;
        item.lineNumber = lineNumber;
        item.input = json::parse(line);
        item.meta = json::object();
        for (const std::string_view key : kCaseKeys) {
            const std::string name(key);
            if (item.input.contains(name)) {
                item.meta[name] = item.input[name];
                item.input.erase(name);
            }
        }
        cases.push_back(std::move(item));
    }
    return cases;
}

std::string Describe(const ReferenceCase& item) {
    return "line " + std::to_string(item.lineNumber) + " '" +
           item.meta.value("case", std::string("?")) + "' (" +
           item.meta.value("source", std::string("no source")) + ")";
}

std::vector<json> RunThroughCalc(const std::vector<ReferenceCase>& cases) {
    std::string input;
    for (const ReferenceCase& item : cases) {
        input += item.input.dump() + "\n";
    }
    const kthread::testing::ProgramRun run =
        kthread::testing::RunProgram(KTHREAD_CALC_PATH, {"--jsonl"}, input);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    std::vector<json> results;
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);) {
        results.push_back(json::parse(line));
    }
    return results;
}

bool IsPositiveNumber(const json& value) {
    return value.is_number() && value.get<double>() > 0;
}

TEST(ReferenceData, EveryCaseCitesItsSourceAndItsTolerance) {
    const std::vector<ReferenceCase> cases = LoadCases();
    EXPECT_GE(cases.size(), 20U);
    std::set<int> threadTypes;
    for (const ReferenceCase& item : cases) {
        SCOPED_TRACE(Describe(item));
        for (const char* key : {"case", "source", "note"}) {
            ASSERT_TRUE(item.meta.contains(key) && item.meta[key].is_string()) << key;
            EXPECT_FALSE(item.meta[key].get<std::string>().empty()) << key;
        }
        ASSERT_TRUE(item.meta.contains("kind"));
        EXPECT_TRUE(kKinds.count(item.meta["kind"].get<std::string>()));
        ASSERT_TRUE(item.meta.contains("expect") && item.meta["expect"].is_object());
        ASSERT_TRUE(item.meta.contains("tolerance") && item.meta["tolerance"].is_object());
        const json& expect = item.meta["expect"];
        const json& tolerance = item.meta["tolerance"];
        EXPECT_FALSE(expect.empty());
        EXPECT_EQ(expect.size(), tolerance.size());
        for (const auto& [field, value] : expect.items()) {
            EXPECT_TRUE(value.is_number()) << field;
            EXPECT_TRUE(tolerance.contains(field) && IsPositiveNumber(tolerance[field])) << field;
        }
        const json model = item.meta.value("model", json::object());
        for (const auto& [field, value] : model.items()) {
            EXPECT_TRUE(expect.contains(field) && value.is_number()) << "model " << field;
        }
        threadTypes.insert(item.input.value("ThreadType", 0));
    }
    // External, internal and taper threads, the internal and external taper included.
    EXPECT_EQ(threadTypes, (std::set<int>{0, 1, 2, 3}));
}

TEST(ReferenceData, ProgramAgreesWithThePublishedValues) {
    const std::vector<ReferenceCase> cases = LoadCases();
    const std::vector<json> results = RunThroughCalc(cases);
    ASSERT_EQ(results.size(), cases.size());
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const ReferenceCase& item = cases[i];
        const json& result = results[i];
        SCOPED_TRACE(Describe(item));
        ASSERT_EQ(result.value("ok", false), true) << result.dump();
        const json model = item.meta.value("model", json::object());
        for (const auto& [field, published] : item.meta["expect"].items()) {
            ASSERT_TRUE(result.contains(field)) << field;
            const double actual = result[field].get<double>();
            const double offset = model.value(field, 0.0);
            const double tolerance = item.meta["tolerance"][field].get<double>();
            const double difference = actual - published.get<double>();
            std::cout << item.meta["case"].get<std::string>() << ": " << field
                      << " program - published = " << difference * 1000 << " um (model "
                      << offset * 1000 << " um, tolerance " << tolerance * 1000 << " um)\n";
            EXPECT_LE(std::abs(difference - offset), tolerance)
                << field << ": program " << actual << " mm, published " << published
                << " mm + model " << offset << " mm";
        }
    }
}

} // namespace
