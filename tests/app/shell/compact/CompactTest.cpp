#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/shell/MdlCommInterfaceCompact.h"
#include "platform/ado/Ado.h"
#include "support/DbServicesFixture.h"

using MdlCommInterface::PFuBolCdbCompact;

namespace {

const QString kProc = QStringLiteral("PFuBolCdbCompact");
const QString kSuccess = QStringLiteral("○mdb最適化処理成功");

// A database with free pages to win back, an AUTOINCREMENT counter above the highest row and a
// schema version.
const char* const kScript =
    "CREATE TABLE m_staff (id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT, note TEXT);"
    "CREATE TABLE m_plain (code TEXT PRIMARY KEY, value INTEGER);"
    "CREATE INDEX ix_staff_name ON m_staff (name);"
    "CREATE VIEW v_staff AS SELECT id, name FROM m_staff;"
    "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 400)"
    "  INSERT INTO m_staff (name, note) SELECT '名前' || i, hex(randomblob(300)) FROM n;"
    "DELETE FROM m_staff WHERE id > 150;"
    "INSERT INTO m_plain VALUES ('a', 1), ('b', NULL);"
    "PRAGMA user_version = 42;";

class CompactTest : public DbServicesFixture {
protected:
    void SetUp() override {
        DbServicesFixture::SetUp();
        createDb(kScript);
        gStrOptimize = QStringLiteral("T");
    }

    QString newFile() const { return dbPath() + QStringLiteral("_NEW.mdb"); }
    QString backup() const { return dbPath() + QStringLiteral(".bak"); }

    // Everything a compaction must keep, as text.
    QStringList contents(const QString& file) {
        ado::Connection con;
        con.open(file, kPassword);
        QStringList out;
        auto dump = [&](const QString& sql) {
            auto rs = con.openRecordset(sql);
            for (; !rs->eof(); rs->moveNext()) {
                QStringList row;
                for (int i = 0; i < rs->fieldCount(); ++i)
                    row << (rs->field(i).isNull() ? QStringLiteral("<null>") : rs->field(i).toString());
                out << row.join(u'|');
            }
        };
        dump(QStringLiteral("SELECT type, name, sql FROM sqlite_master ORDER BY name"));
        dump(QStringLiteral("SELECT * FROM m_staff ORDER BY id"));
        dump(QStringLiteral("SELECT * FROM m_plain ORDER BY code"));
        dump(QStringLiteral("SELECT * FROM sqlite_sequence"));
        dump(QStringLiteral("PRAGMA user_version"));
        return out;
    }

    // Bytes of the pages of the database file, read with password.
    static qint64 pageSize(const QString& file, const QByteArray& password = kPassword) {
        ado::Connection con;
        con.open(file, password);
        return con.openRecordset(QStringLiteral("PRAGMA page_size"))->field(0).toLongLong();
    }

    QStringList filesInDir() const {
        return QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    }
};

} // namespace

TEST_F(CompactTest, NotAskedForOnlyLogs) {
    for (const QString& value :
         {QStringLiteral("t"), QString(), QStringLiteral("TRUE"), QStringLiteral(" T")}) {
        gStrOptimize = value;
        const QByteArray before = testsupport::readBytes(dbPath());
        EXPECT_TRUE(PFuBolCdbCompact());
        EXPECT_EQ(testsupport::readBytes(dbPath()), before);
        EXPECT_FALSE(QFile::exists(backup()));
        EXPECT_FALSE(QFile::exists(newFile()));
    }
    const auto lines = logLines();
    ASSERT_EQ(lines.size(), 4);
    for (const auto& line : lines)
        EXPECT_EQ(line, LogLine(kProc, QStringLiteral("MDBの最適化をしていません(エラーじゃない)")));
}

TEST_F(CompactTest, CompactsKeepsEverythingAndBacksUpTheOriginal) {
    const QByteArray before = testsupport::readBytes(dbPath());
    const QStringList expected = contents(dbPath());
    ASSERT_TRUE(expected.contains(QStringLiteral("m_staff|400")));
    ASSERT_TRUE(expected.contains(QStringLiteral("42")));
    ASSERT_EQ(pageSize(dbPath()), 1024);

    EXPECT_TRUE(PFuBolCdbCompact());

    EXPECT_EQ(testsupport::readBytes(backup()), before);
    EXPECT_FALSE(QFile::exists(newFile()));
    EXPECT_FALSE(QFile::exists(dbPath() + QStringLiteral("-journal")));
    EXPECT_FALSE(QFile::exists(newFile() + QStringLiteral("-journal")));
    // Same key, same tables, rows, counters and schema version; the free pages are gone.
    EXPECT_EQ(contents(dbPath()), expected);
    EXPECT_EQ(pageSize(dbPath()), 1024);
    EXPECT_LT(QFileInfo(dbPath()).size(), before.size());
    ASSERT_FALSE(logLines().isEmpty());
    EXPECT_EQ(logLines().last(), LogLine(kProc, kSuccess));
    EXPECT_EQ(logLines().size(), 1);

    // The counter goes on from where it was, not from the highest row left.
    ado::Connection con;
    con.open(dbPath(), kPassword);
    con.execute(QStringLiteral("INSERT INTO m_staff (name) VALUES ('next')"));
    EXPECT_EQ(con.openRecordset(QStringLiteral("SELECT max(id) FROM m_staff"))->field(0).toLongLong(), 401);
}

TEST_F(CompactTest, WrongPasswordFailsAtTheCompactStepAndTouchesNothing) {
    ASSERT_TRUE(testsupport::writeBytes(backup(), QByteArray("an older backup")));
    const QByteArray before = testsupport::readBytes(dbPath());
    gStrDbPassword = QByteArray("not-the-password");

    EXPECT_FALSE(PFuBolCdbCompact());

    EXPECT_EQ(testsupport::readBytes(dbPath()), before);
    EXPECT_EQ(testsupport::readBytes(backup()), before); // a fresh backup
    EXPECT_FALSE(QFile::exists(newFile()));
    EXPECT_EQ(
        logLines(),
        (QList<LogLine>{
            {kProc, QStringLiteral("file is encrypted or is not a database")},
            {kProc, QStringLiteral("最適化コマンド失敗(JROJet.CompactDatabase)")},
            {kProc, QStringLiteral(
                        "パスワードが正しいならOrvanta_NEW.mdbファイルがあるなら削除しないといけない。")}}));
    EXPECT_FALSE(logText().contains(QStringLiteral("not-the-password")));
    EXPECT_TRUE(msgbox::shown().isEmpty());
}

TEST_F(CompactTest, LeftoverCompactedCopyIsDeletedFirst) {
    ASSERT_TRUE(testsupport::writeBytes(newFile(), QByteArray("garbage from an earlier run")));
    ASSERT_TRUE(testsupport::writeBytes(newFile() + QStringLiteral("-journal"), QByteArray("stale journal")));
    const QStringList expected = contents(dbPath());
    EXPECT_TRUE(PFuBolCdbCompact());
    EXPECT_FALSE(QFile::exists(newFile()));
    EXPECT_FALSE(QFile::exists(newFile() + QStringLiteral("-journal")));
    EXPECT_EQ(contents(dbPath()), expected);
    EXPECT_EQ(logLines().last(), LogLine(kProc, kSuccess));
}

TEST_F(CompactTest, MissingDatabaseKeepsTheLastGoodBackup) {
    ASSERT_TRUE(QFile::rename(dbPath(), backup()));
    const QByteArray good = testsupport::readBytes(backup());

    EXPECT_FALSE(PFuBolCdbCompact());

    EXPECT_EQ(testsupport::readBytes(backup()), good);
    EXPECT_FALSE(QFile::exists(dbPath()));
    EXPECT_FALSE(QFile::exists(newFile()));
    const auto lines = logLines();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[1], LogLine(kProc, QStringLiteral("最適化もとのファイルのバックアップに失敗")));
    EXPECT_EQ(lines[2],
              LogLine(kProc, dbPath() + QStringLiteral("ファイルを別のプロセスで開いている可能性あり")));
}

TEST_F(CompactTest, SaveInProgressOnAnotherConnectionRefusesTheBackup) {
    ado::Connection writer;
    writer.open(dbPath(), kPassword);
    writer.beginTrans();
    writer.execute(QStringLiteral("DELETE FROM m_staff"));
    ASSERT_TRUE(QFile::exists(dbPath() + QStringLiteral("-journal")));

    EXPECT_FALSE(PFuBolCdbCompact());
    EXPECT_FALSE(QFile::exists(backup()));
    EXPECT_FALSE(QFile::exists(newFile()));
    ASSERT_EQ(logLines().size(), 3);
    EXPECT_EQ(logLines()[1].second, QStringLiteral("最適化もとのファイルのバックアップに失敗"));

    writer.rollbackTrans();
    writer.close();
    EXPECT_TRUE(contents(dbPath()).contains(QStringLiteral("m_staff|400")));
}

TEST_F(CompactTest, LeftoverThatCannotBeDeletedStopsBeforeTheBackup) {
    ASSERT_TRUE(QDir(dir.path()).mkpath(QFileInfo(newFile()).fileName() + QStringLiteral("/inside")));
    EXPECT_FALSE(PFuBolCdbCompact());
    EXPECT_FALSE(QFile::exists(backup()));
    const auto lines = logLines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[1], LogLine(kProc, newFile() + QStringLiteral("ファイルの削除に失敗")));
}

TEST_F(CompactTest, DatabaseInASubfolderNamedWithBackslashes) {
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("db")));
    createDb(kScript, path(QStringLiteral("db/clinic.mdb")));
    gStrMdbName = QStringLiteral("db\\clinic.mdb");
    const QStringList expected = contents(path(QStringLiteral("db/clinic.mdb")));
    EXPECT_TRUE(PFuBolCdbCompact());
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("db/clinic.mdb.bak"))));
    EXPECT_EQ(contents(path(QStringLiteral("db/clinic.mdb"))), expected);
}

TEST_F(CompactTest, CompactedDemoDatabaseStillServesTheStartUp) {
    useDemoDatabase();
    const QByteArray password = gStrDbPassword;
    ASSERT_FALSE(password.isEmpty());
    // The demo database is made of 4 KB pages, and its compacted copy too.
    ASSERT_EQ(pageSize(dbPath(), password), 4096);

    EXPECT_TRUE(PFuBolCdbCompact());
    EXPECT_EQ(pageSize(dbPath(), password), 4096);
    ado::Connection con;
    con.open(dbPath(), password);
    EXPECT_EQ(con.openRecordset(QStringLiteral("SELECT datano FROM m_printinfo"))->recordCount(), 192);
    EXPECT_EQ(con.openRecordset(QStringLiteral("PRAGMA user_version"))->field(0).toLongLong(), 1);
}

TEST_F(CompactTest, CompactedDatabaseKeepsTheFilePermissions) {
    // A database shared by the clinic's users through their group stays shared after compaction.
    const auto shared =
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::WriteGroup;
    ASSERT_TRUE(QFile::setPermissions(dbPath(), shared));
    EXPECT_TRUE(PFuBolCdbCompact());
    EXPECT_EQ(QFile::permissions(dbPath()) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser), shared);
    EXPECT_EQ(logLines().last(), LogLine(kProc, kSuccess));
}
