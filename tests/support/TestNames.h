// Names of parameterised GoogleTest cases: each row of a case table carries its own `name`.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace kthread::test {

// For INSTANTIATE_TEST_SUITE_P: names each case after its row's `name` member.
struct RowName {
    template <class Row> std::string operator()(const ::testing::TestParamInfo<Row>& info) const {
        return std::string(info.param.name);
    }
};

} // namespace kthread::test
