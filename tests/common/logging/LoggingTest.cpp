#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "common/clsLogging.h"
#include "platform/msgbox/MsgBox.h"
#include "platform/text/Text.h"
#include "support/TestSupport.h"

using testsupport::readBytes;
using testsupport::writeBytes;

namespace {

const QDateTime kTime(QDate(2024, 1, 2), QTime(15, 4, 5));

// A record as the log holds it: text padded with blanks to 998 bytes, then CR LF.
QByteArray record(const QByteArray& text) {
    QByteArray r = text;
    r.append(998 - r.size(), ' ');
    return r + "\r\n";
}

QByteArray recordAt(const QByteArray& file, qint64 k) {
    return file.mid((k - 1) * 1000, 1000);
}

class LoggingTest : public ::testing::Test {
protected:
    void SetUp() override {
        clsLogging::clock = [] { return kTime; };
        msgbox::clearShown();
        msgbox::clearAnswers();
        log.PoSetLogFilePath(path());
    }
    void TearDown() override { clsLogging::clock = nullptr; }
    QString path() const { return dir.filePath(QStringLiteral("Orvanta.log")); }
    QByteArray bytes() const { return readBytes(path()); }
    void expectFailureBox() {
        ASSERT_EQ(msgbox::shown().size(), 1);
        const msgbox::Shown b = msgbox::shown().first();
        EXPECT_EQ(b.text, QStringLiteral("ログファイルの出力に失敗しました。"));
        EXPECT_EQ(b.caption, QStringLiteral("エラー"));
        EXPECT_EQ(b.style, 16);
    }
    QTemporaryDir dir;
    clsLogging log;
};

TEST_F(LoggingTest, FirstLineIntoMissingFileIsByteExact) {
    EXPECT_EQ(clsLogging().filePath(), "./clsLogging.log");
    EXPECT_EQ(clsLogging().maxRecord(), 1000);

    ASSERT_TRUE(log.PFuBolPutLog(QStringLiteral("○カルテ開始処理"), QStringLiteral("開始")));
    const QByteArray f = bytes();
    ASSERT_EQ(f.size(), 2000);
    EXPECT_EQ(f.left(5), "00003");
    EXPECT_EQ(f.mid(5, 993), QByteArray(993, ' '));
    EXPECT_EQ(f.mid(998, 2), "\r\n");
    EXPECT_EQ(f.mid(1000, 6), "00002|");
    EXPECT_EQ(f.mid(1006, 19), "2024/01/02 15:04:05");
    EXPECT_EQ(f.at(1025), ' ');
    EXPECT_EQ(f.mid(1026, 16),
              QByteArray("\x81\x9B\x83\x4A\x83\x8B\x83\x65\x8A\x4A\x8E\x6E\x8F\x88\x97\x9D"));
    EXPECT_EQ(f.at(1042), ' ');
    EXPECT_EQ(f.mid(1043, 4), QByteArray("\x8A\x4A\x8E\x6E"));
    EXPECT_EQ(f.mid(1047, 951), QByteArray(951, ' '));
    EXPECT_EQ(f.mid(1998, 2), "\r\n");
    EXPECT_TRUE(msgbox::shown().isEmpty());
}

TEST_F(LoggingTest, LinesFillRecordsInTurnWithTimeFromTheClock) {
    clsLogging::clock = [] { return QDateTime(QDate(2023, 12, 31), QTime(9, 8, 7)); };
    ASSERT_TRUE(log.PFuBolPutLog("a", "one"));
    ASSERT_TRUE(log.PFuBolPutLog("b", "two"));
    ASSERT_TRUE(log.PFuBolPutLog("c", ""));
    const QByteArray f = bytes();
    ASSERT_EQ(f.size(), 4000);
    EXPECT_EQ(recordAt(f, 1), record("00005"));
    EXPECT_EQ(recordAt(f, 2), record("00002|2023/12/31 09:08:07 a one"));
    EXPECT_EQ(recordAt(f, 3), record("00003|2023/12/31 09:08:07 b two"));
    EXPECT_EQ(recordAt(f, 4), record("00004|2023/12/31 09:08:07 c "));
}

TEST_F(LoggingTest, WrapsAfterMaxRecord) {
    ASSERT_TRUE(writeBytes(path(), record("01000")));
    ASSERT_TRUE(log.PFuBolPutLog("p", "last"));
    QByteArray f = bytes();
    ASSERT_EQ(f.size(), 1000 * 1000);
    EXPECT_EQ(recordAt(f, 1), record("01001"));
    EXPECT_EQ(recordAt(f, 1000), record("01000|2024/01/02 15:04:05 p last"));

    ASSERT_TRUE(log.PFuBolPutLog("p", "wrapped"));
    f = bytes();
    EXPECT_EQ(f.size(), 1000 * 1000);
    EXPECT_EQ(recordAt(f, 1), record("00003"));
    EXPECT_EQ(recordAt(f, 2), record("00002|2024/01/02 15:04:05 p wrapped"));
    EXPECT_EQ(recordAt(f, 1000), record("01000|2024/01/02 15:04:05 p last"));
}

TEST_F(LoggingTest, MaxRecordBelowTwoKeepsWritingRecordTwo) {
    for (const char* max : {"2", "-5", "1", "0"}) {
        SCOPED_TRACE(max);
        QFile::remove(path());
        log.PoSetLogMaxWrite(QString::fromLatin1(max));
        ASSERT_TRUE(log.PFuBolPutLog("p", "1"));
        ASSERT_TRUE(log.PFuBolPutLog("p", "2"));
        ASSERT_TRUE(log.PFuBolPutLog("p", "3"));
        const QByteArray f = bytes();
        ASSERT_EQ(f.size(), 2000);
        EXPECT_EQ(recordAt(f, 1), record("00003"));
        EXPECT_EQ(recordAt(f, 2), record("00002|2024/01/02 15:04:05 p 3"));
    }
    EXPECT_TRUE(msgbox::shown().isEmpty());
}

TEST_F(LoggingTest, MaxRecordFromText) {
    log.PoSetLogMaxWrite("5");
    EXPECT_EQ(log.maxRecord(), 5);
    log.PoSetLogMaxWrite("");
    EXPECT_EQ(log.maxRecord(), 1000);
    log.PoSetLogMaxWrite(QStringLiteral(" 　"));
    EXPECT_EQ(log.maxRecord(), 1000);
    log.PoSetLogMaxWrite(" 300 ");
    EXPECT_EQ(log.maxRecord(), 300);
    log.PoSetLogMaxWrite("12.5"); // whole number, halves to even
    EXPECT_EQ(log.maxRecord(), 12);
    EXPECT_TRUE(msgbox::shown().isEmpty());

    log.PoSetLogMaxWrite("abc");
    EXPECT_EQ(log.maxRecord(), 12);
    ASSERT_EQ(msgbox::shown().size(), 1);
    EXPECT_EQ(msgbox::shown()[0].text, QStringLiteral("PoSetLogMaxWriteプロパティでのエラー\r\nErr.Source -> "
                                                      "Veltrum.clsLogging\r\n型が一致しません。"));
    EXPECT_EQ(msgbox::shown()[0].caption, "Veltrum");
    EXPECT_EQ(msgbox::shown()[0].style, 0);

    msgbox::clearShown();
    log.PoSetLogMaxWrite("99999999999");
    EXPECT_EQ(log.maxRecord(), 12);
    ASSERT_EQ(msgbox::shown().size(), 1);
    EXPECT_TRUE(
        msgbox::shown()[0].text.startsWith(QStringLiteral("PoSetLogMaxWriteプロパティでのエラー\r\n")));
}

TEST_F(LoggingTest, LoweredMaxRecordStartsAgainAtTwoAndKeepsHigherRecords) {
    QByteArray f = record("00007");
    for (int k = 2; k <= 6; ++k)
        f += record("old " + QByteArray::number(k));
    ASSERT_TRUE(writeBytes(path(), f));
    log.PoSetLogMaxWrite("5");
    ASSERT_TRUE(log.PFuBolPutLog("p", "new"));
    const QByteArray g = bytes();
    ASSERT_EQ(g.size(), 6000);
    EXPECT_EQ(recordAt(g, 1), record("00003"));
    EXPECT_EQ(recordAt(g, 2), record("00002|2024/01/02 15:04:05 p new"));
    EXPECT_EQ(g.mid(2000), f.mid(2000));
}

TEST_F(LoggingTest, LongTextIsCutTo998BytesWithoutHalfCharacters) {
    const QString kanji(600, QChar(0x6F22));
    // "00002|2024/01/02 15:04:05 p " is 28 bytes: the kanji then end exactly at byte 998.
    ASSERT_TRUE(log.PFuBolPutLog("p", kanji));
    QByteArray rec = recordAt(bytes(), 2);
    ASSERT_EQ(rec.size(), 1000);
    EXPECT_EQ(rec.mid(998), "\r\n");
    EXPECT_EQ(rec.mid(28, 970), text::toCp932(QString(485, QChar(0x6F22))));

    // One byte more in front: the 998th byte would be a lone lead byte and becomes a blank.
    QFile::remove(path());
    ASSERT_TRUE(log.PFuBolPutLog("pq", kanji));
    rec = recordAt(bytes(), 2);
    ASSERT_EQ(rec.size(), 1000);
    EXPECT_EQ(rec.mid(29, 968), text::toCp932(QString(484, QChar(0x6F22))));
    EXPECT_EQ(rec.at(997), ' ');
    EXPECT_EQ(rec.mid(998), "\r\n");
    EXPECT_EQ(bytes().size(), 2000);

    QFile::remove(path());
    ASSERT_TRUE(log.PFuBolPutLog("p", QString(2000, u'x')));
    rec = recordAt(bytes(), 2);
    EXPECT_EQ(rec.mid(28, 970), QByteArray(970, 'x'));
    EXPECT_EQ(rec.mid(998), "\r\n");
}

TEST_F(LoggingTest, DamagedHeaderFailsAndLeavesTheFileAlone) {
    for (const QByteArray& head : {QByteArray("abc"), QByteArray(""), QByteArray(998, '\0')}) {
        msgbox::clearShown();
        const QByteArray f = record(head) + record("00002|kept");
        ASSERT_TRUE(writeBytes(path(), f));
        EXPECT_FALSE(log.PFuBolPutLog("p", "x"));
        expectFailureBox();
        EXPECT_EQ(bytes(), f);
    }
}

TEST_F(LoggingTest, EmptyFileStartsLikeANewOne) {
    ASSERT_TRUE(writeBytes(path(), QByteArray()));
    ASSERT_TRUE(log.PFuBolPutLog("p", "x"));
    const QByteArray f = bytes();
    ASSERT_EQ(f.size(), 2000);
    EXPECT_EQ(recordAt(f, 1), record("00003"));
    EXPECT_EQ(recordAt(f, 2), record("00002|2024/01/02 15:04:05 p x"));
    EXPECT_TRUE(msgbox::shown().isEmpty());
}

TEST_F(LoggingTest, UnmappableCharactersBecomeQuestionMarks) {
    ASSERT_TRUE(log.PFuBolPutLog(QStringLiteral("café"), QStringLiteral("x😀y－～")));
    EXPECT_EQ(recordAt(bytes(), 2),
              record("00002|2024/01/02 15:04:05 caf? x?y" + QByteArray("\x81\x7C\x81\x60", 4)));
}

TEST_F(LoggingTest, RecordNumbersFrom100000HaveSixDigits) {
    log.PoSetLogMaxWrite("200000");
    ASSERT_TRUE(writeBytes(path(), record("99999")));
    ASSERT_TRUE(log.PFuBolPutLog("p", "a"));
    ASSERT_TRUE(log.PFuBolPutLog("p", "b"));
    QFile f(path());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.size(), 100000LL * 1000);
    EXPECT_EQ(f.read(1000), record("100001"));
    ASSERT_TRUE(f.seek(99998LL * 1000));
    EXPECT_EQ(f.read(1000), record("99999|2024/01/02 15:04:05 p a"));
    EXPECT_EQ(f.read(1000), record("100000|2024/01/02 15:04:05 p b"));
}

TEST_F(LoggingTest, RecordArithmeticBeyond32BitsFails) {
    log.PoSetLogMaxWrite("2147483647");
    // (n - 1) * 1000 no longer fits.
    QByteArray f = record("2147485");
    ASSERT_TRUE(writeBytes(path(), f));
    EXPECT_FALSE(log.PFuBolPutLog("p", "x"));
    expectFailureBox();
    EXPECT_EQ(bytes(), f);
    // n + 1 no longer fits.
    msgbox::clearShown();
    f = record("2147483647");
    ASSERT_TRUE(writeBytes(path(), f));
    EXPECT_FALSE(log.PFuBolPutLog("p", "x"));
    expectFailureBox();
    EXPECT_EQ(bytes(), f);
    // A header beyond 32 bits is no number the log can hold.
    msgbox::clearShown();
    f = record("99999999999");
    ASSERT_TRUE(writeBytes(path(), f));
    EXPECT_FALSE(log.PFuBolPutLog("p", "x"));
    EXPECT_EQ(bytes(), f);
}

TEST_F(LoggingTest, UnwritablePathFailsWithTheBox) {
    log.PoSetLogFilePath(dir.filePath("no/such/folder/x.log"));
    EXPECT_FALSE(log.PFuBolPutLog("p", "x"));
    expectFailureBox();
    msgbox::clearShown();
    log.PoSetLogFilePath(dir.path()); // a folder
    EXPECT_FALSE(log.PFuBolPutLog("p", "x"));
    expectFailureBox();
}

} // namespace
