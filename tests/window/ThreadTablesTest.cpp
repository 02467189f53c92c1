// Angle splitting, figure names and the per-type configuration.
#include "window/ThreadTables.h"
#include "support/TestNames.h"

#include <cmath>
#include <gtest/gtest.h>

namespace kthread {
namespace {

struct AngleCase {
    const char* name;
    double degrees;
    AngleParts expected;
};

class DegMinSecTest : public ::testing::TestWithParam<AngleCase> {};

TEST_P(DegMinSecTest, Splits) {
    const AngleCase& c = GetParam();
    const AngleParts parts = DegMinSec(c.degrees);
    EXPECT_EQ(parts.degrees, c.expected.degrees);
    EXPECT_EQ(parts.minutes, c.expected.minutes);
    EXPECT_EQ(parts.seconds, c.expected.seconds);
}

constexpr double kDegreesPerRadian = 57.295779513082320877;

INSTANTIATE_TEST_SUITE_P(
    Angles, DegMinSecTest,
    ::testing::Values(
        AngleCase{"Zero", 0, {0, 0, 0}}, AngleCase{"WholeDegrees", 30, {30, 0, 0}},
        AngleCase{"HalfDegree", 45.5, {45, 30, 0}},
        AngleCase{"TaperRatio0_0625", std::atan(0.0625 / 2) * kDegreesPerRadian, {1, 47, 24}},
        AngleCase{"TaperRatio0_1", std::atan(0.05) * kDegreesPerRadian, {2, 51, 45}},
        AngleCase{"SecondsCarryIntoMinutes", 1.516666, {1, 31, 0}},
        AngleCase{"MinutesCarryIntoDegrees", 1.999999, {2, 0, 0}},
        AngleCase{"JustBelowHalfSecond", 5.0 + 0.49 / 3600, {5, 0, 0}},
        AngleCase{"JustAboveHalfSecond", 5.0 + 0.51 / 3600, {5, 0, 1}}),
    kthread::test::RowName());

TEST(FigureNameTest, NamesEveryArrangementAndNothingElse) {
    int named = 0;
    for (int type = -1; type <= 4; ++type) {
        for (int method = -1; method <= 3; ++method) {
            const std::string name = FigureName(type, method);
            const ThreadTypeTraits* traits = ThreadTypeInfo(type);
            const bool listed = traits != nullptr && method >= 0 &&
                                method < static_cast<int>(traits->methodTexts.size());
            // Exactly the methods listed for a type have a figure.
            EXPECT_EQ(!name.empty(), listed) << type << " " << method;
            named += name.empty() ? 0 : 1;
        }
    }
    EXPECT_EQ(named, 8);
    EXPECT_EQ(FigureName(0, 2), "ExtCyl_2w_incl");
    EXPECT_EQ(FigureName(3, 0), "IntTap_Perp");
}

TEST(ThreadTypeTest, ExternalTypesUseWiresAndInternalTypesBalls) {
    for (int type = 0; type < kThreadTypeCount; ++type) {
        const ThreadTypeTraits* traits = ThreadTypeInfo(type);
        ASSERT_NE(traits, nullptr);
        const bool external = type == 0 || type == 2;
        EXPECT_EQ(traits->catalogue, external ? ProbeCatalogue::Wires : ProbeCatalogue::Balls);
        EXPECT_EQ(traits->diamLetter, DiamLetterOf(type));
        EXPECT_EQ(traits->probeMaterialEnabled, !external);
        EXPECT_EQ(traits->probeMaterial, DefaultProbeMaterial(static_cast<ThreadType>(type)));
        EXPECT_EQ(traits->taperPanelVisible, type == static_cast<int>(ThreadType::ExternalTaper));
    }
    EXPECT_EQ(ThreadTypeInfo(-1), nullptr);
    EXPECT_EQ(ThreadTypeInfo(4), nullptr);
    EXPECT_EQ(DiamLetterOf(-1), 'd');
}

TEST(ThreadMaterialTableTest, ElasticConstantsArePlausible) {
    for (const ThreadMaterialRow& row : ThreadMaterialTable) {
        EXPECT_GT(row.poisson, 0.01);
        EXPECT_LT(row.poisson, 0.5);
        EXPECT_GE(row.modulusGPa, 1);
        EXPECT_LE(row.modulusGPa, 2000);
    }
    // The item for any other material and the default row.
    EXPECT_DOUBLE_EQ(ThreadMaterialTable[22].poisson, 0.33);
    EXPECT_DOUBLE_EQ(ThreadMaterialTable[22].modulusGPa, 70);
    EXPECT_DOUBLE_EQ(ThreadMaterialTable[1].poisson, 0.3);
}

} // namespace
} // namespace kthread
