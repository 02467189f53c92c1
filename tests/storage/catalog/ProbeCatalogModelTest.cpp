#include "storage/catalog/ProbeCatalogModel.h"
#include "QtPrinters.h"
#include "storage/IniFile.h"
#include "support/LocaleGuard.h"
#include "support/TestNames.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPersistentModelIndex>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace kthread {
namespace {

const QString kSection = QStringLiteral("DIAM_N");

struct LocaleCase {
    std::string name;
    QLocale locale;
    QChar separator;
};

void PrintTo(const LocaleCase& c, std::ostream* out) {
    *out << c.name;
}

// Runs every case under a point and a comma locale: the catalogue reads and shows numbers
// through the default locale.
class ProbeCatalogModelTest : public ::testing::TestWithParam<LocaleCase> {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString iniPath() const { return m_dir.filePath(QStringLiteral("kthread.ini")); }

    void writeFile(const QByteArray& contents) const {
        QFile file(iniPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(contents), contents.size());
    }

    QByteArray fileBytes() const {
        QFile file(iniPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // "0.5000" with the locale's separator.
    QString shown(const char* pointText) const {
        return QString::fromLatin1(pointText).replace(QLatin1Char('.'), GetParam().separator);
    }

    static QString cell(const ProbeCatalogModel& model, int row, int column) {
        return model.data(model.index(row, column)).toString();
    }

    test::LocaleGuard m_locale{GetParam().locale};
    QTemporaryDir m_dir;
};

TEST_P(ProbeCatalogModelTest, EntriesWrittenWithEitherMarkLoad) {
    writeFile("[DIAM_N]\nCOUNT=2\nD1=0,5\nD2=0.25\n");
    IniFile file(iniPath());
    ProbeCatalogModel model(kSection);
    model.load(file);
    ASSERT_EQ(model.count(), 2);
    EXPECT_DOUBLE_EQ(model.diamMM(0), 0.25);
    EXPECT_DOUBLE_EQ(model.diamMM(1), 0.5);
    EXPECT_DOUBLE_EQ(model.diamInch(1), 0.5 / 25.4);
}

TEST_P(ProbeCatalogModelTest, LoadSortsAndShowsBothUnits) {
    const QByteArray original = "[DIAM_N]\r\nCOUNT=3\r\nD1=2\r\nD2=0.5\r\nD3=1\r\n";
    writeFile(original);
    IniFile file(iniPath());
    ProbeCatalogModel model(kSection);
    model.load(file);
    ASSERT_EQ(model.rowCount(), 3);
    const char* mm[] = {"0.5000", "1.0000", "2.0000"};
    const char* inch[] = {"0.01969", "0.03937", "0.07874"};
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(cell(model, row, ProbeCatalogModel::ColumnMM), shown(mm[row])) << row;
        EXPECT_EQ(cell(model, row, ProbeCatalogModel::ColumnInch), shown(inch[row])) << row;
    }
    EXPECT_FALSE(model.changed());

    // Nothing changed, so nothing is written, not even in this locale's format.
    EXPECT_TRUE(model.writeBack(file));
    EXPECT_EQ(fileBytes(), original);
}

TEST_P(ProbeCatalogModelTest, LargeValuesShowNoGroupSeparator) {
    writeFile("[DIAM_N]\nCOUNT=1\nD1=1234.5\n");
    ProbeCatalogModel model(kSection);
    model.load(IniFile(iniPath()));
    EXPECT_EQ(cell(model, 0, ProbeCatalogModel::ColumnMM), shown("1234.5000"));
}

TEST_P(ProbeCatalogModelTest, ShrinkingLeavesOldKeysUnread) {
    writeFile("[DIAM_N]\nCOUNT=5\nD1=1\nD2=2\nD3=3\nD4=4\nD5=5\n");
    IniFile file(iniPath());
    ProbeCatalogModel model(kSection);
    model.load(file);
    model.removeRowAt(4);
    model.removeRowAt(0);
    EXPECT_TRUE(model.changed());
    ASSERT_TRUE(model.writeBack(file));
    EXPECT_FALSE(model.changed());

    EXPECT_EQ(file.readString(kSection, "COUNT"), "3");
    EXPECT_EQ(file.readString(kSection, "D1"), "2");
    EXPECT_EQ(file.readString(kSection, "D2"), "3");
    EXPECT_EQ(file.readString(kSection, "D3"), "4");
    EXPECT_EQ(file.readString(kSection, "D4"), "4");
    EXPECT_EQ(file.readString(kSection, "D5"), "5");

    ProbeCatalogModel reloaded(kSection);
    reloaded.load(file);
    ASSERT_EQ(reloaded.count(), 3);
    EXPECT_EQ(reloaded.diamMM(2), 4.0);
}

TEST_P(ProbeCatalogModelTest, WritesWithTheLocaleSeparator) {
    IniFile file(iniPath());
    ProbeCatalogModel model(kSection);
    model.load(file);
    const int row = model.appendPendingRow();
    model.postValue(row, ProbeCatalogModel::ColumnMM, 0.5);
    ASSERT_TRUE(model.writeBack(file));
    EXPECT_EQ(file.readString(kSection, "COUNT"), "1");
    EXPECT_EQ(file.readString(kSection, "D1"), shown("0.5"));
}

TEST_P(ProbeCatalogModelTest, MissingSectionLoadsEmpty) {
    writeFile("[DIAM_S]\nCOUNT=2\nD1=1\nD2=2\n");
    ProbeCatalogModel model(kSection);
    model.load(IniFile(iniPath()));
    EXPECT_EQ(model.count(), 0);
    EXPECT_EQ(model.rowCount(), 0);
}

TEST_P(ProbeCatalogModelTest, LoadReplacesRowsAndDropsPendingRow) {
    writeFile("[DIAM_N]\nCOUNT=1\nD1=7\n");
    IniFile file(iniPath());
    ProbeCatalogModel model(kSection);
    model.load(file);
    model.postValue(0, ProbeCatalogModel::ColumnMM, 8.0);
    model.appendPendingRow();
    model.load(file);
    EXPECT_FALSE(model.hasPendingRow());
    EXPECT_FALSE(model.changed());
    ASSERT_EQ(model.rowCount(), 1);
    EXPECT_EQ(model.diamMM(0), 7.0);
}

TEST_P(ProbeCatalogModelTest, FailedWriteKeepsTheMark) {
    // A folder where the file should be makes every write fail.
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("kthread.ini")));
    IniFile file(iniPath());
    ProbeCatalogModel model(kSection);
    model.appendPendingRow();
    model.postValue(0, ProbeCatalogModel::ColumnMM, 1.0);
    EXPECT_FALSE(model.writeBack(file));
    EXPECT_TRUE(model.changed());
}

INSTANTIATE_TEST_SUITE_P(
    Locales, ProbeCatalogModelTest,
    ::testing::Values(LocaleCase{"PointLocale", QLocale(QLocale::English, QLocale::UnitedStates),
                                 '.'},
                      LocaleCase{"CommaLocale", QLocale(QLocale::German, QLocale::Germany), ','}),
    kthread::test::RowName());

// Editing, independent of the file.
class ProbeCatalogEditTest : public ::testing::Test {
protected:
    // Rows 1, 2, 3 mm, posted so the table is sorted and marked.
    void SetUp() override {
        for (const double mm : {3.0, 1.0, 2.0}) {
            model.postValue(model.appendPendingRow(), ProbeCatalogModel::ColumnMM, mm);
        }
    }
    std::vector<double> millimetres() const {
        std::vector<double> values;
        for (int row = 0; row < model.count(); ++row) {
            values.push_back(model.diamMM(row));
        }
        return values;
    }

    ProbeCatalogModel model{kSection};
};

struct CompletionCase {
    std::string name;
    ProbeCatalogModel::Column typedColumn;
    double typed;
    double expectedMM;
    double expectedInch;
};

void PrintTo(const CompletionCase& c, std::ostream* out) {
    *out << c.name;
}

class ProbeCatalogCompletionTest : public ::testing::TestWithParam<CompletionCase> {};

TEST_P(ProbeCatalogCompletionTest, NewRowCompletesTheOtherUnit) {
    const CompletionCase& c = GetParam();
    ProbeCatalogModel model(kSection);
    const int row = model.appendPendingRow();
    EXPECT_TRUE(model.hasPendingRow());
    EXPECT_EQ(model.count(), 0);
    const int posted = model.postValue(row, c.typedColumn, c.typed);
    ASSERT_EQ(posted, 0);
    EXPECT_FALSE(model.hasPendingRow());
    EXPECT_TRUE(model.changed());
    // Within one or two units in the last place of the exact product or quotient.
    EXPECT_NEAR(model.diamMM(0), c.expectedMM, 1e-15 * std::abs(c.expectedMM));
    EXPECT_NEAR(model.diamInch(0), c.expectedInch, 1e-15 * std::abs(c.expectedInch));
}

INSTANTIATE_TEST_SUITE_P(
    TypedUnits, ProbeCatalogCompletionTest,
    ::testing::Values(
        CompletionCase{"InchTypedGivesMillimetres", ProbeCatalogModel::ColumnInch, 0.1, 2.54, 0.1},
        CompletionCase{"MillimetresTypedGivesInches", ProbeCatalogModel::ColumnMM, 2.54, 2.54, 0.1},
        CompletionCase{"NegativeAccepted", ProbeCatalogModel::ColumnMM, -25.4, -25.4, -1.0},
        CompletionCase{"ZeroAccepted", ProbeCatalogModel::ColumnInch, 0.0, 0.0, 0.0}),
    kthread::test::RowName());

TEST_F(ProbeCatalogEditTest, PostedRowsStaySorted) {
    EXPECT_EQ(millimetres(), (std::vector<double>{1.0, 2.0, 3.0}));
    const int row = model.postValue(model.appendPendingRow(), ProbeCatalogModel::ColumnMM, 1.5);
    EXPECT_EQ(row, 1);
    EXPECT_EQ(millimetres(), (std::vector<double>{1.0, 1.5, 2.0, 3.0}));
}

TEST_F(ProbeCatalogEditTest, DuplicatesAllowed) {
    model.postValue(model.appendPendingRow(), ProbeCatalogModel::ColumnMM, 2.0);
    EXPECT_EQ(millimetres(), (std::vector<double>{1.0, 2.0, 2.0, 3.0}));
}

TEST_F(ProbeCatalogEditTest, EditOfExistingRowChangesOnlyThatField) {
    const int row = model.postValue(0, ProbeCatalogModel::ColumnInch, 0.5);
    EXPECT_EQ(row, 0);
    EXPECT_EQ(model.diamMM(0), 1.0);
    EXPECT_EQ(model.diamInch(0), 0.5);

    const int moved = model.postValue(0, ProbeCatalogModel::ColumnMM, 10.0);
    EXPECT_EQ(moved, 2);
    EXPECT_EQ(model.diamMM(2), 10.0);
    EXPECT_EQ(model.diamInch(2), 0.5);
}

TEST_F(ProbeCatalogEditTest, PersistentIndexFollowsTheSortedRow) {
    const QPersistentModelIndex edited(model.index(0, ProbeCatalogModel::ColumnInch));
    const int moved = model.postValue(0, ProbeCatalogModel::ColumnMM, 2.5);
    EXPECT_EQ(moved, 1);
    EXPECT_EQ(edited.row(), 1);
    EXPECT_EQ(edited.column(), ProbeCatalogModel::ColumnInch);
}

TEST_F(ProbeCatalogEditTest, PendingRowStaysLastAndOutOfTheContents) {
    const int pending = model.appendPendingRow();
    EXPECT_EQ(pending, 3);
    EXPECT_EQ(model.appendPendingRow(), pending);
    EXPECT_EQ(model.rowCount(), 4);
    EXPECT_EQ(model.count(), 3);
    EXPECT_TRUE(model.data(model.index(pending, 0)).toString().isEmpty());
    EXPECT_FALSE(model.data(model.index(pending, 0), Qt::EditRole).isValid());

    // An edit elsewhere re-sorts without moving the pending row.
    model.postValue(0, ProbeCatalogModel::ColumnMM, 9.0);
    EXPECT_EQ(model.pendingRow(), 3);
    EXPECT_EQ(millimetres(), (std::vector<double>{2.0, 3.0, 9.0}));
}

TEST_F(ProbeCatalogEditTest, CancelDropsPendingRowWithoutMark) {
    ProbeCatalogModel fresh(kSection);
    fresh.appendPendingRow();
    fresh.cancelPendingRow();
    EXPECT_EQ(fresh.rowCount(), 0);
    EXPECT_FALSE(fresh.hasPendingRow());
    EXPECT_FALSE(fresh.changed());
}

TEST_F(ProbeCatalogEditTest, RemovingBeforePendingRowKeepsItPending) {
    model.appendPendingRow();
    model.removeRowAt(0);
    EXPECT_EQ(model.pendingRow(), 2);
    EXPECT_EQ(millimetres(), (std::vector<double>{2.0, 3.0}));
}

TEST_F(ProbeCatalogEditTest, OutOfRangeRequestsChangeNothing) {
    model.removeRowAt(-1);
    model.removeRowAt(3);
    EXPECT_EQ(model.postValue(3, ProbeCatalogModel::ColumnMM, 1.0), -1);
    EXPECT_EQ(model.postValue(0, 2, 1.0), -1);
    EXPECT_EQ(model.postValue(0, ProbeCatalogModel::ColumnMM, std::nan("")), -1);
    EXPECT_EQ(millimetres(), (std::vector<double>{1.0, 2.0, 3.0}));
    EXPECT_EQ(model.diamMM(7), 0.0);
}

TEST_F(ProbeCatalogEditTest, SetDataTakesEitherMarkAndRejectsGarbage) {
    const QModelIndex first = model.index(0, ProbeCatalogModel::ColumnInch);
    EXPECT_TRUE(model.setData(first, QStringLiteral("0,25")));
    EXPECT_EQ(model.diamInch(0), 0.25);
    EXPECT_TRUE(model.setData(first, QStringLiteral("0.75")));
    EXPECT_EQ(model.diamInch(0), 0.75);
    EXPECT_TRUE(model.setData(first, 0.5));
    EXPECT_EQ(model.diamInch(0), 0.5);
    EXPECT_FALSE(model.setData(first, QStringLiteral("abc")));
    EXPECT_FALSE(model.setData(first, QString()));
    EXPECT_FALSE(model.setData(first, QStringLiteral("1"), Qt::DisplayRole));
    EXPECT_EQ(model.diamInch(0), 0.5);
}

TEST(ProbeCatalogLoadTest, DeletionIsWrittenBack) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    IniFile file(dir.filePath(QStringLiteral("kthread.ini")));
    ASSERT_TRUE(
        file.writeStrings(kSection, {{"COUNT", "3"}, {"D1", "1"}, {"D2", "2"}, {"D3", "3"}}));
    ProbeCatalogModel model(kSection);
    model.load(file);
    EXPECT_FALSE(model.changed());
    model.removeRowAt(1);
    EXPECT_TRUE(model.changed());
    ASSERT_TRUE(model.writeBack(file));

    ProbeCatalogModel reloaded(kSection);
    reloaded.load(file);
    ASSERT_EQ(reloaded.count(), 2);
    EXPECT_EQ(reloaded.diamMM(0), 1.0);
    EXPECT_EQ(reloaded.diamMM(1), 3.0);
}

TEST(ProbeCatalogLoadTest, PendingRowIsNotWritten) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    IniFile file(dir.filePath(QStringLiteral("kthread.ini")));
    ProbeCatalogModel model(kSection);
    model.postValue(model.appendPendingRow(), ProbeCatalogModel::ColumnMM, 1.0);
    model.appendPendingRow();
    ASSERT_TRUE(model.writeBack(file));
    EXPECT_EQ(file.readString(kSection, "COUNT"), "1");
    EXPECT_FALSE(file.keyExists(kSection, "D2"));
}

TEST(ProbeCatalogLoadTest, HostileCountLoadsThePresentKeys) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    IniFile file(dir.filePath(QStringLiteral("kthread.ini")));
    ASSERT_TRUE(file.writeStrings(
        kSection, {{"COUNT", "2000000000"}, {"D1", "3"}, {"D2", "x"}, {"D3", "1"}, {"D5", "2"}}));
    ProbeCatalogModel model(kSection);
    model.load(file);
    // D2 is not a number (skipped), D4 is missing inside the count (a zero row).
    ASSERT_EQ(model.count(), 4);
    EXPECT_EQ(model.diamMM(0), 0.0);
    EXPECT_EQ(model.diamMM(1), 1.0);
    EXPECT_EQ(model.diamMM(3), 3.0);
}

struct UnreadableCountCase {
    std::string name;
    QString count;
};

class UnreadableCountTest : public ::testing::TestWithParam<UnreadableCountCase> {};

// The first edit after loading must not write over the entries the COUNT failed to announce,
// nor destroy an entry that is no number.
TEST_P(UnreadableCountTest, AnEditKeepsEveryStoredEntry) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    IniFile file(dir.filePath(QStringLiteral("kthread.ini")));
    ASSERT_TRUE(file.writeStrings(
        kSection,
        {{"COUNT", GetParam().count}, {"D1", "1"}, {"D2", "spare set"}, {"D3", "3"}, {"D4", "2"}}));
    ProbeCatalogModel model(kSection);
    model.load(file);
    ASSERT_EQ(model.count(), 3);

    model.postValue(model.appendPendingRow(), ProbeCatalogModel::ColumnMM, 0.5);
    ASSERT_TRUE(model.writeBack(file));

    ProbeCatalogModel reloaded(kSection);
    reloaded.load(file);
    ASSERT_EQ(reloaded.count(), 4);
    EXPECT_EQ(reloaded.diamMM(0), 0.5);
    EXPECT_EQ(reloaded.diamMM(3), 3.0);
    EXPECT_EQ(file.readString(kSection, "COUNT"), "5");
    EXPECT_EQ(file.readString(kSection, "D5"), "spare set");
}

INSTANTIATE_TEST_SUITE_P(
    Counts, UnreadableCountTest,
    ::testing::Values(UnreadableCountCase{"Negative", "-1"}, UnreadableCountCase{"Words", "three"},
                      UnreadableCountCase{"BeyondEveryInteger", "99999999999999999999999"}),
    kthread::test::RowName());

} // namespace
} // namespace kthread
