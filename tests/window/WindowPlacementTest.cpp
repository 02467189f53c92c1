#include "window/WindowPlacement.h"
#include "support/TestNames.h"

#include "storage/IniFile.h"
#include "storage/IniFileTesting.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kthread {
namespace {

struct CentringCase {
    const char* name;
    QRect workArea;
    int left;
    int top;
};

class CentredPlacementTest : public ::testing::TestWithParam<CentringCase> {};

TEST_P(CentredPlacementTest, DefaultSizeSitsInTheMiddleOfTheWorkArea) {
    const CentringCase& c = GetParam();
    const PlacementRecord record = CentredPlacement(c.workArea);
    EXPECT_EQ(record.FFormLeft, c.left);
    EXPECT_EQ(record.FFormTop, c.top);
    EXPECT_EQ(record.FFormWidth, 800);
    EXPECT_EQ(record.FFormHeight, 551);
    EXPECT_EQ(record.FFormState, FormState::Normal);
}

INSTANTIATE_TEST_SUITE_P(
    WorkAreas, CentredPlacementTest,
    ::testing::Values(CentringCase{"FullHd", QRect(0, 0, 1920, 1080), 560, 264},
                      // An odd remainder loses its half pixel.
                      CentringCase{"OddRemainder", QRect(0, 0, 1025, 768), 112, 108},
                      // A task bar on the left or at the top moves the origin.
                      CentringCase{"OffsetOrigin", QRect(100, 40, 1600, 1000), 500, 264},
                      CentringCase{"MonitorLeftOfPrimary", QRect(-1280, 0, 1280, 1024), -1040, 236},
                      // Smaller than the window: the division truncates toward zero (-71 / 2).
                      CentringCase{"SmallerThanWindow", QRect(0, 0, 640, 480), -80, -35}),
    kthread::test::RowName());

class PlacementFileTest : public ::testing::Test {
protected:
    void TearDown() override { SetIniBeforeCommitHook({}); }

    QString path() const { return m_dir.filePath("kthread.ini"); }
    void writeFile(const QByteArray& text) const {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QByteArray fileBytes() const {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_dir;
};

struct StoredCase {
    const char* name;
    const char* fileText;
    PlacementRecord expected; // starting from the record {Normal, 10, 20, 800, 551}
};

class ReadStoredPlacementTest : public PlacementFileTest,
                                public ::testing::WithParamInterface<StoredCase> {};

TEST_P(ReadStoredPlacementTest, StoredKeysReplaceOnlyTheirOwnFields) {
    const StoredCase& c = GetParam();
    writeFile(c.fileText);
    PlacementRecord record;
    record.FFormLeft = 10;
    record.FFormTop = 20;
    ReadStoredPlacement(IniFile(path()), record);
    EXPECT_EQ(record.FFormState, c.expected.FFormState);
    EXPECT_EQ(record.bounds(), c.expected.bounds());
}

constexpr FormState kMaximised = FormState::Maximised;
constexpr FormState kNormal = FormState::Normal;

INSTANTIATE_TEST_SUITE_P(
    Sections, ReadStoredPlacementTest,
    ::testing::Values(StoredCase{"NoFile", "", {kNormal, 10, 20, 800, 551}},
                      StoredCase{"OtherSectionsOnly",
                                 "[DIAM_N]\r\nCOUNT=0\r\nFormWidth=5\r\n",
                                 {kNormal, 10, 20, 800, 551}},
                      StoredCase{"AllFive",
                                 "[SETTINGS]\r\nFormState=2\r\nFormLeft=-1200\r\nFormTop=30\r\n"
                                 "FormWidth=900\r\nFormHeight=700\r\n",
                                 {kMaximised, -1200, 30, 900, 700}},
                      // The position stays the one centred for the default size.
                      StoredCase{"SizeWithoutPosition",
                                 "[SETTINGS]\r\nFormWidth=1000\r\nFormHeight=640\r\n",
                                 {kNormal, 10, 20, 1000, 640}},
                      StoredCase{"NamesInAnyCase",
                                 "[settings]\r\nformleft=7\r\nFORMTOP=8\r\n",
                                 {kNormal, 7, 8, 800, 551}},
                      StoredCase{"ValueNoNumber",
                                 "[SETTINGS]\r\nFormWidth=wide\r\nFormHeight=\r\nFormTop=9\r\n",
                                 {kNormal, 10, 9, 800, 551}},
                      // The state is a byte: 258 keeps its low byte, 2.
                      StoredCase{"StateLowByte",
                                 "[SETTINGS]\r\nFormState=258\r\n",
                                 {kMaximised, 10, 20, 800, 551}}),
    kthread::test::RowName());

TEST_F(PlacementFileTest, UnknownStateIsKeptAsStored) {
    writeFile("[SETTINGS]\r\nFormState=1\r\n");
    PlacementRecord minimised;
    ReadStoredPlacement(IniFile(path()), minimised);
    EXPECT_EQ(minimised.FFormState, FormState::Minimised);

    writeFile("[SETTINGS]\r\nFormState=7\r\n");
    PlacementRecord unknown;
    ReadStoredPlacement(IniFile(path()), unknown);
    EXPECT_EQ(static_cast<int>(unknown.FFormState), 7);
}

struct WrittenStateCase {
    const char* name;
    int state;
    int written;
};

class WritePlacementStateTest : public PlacementFileTest,
                                public ::testing::WithParamInterface<WrittenStateCase> {};

TEST_P(WritePlacementStateTest, OnlyAMaximisedWindowIsStoredAsSuch) {
    const WrittenStateCase& c = GetParam();
    PlacementRecord record{static_cast<FormState>(c.state), -5, 6, 1024, 700};
    IniFile file(path());
    ASSERT_TRUE(WritePlacement(file, record));
    EXPECT_EQ(file.readInt("SETTINGS", "FormState", -1), c.written);
    EXPECT_EQ(file.readInt("SETTINGS", "FormLeft", 0), -5);
    EXPECT_EQ(file.readInt("SETTINGS", "FormTop", 0), 6);
    EXPECT_EQ(file.readInt("SETTINGS", "FormWidth", 0), 1024);
    EXPECT_EQ(file.readInt("SETTINGS", "FormHeight", 0), 700);
}

INSTANTIATE_TEST_SUITE_P(States, WritePlacementStateTest,
                         ::testing::Values(WrittenStateCase{"Normal", 0, 0},
                                           WrittenStateCase{"Minimised", 1, 0},
                                           WrittenStateCase{"Maximised", 2, 2},
                                           WrittenStateCase{"Unknown", 7, 0}),
                         kthread::test::RowName());

TEST_F(PlacementFileTest, WrittenRecordReadsBackAndOtherSectionsStay) {
    writeFile("[DIAM_N]\r\nCOUNT=1\r\nD1=0.866\r\n[SETTINGS]\r\nFormState=2\r\n");
    const PlacementRecord written{FormState::Normal, 12, -34, 1111, 777};
    IniFile file(path());
    ASSERT_TRUE(WritePlacement(file, written));
    PlacementRecord read{FormState::Maximised, 0, 0, 1, 1};
    ReadStoredPlacement(file, read);
    EXPECT_EQ(read, written);
    EXPECT_EQ(file.readString("DIAM_N", "D1"), "0.866");
}

TEST_F(PlacementFileTest, FailedWriteLeavesThePreviousFile) {
    const QByteArray before = "[SETTINGS]\r\nFormState=0\r\nFormLeft=1\r\n";
    writeFile(before);
    SetIniBeforeCommitHook([](QSaveFile& file) { file.cancelWriting(); });
    IniFile file(path());
    EXPECT_FALSE(WritePlacement(file, PlacementRecord{FormState::Maximised, 2, 3, 900, 600}));
    EXPECT_FALSE(file.errorString().isEmpty());
    EXPECT_EQ(fileBytes(), before);
}

} // namespace
} // namespace kthread
