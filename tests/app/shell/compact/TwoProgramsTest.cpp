// The real program started twice on one database, as two users of one program folder: the second copy's
// compaction is refused and leaves the database and its backup as they were; once the first has ended,
// the compaction runs and makes its backup.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "app/shell/MdlCommInterfaceCompact.h"
#include "platform/lock/LockFile.h"
#include "support/TestSupport.h"

namespace {

const QString kSuccess = QStringLiteral("PFuBolCdbCompact ○mdb最適化処理成功");
const QString kRefused = QStringLiteral("PFuBolCdbCompact 最適化もとのファイルのバックアップに失敗");

class TwoPrograms : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        const QDir bin(QStringLiteral(ORVANTA_BIN_DIR));
        QDir().mkpath(prog() + QStringLiteral("/message"));
        QStringList names = bin.entryList({QStringLiteral("*.so")}, QDir::Files);
        names << QStringLiteral("orvanta") << QStringLiteral("Orvanta.mdb")
              << QStringLiteral("clsMessage.txt") << QStringLiteral("message/OrvantaMessage.txt");
        for (const QString& name : names)
            ASSERT_TRUE(QFile::copy(bin.filePath(name), prog() + u'/' + name)) << name.toStdString();
        QFile::setPermissions(prog() + QStringLiteral("/orvanta"),
                              QFile::permissions(bin.filePath(QStringLiteral("orvanta"))));
        QFile::setPermissions(db(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        // The demo settings with the compaction asked for.
        QByteArray ini = testsupport::readBytes(bin.filePath(QStringLiteral("Orvanta.ini")));
        ASSERT_TRUE(ini.contains("Optimize=F"));
        ini.replace("Optimize=F", "Optimize=T");
        ASSERT_TRUE(testsupport::writeBytes(prog() + QStringLiteral("/Orvanta.ini"), ini));
    }
    void TearDown() override {
        for (QProcess* p : started) {
            p->kill();
            p->waitForFinished(5000);
            delete p;
        }
    }

    QString prog() const { return root.filePath(QStringLiteral("prog")); }
    QString db() const { return prog() + QStringLiteral("/Orvanta.mdb"); }
    QString backup() const { return db() + QStringLiteral(".bak"); }
    QStringList log() const { return testsupport::ringLogTexts(prog() + QStringLiteral("/log/Orvanta.log")); }

    // Starts the program as a user whose runtime folder is run<user>.
    QProcess* start(int user) {
        const QString run = root.filePath(QStringLiteral("run%1").arg(user));
        QDir().mkpath(run);
        ::chmod(QFile::encodeName(run).constData(), 0700);
        auto* p = new QProcess;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), run);
        env.insert(QStringLiteral("HOME"), run);
        p->setProcessEnvironment(env);
        p->setWorkingDirectory(prog());
        p->start(prog() + QStringLiteral("/orvanta"), {});
        EXPECT_TRUE(p->waitForStarted(5000));
        started << p;
        return p;
    }

    // Waits until the log holds `line` count times.
    bool waitForLog(const QString& line, int count) const {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 30000) {
            if (log().count(line) >= count)
                return true;
            QThread::msleep(50);
        }
        return false;
    }

    // Waits until a running program holds the database's lock file.
    bool waitUntilHeld() const {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 30000) {
            lockfile::LockFile probe(MdlCommInterface::databaseLockPath(db()));
            if (probe.tryLock(lockfile::LockFile::Mode::Exclusive) == lockfile::LockFile::Result::Busy)
                return true;
            QThread::msleep(50);
        }
        return false;
    }

    QTemporaryDir root;
    QList<QProcess*> started;
};

} // namespace

TEST_F(TwoPrograms, TheSecondCopysCompactionIsRefusedUntilTheFirstHasEnded) {
    QProcess* first = start(1);
    ASSERT_TRUE(waitForLog(kSuccess, 1)) << log().join(u'\n').toStdString();
    ASSERT_TRUE(waitUntilHeld());
    const QByteArray dbBytes = testsupport::readBytes(db());
    const QByteArray backupBytes = testsupport::readBytes(backup());
    ASSERT_FALSE(backupBytes.isEmpty());

    QProcess* second = start(2); // another user: its own runtime folder, so the one-copy rule allows it
    ASSERT_TRUE(waitForLog(kRefused, 1)) << log().join(u'\n').toStdString();
    QThread::msleep(300);
    EXPECT_EQ(second->state(), QProcess::Running); // showing 000/815
    EXPECT_EQ(testsupport::readBytes(db()), dbBytes);
    EXPECT_EQ(testsupport::readBytes(backup()), backupBytes);
    EXPECT_EQ(log().count(kSuccess), 1);

    second->kill();
    first->kill();
    ASSERT_TRUE(first->waitForFinished(5000));
    second->waitForFinished(5000);

    start(1);
    ASSERT_TRUE(waitForLog(kSuccess, 2)) << log().join(u'\n').toStdString();
    EXPECT_EQ(testsupport::readBytes(backup()), dbBytes);
}
