// The compaction under faults, on real encrypted files: damaged, empty and foreign databases, a kill at
// every step, and two programs on one database.
#include <QDir>
#include <QFile>
#include <QMap>
#include <QRandomGenerator>
#include <csignal>

#include "app/shell/MdlCommInterfaceCompact.h"
#include "platform/ado/Ado.h"
#include "platform/lock/LockFile.h"
#include "support/ChildProcess.h"
#include "support/DbServicesFixture.h"

using MdlCommInterface::CompactStep;
using MdlCommInterface::PFuBolCdbCompact;

namespace {

const QString kProc = QStringLiteral("PFuBolCdbCompact");
const QString kSuccess = QStringLiteral("○mdb最適化処理成功");
const QString kCompactFailed = QStringLiteral("最適化コマンド失敗(JROJet.CompactDatabase)");
const QString kCompactHint =
    QStringLiteral("パスワードが正しいならOrvanta_NEW.mdbファイルがあるなら削除しないといけない。");
const QString kBackupFailed = QStringLiteral("最適化もとのファイルのバックアップに失敗");

// Enough rows for a file of a few dozen pages, and free pages for the compaction to win back.
const char* const kScript = "CREATE TABLE m_clinic (clinic_code TEXT PRIMARY KEY, clinic_name TEXT);"
                            "INSERT INTO m_clinic VALUES ('0001', 'さくら歯科医院');"
                            "CREATE TABLE m_note (id INTEGER PRIMARY KEY AUTOINCREMENT, body TEXT);"
                            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 300)"
                            "  INSERT INTO m_note (body) SELECT '記録' || i || hex(randomblob(100)) FROM n;"
                            "DELETE FROM m_note WHERE id % 3 = 0;";

class CompactFaults : public DbServicesFixture {
protected:
    void SetUp() override {
        DbServicesFixture::SetUp();
        createDb(kScript);
        gStrOptimize = QStringLiteral("T");
        expected = contents(dbPath());
        good = testsupport::readBytes(dbPath());
    }
    void TearDown() override {
        MdlCommInterface::setCompactStepProbe({});
        MdlCommInterface::releaseDatabaseLock();
        DbServicesFixture::TearDown();
    }

    QString backup() const { return dbPath() + QStringLiteral(".bak"); }
    QString newFile() const { return dbPath() + QStringLiteral("_NEW.mdb"); }

    // A backup made by an earlier compaction: a sound database with one row less than today's.
    void makeOlderBackup() {
        QFile::remove(backup());
        createDb("CREATE TABLE m_clinic (clinic_code TEXT PRIMARY KEY, clinic_name TEXT);", backup());
        olderBackup = testsupport::readBytes(backup());
    }

    // What a compaction must keep, as text.
    QStringList contents(const QString& file) const {
        ado::Connection con;
        con.open(file, kPassword);
        QStringList out;
        for (const char* sql : {"SELECT type, name, sql FROM sqlite_master ORDER BY name",
                                "SELECT * FROM m_clinic", "SELECT * FROM m_note ORDER BY id"}) {
            auto rs = con.openRecordset(QLatin1String(sql));
            for (; !rs->eof(); rs->moveNext()) {
                QStringList row;
                for (int i = 0; i < rs->fieldCount(); ++i)
                    row << (rs->field(i).isNull() ? QStringLiteral("<null>") : rs->field(i).toString());
                out << row.join(u'|');
            }
        }
        return out;
    }

    // Every file of the program folder with its bytes, less the log (written by every run) and the
    // database's lock file (made by every program that opens the database).
    QMap<QString, QByteArray> files() const {
        QMap<QString, QByteArray> out;
        for (const QString& name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden)) {
            if (name != QLatin1String("test.log") && name != QLatin1String("msg.txt") &&
                !name.endsWith(QLatin1String(".ldb")))
                out.insert(name, testsupport::readBytes(path(name)));
        }
        return out;
    }

    QList<LogLine> compactLines() const {
        QList<LogLine> out;
        for (const LogLine& l : logLines())
            if (l.first == kProc)
                out << l;
        return out;
    }

    QStringList expected;
    QByteArray good;
    QByteArray olderBackup;
};

} // namespace

// ---- a database not fit to be copied ---------------------------------------------------------

TEST_F(CompactFaults, DamagedEmptyOrForeignDatabasesAreRefusedAndNothingIsTouched) {
    struct Damage {
        const char* name;
        std::function<QByteArray(const QByteArray&)> make;
    };
    const Damage damages[] = {
        {"truncated at half", [](const QByteArray& b) { return b.left(b.size() / 2 / 1024 * 1024); }},
        {"truncated inside its first page", [](const QByteArray& b) { return b.left(500); }},
        {"a damaged page",
         [](const QByteArray& b) {
             QByteArray d = b;
             for (qsizetype i = d.size() / 2; i < d.size() / 2 + 64; ++i)
                 d[i] = static_cast<char>(~d[i]);
             return d;
         }},
        {"random bytes",
         [](const QByteArray& b) {
             QByteArray d(b.size(), '\0');
             for (char& c : d)
                 c = static_cast<char>(QRandomGenerator::global()->bounded(256));
             return d;
         }},
        {"empty", [](const QByteArray&) { return QByteArray(); }},
    };
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.name);
        ASSERT_TRUE(testsupport::writeBytes(dbPath(), damage.make(good)));
        makeOlderBackup();
        ASSERT_TRUE(testsupport::writeBytes(newFile(), "left by an earlier run"));
        const auto before = files();
        const int linesBefore = compactLines().size();

        EXPECT_FALSE(PFuBolCdbCompact());

        EXPECT_EQ(files(), before); // the last good backup is still there, and nothing else moved
        const auto lines = compactLines().mid(linesBefore);
        ASSERT_EQ(lines.size(), 3);
        EXPECT_FALSE(lines[0].second.isEmpty());
        EXPECT_EQ(lines[1].second, kCompactFailed);
        EXPECT_EQ(lines[2].second, kCompactHint);
        QFile::remove(newFile());
    }
    EXPECT_TRUE(msgbox::shown().isEmpty());
}

TEST_F(CompactFaults, AnUnreadableDatabaseWithoutASoundBackupIsBackedUpAsAWrongPasswordIsBefore) {
    // Without a backup the key opens, a file that is no database cannot be told from a wrong password:
    // the backup is taken (nothing good is lost) and the compaction fails at its own step.
    QByteArray noise(good.size(), '\0');
    for (char& c : noise)
        c = static_cast<char>(QRandomGenerator::global()->bounded(256));
    ASSERT_TRUE(testsupport::writeBytes(dbPath(), noise));
    ASSERT_TRUE(testsupport::writeBytes(backup(), "an older backup"));

    EXPECT_FALSE(PFuBolCdbCompact());

    EXPECT_EQ(testsupport::readBytes(dbPath()), noise);
    EXPECT_EQ(testsupport::readBytes(backup()), noise);
    EXPECT_EQ(compactLines().last().second, kCompactHint);
}

// ---- a stop at any instant ----------------------------------------------------------------------

TEST_F(CompactFaults, AKillAtAnyStepLeavesTheDatabaseAndACompleteBackupAndTheNextRunFinishes) {
    const CompactStep steps[] = {CompactStep::Locked,        CompactStep::Checked,
                                 CompactStep::LeftoversGone, CompactStep::BackupHalfWritten,
                                 CompactStep::BackupWritten, CompactStep::BackupNamed,
                                 CompactStep::EngineOpen,    CompactStep::Exported,
                                 CompactStep::Replaced};
    for (CompactStep step : steps) {
        SCOPED_TRACE(static_cast<int>(step));
        makeOlderBackup();
        const QByteArray dbBefore = testsupport::readBytes(dbPath());

        const int status = testsupport::runInChild([step] {
            MdlCommInterface::setCompactStepProbe([step](CompactStep s) {
                if (s == step)
                    ::kill(::getpid(), SIGKILL);
            });
            PFuBolCdbCompact();
        });
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << status;

        // The configured name holds the database (old or compacted), the backup name the older backup or
        // a complete new one.
        EXPECT_EQ(contents(dbPath()), expected);
        const QByteArray b = testsupport::readBytes(backup());
        EXPECT_TRUE(b == olderBackup || b == dbBefore) << b.size();

        // The dead run's lock is gone with it; the next run cleans up after it and finishes.
        const QByteArray dbNow = testsupport::readBytes(dbPath());
        EXPECT_TRUE(PFuBolCdbCompact());
        EXPECT_EQ(compactLines().last().second, kSuccess);
        EXPECT_EQ(contents(dbPath()), expected);
        EXPECT_EQ(testsupport::readBytes(backup()), dbNow);
        EXPECT_FALSE(QFile::exists(newFile()));
        EXPECT_FALSE(QFile::exists(backup() + QStringLiteral(".tmp")));
    }
}

TEST_F(CompactFaults, AFailedRenameLeavesTheOldDatabaseInPlace) {
    // The compacted copy goes missing just before it is to take the database's name.
    MdlCommInterface::setCompactStepProbe([this](CompactStep s) {
        if (s == CompactStep::Exported)
            QFile::remove(newFile());
    });
    EXPECT_FALSE(PFuBolCdbCompact());
    EXPECT_EQ(testsupport::readBytes(dbPath()), good);
    EXPECT_EQ(testsupport::readBytes(backup()), good);
    const auto lines = compactLines();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[1].second, QStringLiteral("ファイル名変更（Orvanta.mdb_NEW.mdb→Orvanta.mdb）に失敗"));
    EXPECT_EQ(lines[2].second,
              QStringLiteral("Orvanta_NEW.mdbをOrvanta.mdbにリネームしないと電子カルテがうごかないとおもう"));
}

// ---- two programs on one database -----------------------------------------------------------------

TEST_F(CompactFaults, ARunningProgramKeepsTheCompactionOutUntilItEnds) {
    makeOlderBackup();
    char holding = 0; // another program, past its start-up
    const pid_t running = testsupport::childThatStays(
        [] { return MdlCommInterface::holdDatabaseShared() ? 'y' : 'n'; }, holding);
    ASSERT_EQ(holding, 'y');
    const auto before = files();

    EXPECT_FALSE(PFuBolCdbCompact());

    EXPECT_EQ(files(), before);
    const auto lines = compactLines();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].second.contains(QStringLiteral("Orvanta.ldb"))) << lines[0].second.toStdString();
    EXPECT_EQ(lines[1].second, kBackupFailed);
    EXPECT_EQ(lines[2].second, dbPath() + QStringLiteral("ファイルを別のプロセスで開いている可能性あり"));

    testsupport::killChild(running);
    EXPECT_TRUE(PFuBolCdbCompact());
    EXPECT_EQ(testsupport::readBytes(backup()), good);
    EXPECT_EQ(contents(dbPath()), expected);
}

TEST_F(CompactFaults, AProgramStartingDuringACompactionWaitsForIt) {
    testsupport::Pipe reached, go;
    const pid_t compacting = ::fork();
    if (compacting == 0) {
        MdlCommInterface::setCompactStepProbe([&](CompactStep s) {
            if (s == CompactStep::Exported) {
                reached.send('x');
                go.receive();
            }
        });
        ::_exit(PFuBolCdbCompact() ? 0 : 1);
    }
    ASSERT_EQ(reached.receive(), 'x');
    lockfile::LockFile starting(MdlCommInterface::databaseLockPath(dbPath()));
    EXPECT_EQ(starting.tryLock(lockfile::LockFile::Mode::Shared), lockfile::LockFile::Result::Busy);
    go.send('g');
    int status = 0;
    ::waitpid(compacting, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_TRUE(MdlCommInterface::holdDatabaseShared());
    EXPECT_EQ(contents(dbPath()), expected);
}

TEST(CompactLockFile, IsNamedAsJetNamedIt) {
    using MdlCommInterface::databaseLockPath;
    EXPECT_EQ(databaseLockPath(QStringLiteral("/p/Orvanta.mdb")), QStringLiteral("/p/Orvanta.ldb"));
    EXPECT_EQ(databaseLockPath(QStringLiteral("/p/db/clinic.MDB")), QStringLiteral("/p/db/clinic.ldb"));
    EXPECT_EQ(databaseLockPath(QStringLiteral("/p/clinic")), QStringLiteral("/p/clinic.ldb"));
}
