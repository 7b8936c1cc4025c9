#include <QDir>
#include <QFile>

#include "app/shell/MdlCommADODB.h"
#include "support/DbServicesFixture.h"

using namespace MdlCommADODB;

namespace {

const char* const kClinicDb = "CREATE TABLE m_clinic (clinic_code TEXT PRIMARY KEY, clinic_name TEXT);"
                              "INSERT INTO m_clinic VALUES ('0001', 'さくら歯科医院');"
                              "INSERT INTO m_clinic VALUES ('0002', NULL);"
                              "CREATE TABLE m_x (a INTEGER);"
                              "INSERT INTO m_x VALUES (1);";

class MdlCommADODBTest : public DbServicesFixture {
protected:
    void SetUp() override {
        DbServicesFixture::SetUp();
        createDb(kClinicDb);
    }

    std::unique_ptr<ado::Connection> connect() {
        std::unique_ptr<ado::Connection> con;
        EXPECT_TRUE(PFuBolDBConnect(con));
        return con;
    }

    long rows(ado::Connection& con, const QString& table) {
        long n = -1;
        std::unique_ptr<ado::Recordset> rs;
        EXPECT_TRUE(PFuBolExecuteSql(QStringLiteral("SELECT * FROM ") + table, con, n, 1, rs));
        return n;
    }

    // The one box shown: its text must be the message, CR LF and the description.
    void expectOneBox(const QString& number, const QString& description) {
        const auto shown = msgbox::shown();
        ASSERT_EQ(shown.size(), 1);
        EXPECT_EQ(shown[0].text, QStringLiteral("失敗") + number + QStringLiteral("\r\n") + description);
    }
};

} // namespace

// ---- connecting ------------------------------------------------------------------------------

TEST_F(MdlCommADODBTest, ConnectOpensTheDatabaseQuietly) {
    auto con = connect();
    ASSERT_TRUE(con);
    EXPECT_TRUE(con->isOpen());
    EXPECT_TRUE(msgbox::shown().isEmpty());
    EXPECT_TRUE(logLines().isEmpty());
    EXPECT_TRUE(PFuDbConClose(*con));
}

TEST_F(MdlCommADODBTest, WrongPasswordShows801LogsOnceAndNeverRevealsThePassword) {
    const QByteArray before = testsupport::readBytes(dbPath());
    gStrDbPassword = QByteArray("Wrong'Pass;word");
    std::unique_ptr<ado::Connection> con;
    EXPECT_FALSE(PFuBolDBConnect(con));
    const QString desc = QStringLiteral("file is encrypted or is not a database");
    expectOneBox(QStringLiteral("801"), desc);
    ASSERT_EQ(logLines(),
              (QList<LogLine>{{"PFuBolDBConnect", QStringLiteral("ＤＢサーバの接続エラー?") + desc}}));
    // The connection variable holds the unopened connection.
    ASSERT_TRUE(con);
    EXPECT_FALSE(con->isOpen());
    EXPECT_EQ(testsupport::readBytes(dbPath()), before);
    // Neither password appears in any box or log line.
    for (const QString& pw : {QString::fromLatin1(gStrDbPassword), QString::fromLatin1(kPassword)}) {
        EXPECT_FALSE(logText().contains(pw));
        EXPECT_FALSE(msgbox::shown()[0].text.contains(pw));
    }
}

TEST_F(MdlCommADODBTest, MissingDatabaseShows801AndCreatesNothing) {
    gStrMdbName = QStringLiteral("gone.mdb");
    std::unique_ptr<ado::Connection> con;
    EXPECT_FALSE(PFuBolDBConnect(con));
    ASSERT_EQ(msgbox::shown().size(), 1);
    ASSERT_EQ(logLines().size(), 1);
    EXPECT_TRUE(logLines()[0].second.startsWith(QStringLiteral("ＤＢサーバの接続エラー?")));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("gone.mdb"))));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).filter(QStringLiteral("gone")), QStringList());
}

TEST_F(MdlCommADODBTest, DatabaseNameWithBackslashesIsFoundInItsSubfolder) {
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("data/db")));
    createDb("CREATE TABLE t (a INTEGER);", path(QStringLiteral("data/db/clinic.mdb")));
    gStrMdbName = QStringLiteral("data\\db\\clinic.mdb");
    auto con = connect();
    ASSERT_TRUE(con && con->isOpen());
    EXPECT_EQ(rows(*con, QStringLiteral("t")), 0);
}

TEST_F(MdlCommADODBTest, ConnectionTextIsFormedForTheRecordOnly) {
    EXPECT_EQ(connectionText(), QStringLiteral("Provider=SQLCipher;Data Source=") + dir.path() +
                                    QStringLiteral("/Orvanta.mdb;Jet OLEDB:Database Password=pa'ss;w=rd7"));
    connect();
    EXPECT_FALSE(logText().contains(QStringLiteral("Password")));
}

// ---- running SQL -----------------------------------------------------------------------------

TEST_F(MdlCommADODBTest, Mode0OpensARecordsetWithItsExactCount) {
    auto con = connect();
    long count = -1;
    std::unique_ptr<ado::Recordset> rs;
    ASSERT_TRUE(
        PFuBolExecuteSql(QStringLiteral("SELECT clinic_code, IIF(ISNULL(clinic_name),'',clinic_name) AS "
                                        "clinic_name FROM m_clinic ORDER BY clinic_code"),
                         *con, count, 0, rs));
    EXPECT_EQ(count, 2);
    ASSERT_TRUE(rs && rs->isOpen());
    EXPECT_EQ(rs->field(QStringLiteral("clinic_name")).toString(), QStringLiteral("さくら歯科医院"));
    rs->moveNext();
    EXPECT_EQ(rs->field(QStringLiteral("clinic_name")).toString(), QString());
    EXPECT_TRUE(PFuDbRsClose(*rs));
    EXPECT_TRUE(PFuDbConClose(*con));
    EXPECT_TRUE(msgbox::shown().isEmpty());
}

TEST_F(MdlCommADODBTest, Mode0OnAnEmptyResultIsAtItsEnd) {
    auto con = connect();
    long count = 99;
    std::unique_ptr<ado::Recordset> rs;
    ASSERT_TRUE(PFuBolExecuteSql(QStringLiteral("SELECT * FROM m_clinic WHERE clinic_code = 'x'"), *con,
                                 count, 0, rs));
    EXPECT_EQ(count, 0);
    ASSERT_TRUE(rs && rs->isOpen());
    EXPECT_TRUE(rs->eof());
    EXPECT_THROW(rs->field(QStringLiteral("clinic_code")), VbError);
}

TEST_F(MdlCommADODBTest, Mode1CountsASelectInAnyCaseAfterBlanks) {
    auto con = connect();
    long count = -1;
    auto rs = std::make_unique<ado::Recordset>();
    ASSERT_TRUE(PFuBolExecuteSql(QStringLiteral("  select * from m_clinic"), *con, count, 1, rs));
    EXPECT_EQ(count, 2);
    EXPECT_FALSE(rs);
    ASSERT_TRUE(PFuBolExecuteSql(QStringLiteral("SeLeCt * from m_x "), *con, count, 1, rs));
    EXPECT_EQ(count, 1);
}

TEST_F(MdlCommADODBTest, Mode1ExecutesCommandsAndGivesRowsAffected) {
    auto con = connect();
    long count = -1;
    std::unique_ptr<ado::Recordset> rs;
    ASSERT_TRUE(PFuBolExecuteSql(QStringLiteral("UPDATE m_x SET a = 5 WHERE a = 99"), *con, count, 1, rs));
    EXPECT_EQ(count, 0);
    ASSERT_TRUE(PFuBolExecuteSql(QStringLiteral("INSERT INTO m_x (a) VALUES (2)"), *con, count, 1, rs));
    EXPECT_EQ(count, 1);
    ASSERT_TRUE(PFuBolExecuteSql(QStringLiteral("update m_x set a = a + 10"), *con, count, 1, rs));
    EXPECT_EQ(count, 2);
}

TEST_F(MdlCommADODBTest, OtherModesDoNothing) {
    auto con = connect();
    long count = 42;
    auto rs = con->openRecordset(QStringLiteral("SELECT a FROM m_x"));
    const ado::Recordset* held = rs.get();
    EXPECT_TRUE(PFuBolExecuteSql(QStringLiteral("DELETE FROM m_x"), *con, count, 2, rs));
    EXPECT_TRUE(PFuBolExecuteSql(QStringLiteral("not even sql"), *con, count, -1, rs));
    EXPECT_EQ(count, 42);
    EXPECT_EQ(rs.get(), held);
    EXPECT_EQ(rows(*con, QStringLiteral("m_x")), 1);
    EXPECT_TRUE(msgbox::shown().isEmpty());
}

TEST_F(MdlCommADODBTest, SyntaxErrorInMode0Shows802AndLogsThreeLines) {
    auto con = connect();
    long count = 7;
    std::unique_ptr<ado::Recordset> rs;
    const QString sql = QStringLiteral("SELEC * FROM m_clinic");
    EXPECT_FALSE(PFuBolExecuteSql(sql, *con, count, 0, rs));
    const auto lines = logLines();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0],
              LogLine("PFuBolExecuteSql", QStringLiteral("ＳＱＬの発行(レコードセット取得)に失敗しました")));
    EXPECT_EQ(lines[1].first, QStringLiteral("PFuBolExecuteSql"));
    EXPECT_TRUE(lines[1].second.contains(QStringLiteral("syntax error")));
    EXPECT_EQ(lines[2], LogLine("PFuBolExecuteSql", QStringLiteral("SQL:") + sql));
    expectOneBox(QStringLiteral("802"), lines[1].second);
    EXPECT_EQ(count, 7);
    // The variable holds a recordset that never opened.
    ASSERT_TRUE(rs);
    EXPECT_FALSE(rs->isOpen());
}

TEST_F(MdlCommADODBTest, FailedCommandLogsTheExecuteText) {
    auto con = connect();
    long count = 0;
    std::unique_ptr<ado::Recordset> rs;
    EXPECT_FALSE(PFuBolExecuteSql(QStringLiteral("INSERT INTO m_none VALUES (1)"), *con, count, 1, rs));
    const auto lines = logLines();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0].second, QStringLiteral("ＳＱＬの実行に失敗しました"));
    EXPECT_EQ(lines[1].second, QStringLiteral("no such table: m_none"));
    EXPECT_EQ(lines[2].second, QStringLiteral("SQL:INSERT INTO m_none VALUES (1)"));
}

TEST_F(MdlCommADODBTest, TwoStatementsInOneTextFailAndChangeNothing) {
    auto con = connect();
    long count = 0;
    std::unique_ptr<ado::Recordset> rs;
    EXPECT_FALSE(PFuBolExecuteSql(QStringLiteral("UPDATE m_x SET a=1; DELETE FROM m_x"), *con, count, 1, rs));
    ASSERT_EQ(msgbox::shown().size(), 1);
    EXPECT_EQ(rows(*con, QStringLiteral("m_x")), 1);
}

TEST_F(MdlCommADODBTest, ARefusedTextStillLetsTheConnectionClose) {
    auto con = connect();
    long count = 0;
    std::unique_ptr<ado::Recordset> rs;
    EXPECT_FALSE(PFuBolExecuteSql(QStringLiteral("SELECT * FROM m_x; SELECT 1"), *con, count, 0, rs));
    EXPECT_FALSE(PFuBolExecuteSql(QStringLiteral("UPDATE m_x SET a=1; DELETE FROM m_x"), *con, count, 1, rs));
    msgbox::clearShown();
    EXPECT_TRUE(PFuDbConClose(*con)); // no 807: nothing was left prepared
    EXPECT_TRUE(msgbox::shown().isEmpty());
}

// ---- transactions and closing ----------------------------------------------------------------

TEST_F(MdlCommADODBTest, RollbackLeavesTheTableUnchanged) {
    auto con = connect();
    long count = 0;
    std::unique_ptr<ado::Recordset> rs;
    ASSERT_TRUE(PFuBolDbBeginTrans(*con));
    ASSERT_TRUE(PFuBolExecuteSql(QStringLiteral("INSERT INTO m_x VALUES (2)"), *con, count, 1, rs));
    EXPECT_EQ(rows(*con, QStringLiteral("m_x")), 2);
    ASSERT_TRUE(PFuBolDbRollback(*con));
    EXPECT_EQ(rows(*con, QStringLiteral("m_x")), 1);
    ASSERT_TRUE(PFuBolDbBeginTrans(*con));
    ASSERT_TRUE(PFuBolExecuteSql(QStringLiteral("INSERT INTO m_x VALUES (3)"), *con, count, 1, rs));
    ASSERT_TRUE(PFuBolDbCommitTrans(*con));
    ASSERT_TRUE(PFuDbConClose(*con));
    auto again = connect();
    EXPECT_EQ(rows(*again, QStringLiteral("m_x")), 2);
    EXPECT_TRUE(msgbox::shown().isEmpty());
}

TEST_F(MdlCommADODBTest, TransactionFailuresShowTheirNumbers) {
    auto con = connect();
    EXPECT_FALSE(PFuBolDbRollback(*con));
    EXPECT_FALSE(PFuBolDbCommitTrans(*con));
    ASSERT_TRUE(PFuBolDbBeginTrans(*con));
    EXPECT_FALSE(PFuBolDbBeginTrans(*con));
    const auto lines = logLines();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0],
              LogLine("PFuBolDbRollback",
                      QStringLiteral(
                          "ＤＢサーバーのロールバックエラー?cannot rollback - no transaction is active")));
    EXPECT_EQ(
        lines[1],
        LogLine(
            "PFuBolDbCommitTrans",
            QStringLiteral(
                "ＤＢサーバーのトランザクションのコミットエラー?cannot commit - no transaction is active")));
    EXPECT_EQ(lines[2].first, QStringLiteral("PFuBolDbBeginTrans"));
    EXPECT_TRUE(lines[2].second.startsWith(QStringLiteral("ＤＢサーバーのトランザクションの開始エラー?")));
    const auto shown = msgbox::shown();
    ASSERT_EQ(shown.size(), 3);
    EXPECT_TRUE(shown[0].text.startsWith(QStringLiteral("失敗804\r\n")));
    EXPECT_TRUE(shown[1].text.startsWith(QStringLiteral("失敗803\r\n")));
    EXPECT_TRUE(shown[2].text.startsWith(QStringLiteral("失敗805\r\n")));
}

TEST_F(MdlCommADODBTest, DiskFullDuringASaveEndsTheTransaction) {
    auto con = connect();
    con->execute(QStringLiteral("PRAGMA max_page_count = 4"));
    long count = 0;
    std::unique_ptr<ado::Recordset> rs;
    ASSERT_TRUE(PFuBolDbBeginTrans(*con));
    bool ok = true;
    for (int i = 0; i < 40 && ok; ++i)
        ok = PFuBolExecuteSql(QStringLiteral("INSERT INTO m_x VALUES (hex(randomblob(4000)))"), *con, count,
                              1, rs);
    EXPECT_FALSE(ok);
    ASSERT_GE(logLines().size(), 2);
    EXPECT_EQ(logLines()[1].second, QStringLiteral("database or disk is full"));
    EXPECT_FALSE(con->inTransaction());
    // The save's rollback then succeeds quietly: the work is undone, and the user sees the one
    // failure that happened, not a second box about the rollback.
    EXPECT_TRUE(PFuBolDbRollback(*con));
    EXPECT_EQ(msgbox::shown().size(), 1);
    EXPECT_EQ(logLines().size(), 3);
    EXPECT_EQ(rows(*con, QStringLiteral("m_x")), 1);
    EXPECT_TRUE(PFuDbConClose(*con));
}

TEST_F(MdlCommADODBTest, ClosingTwiceShows806And807) {
    auto con = connect();
    long count = 0;
    std::unique_ptr<ado::Recordset> rs;
    ASSERT_TRUE(PFuBolExecuteSql(QStringLiteral("SELECT * FROM m_x"), *con, count, 0, rs));
    EXPECT_TRUE(PFuDbRsClose(*rs));
    EXPECT_FALSE(PFuDbRsClose(*rs));
    EXPECT_TRUE(PFuDbConClose(*con));
    EXPECT_FALSE(PFuDbConClose(*con));
    EXPECT_EQ(logLines(), (QList<LogLine>{{"PFuDbRsClose", QStringLiteral("レコードセットのクローズ失敗")},
                                          {"PFuDbConClose", QStringLiteral("コネクションのクローズ失敗")}}));
    const auto shown = msgbox::shown();
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown[0].text,
              QStringLiteral("失敗806\r\nオブジェクトが閉じている場合は、操作は許可されません。"));
    EXPECT_EQ(shown[1].text,
              QStringLiteral("失敗807\r\nオブジェクトが閉じている場合は、操作は許可されません。"));
}

TEST_F(MdlCommADODBTest, FailuresAfterTheServicesAreReleasedStillReturnFalse) {
    gObjLogging.reset();
    gObjMessage.reset();
    gStrDbPassword = QByteArray("wrong");
    std::unique_ptr<ado::Connection> con;
    EXPECT_FALSE(PFuBolDBConnect(con));
    EXPECT_TRUE(msgbox::shown().isEmpty());
}
