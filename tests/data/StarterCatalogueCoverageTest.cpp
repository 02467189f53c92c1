// The starter catalogues against the ISO metric pitches: for each pitch the window's own pick
// from the catalogue must lie inside the band in which it shows no warning mark.
#include "ShippedFiles.h"
#include "support/TestNames.h"

#include "engine/PitchDiam.h"
#include "storage/IniFile.h"
#include "storage/catalog/CatalogSection.h"
#include "window/CatalogPick.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace kthread {
namespace {

// ISO 261 pitches of the general-purpose metric threads, coarse and fine.
const std::vector<double> kIsoPitches = {0.2, 0.25, 0.3, 0.35, 0.4,  0.45, 0.5,  0.6,
                                         0.7, 0.75, 0.8, 1,    1.25, 1.5,  1.75, 2,
                                         2.5, 3,    3.5, 4,    4.5,  5,    5.5,  6};

struct CoverageCase {
    std::string name;
    const char* section;
    double smallestPitch; // below it the probes are not offered for this kind of thread
};

void PrintTo(const CoverageCase& c, std::ostream* os) {
    *os << c.name;
}

class StarterCatalogueCoverage : public ::testing::TestWithParam<CoverageCase> {};

TEST_P(StarterCatalogueCoverage, PicksAnUnmarkedProbeForEveryIsoPitch) {
    const CoverageCase& c = GetParam();
    const IniFile settings(shipped::StarterSettingsPath());
    const std::vector<double> rows =
        ParseCatalogSection(settings.readSection(QString::fromLatin1(c.section)));
    ASSERT_FALSE(rows.empty());
    const double flank = AngleRad(30, 0, 0);
    for (const double pitch : kIsoPitches) {
        if (pitch < c.smallestPitch) {
            continue;
        }
        const std::optional<double> optimum = OptimalProbeDiam(pitch, flank, flank);
        ASSERT_TRUE(optimum.has_value());
        const CatalogPickResult pick = PickCatalogDiam(rows, *optimum);
        ASSERT_TRUE(pick.diameter.has_value()) << "P " << pitch;
        EXPECT_FALSE(IsOutsideProbeBand(*pick.diameter, *optimum))
            << "P " << pitch << ": optimum " << *optimum << ", pick " << *pick.diameter;
    }
}

// Wires from M1.2 (P 0.25) up; balls for internal threads from M3 (P 0.5) up.
INSTANTIATE_TEST_SUITE_P(Starter, StarterCatalogueCoverage,
                         ::testing::Values(CoverageCase{"wires", "DIAM_N", 0.25},
                                           CoverageCase{"balls", "DIAM_S", 0.5}),
                         kthread::test::RowName());

} // namespace
} // namespace kthread
