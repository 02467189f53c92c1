#include "storage/UserStore.h"
#include "support/TestNames.h"

#include "support/ChildProcess.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <sys/stat.h>

namespace kthread {
namespace {

// Every case works in its own folder; the real user's store is never opened.
class UserStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        UserStore::overrideLocation(m_dir.path());
    }
    void TearDown() override { UserStore::overrideLocation({}); }

    // The file behind the store, to plant values the program itself would not write.
    QSettings backingFile() const {
        return QSettings(m_dir.filePath("Brellmont/VuvozeVI.ini"), QSettings::IniFormat);
    }

    QTemporaryDir m_dir;
};

TEST_F(UserStoreTest, OpenWithoutCreateFailsBeforeTheFirstWrite) {
    EXPECT_EQ(UserStore::open(false), nullptr);
    auto created = UserStore::open(true);
    ASSERT_NE(created, nullptr);
    EXPECT_FALSE(created->hasValue("Vid"));
    EXPECT_FALSE(created->readInt("Vid"));
}

TEST_F(UserStoreTest, ValuesWrittenAreReadBackByALaterOpen) {
    const std::pair<const char*, std::int32_t> values[] = {
        {"Vid", 1},
        {"Mat", 0},
        {"Lang", -1},
        {"St", std::numeric_limits<std::int32_t>::min()},
        {"mm_in", std::numeric_limits<std::int32_t>::max()},
    };
    {
        auto store = UserStore::open(true);
        ASSERT_NE(store, nullptr);
        for (const auto& [name, value] : values) {
            EXPECT_TRUE(store->writeInt(name, value)) << name;
        }
    }
    auto store = UserStore::open(false);
    ASSERT_NE(store, nullptr);
    for (const auto& [name, value] : values) {
        EXPECT_TRUE(store->hasValue(name)) << name;
        EXPECT_EQ(store->readInt(name), value) << name;
    }
    EXPECT_FALSE(store->hasValue("Izm"));
    EXPECT_EQ(store->readInt("Izm"), std::nullopt);
}

TEST_F(UserStoreTest, ValuesLiveInTheDefaultGroupOfTheProgramsKey) {
    ASSERT_TRUE(UserStore::open(true)->writeInt("Vid", 3));
    EXPECT_EQ(backingFile().value("Default/Vid").toInt(), 3);
}

TEST_F(UserStoreTest, StoredTextThatIsNoNumberReadsAsMissing) {
    {
        QSettings file = backingFile();
        file.setValue("Default/Vid", "three");
        file.setValue("Default/Mat", "4294967295"); // a DWORD with every bit set
        file.setValue("Default/Izm", "4294967296"); // beyond 32 bits
    }
    auto store = UserStore::open(false);
    ASSERT_NE(store, nullptr);
    EXPECT_TRUE(store->hasValue("Vid"));
    EXPECT_EQ(store->readInt("Vid"), std::nullopt);
    EXPECT_EQ(store->readInt("Mat"), -1);
    EXPECT_EQ(store->readInt("Izm"), std::nullopt);
}

struct FifoCase {
    std::string name;
    bool native; // the platform's own file, found through XDG_CONFIG_HOME, or the overriding one
    const char* file;
};

void PrintTo(const FifoCase& c, std::ostream* out) {
    *out << c.name;
}

class UserStoreFifoTest : public ::testing::TestWithParam<FifoCase> {};

// A FIFO where the store keeps its file would block the program's start and close for ever.
TEST_P(UserStoreFifoTest, FifoBehindTheStoreIsRefusedWithoutWaiting) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir().mkpath(dir.filePath("Brellmont")));
    ASSERT_EQ(mkfifo(dir.filePath(GetParam().file).toLocal8Bit().constData(), 0600), 0);

    const testing::ChildOutcome outcome = testing::RunInChild([&] {
        if (GetParam().native) {
            qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
            UserStore::overrideLocation({});
        } else {
            UserStore::overrideLocation(dir.path());
        }
        return UserStore::open(true) == nullptr && UserStore::open(false) == nullptr ? 0 : 1;
    });
    ASSERT_TRUE(outcome.exited) << "hung: signal " << outcome.signalNumber;
    EXPECT_EQ(outcome.exitCode, 0);
}

INSTANTIATE_TEST_SUITE_P(Places, UserStoreFifoTest,
                         ::testing::Values(FifoCase{"Overriding", false, "Brellmont/VuvozeVI.ini"},
                                           FifoCase{"Native", true, "Brellmont/VuvozeVI.conf"},
                                           FifoCase{"NativeOrganisationWide", true,
                                                    "Brellmont.conf"}),
                         kthread::test::RowName());

} // namespace
} // namespace kthread
