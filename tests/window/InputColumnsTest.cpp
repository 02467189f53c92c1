// The input form's caption and selector widths as the form narrows: what gives way first.
#include "window/InputColumns.h"

#include <gtest/gtest.h>

namespace kthread {
namespace {

// Widths of a long language: captions up to 237 pixels (wrapping no narrower than 183), the
// widest selector item box 270, without the thread materials 229.
constexpr InputTextWidths kLong{237, 183, 270, 229, 130, 160};
constexpr int kGap = 10;

struct ColumnsCase {
    const char* name;
    int available;
    InputColumnWidths expected;
};

class ColumnsTable : public ::testing::TestWithParam<ColumnsCase> {};

TEST_P(ColumnsTable, Widths) {
    const ColumnsCase& c = GetParam();
    EXPECT_EQ(ChooseInputColumns(c.available, kGap, kLong), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Narrowing, ColumnsTable,
    ::testing::Values(ColumnsCase{"RoomForEverything", 600, {237, 270}},
                      ColumnsCase{"ExactlyEnoughForEverything", 517, {237, 270}},
                      ColumnsCase{"MaterialNamesCutFirst", 516, {237, 269}},
                      ColumnsCase{"MaterialNamesCutDownToTheOtherItems", 476, {237, 229}},
                      ColumnsCase{"ThenCaptionsWrap", 475, {236, 229}},
                      ColumnsCase{"CaptionsWrapDownToTheirFloor", 422, {183, 229}},
                      ColumnsCase{"BelowThatSelectorsCutTheirItems", 421, {183, 228}},
                      ColumnsCase{"SelectorsStopAtTheirFloor", 200, {183, 160}}),
    [](const ::testing::TestParamInfo<ColumnsCase>& info) { return std::string(info.param.name); });

TEST(InputColumns, ShortTextsKeepTheirWidthsAndTheFieldsSetTheSelectorWidth) {
    // A selector never gets narrower than the fields beside the captions.
    const InputTextWidths chinese{78, 150, 90, 90, 130, 160};
    EXPECT_EQ(ChooseInputColumns(600, kGap, chinese), (InputColumnWidths{78, 160}));
    // The caption floor never widens a caption column that is narrower.
    EXPECT_EQ(ChooseInputColumns(200, kGap, chinese), (InputColumnWidths{78, 160}));
}

} // namespace
} // namespace kthread
