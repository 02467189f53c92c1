// The settings file under hostile conditions: a disk that refuses to grow, a path that is not a
// regular file, and two programs writing the same file at once. Each case runs its writes in a
// child process, so that limits and hangs cannot reach the test program.
#include "storage/IniFile.h"
#include "support/ChildProcess.h"
#include "support/TestNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace kthread {
namespace {

using testing::ChildOutcome;
using testing::RunInChild;

// Exit codes of the children below.
constexpr int kRefused = 0;
constexpr int kClaimedSuccess = 1;
constexpr int kNoReason = 2;

class IniFileFaultsTest : public ::testing::Test {
protected:
    void writeBytes(const QByteArray& bytes) {
        QFile file(m_path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    QByteArray bytes() const {
        QFile file(m_path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // What a write in a child says about itself.
    int writeOutcome(const QString& section, const QString& key, const QString& value) const {
        IniFile ini(m_path);
        if (ini.writeString(section, key, value)) {
            return kClaimedSuccess;
        }
        return ini.errorString().isEmpty() ? kNoReason : kRefused;
    }

    QTemporaryDir m_dir;
    QString m_path = m_dir.filePath("kthread.ini");
};

struct FullDiskCase {
    std::string name;
    rlim_t bytesTheDiskTakes; // per file
    int padding;              // bytes added to the old file
};

void PrintTo(const FullDiskCase& c, std::ostream* out) {
    *out << c.name;
}

class FullDiskTest : public IniFileFaultsTest,
                     public ::testing::WithParamInterface<FullDiskCase> {};

// A disk that takes no byte at all, and one that takes the lock file but not the whole text;
// each with a text far smaller than the write buffer and one far larger.
TEST_P(FullDiskTest, FailedWriteIsReportedAndLeavesTheOldFileWhole) {
    QByteArray old = "[SETTINGS]\r\nFormLeft=1\r\n[DIAM_N]\r\nCOUNT=1\r\nD1=0.866\r\n";
    old += "[PAD]\r\n" + QByteArray(GetParam().padding, 'x') + "\r\n";
    writeBytes(old);

    const ChildOutcome outcome = RunInChild([this] {
        // The write must notice the refusal instead of being killed by it.
        signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = GetParam().bytesTheDiskTakes;
        setrlimit(RLIMIT_FSIZE, &limit);
        return writeOutcome("SETTINGS", "FormLeft", "2");
    });

    ASSERT_TRUE(outcome.exited) << "signal " << outcome.signalNumber;
    EXPECT_EQ(outcome.exitCode, kRefused);
    EXPECT_EQ(bytes(), old);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{"kthread.ini"})
        << "no temporary file left behind";
}

INSTANTIATE_TEST_SUITE_P(Disks, FullDiskTest,
                         ::testing::Values(FullDiskCase{"NothingSmallText", 0, 0},
                                           FullDiskCase{"NothingLargeText", 0, 200 * 1024},
                                           FullDiskCase{"LockButNotTheSmallText", 512, 2 * 1024},
                                           FullDiskCase{"LockButNotTheLargeText", 512, 200 * 1024}),
                         kthread::test::RowName());

TEST_F(IniFileFaultsTest, FifoIsRefusedWithoutWaitingForAWriter) {
    ASSERT_EQ(mkfifo(m_path.toLocal8Bit().constData(), 0600), 0);

    const ChildOutcome outcome = RunInChild([this] {
        const IniFile ini(m_path);
        if (ini.readString("SETTINGS", "FormLeft", "none") != QStringLiteral("none")) {
            return kClaimedSuccess;
        }
        return writeOutcome("SETTINGS", "FormLeft", "2");
    });

    ASSERT_TRUE(outcome.exited) << "hung or died: signal " << outcome.signalNumber;
    EXPECT_EQ(outcome.exitCode, kRefused);
    EXPECT_FALSE(QFileInfo(m_path).isFile()) << "the FIFO must not be replaced";
}

TEST_F(IniFileFaultsTest, LockLeftByADeadProgramDoesNotBlockAWrite) {
    writeBytes("[SETTINGS]\r\nFormLeft=1\r\n");
    const ChildOutcome holder = RunInChild([this] {
        QLockFile lock(m_path + QStringLiteral(".lock"));
        // Ends without unlocking, as a killed program would.
        return lock.lock() ? 0 : 1;
    });
    ASSERT_TRUE(holder.exited && holder.exitCode == 0);

    const ChildOutcome outcome =
        RunInChild([this] { return writeOutcome("SETTINGS", "FormLeft", "7"); });
    ASSERT_TRUE(outcome.exited) << "signal " << outcome.signalNumber;
    EXPECT_EQ(outcome.exitCode, kClaimedSuccess);
    EXPECT_EQ(IniFile(m_path).readInt("SETTINGS", "FormLeft", 0), 7);
}

// Two programs write their own keys into one file at the same time, each write reading the file
// as it is at that moment. Every key either wrote must be in the file at the end: a write made
// from a copy read before the other's write would drop the other's keys for good.
TEST_F(IniFileFaultsTest, TwoWritersAtOnceLoseNoKey) {
    // A large file makes each read-modify-write slow, so the two overlap often.
    writeBytes("[PAD]\r\n" + QByteArray(256 * 1024, 'x') + "\r\n");
    constexpr int kWritesEach = 60;

    std::vector<pid_t> writers;
    for (const char* section : {"DIAM_N", "DIAM_S"}) {
        const pid_t pid = fork();
        if (pid == 0) {
            IniFile ini(m_path);
            for (int i = 0; i < kWritesEach; ++i) {
                if (!ini.writeString(section, QStringLiteral("D%1").arg(i + 1),
                                     QString::number(i))) {
                    _exit(1);
                }
            }
            _exit(0);
        }
        ASSERT_GT(pid, 0);
        writers.push_back(pid);
    }
    for (const pid_t pid : writers) {
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a write failed";
    }

    const IniFile ini(m_path);
    for (const char* section : {"DIAM_N", "DIAM_S"}) {
        int present = 0;
        for (int i = 0; i < kWritesEach; ++i) {
            present += ini.keyExists(section, QStringLiteral("D%1").arg(i + 1)) ? 1 : 0;
        }
        EXPECT_EQ(present, kWritesEach) << section;
    }
    EXPECT_TRUE(bytes().contains(QByteArray(256 * 1024, 'x'))) << "the other lines survive";
}

} // namespace
} // namespace kthread
