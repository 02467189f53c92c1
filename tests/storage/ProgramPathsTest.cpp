#include "storage/ProgramPaths.h"
#include "storage/ProgramPathRules.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kthread {
namespace {

QString Canonical(const QString& path) {
    return QFileInfo(path).canonicalFilePath();
}

TEST(ProgramPaths, ProgramFolderIsTheExecutablesFolder) {
    EXPECT_EQ(Canonical(ProgramFolder()), Canonical(QStringLiteral(KTHREAD_TEST_EXE_DIR)));
}

TEST(ProgramPaths, SettingsFileBesideAWritableProgramAndOverridable) {
    OverrideSettingsFilePath({});
    // The build tree is writable, like a portable installation.
    EXPECT_EQ(SettingsFilePath(), QDir(ProgramFolder()).filePath("kthread.ini"));

    OverrideSettingsFilePath("/elsewhere/test.ini");
    EXPECT_EQ(SettingsFilePath(), QStringLiteral("/elsewhere/test.ini"));
    OverrideSettingsFilePath({});
    EXPECT_EQ(SettingsFilePath(), QDir(ProgramFolder()).filePath("kthread.ini"));
}

TEST(ProgramPathRules, SettingsFileFollowsWritability) {
    EXPECT_EQ(SettingsFileIn("/opt/kt/bin", true, "/home/u/.config/B/V"),
              QStringLiteral("/opt/kt/bin/kthread.ini"));
    EXPECT_EQ(SettingsFileIn("/usr/bin", false, "/home/u/.config/B/V"),
              QStringLiteral("/home/u/.config/B/V/kthread.ini"));
}

struct LanguagesCase {
    const char* name;
    bool besideProgram;
    bool inFirstData;
    bool inSecondData;
    const char* expected; // folder below the temporary root
};

class LanguagesFolderTest : public ::testing::TestWithParam<LanguagesCase> {};

TEST_P(LanguagesFolderTest, PrefersTheFolderBesideTheProgram) {
    QTemporaryDir root;
    QDir dir(root.path());
    const auto make = [&](bool wanted, const QString& folder) {
        ASSERT_TRUE(dir.mkpath(folder));
        if (wanted) {
            ASSERT_TRUE(dir.mkpath(folder + "/Languages"));
        }
    };
    make(GetParam().besideProgram, "bin");
    make(GetParam().inFirstData, "share/kthread-pd");
    make(GetParam().inSecondData, "data/kthread-pd");

    const QString found = LanguagesFolderIn(
        dir.filePath("bin"), {dir.filePath("share/kthread-pd"), dir.filePath("data/kthread-pd")});
    EXPECT_EQ(found, dir.filePath(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Installations, LanguagesFolderTest,
    ::testing::Values(
        LanguagesCase{"portable", true, false, false, "bin/Languages"},
        LanguagesCase{"portable_wins_over_installed", true, true, true, "bin/Languages"},
        LanguagesCase{"installed_under_prefix", false, true, true, "share/kthread-pd/Languages"},
        LanguagesCase{"installed_in_later_data_folder", false, false, true,
                      "data/kthread-pd/Languages"},
        LanguagesCase{"none_found_names_the_portable_place", false, false, false, "bin/Languages"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace kthread
