// The one-copy rule: the lock lives in a folder only this user owns, and a running copy is told from a
// lock file left behind by the lock itself, which the system drops when that copy ends.
#include <QDir>
#include <QFile>
#include <sys/stat.h>

#include "StartupFixture.h"
#include "support/ChildProcess.h"

namespace {

class InstanceLock : public StartupFixture {
protected:
    void SetUp() override {
        StartupFixture::SetUp();
        saved = {qgetenv("XDG_RUNTIME_DIR"), qgetenv("HOME"), qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")};
        ASSERT_TRUE(QDir(f.root()).mkpath(QStringLiteral("home")));
        qputenv("HOME", (f.root() + QStringLiteral("/home")).toLocal8Bit());
        MdlMain::setInstanceLockPath(QString()); // the default place
    }
    void TearDown() override {
        if (saved.hadRuntime)
            qputenv("XDG_RUNTIME_DIR", saved.runtime);
        else
            qunsetenv("XDG_RUNTIME_DIR");
        qputenv("HOME", saved.home);
        StartupFixture::TearDown();
    }

    // A folder under the test root with the given permission bits.
    QString folder(const char* name, mode_t mode) const {
        const QString p = f.root() + u'/' + QLatin1String(name);
        QDir().mkpath(p);
        ::chmod(QFile::encodeName(p).constData(), mode);
        return p;
    }
    static mode_t modeOf(const QString& path) {
        struct stat st {};
        ::stat(QFile::encodeName(path).constData(), &st);
        return st.st_mode & 07777;
    }

    struct Saved {
        QByteArray runtime, home;
        bool hadRuntime = false;
    } saved;
};

} // namespace

TEST_F(InstanceLock, LivesInAFolderOnlyThisUserCanWriteInto) {
    const QString home = f.root() + QStringLiteral("/home/.local/state/");
    struct Case {
        const char* runtime; // XDG_RUNTIME_DIR: a folder made with mode, or unset
        mode_t mode;
        bool inRuntime; // else in the folder under home
    } const cases[] = {
        {"run-private", 0700, true},
        {"run-shared", 01777, false}, // a shared folder such as /tmp: anyone
                                      // could leave a lock file there
        {"run-group", 0770, false},
        {"run-missing", 0, false},
        {nullptr, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.runtime ? c.runtime : "unset");
        if (!c.runtime) {
            qunsetenv("XDG_RUNTIME_DIR");
        } else {
            const QString dir =
                c.mode ? folder(c.runtime, c.mode) : f.root() + u'/' + QLatin1String(c.runtime);
            qputenv("XDG_RUNTIME_DIR", dir.toLocal8Bit());
        }
        const QString lock = MdlMain::instanceLockPath();
        const QString expectedFolder = c.inRuntime ? f.root() + u'/' + QLatin1String(c.runtime)
                                                   : home + QCoreApplication::applicationName();
        EXPECT_EQ(QFileInfo(lock).absolutePath(), QFileInfo(expectedFolder).absoluteFilePath());
        EXPECT_EQ(modeOf(QFileInfo(lock).absolutePath()) & 077, 0u);
        EXPECT_FALSE(MdlMain::FuBolPrevInstance()); // the lock can be taken there
        MdlMain::releaseInstanceLock();
    }
}

TEST_F(InstanceLock, ALockFileLeftBehindByACopyThatEndedRefusesNothing) {
    qputenv("XDG_RUNTIME_DIR", folder("run", 0700).toLocal8Bit());
    // A copy that was killed leaves its file; nobody holds its lock any more.
    ASSERT_TRUE(testsupport::writeBytes(MdlMain::instanceLockPath(), QByteArray("12345\nhost\norvanta\n")));
    ::chmod(QFile::encodeName(MdlMain::instanceLockPath()).constData(), 0400);
    EXPECT_FALSE(MdlMain::FuBolPrevInstance());
}

TEST_F(InstanceLock, ACopyRunningInAnotherProcessRefusesTheStartUntilItEnds) {
    qputenv("XDG_RUNTIME_DIR", folder("run", 0700).toLocal8Bit());
    char started = 0;
    const pid_t running =
        testsupport::childThatStays([] { return MdlMain::FuBolPrevInstance() ? 'n' : 'y'; }, started);
    ASSERT_EQ(started, 'y');

    EXPECT_TRUE(MdlMain::FuBolPrevInstance());
    EXPECT_TRUE(MdlMain::FuBolPrevInstance()); // asked again: still refused, nothing taken over

    testsupport::killChild(running); // however it ends, its lock goes with it
    EXPECT_FALSE(MdlMain::FuBolPrevInstance());
}
