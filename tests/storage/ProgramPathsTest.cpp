#include "storage/ProgramPaths.h"
#include "storage/ProgramPathRules.h"
#include "storage/ProgramPathsTesting.h"
#include "support/TestNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

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

// A temporary installation: the program's folder, an installed starter file and a per-user
// configuration folder.
class SettingsFileChoiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir().mkpath(m_program));
        ASSERT_TRUE(QDir().mkpath(m_shared));
    }

    static void write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    SettingsFileChoice choose(bool savableBesideProgram) const {
        return ChooseSettingsFile(m_program, savableBesideProgram, m_perUser,
                                  {besideProgram(), starter()});
    }
    QString besideProgram() const { return m_program + "/kthread.ini"; }
    QString starter() const { return m_shared + "/kthread.ini"; }
    QString perUser() const { return m_perUser + "/kthread.ini"; }

    QTemporaryDir m_root;
    QString m_program = m_root.filePath("bin");
    QString m_shared = m_root.filePath("share/kthread-pd");
    QString m_perUser = m_root.filePath("config/Brellmont/VuvozeVI");
};

TEST_F(SettingsFileChoiceTest, SavableProgramFolderKeepsTheFileBesideTheProgram) {
    write(besideProgram(), "[DIAM_N]\r\nCOUNT=1\r\nD1=1\r\n");
    const SettingsFileChoice choice = choose(true);
    EXPECT_EQ(choice.path, besideProgram());
    EXPECT_TRUE(choice.copiedFrom.isEmpty());
    EXPECT_TRUE(choice.problem.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(m_perUser)) << "nothing created elsewhere";
}

TEST_F(SettingsFileChoiceTest, FirstStartBesideTheProgramBeginsWithTheStarterFile) {
    write(starter(), "[LANGUAGES]\r\n0=english_uk.lng;english.html\r\n");
    const SettingsFileChoice choice = choose(true);
    EXPECT_EQ(choice.path, besideProgram());
    EXPECT_EQ(choice.copiedFrom, starter());
    EXPECT_TRUE(choice.problem.isEmpty()) << choice.problem.toStdString();
    EXPECT_EQ(read(besideProgram()), read(starter()));
    // Once there, the file is the user's: a later start copies nothing over it.
    write(besideProgram(), "[MAIN]\r\nLang=x\r\n");
    EXPECT_TRUE(choose(true).copiedFrom.isEmpty());
    EXPECT_EQ(read(besideProgram()), QByteArray("[MAIN]\r\nLang=x\r\n"));
}

TEST_F(SettingsFileChoiceTest, TheBuiltInStarterFileIsTheLastTemplate) {
    const SettingsFileChoice choice =
        ChooseSettingsFile(m_program, true, m_perUser,
                           {besideProgram(), starter(), kBuiltInStarterSettings.toString()});
    EXPECT_EQ(choice.copiedFrom, kBuiltInStarterSettings.toString());
    const QByteArray written = read(besideProgram());
    EXPECT_TRUE(written.contains("[LANGUAGES]")) << written.toStdString();
    EXPECT_TRUE(written.contains("[DIAM_N]")) << written.toStdString();
    EXPECT_TRUE(written.contains("[DIAM_S]")) << written.toStdString();
}

TEST_F(SettingsFileChoiceTest, ReadOnlyProgramFolderStartsFromTheCatalogueBesideIt) {
    write(besideProgram(), "[DIAM_N]\r\nCOUNT=1\r\nD1=0.866\r\n");
    write(starter(), "[DIAM_N]\r\nCOUNT=0\r\n");
    const SettingsFileChoice choice = choose(false);
    EXPECT_EQ(choice.path, perUser());
    EXPECT_EQ(choice.copiedFrom, besideProgram());
    EXPECT_TRUE(choice.problem.isEmpty()) << choice.problem.toStdString();
    EXPECT_EQ(read(perUser()), read(besideProgram()));
}

TEST_F(SettingsFileChoiceTest, InstalledProgramStartsFromTheStarterFile) {
    write(starter(), "[LANGUAGES]\r\n0=english_uk.lng;english.html\r\n");
    const SettingsFileChoice choice = choose(false);
    EXPECT_EQ(choice.copiedFrom, starter());
    EXPECT_EQ(read(perUser()), read(starter()));
}

TEST_F(SettingsFileChoiceTest, ExistingPerUserFileIsNeverReplaced) {
    ASSERT_TRUE(QDir().mkpath(m_perUser));
    write(perUser(), "[DIAM_S]\r\nCOUNT=1\r\nD1=2\r\n");
    write(besideProgram(), "[DIAM_S]\r\nCOUNT=0\r\n");
    const SettingsFileChoice choice = choose(false);
    EXPECT_EQ(choice.path, perUser());
    EXPECT_TRUE(choice.copiedFrom.isEmpty());
    EXPECT_TRUE(choice.problem.isEmpty());
    EXPECT_EQ(read(perUser()), QByteArray("[DIAM_S]\r\nCOUNT=1\r\nD1=2\r\n"));
}

TEST_F(SettingsFileChoiceTest, NothingToStartFromGivesAFileCreatedByTheFirstWrite) {
    const SettingsFileChoice choice = choose(false);
    EXPECT_EQ(choice.path, perUser());
    EXPECT_TRUE(choice.problem.isEmpty());
    EXPECT_TRUE(QFileInfo(m_perUser).isDir());
    EXPECT_FALSE(QFileInfo::exists(perUser()));
}

TEST_F(SettingsFileChoiceTest, UnusablePlacesAreReportedOnce) {
    // A file where the per-user folder should be.
    ASSERT_TRUE(QDir().mkpath(m_root.filePath("config/Brellmont")));
    write(m_perUser, "in the way");
    EXPECT_FALSE(choose(false).problem.isEmpty());

    // A per-user settings file that is a FIFO cannot be read, so it is never written.
    ASSERT_TRUE(QFile::remove(m_perUser));
    ASSERT_TRUE(QDir().mkpath(m_perUser));
    ASSERT_EQ(mkfifo(perUser().toLocal8Bit().constData(), 0600), 0);
    const SettingsFileChoice fifo = choose(false);
    EXPECT_EQ(fifo.path, perUser());
    EXPECT_FALSE(fifo.problem.isEmpty());
}

// Where the settings file goes for each kind of program folder, for a user who can write there
// (root, a portable copy) and one who cannot.
struct SettingsPlaceCase {
    const char* name;
    const char* programFolder;   // below the temporary root
    const char* otherFolders[2]; // made too; nullptr for none
    bool folderSavable;
    bool besideProgram;
};

class SettingsPlaceTest : public ::testing::TestWithParam<SettingsPlaceCase> {};

TEST_P(SettingsPlaceTest, AnInstallationsProgramFolderNeverHoldsSettings) {
    const SettingsPlaceCase& c = GetParam();
    QTemporaryDir root;
    QDir dir(root.path());
    ASSERT_TRUE(dir.mkpath(c.programFolder));
    for (const char* folder : c.otherFolders) {
        if (folder != nullptr) {
            ASSERT_TRUE(dir.mkpath(folder));
        }
    }
    const QString program = dir.filePath(c.programFolder);
    EXPECT_EQ(SettingsBelongBesideProgram(program, c.folderSavable), c.besideProgram);

    const QString perUserFolder = dir.filePath("home/.config/Brellmont/VuvozeVI");
    const SettingsFileChoice choice = ChooseSettingsFile(
        program, SettingsBelongBesideProgram(program, c.folderSavable), perUserFolder, {});
    EXPECT_EQ(choice.path, QDir(c.besideProgram ? program : perUserFolder).filePath("kthread.ini"));
}

INSTANTIATE_TEST_SUITE_P(
    ProgramFolders, SettingsPlaceTest,
    ::testing::Values(
        SettingsPlaceCase{"build_tree", "build/src/app", {"build/src/app/Languages"}, true, true},
        SettingsPlaceCase{
            "portable_copy_read_only", "portable", {"portable/Languages"}, false, false},
        SettingsPlaceCase{"bare_program_folder", "tools", {}, true, true},
        SettingsPlaceCase{
            "installed_for_a_user", "usr/bin", {"usr/share/kthread-pd"}, false, false},
        SettingsPlaceCase{
            "installed_run_by_root", "usr/bin", {"usr/share/kthread-pd"}, true, false},
        SettingsPlaceCase{"installed_with_languages_beside_too",
                          "opt/kt/bin",
                          {"opt/kt/share/kthread-pd", "opt/kt/bin/Languages"},
                          true,
                          false},
        SettingsPlaceCase{"prefix_of_other_programs_only",
                          "local/bin",
                          {"local/share/other-program", "local/bin/Languages"},
                          true,
                          true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProgramPaths, OnlyAFolderBesideTheProgramFolderMarksAnInstallation) {
    QTemporaryDir root;
    QDir dir(root.path());
    ASSERT_TRUE(dir.mkpath("prefix/bin"));
    ASSERT_TRUE(dir.mkpath("prefix/share"));
    const QString program = dir.filePath("prefix/bin");
    // A file of that name is no installation's data folder.
    QFile file(dir.filePath("prefix/share/kthread-pd"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_FALSE(IsInstalledProgramFolder(program));
    ASSERT_TRUE(QFile::remove(file.fileName()));
    ASSERT_TRUE(dir.mkpath("prefix/share/kthread-pd"));
    EXPECT_TRUE(IsInstalledProgramFolder(program));
    EXPECT_TRUE(IsInstalledProgramFolder(program + "/"));
}

TEST(ProgramPaths, SettingsFileIsDecidedOnceForTheWholeRun) {
    OverrideSettingsFilePath({});
    ForgetSettingsFileDecision();
    SetProgramFolderProbe([](const QString&) { return false; });
    const QString first = SettingsFilePath();
    EXPECT_NE(first, QDir(ProgramFolder()).filePath("kthread.ini"));

    // The program folder becomes writable while the program runs.
    SetProgramFolderProbe([](const QString&) { return true; });
    EXPECT_EQ(SettingsFilePath(), first);
    EXPECT_EQ(DecideSettingsFile().path, first);

    SetProgramFolderProbe({});
    ForgetSettingsFileDecision();
    EXPECT_EQ(SettingsFilePath(), QDir(ProgramFolder()).filePath("kthread.ini"));
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
    kthread::test::RowName());

} // namespace
} // namespace kthread
