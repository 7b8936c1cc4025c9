// Advisory locks on lock files: shared and exclusive holders, a file left behind, a holder that dies.
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/lock/LockFile.h"
#include "support/ChildProcess.h"

using lockfile::LockFile;
using Mode = LockFile::Mode;
using Result = LockFile::Result;

namespace {

class LockFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString path() const { return dir.filePath(QStringLiteral("clinic.ldb")); }

    // A child process that takes the lock and waits to be killed; its pid once it holds the lock.
    pid_t childHolding(Mode mode) {
        char locked = 0;
        const pid_t pid = testsupport::childThatStays(
            [&] {
                auto* held = new LockFile(path()); // kept by the child until it is killed
                return held->tryLock(mode) == Result::Locked ? 'y' : 'n';
            },
            locked);
        EXPECT_EQ(locked, 'y');
        return pid;
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(LockFileTest, SharedHoldersShareAndKeepTheExclusiveOneOut) {
    struct Case {
        Mode first, second;
        Result result;
    } const cases[] = {
        {Mode::Shared, Mode::Shared, Result::Locked},
        {Mode::Shared, Mode::Exclusive, Result::Busy},
        {Mode::Exclusive, Mode::Shared, Result::Busy},
        {Mode::Exclusive, Mode::Exclusive, Result::Busy},
    };
    for (const Case& c : cases) {
        for (LockFile::Kind kind : {LockFile::Kind::Record, LockFile::Kind::WholeFile}) {
            // Two holders in one process conflict as two programs do.
            LockFile a(path(), 0666, kind), b(path(), 0666, kind);
            ASSERT_EQ(a.tryLock(c.first), Result::Locked);
            EXPECT_EQ(b.tryLock(c.second), c.result);
            EXPECT_EQ(b.isLocked(), c.result == Result::Locked);
            a.unlock();
            EXPECT_EQ(b.tryLock(c.second), Result::Locked);
        }
    }
}

TEST_F(LockFileTest, AFileLeftBehindLocksNobodyOutAndALockGoesWithItsProcess) {
    ASSERT_TRUE(QFile(path()).open(QIODevice::WriteOnly)); // left by a program that ended
    {
        LockFile a(path());
        EXPECT_EQ(a.tryLock(Mode::Exclusive), Result::Locked);
    }
    for (Mode held : {Mode::Shared, Mode::Exclusive}) {
        const pid_t child = childHolding(held);
        LockFile a(path());
        EXPECT_EQ(a.tryLock(Mode::Exclusive), Result::Busy);
        testsupport::killChild(child); // the system releases the dead holder's lock
        EXPECT_EQ(a.lock(Mode::Exclusive, 2000), Result::Locked);
    }
}

TEST_F(LockFileTest, AHeldLockChangesModeOnlyWhenNobodyIsInTheWay) {
    LockFile a(path()), b(path());
    ASSERT_EQ(a.tryLock(Mode::Exclusive), Result::Locked);
    EXPECT_EQ(a.tryLock(Mode::Shared), Result::Locked); // handed down without a gap
    EXPECT_EQ(b.tryLock(Mode::Shared), Result::Locked);
    EXPECT_EQ(a.tryLock(Mode::Exclusive), Result::Busy);
    EXPECT_TRUE(a.isLocked()); // still shared
}

TEST_F(LockFileTest, WaitingEndsWhenTheHolderLetsGoOrTheTimeIsUp) {
    const pid_t child = childHolding(Mode::Exclusive);
    LockFile a(path());
    EXPECT_EQ(a.lock(Mode::Shared, 150), Result::Busy);
    testsupport::killChild(child);
    EXPECT_EQ(a.lock(Mode::Shared, 2000), Result::Locked);
}

TEST_F(LockFileTest, ALockFileThatCannotBeMadeFails) {
    LockFile a(dir.filePath(QStringLiteral("no/such/folder/x.ldb")));
    EXPECT_EQ(a.tryLock(Mode::Shared), Result::Failed);
    EXPECT_TRUE(a.errorString().contains(QStringLiteral("no/such/folder/x.ldb")));
    EXPECT_FALSE(a.isLocked());
}
