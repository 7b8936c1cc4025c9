#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "TestDb.h"
#include "platform/ado/Ado.h"
#include "support/TestSupport.h"

using ado::Connection;

namespace {

const QByteArray kKey("s3cret'key;=x");

class AdoTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        dbPath = dir.filePath(QStringLiteral("clinic.mdb"));
        testdb::create(dbPath, kKey,
                       "CREATE TABLE m_x (id INTEGER PRIMARY KEY, code TEXT, name TEXT, rate REAL);"
                       "INSERT INTO m_x VALUES (1, '001', 'alpha', 1.5);"
                       "INSERT INTO m_x VALUES (2, '002', NULL, 2.5);"
                       "INSERT INTO m_x VALUES (3, '003', 'gamma', NULL);");
    }

    long count(Connection& con, const QString& where = QString()) {
        auto rs = con.openRecordset(QStringLiteral("SELECT id FROM m_x ") + where);
        return static_cast<long>(rs->recordCount());
    }

    // Expects fn to throw VbError with the given number (one of the data objects' own, so with its
    // standard text); returns its description.
    template <typename Fn> static QString errorOf(Fn fn, long number = -1) {
        try {
            fn();
        } catch (const VbError& e) {
            if (number != -1) {
                EXPECT_EQ(e.number(), number) << e.description().toStdString();
                EXPECT_EQ(e.description(), vbErrorText(number));
            }
            return e.description();
        }
        ADD_FAILURE() << "no error";
        return QString();
    }

    // Caps the file one page above its size, so that the inserts that follow run out of room;
    // returns the engine's description of the failure.
    QString fillUntilDiskFull(Connection& con) {
        const long pages =
            static_cast<long>(con.openRecordset(QStringLiteral("PRAGMA page_count"))->field(0).toLongLong());
        con.execute(QStringLiteral("PRAGMA max_page_count = %1").arg(pages + 1));
        return errorOf([&] {
            for (int i = 0; i < 50; ++i)
                con.execute(QStringLiteral("INSERT INTO m_x (id, code) VALUES (%1, hex(randomblob(3000)))")
                                .arg(100 + i));
        });
    }

    QTemporaryDir dir;
    QString dbPath;
};

} // namespace

// ---- connecting ------------------------------------------------------------------------------

TEST_F(AdoTest, OpenWithTheRightKeyReadsTheData) {
    Connection con;
    con.open(dbPath, kKey);
    EXPECT_TRUE(con.isOpen());
    EXPECT_EQ(count(con), 3);
    con.close();
    EXPECT_FALSE(con.isOpen());
}

TEST_F(AdoTest, WrongKeyFailsAtOpenAndLeavesTheFileAsItWas) {
    const QByteArray before = testsupport::readBytes(dbPath);
    Connection con;
    const QString desc = errorOf([&] { con.open(dbPath, QByteArray("wrong")); });
    EXPECT_EQ(desc, QStringLiteral("file is encrypted or is not a database"));
    EXPECT_FALSE(con.isOpen());
    EXPECT_EQ(testsupport::readBytes(dbPath), before);
    // The same object can then open with the right key.
    con.open(dbPath, kKey);
    EXPECT_EQ(count(con), 3);
}

TEST_F(AdoTest, MissingFileFailsAndIsNeverCreated) {
    const QString missing = dir.filePath(QStringLiteral("nothere.mdb"));
    Connection con;
    const QString desc = errorOf([&] { con.open(missing, kKey); });
    EXPECT_FALSE(desc.isEmpty());
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_FALSE(QFile::exists(missing + QStringLiteral("-journal")));
}

TEST_F(AdoTest, KeyWithNulAndHighBytesIsUsedWhole) {
    const QByteArray key("\x00pw\x83\x65", 5);
    const QString path = dir.filePath(QStringLiteral("nul.mdb"));
    testdb::create(path, key, "CREATE TABLE t (a INTEGER); INSERT INTO t VALUES (7);");
    Connection con;
    errorOf([&] { con.open(path, QByteArray("\x00pw", 3)); });
    con.open(path, key);
    EXPECT_EQ(con.openRecordset(QStringLiteral("SELECT a FROM t"))->field(0).toLongLong(), 7);
}

TEST_F(AdoTest, OpenTwiceAndCloseTwiceAreErrors) {
    Connection con;
    errorOf([&] { con.close(); }, 3704);
    con.open(dbPath, kKey);
    errorOf([&] { con.open(dbPath, kKey); }, 3705);
    con.close();
    errorOf([&] { con.close(); }, 3704);
    errorOf([&] { con.execute(QStringLiteral("DELETE FROM m_x")); }, 3704);
}

// ---- recordsets ------------------------------------------------------------------------------

TEST_F(AdoTest, RecordsetHoldsEveryRowAndReadsFieldsByNameOrPosition) {
    Connection con;
    con.open(dbPath, kKey);
    auto rs =
        con.openRecordset(QStringLiteral("SELECT m_x.id, code, name AS Label, rate FROM m_x ORDER BY id"));
    ASSERT_TRUE(rs->isOpen());
    EXPECT_EQ(rs->recordCount(), 3);
    EXPECT_EQ(rs->fieldNames(), (QStringList{"id", "code", "Label", "rate"}));
    EXPECT_FALSE(rs->eof());
    EXPECT_FALSE(rs->bof());
    // Names without case; a table prefix does not become part of the name.
    EXPECT_EQ(rs->field(QStringLiteral("ID")).toLongLong(), 1);
    EXPECT_EQ(rs->field(QStringLiteral("label")).toString(), QStringLiteral("alpha"));
    EXPECT_EQ((*rs)[QStringLiteral("CODE")].toString(), QStringLiteral("001"));
    EXPECT_DOUBLE_EQ(rs->field(3).toDouble(), 1.5);
    rs->moveNext();
    EXPECT_TRUE(rs->field(QStringLiteral("label")).isNull());
    rs->moveNext();
    EXPECT_TRUE(rs->field(QStringLiteral("rate")).isNull());
    rs->moveNext();
    EXPECT_TRUE(rs->eof());
    errorOf([&] { rs->moveNext(); }, 3021);
    rs->moveFirst();
    EXPECT_EQ(rs->field(0).toLongLong(), 1);
    rs->close();
    EXPECT_FALSE(rs->isOpen());
    errorOf([&] { rs->close(); }, 3704);
}

TEST_F(AdoTest, EmptyResultIsAtItsEndAndFieldAccessRaises) {
    Connection con;
    con.open(dbPath, kKey);
    auto rs = con.openRecordset(QStringLiteral("SELECT id, code FROM m_x WHERE id > 99"));
    EXPECT_EQ(rs->recordCount(), 0);
    EXPECT_TRUE(rs->eof());
    EXPECT_EQ(rs->fieldCount(), 2);
    errorOf([&] { rs->field(QStringLiteral("code")); }, 3021);
    errorOf([&] { rs->field(0); }, 3021);
}

TEST_F(AdoTest, UnknownFieldNameOrPositionRaises) {
    Connection con;
    con.open(dbPath, kKey);
    auto rs = con.openRecordset(QStringLiteral("SELECT id FROM m_x"));
    errorOf([&] { rs->field(QStringLiteral("nope")); }, 3265);
    errorOf([&] { rs->field(1); }, 3265);
    errorOf([&] { rs->field(-1); }, 3265);
}

TEST_F(AdoTest, NullIsDistinctFromEmptyAndCannotBeReadAsTextOrNumber) {
    Connection con;
    con.open(dbPath, kKey);
    auto rs = con.openRecordset(QStringLiteral("SELECT name, '' AS empty, rate FROM m_x WHERE id = 2"));
    const ado::Field name = rs->field(QStringLiteral("name"));
    EXPECT_TRUE(name.isNull());
    EXPECT_FALSE(rs->field(QStringLiteral("empty")).isNull());
    EXPECT_EQ(rs->field(QStringLiteral("empty")).toString(), QString());
    EXPECT_EQ(errorOf([&] { name.toString(); }, 94), QStringLiteral("Null の使い方が不正です。"));
    errorOf([&] { name.toDouble(); }, 94);
    errorOf([&] { name.toLongLong(); }, 94);
}

TEST_F(AdoTest, FieldConversionsFollowTheProgramsRules) {
    Connection con;
    con.open(dbPath, kKey);
    auto rs = con.openRecordset(QStringLiteral(
        "SELECT 2.5 AS half, 3.5 AS half2, ' 12 ' AS padded, 'abc' AS word, 3.0 AS whole, 0.1 + 0.2 AS sum"));
    // Whole numbers round halves to the even neighbour.
    EXPECT_EQ(rs->field(QStringLiteral("half")).toLongLong(), 2);
    EXPECT_EQ(rs->field(QStringLiteral("half2")).toLongLong(), 4);
    EXPECT_DOUBLE_EQ(rs->field(QStringLiteral("padded")).toDouble(), 12.0);
    errorOf([&] { rs->field(QStringLiteral("word")).toDouble(); }, 13);
    EXPECT_EQ(rs->field(QStringLiteral("whole")).toString(), QStringLiteral("3"));
    EXPECT_EQ(rs->field(QStringLiteral("sum")).toString(), QStringLiteral("0.3"));
}

TEST_F(AdoTest, FieldsKeepTheirValueAfterTheRecordsetAndCompareByKindAndValue) {
    Connection con;
    con.open(dbPath, kKey);
    // The same row twice: each value read from the second row is the same as the first row's.
    const QString row = QStringLiteral("SELECT 7 AS i, '7' AS t, NULL AS n, '' AS e, x'00ff' AS b, 1.5 AS r, "
                                       "'歯科' AS j, ' 7' AS s");
    auto rs = con.openRecordset(row + QStringLiteral(" UNION ALL ") + row);
    std::vector<ado::Field> first, second;
    for (int i = 0; i < rs->fieldCount(); ++i)
        first.push_back(rs->field(i));
    rs->moveNext();
    for (int i = 0; i < rs->fieldCount(); ++i)
        second.push_back(rs->field(i));
    rs->close();
    rs.reset();

    const struct {
        QMetaType::Type type; // of value(); Null is no type
        const char* text;     // toString(); nullptr: Null (error 94)
    } want[] = {{QMetaType::LongLong, "7"},   {QMetaType::QString, "7"},    {QMetaType::UnknownType, nullptr},
                {QMetaType::QString, ""},     {QMetaType::QByteArray, "?"}, {QMetaType::Double, "1.5"},
                {QMetaType::QString, "歯科"}, {QMetaType::QString, " 7"}};
    ASSERT_EQ(first.size(), std::size(want));
    for (size_t i = 0; i < first.size(); ++i) {
        const ado::Field& f = first[i];
        EXPECT_EQ(f.value().typeId(), want[i].type) << f.name().toStdString();
        EXPECT_EQ(f.isNull(), want[i].text == nullptr) << f.name().toStdString();
        if (want[i].type == QMetaType::QByteArray) {
            EXPECT_EQ(f.toString(), QString::fromUtf8(QByteArray("\x00\xff", 2))); // as its bytes read
        } else if (want[i].text) {
            EXPECT_EQ(f.toString(), QString::fromUtf8(want[i].text)) << f.name().toStdString();
        }
        if (!want[i].text)
            errorOf([&] { f.toString(); }, 94);
        // The same value on both rows, and different from every other column's (7 and '7' included).
        for (size_t j = 0; j < second.size(); ++j)
            EXPECT_EQ(f.sameValue(second[j]), i == j) << f.name().toStdString() << " " << j;
    }
    EXPECT_EQ(first[4].value().toByteArray(), QByteArray("\x00\xff", 2));
    // An empty text is not a null string; a field on its own compares by its value.
    EXPECT_FALSE(first[3].toString().isNull());
    EXPECT_TRUE(first[0].sameValue(ado::Field(QStringLiteral("x"), QVariant(qint64(7)))));
    EXPECT_TRUE(first[2].sameValue(ado::Field()));
    EXPECT_FALSE(first[3].sameValue(ado::Field()));
}

TEST_F(AdoTest, EveryValueOfALargeResultIsReadBackWhole) {
    Connection con;
    con.open(dbPath, kKey);
    // Thousands of texts of every length up to 700 characters, one far longer, numbers between them.
    auto rs = con.openRecordset(QStringLiteral(
        "WITH RECURSIVE seq(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM seq WHERE n < 4000) "
        "SELECT n, replace(hex(zeroblob(CASE WHEN n = 2500 THEN 150000 ELSE n % 700 END)), '00', 'あ') || n "
        "AS t, n * 0.5 AS h FROM seq"));
    ASSERT_EQ(rs->recordCount(), 4000);
    int wrong = 0;
    for (int n = 1; !rs->eof(); rs->moveNext(), ++n) {
        const QString t = QString(n == 2500 ? 150000 : n % 700, QChar(u'あ')) + QString::number(n);
        wrong += rs->field(0).toLongLong() != n || rs->field(QStringLiteral("t")).toString() != t ||
                 rs->field(2).toDouble() != n * 0.5;
    }
    EXPECT_EQ(wrong, 0);
}

TEST_F(AdoTest, RecordsetHoldsNoReadLockOnceOpen) {
    Connection reader;
    reader.open(dbPath, kKey);
    auto rs = reader.openRecordset(QStringLiteral("SELECT id FROM m_x"));
    // Another connection can write at once while the recordset is still in use.
    Connection writer;
    writer.open(dbPath, kKey);
    writer.beginTrans();
    EXPECT_EQ(writer.execute(QStringLiteral("DELETE FROM m_x WHERE id = 3")), 1);
    writer.commitTrans();
    EXPECT_EQ(rs->recordCount(), 3);
    EXPECT_EQ(count(reader), 2);
}

TEST_F(AdoTest, StatementThatReturnsNoRowsDoesNotOpenARecordsetAndDoesNotRun) {
    Connection con;
    con.open(dbPath, kKey);
    errorOf([&] { con.openRecordset(QStringLiteral("DELETE FROM m_x")); });
    EXPECT_EQ(count(con), 3);
}

// ---- commands --------------------------------------------------------------------------------

TEST_F(AdoTest, ExecuteReportsRowsAffected) {
    Connection con;
    con.open(dbPath, kKey);
    EXPECT_EQ(con.execute(QStringLiteral("UPDATE m_x SET code = 'z' WHERE id >= 2")), 2);
    EXPECT_EQ(con.execute(QStringLiteral("UPDATE m_x SET code = 'z' WHERE id = 99")), 0);
    EXPECT_EQ(con.execute(QStringLiteral("INSERT INTO m_x (id, code) VALUES (4, 'd');")), 1);
    // A statement that changes nothing reports 0, not the count of the statement before it.
    EXPECT_EQ(con.execute(QStringLiteral("CREATE TABLE m_y (a INTEGER)")), 0);
    EXPECT_EQ(con.execute(QStringLiteral("DELETE FROM m_x")), 4);
}

TEST_F(AdoTest, OnlyOneStatementPerText) {
    Connection con;
    con.open(dbPath, kKey);
    const QString desc =
        errorOf([&] { con.execute(QStringLiteral("UPDATE m_x SET code = 'q'; DELETE FROM m_x")); }, 3142);
    EXPECT_EQ(desc, QStringLiteral("SQL ステートメントの後に文字が見つかりました。"));
    // Nothing of the text ran.
    EXPECT_EQ(count(con, QStringLiteral("WHERE code = 'q'")), 0);
    EXPECT_EQ(count(con), 3);
    errorOf([&] { con.openRecordset(QStringLiteral("SELECT id FROM m_x; SELECT 1")); }, 3142);
    // Blanks, line breaks and semicolons after the statement are fine.
    EXPECT_EQ(con.execute(QStringLiteral("UPDATE m_x SET code = 'q' WHERE id = 1 ; ;\r\n ")), 1);
    // A text with no statement at all is an error.
    errorOf([&] { con.execute(QStringLiteral("  ;  ")); });
}

TEST_F(AdoTest, RefusedTextsLeaveNoStatementBehindAndTheConnectionClosesWithItsFile) {
    auto openDescriptors = [] {
        return QDir(QStringLiteral("/proc/self/fd"))
            .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)
            .size();
    };
    struct Refused {
        const char* sql;
        bool asCommand; // refused by execute as well as by openRecordset
    } const refused[] = {
        {"SELECT id FROM m_x; SELECT 1", true}, // a second statement after a good prepare
        {"UPDATE m_x SET code = 'q'; DELETE FROM m_x", true},
        {"SELECT nothing FROM m_none", true}, // the prepare itself fails
        {"UPDATE m_x SET code = 'q'", false}, // no rows to open a recordset on
    };
    const auto before = openDescriptors();
    for (int round = 0; round < 10; ++round) {
        Connection con;
        con.open(dbPath, kKey);
        for (const Refused& r : refused) {
            EXPECT_THROW(con.openRecordset(QString::fromUtf8(r.sql)), VbError) << r.sql;
            if (r.asCommand) {
                EXPECT_THROW(con.execute(QString::fromUtf8(r.sql)), VbError) << r.sql;
            }
        }
        EXPECT_NO_THROW(con.close());
    }
    EXPECT_EQ(openDescriptors(), before);
    Connection con;
    con.open(dbPath, kKey);
    EXPECT_EQ(count(con, QStringLiteral("WHERE code = 'q'")), 0); // nothing of the refused texts ran
    EXPECT_EQ(count(con), 3);
}

TEST_F(AdoTest, SyntaxErrorCarriesTheEnginesText) {
    Connection con;
    con.open(dbPath, kKey);
    const QString desc = errorOf([&] { con.openRecordset(QStringLiteral("SELEC id FROM m_x")); });
    EXPECT_TRUE(desc.contains(QStringLiteral("syntax error"))) << desc.toStdString();
}

// ---- the program's Jet calls -----------------------------------------------------------------

TEST(JetSql, IsNullCallIsRewrittenOutsideQuotedText) {
    using ado::rewriteJetSql;
    EXPECT_EQ(rewriteJetSql(QStringLiteral("SELECT IIF(ISNULL(a),'',a) AS a FROM t")),
              QStringLiteral("SELECT IIF(JET_ISNULL(a),'',a) AS a FROM t"));
    EXPECT_EQ(rewriteJetSql(QStringLiteral("select isnull (a), IsNull\t(b)")),
              QStringLiteral("select JET_ISNULL(a), JET_ISNULL(b)"));
    // Inside literals and quoted names it stays, doubled quotes included.
    EXPECT_EQ(rewriteJetSql(QStringLiteral("SELECT 'ISNULL(x)', 'it''s ISNULL(' FROM t")),
              QStringLiteral("SELECT 'ISNULL(x)', 'it''s ISNULL(' FROM t"));
    EXPECT_EQ(rewriteJetSql(QStringLiteral("SELECT \"ISNULL(\", [ISNULL(] FROM t")),
              QStringLiteral("SELECT \"ISNULL(\", [ISNULL(] FROM t"));
    // The engine's postfix form and longer names are left alone.
    EXPECT_EQ(rewriteJetSql(QStringLiteral("WHERE a ISNULL AND b")), QStringLiteral("WHERE a ISNULL AND b"));
    EXPECT_EQ(rewriteJetSql(QStringLiteral("SELECT myisnull(a), isnull_x(b)")),
              QStringLiteral("SELECT myisnull(a), isnull_x(b)"));
    // After a literal the call is found again.
    EXPECT_EQ(rewriteJetSql(QStringLiteral("SELECT 'a', ISNULL(b)")),
              QStringLiteral("SELECT 'a', JET_ISNULL(b)"));
}

TEST_F(AdoTest, IifAndIsNullWorkAsTheProgramUsesThem) {
    Connection con;
    con.open(dbPath, kKey);
    auto rs = con.openRecordset(QStringLiteral(
        "SELECT id, IIF(ISNULL(name),'',name) AS name, ISNULL(rate) AS norate FROM m_x ORDER BY id"));
    EXPECT_EQ(rs->field(QStringLiteral("name")).toString(), QStringLiteral("alpha"));
    EXPECT_EQ(rs->field(QStringLiteral("norate")).toLongLong(), 0);
    rs->moveNext();
    EXPECT_FALSE(rs->field(QStringLiteral("name")).isNull());
    EXPECT_EQ(rs->field(QStringLiteral("name")).toString(), QString());
    rs->moveNext();
    EXPECT_EQ(rs->field(QStringLiteral("norate")).toLongLong(), -1);

    auto iif = con.openRecordset(
        QStringLiteral("SELECT iif(NULL, 'a', 'b') AS n, IIF(0, 'a', 'b') AS z, IIF(-1, 'a', 'b') AS t, "
                       "IIF(2 > 1, 'a', NULL) AS c, 'ISNULL(' AS lit"));
    EXPECT_EQ(iif->field(QStringLiteral("n")).toString(), QStringLiteral("b"));
    EXPECT_EQ(iif->field(QStringLiteral("z")).toString(), QStringLiteral("b"));
    EXPECT_EQ(iif->field(QStringLiteral("t")).toString(), QStringLiteral("a"));
    EXPECT_EQ(iif->field(QStringLiteral("c")).toString(), QStringLiteral("a"));
    EXPECT_EQ(iif->field(QStringLiteral("lit")).toString(), QStringLiteral("ISNULL("));
    // The postfix test of the engine still works.
    EXPECT_EQ(count(con, QStringLiteral("WHERE name ISNULL")), 1);
}

TEST(SqlQuote, DoublesEverySingleQuote) {
    EXPECT_EQ(ado::sqlQuote(QStringLiteral("O'Brien")), QStringLiteral("O''Brien"));
    EXPECT_EQ(ado::sqlQuote(QStringLiteral("''")), QStringLiteral("''''"));
    EXPECT_EQ(ado::sqlQuote(QStringLiteral("0001")), QStringLiteral("0001"));
    EXPECT_EQ(ado::sqlQuote(QString()), QString());
}

TEST_F(AdoTest, QuotedValueCannotChangeTheStatement) {
    Connection con;
    con.open(dbPath, kKey);
    const QString typed = QStringLiteral("x' OR '1'='1");
    auto rs = con.openRecordset(QStringLiteral("SELECT id FROM m_x WHERE code = '") + ado::sqlQuote(typed) +
                                QStringLiteral("'"));
    EXPECT_EQ(rs->recordCount(), 0);
    con.execute(QStringLiteral("UPDATE m_x SET name = '") + ado::sqlQuote(QStringLiteral("it's")) +
                QStringLiteral("' WHERE id = 1"));
    EXPECT_EQ(con.openRecordset(QStringLiteral("SELECT name FROM m_x WHERE id = 1"))->field(0).toString(),
              QStringLiteral("it's"));
}

// ---- transactions ----------------------------------------------------------------------------

TEST_F(AdoTest, RollbackUndoesAndCommitKeeps) {
    Connection con;
    con.open(dbPath, kKey);
    EXPECT_FALSE(con.inTransaction());
    con.beginTrans();
    EXPECT_TRUE(con.inTransaction());
    con.execute(QStringLiteral("INSERT INTO m_x (id, code) VALUES (10, 'r')"));
    EXPECT_EQ(count(con), 4); // the transaction sees its own change
    con.rollbackTrans();
    EXPECT_FALSE(con.inTransaction());
    EXPECT_EQ(count(con), 3);

    con.beginTrans();
    con.execute(QStringLiteral("INSERT INTO m_x (id, code) VALUES (11, 'c')"));
    con.commitTrans();
    con.close();
    Connection again;
    again.open(dbPath, kKey);
    EXPECT_EQ(count(again), 4);
}

TEST_F(AdoTest, TransactionCallsOutOfOrderAreErrors) {
    Connection con;
    con.open(dbPath, kKey);
    EXPECT_TRUE(errorOf([&] { con.rollbackTrans(); }).contains(QStringLiteral("no transaction")));
    EXPECT_TRUE(errorOf([&] { con.commitTrans(); }).contains(QStringLiteral("no transaction")));
    con.beginTrans();
    errorOf([&] { con.beginTrans(); });
    EXPECT_TRUE(con.inTransaction());
    con.rollbackTrans();
}

TEST_F(AdoTest, ClosingWithAnOpenTransactionDiscardsIt) {
    Connection con;
    con.open(dbPath, kKey);
    con.beginTrans();
    con.execute(QStringLiteral("DELETE FROM m_x"));
    con.close();
    Connection again;
    again.open(dbPath, kKey);
    EXPECT_EQ(count(again), 3);
}

TEST_F(AdoTest, DiskFullInsideATransactionEndsTheTransaction) {
    Connection con;
    con.open(dbPath, kKey);
    con.beginTrans();
    con.execute(QStringLiteral("INSERT INTO m_x (id, code) VALUES (20, 'small')"));
    const QString desc = fillUntilDiskFull(con);
    EXPECT_EQ(desc, QStringLiteral("database or disk is full"));
    // The engine rolled the whole transaction back by itself.
    EXPECT_FALSE(con.inTransaction());
    EXPECT_EQ(count(con), 3);
    // The caller's rollback finds the work undone, as it asks, and is no error; a second one is.
    con.rollbackTrans();
    EXPECT_FALSE(con.inTransaction());
    EXPECT_TRUE(errorOf([&] { con.rollbackTrans(); }).contains(QStringLiteral("no transaction")));
    // The connection goes on working in a new transaction.
    con.execute(QStringLiteral("PRAGMA max_page_count = 1000000"));
    con.beginTrans();
    con.execute(QStringLiteral("INSERT INTO m_x (id, code) VALUES (30, 'after')"));
    con.commitTrans();
    EXPECT_EQ(count(con), 4);
}

TEST_F(AdoTest, CommitAfterTheEngineEndedTheTransactionIsAnError) {
    Connection con;
    con.open(dbPath, kKey);
    con.beginTrans();
    con.execute(QStringLiteral("INSERT INTO m_x (id, code) VALUES (20, 'lost')"));
    EXPECT_EQ(fillUntilDiskFull(con), QStringLiteral("database or disk is full"));
    // The first insert is lost with the rest: a commit must not report it saved.
    EXPECT_TRUE(errorOf([&] { con.commitTrans(); }).contains(QStringLiteral("no transaction")));
    EXPECT_EQ(count(con, QStringLiteral("WHERE id = 20")), 0);
    // Nor is a rollback without a transaction quietly accepted afterwards.
    EXPECT_TRUE(errorOf([&] { con.rollbackTrans(); }).contains(QStringLiteral("no transaction")));
}

TEST_F(AdoTest, RollbackWithoutBeginIsAnErrorEvenAfterAnEarlierTransaction) {
    Connection con;
    con.open(dbPath, kKey);
    con.beginTrans();
    con.commitTrans();
    EXPECT_TRUE(errorOf([&] { con.rollbackTrans(); }).contains(QStringLiteral("no transaction")));
    con.beginTrans();
    con.close(); // discards the transaction
    con.open(dbPath, kKey);
    EXPECT_TRUE(errorOf([&] { con.rollbackTrans(); }).contains(QStringLiteral("no transaction")));
}

// ---- text comparison of LIKE -----------------------------------------------------------------

TEST(JetLike, ReadingsMatchWhateverKanaWidthOrCaseTheyAreWrittenIn) {
    using ado::jetLike;
    // A reading typed in hiragana finds it in katakana, full-width or half-width.
    EXPECT_TRUE(jetLike(QStringLiteral("%さとう%"), QStringLiteral("サトウ タロウ")));
    EXPECT_TRUE(jetLike(QStringLiteral("%さとう%"), QStringLiteral("ｻﾄｳ ﾀﾛｳ")));
    EXPECT_TRUE(jetLike(QStringLiteral("%サトウ%"), QStringLiteral("さとう　たろう")));
    // Voiced and semi-voiced marks of half-width kana join their kana, and still count.
    EXPECT_TRUE(jetLike(QStringLiteral("がっこう"), QStringLiteral("ｶﾞｯｺｳ")));
    EXPECT_TRUE(jetLike(QStringLiteral("ぱん"), QStringLiteral("ﾊﾟﾝ")));
    EXPECT_FALSE(jetLike(QStringLiteral("かっこう"), QStringLiteral("ｶﾞｯｺｳ")));
    EXPECT_FALSE(jetLike(QStringLiteral("%なかだ%"), QStringLiteral("ナカタ ハナコ")));
    // Letters and digits without case or width; the ideographic space is a blank.
    EXPECT_TRUE(jetLike(QStringLiteral("abc12"), QStringLiteral("ＡＢＣ１２")));
    EXPECT_TRUE(jetLike(QStringLiteral("ａ b"), QStringLiteral("A　B")));
    EXPECT_FALSE(jetLike(QStringLiteral("abc"), QStringLiteral("abd")));
}

TEST(JetLike, EveryTextMatchesItselfAndItsFoldedForm) {
    // Values are folded by a short path where it is safe and by the full folding elsewhere; the pattern
    // always by the full one. Both must agree on every kind of text.
    const char* texts[] = {
        "ヤマダ タロウ", "やまだ",       "ABCxyz019",      "ＡＢＣｘｙｚ０１９",
        "ｶﾞｯｺｳ ﾊﾟﾝ",     "ヴァイオリン", "ヽヾゝゞ",       "ヷヸヹヺ",
        "ー・゠",        "〜〒〇〻",     "佐々木　髙橋",   "Straße",
        "Ａ　ｂ",        "e\u0301",      "か\u3099",       "〪〭",
        "한국어",        "𠮷野家",       "ＡｂＣ－１２３", "ﾞﾟ",
    };
    for (const char* t : texts) {
        const QString s = QString::fromUtf8(t);
        EXPECT_TRUE(ado::jetLike(s, s)) << t;
        EXPECT_TRUE(ado::jetLike(ado::jetFoldText(s), s)) << t;
        EXPECT_TRUE(
            ado::LikePattern(QStringLiteral("%") + s + u'%', QChar()).matches(QStringLiteral("x") + s))
            << t;
    }
}

TEST(JetLike, WildcardsAreTheAsciiOnesOnly) {
    using ado::jetLike;
    EXPECT_TRUE(jetLike(QStringLiteral("%"), QString()));
    EXPECT_TRUE(jetLike(QStringLiteral("_"), QStringLiteral("佐")));
    EXPECT_FALSE(jetLike(QStringLiteral("_"), QStringLiteral("佐藤")));
    EXPECT_TRUE(jetLike(QStringLiteral("佐_%"), QStringLiteral("佐藤 太郎")));
    EXPECT_TRUE(jetLike(QStringLiteral("%a%b%c"), QStringLiteral("xxaybzzc")));
    EXPECT_FALSE(jetLike(QStringLiteral("%a%b%c"), QStringLiteral("xxaybzzcq")));
    EXPECT_TRUE(jetLike(QStringLiteral("%ab"), QStringLiteral("aab")));
    EXPECT_FALSE(jetLike(QString(), QStringLiteral("a")));
    // A typed full-width ％ or ＿ is a character to find, not a wildcard.
    EXPECT_TRUE(jetLike(QStringLiteral("100％"), QStringLiteral("100%")));
    EXPECT_FALSE(jetLike(QStringLiteral("100％"), QStringLiteral("100abc")));
    EXPECT_FALSE(jetLike(QStringLiteral("a＿c"), QStringLiteral("abc")));
    // An escape makes the next character literal; at the end it matches nothing.
    EXPECT_TRUE(jetLike(QStringLiteral("10!%"), QStringLiteral("10%"), u'!'));
    EXPECT_FALSE(jetLike(QStringLiteral("10!%"), QStringLiteral("100"), u'!'));
    EXPECT_FALSE(jetLike(QStringLiteral("10!"), QStringLiteral("10!"), u'!'));
}

TEST_F(AdoTest, LikeInSqlComparesTheWayTheClinicDatabaseDid) {
    Connection con;
    con.open(dbPath, kKey);
    con.execute(QStringLiteral("UPDATE m_x SET name = 'サトウ ハナコ' WHERE id = 1"));
    con.execute(QStringLiteral("UPDATE m_x SET name = 'ｽｽﾞｷ ｲﾁﾛｳ' WHERE id = 3"));
    EXPECT_EQ(count(con, QStringLiteral("WHERE name LIKE '%はなこ%'")), 1);
    EXPECT_EQ(count(con, QStringLiteral("WHERE name LIKE '%すずき%'")), 1);
    EXPECT_EQ(count(con, QStringLiteral("WHERE name LIKE '%'")), 2); // Null never matches
    EXPECT_EQ(count(con, QStringLiteral("WHERE NOT (name LIKE '%すずき%')")), 1);
    EXPECT_EQ(count(con, QStringLiteral("WHERE code LIKE '00!_' ESCAPE '!'")), 0);
    EXPECT_EQ(count(con, QStringLiteral("WHERE code LIKE '00_'")), 3);
    auto rs = con.openRecordset(QStringLiteral("SELECT NULL LIKE 'a' AS n, 'A' LIKE 'a' AS y"));
    EXPECT_TRUE(rs->field(QStringLiteral("n")).isNull());
    EXPECT_EQ(rs->field(QStringLiteral("y")).toLongLong(), 1);
    errorOf([&] { con.openRecordset(QStringLiteral("SELECT 'a' LIKE 'a' ESCAPE '!!'")); });
}

TEST(AdoRecordsetFromRows, ReadsLikeAnOpenedRecordset) {
    auto rs = ado::Recordset::fromRows(
        {"code", "name"}, {{QVariant(qint64(1)), QVariant(QStringLiteral("青木"))}, {QVariant(qint64(2))}});
    ASSERT_TRUE(rs->isOpen());
    EXPECT_EQ(rs->recordCount(), 2);
    EXPECT_EQ(rs->field(QStringLiteral("NAME")).toString(), QStringLiteral("青木"));
    rs->moveNext();
    EXPECT_EQ(rs->field(0).toLongLong(), 2);
    EXPECT_TRUE(rs->field(QStringLiteral("name")).isNull()); // a short row is Null to its end
    rs->moveNext();
    EXPECT_TRUE(rs->eof());
    EXPECT_THROW(rs->field(0), VbError);

    // Whole numbers beyond a double's 53 bits read back exactly, in a table row as in a field on its own.
    const qint64 big = (qint64(1) << 53) + 1;
    auto wide = ado::Recordset::fromRows({"n"}, {{QVariant(big)}});
    EXPECT_EQ(wide->field(0).toLongLong(), big);
    EXPECT_EQ(ado::Field(QStringLiteral("n"), QVariant(big)).toLongLong(), big);
}
