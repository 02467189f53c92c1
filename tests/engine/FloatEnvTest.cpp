// The engine must leave the caller's floating-point environment as it found it.
#include "EngineTestRecords.h"
#include "engine/NumberText.h"
#include "support/TestNames.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <functional>

namespace kthread {
namespace {

TPitchDiamData Loaded() {
    TPitchDiamData d = test::MetricThreadOverWires();
    d.Force = 1;
    return d;
}

struct EntryCase {
    const char* name;
    std::function<void(TPitchDiamData&)> call; // gets the loaded metric thread
};

class CallerEnvironment : public ::testing::TestWithParam<EntryCase> {
protected:
    void TearDown() override {
        std::fesetround(FE_TONEAREST);
        std::feclearexcept(FE_ALL_EXCEPT);
    }
};

TEST_P(CallerEnvironment, FlagsSurviveTheCall) {
    for (int preset : {0, FE_DIVBYZERO, FE_INVALID | FE_INEXACT, FE_OVERFLOW | FE_UNDERFLOW}) {
        TPitchDiamData d = Loaded();
        std::feclearexcept(FE_ALL_EXCEPT);
        if (preset != 0)
            std::feraiseexcept(preset);
        GetParam().call(d);
        EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), preset);
    }
}

TEST_P(CallerEnvironment, RoundingModeSurvivesTheCall) {
    TPitchDiamData d = Loaded();
    std::fesetround(FE_UPWARD);
    GetParam().call(d);
    EXPECT_EQ(std::fegetround(), FE_UPWARD);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, CallerEnvironment,
    ::testing::Values(EntryCase{"Solves", [](TPitchDiamData& d) { EXPECT_TRUE(CalcPitchDiam(d)); }},
                      EntryCase{"SolveFaults",
                                [](TPitchDiamData& d) {
                                    d.SizeOver = d.ProbeDiam;
                                    EXPECT_FALSE(CalcPitchDiam(d));
                                }},
                      EntryCase{"CorrectionFaultsInsideASolve",
                                [](TPitchDiamData& d) {
                                    d.ThreadModulus = 0;
                                    EXPECT_TRUE(CalcPitchDiam(d));
                                }},
                      EntryCase{"CorrectionFaults",
                                [](TPitchDiamData& d) {
                                    EXPECT_FALSE(CalcDeformCorr(d)); // no pitch diameter
                                }},
                      EntryCase{"OptimumFaults",
                                [](TPitchDiamData&) {
                                    EXPECT_FALSE(OptimalProbeDiam(1.5, 0, 0).has_value());
                                }},
                      EntryCase{"Formats",
                                [](TPitchDiamData&) {
                                    EXPECT_EQ(FormatFixed(18.700623, 8, 5), "18.70062");
                                    EXPECT_EQ(FormatGeneral(0.1), "0.1");
                                }}),
    kthread::test::RowName());

// The results are those of round-to-nearest whatever mode the caller runs in.
TEST(CallerEnvironmentResults, DoNotDependOnTheRoundingMode) {
    TPitchDiamData nearest = Loaded();
    ASSERT_TRUE(CalcPitchDiam(nearest));
    for (int mode : {FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
        TPitchDiamData d = Loaded();
        std::fesetround(mode);
        const bool ok = CalcPitchDiam(d);
        std::fesetround(FE_TONEAREST);
        ASSERT_TRUE(ok);
        EXPECT_TRUE(test::ChangedFields(nearest, d).empty()) << "mode " << mode;
    }
}

} // namespace
} // namespace kthread
