// The database key derived once per file and password: the derived key is SQLCipher's own, a file made
// with other settings still opens with its password, and a wrong password still fails at open.
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "TestDb.h"
#include "platform/ado/Ado.h"
#include "platform/ado/AdoKey.h"
#include "support/TestSupport.h"

namespace {

const QByteArray kPassword("sakura'2003;=");

class AdoKey : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ado::forgetDerivedKeys();
    }
    void TearDown() override { ado::forgetDerivedKeys(); }

    QString make(const char* name, const char* settings = "") {
        const QString path = dir.filePath(QLatin1String(name));
        testdb::create(
            path, kPassword,
            (std::string(settings) + "CREATE TABLE m_x (id INTEGER); INSERT INTO m_x VALUES (7);").c_str());
        return path;
    }
    static qint64 readBack(ado::Connection& con) {
        return con.openRecordset(QStringLiteral("SELECT id FROM m_x"))->field(0).toLongLong();
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(AdoKey, DerivedKeyWithTheFilesSaltOpensTheFileAsThePasswordDoes) {
    const QString path = make("a.mdb");
    const QByteArray salt = testsupport::readBytes(path).left(16);
    const QByteArray raw = ado::keys::rawKey(salt, kPassword);
    ASSERT_EQ(raw.size(), 2 + 64 + 32 + 1);
    EXPECT_TRUE(raw.startsWith("x'"));
    EXPECT_TRUE(raw.endsWith(salt.toHex() + "'"));
    EXPECT_EQ(ado::keys::rawKey(salt, kPassword), raw); // kept, not derived again

    // The engine takes the raw key without a derivation of its own and reads the data.
    ado::Connection con;
    con.openKeyed(path, raw);
    EXPECT_EQ(readBack(con), 7);
    con.close();

    // Another password or another file's salt: another key.
    EXPECT_NE(ado::keys::rawKey(salt, kPassword + "x"), raw);
    EXPECT_NE(ado::keys::rawKey(QByteArray(16, 'a'), kPassword), raw);
    EXPECT_TRUE(ado::keys::rawKey(salt.left(15), kPassword).isEmpty());
    EXPECT_TRUE(ado::keys::rawKey(salt, QByteArray()).isEmpty());
}

TEST_F(AdoKey, EveryOpenWorksAndAFileWithOtherSettingsFallsBackToThePassword) {
    const QString standard = make("standard.mdb");
    // An engine whose own defaults differ from the derivation here (another SQLCipher version, say): its
    // files open with the password, never with the derived key.
    auto engineDefault = [&](int rounds) {
        testdb::create(
            dir.filePath(QStringLiteral("scratch.mdb")), kPassword,
            QStringLiteral("PRAGMA cipher_default_kdf_iter = %1;").arg(rounds).toUtf8().constData());
    };
    engineDefault(4000);
    const QString other = make("other.mdb");
    for (int round = 0; round < 3; ++round) {
        for (const QString& path : {standard, other}) {
            ado::Connection con;
            con.open(path, kPassword);
            EXPECT_EQ(readBack(con), 7) << path.toStdString() << " " << round;
            con.close();
        }
    }
    engineDefault(64000);
    // The file made with other settings is remembered as one the derived key does not open.
    EXPECT_TRUE(ado::keys::rawKey(testsupport::readBytes(other).left(16), kPassword).isEmpty());
    EXPECT_FALSE(ado::keys::rawKey(testsupport::readBytes(standard).left(16), kPassword).isEmpty());
}

TEST_F(AdoKey, WrongPasswordFailsAtOpenWithTheEnginesWordsBeforeAndAfterAGoodOpen) {
    const QString path = make("a.mdb");
    auto wrongOpen = [&] {
        ado::Connection con;
        try {
            con.open(path, "not-it");
        } catch (const VbError& e) {
            EXPECT_FALSE(con.isOpen());
            return e.description();
        }
        return QStringLiteral("opened");
    };
    EXPECT_EQ(wrongOpen(), QStringLiteral("file is encrypted or is not a database"));
    ado::Connection good;
    good.open(path, kPassword);
    good.close();
    EXPECT_EQ(wrongOpen(), QStringLiteral("file is encrypted or is not a database"));
    // A wrong password is never remembered as a file with other settings.
    EXPECT_FALSE(ado::keys::rawKey(testsupport::readBytes(path).left(16), "not-it").isEmpty());
}

TEST_F(AdoKey, AFileReplacedUnderItsNameIsOpenedWithItsOwnSalt) {
    const QString path = make("a.mdb");
    {
        ado::Connection con;
        con.open(path, kPassword);
    }
    // A compaction writes a new file (a new salt) under the same name.
    ASSERT_TRUE(QFile::remove(path));
    make("a.mdb");
    ado::Connection con;
    con.open(path, kPassword);
    EXPECT_EQ(readBack(con), 7);
}
