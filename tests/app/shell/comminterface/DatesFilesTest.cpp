// Era date texts, the date-range check, file copy and file-name lookup.
#include <QDateTime>
#include <QFile>

#include "ServicesFixture.h"
#include "app/shell/MdlCommInterface.h"
#include "platform/error/VbError.h"
#include "platform/msgbox/MsgBox.h"
#include "support/TestSupport.h"

using namespace MdlCommInterface;

TEST(WarekiDate, EraBoundariesAndYearOneAsTwoDigits) {
    const struct {
        QDate date;
        const char* text;
    } cases[] = {
        {QDate(1912, 7, 29), "明治45年07月29日"},  {QDate(1912, 7, 30), "大正01年07月30日"},
        {QDate(1926, 12, 24), "大正15年12月24日"}, {QDate(1926, 12, 25), "昭和01年12月25日"},
        {QDate(1989, 1, 7), "昭和64年01月07日"},   {QDate(1989, 1, 8), "平成01年01月08日"},
        {QDate(2003, 4, 1), "平成15年04月01日"},   {QDate(2019, 4, 30), "平成31年04月30日"},
        {QDate(2019, 5, 1), "令和01年05月01日"},   {QDate(2020, 6, 15), "令和02年06月15日"},
        {QDate(1868, 9, 8), "明治01年09月08日"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PFuStrWarekiDate(QVariant(c.date)), QString::fromUtf8(c.text)) << c.text;
}

TEST(WarekiDate, TakesDateTimesAndDateTexts) {
    EXPECT_EQ(PFuStrWarekiDate(QVariant(QDateTime(QDate(2003, 4, 1), QTime(23, 59)))),
              QStringLiteral("平成15年04月01日"));
    EXPECT_EQ(PFuStrWarekiDate(QVariant(QStringLiteral("2003/04/01"))), QStringLiteral("平成15年04月01日"));
    EXPECT_EQ(PFuStrWarekiDate(QVariant(QStringLiteral("H15/04/01"))), QStringLiteral("平成15年04月01日"));
}

TEST(WarekiDate, BeforeMeijiStartsWithTheYearDigits) {
    const QString t = PFuStrWarekiDate(QVariant(QDate(1868, 9, 7)));
    ASSERT_FALSE(t.isEmpty());
    EXPECT_TRUE(t.at(0).isDigit()) << t.toStdString();
    EXPECT_TRUE(t.endsWith(QStringLiteral("年09月07日")));
}

TEST(WarekiDate, AValueWithoutADateIsTheCallersError) {
    for (const QVariant& v : {QVariant(), QVariant(QStringLiteral("abc")),
                              QVariant(QStringLiteral("2003/02/30")), QVariant(QDate())}) {
        try {
            PFuStrWarekiDate(v);
            ADD_FAILURE() << "no error for " << v.toString().toStdString();
        } catch (const VbError& e) {
            EXPECT_EQ(e.number(), 13);
        }
    }
}

class YukoDateTest : public ServicesFixture {};

TEST_F(YukoDateTest, BothEndsIncluded) {
    const QString s = QStringLiteral("2003/04/01"), e = QStringLiteral("2003/04/30");
    EXPECT_TRUE(PFuBolYukoDateCheck(QStringLiteral("2003/04/01"), s, e));
    EXPECT_TRUE(PFuBolYukoDateCheck(QStringLiteral("2003/04/30"), s, e));
    EXPECT_TRUE(PFuBolYukoDateCheck(QStringLiteral("2003/4/15"), s, e));
    EXPECT_FALSE(PFuBolYukoDateCheck(QStringLiteral("2003/03/31"), s, e));
    EXPECT_FALSE(PFuBolYukoDateCheck(QStringLiteral("2003/05/01"), s, e));
    // An empty range (start after end) holds nothing.
    EXPECT_FALSE(PFuBolYukoDateCheck(s, e, s));
    // Outside the range is an answer, not a failure.
    EXPECT_TRUE(msgbox::shown().isEmpty());
    EXPECT_TRUE(logLines().isEmpty());
}

TEST_F(YukoDateTest, TakesTheEntryFieldsEraText) {
    EXPECT_TRUE(PFuBolYukoDateCheck(QStringLiteral("平成 15年04月01日"), QStringLiteral("2003/04/01"),
                                    QStringLiteral("2003/04/30")));
    EXPECT_TRUE(PFuBolYukoDateCheck(QStringLiteral("令和01年05月01日"), QStringLiteral("2019/05/01"),
                                    QStringLiteral("R01/05/31")));
    EXPECT_FALSE(PFuBolYukoDateCheck(QStringLiteral("平成31年04月30日"), QStringLiteral("2019/05/01"),
                                     QStringLiteral("2019/05/31")));
    EXPECT_TRUE(msgbox::shown().isEmpty());
}

TEST_F(YukoDateTest, AnEmptyDateGivesMessage900AndExactlyFiveLogLines) {
    EXPECT_FALSE(PFuBolYukoDateCheck(QString(), QStringLiteral("2003/04/01"), QStringLiteral("2003/04/30")));
    const auto lines = logLines();
    ASSERT_EQ(lines.size(), 5);
    for (const auto& l : lines)
        EXPECT_EQ(l.first, QStringLiteral("PFuBolYukoDateCheck"));
    EXPECT_EQ(lines[0].second, QStringLiteral("型が一致しません。"));
    EXPECT_EQ(lines[1].second, QStringLiteral("Format関数エラー\u3000\uFF10うめフォーマットに失敗"));
    EXPECT_EQ(lines[2].second, QStringLiteral("第一引数(チェック日付):"));
    EXPECT_EQ(lines[3].second, QStringLiteral("第二引数(範囲はじめ日付):2003/04/01"));
    EXPECT_EQ(lines[4].second, QStringLiteral("第三引数(範囲おわり日付):2003/04/30"));
    const auto boxes = msgbox::shown();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].text, messageText(QStringLiteral("900")) + QStringLiteral("\r\n") + lines[0].second);
}

TEST_F(YukoDateTest, ArgumentsAreLoggedAsPassedWhenTheRangeIsNotADate) {
    EXPECT_FALSE(PFuBolYukoDateCheck(QStringLiteral("2003/04/10"), QStringLiteral("2003/02/30"),
                                     QStringLiteral(" 2003/4/30")));
    const auto lines = logLines();
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[2].second, QStringLiteral("第一引数(チェック日付):2003/04/10"));
    EXPECT_EQ(lines[3].second, QStringLiteral("第二引数(範囲はじめ日付):2003/02/30"));
    EXPECT_EQ(lines[4].second, QStringLiteral("第三引数(範囲おわり日付): 2003/4/30"));
}

class FileCopyTest : public ServicesFixture {};

TEST_F(FileCopyTest, ReplacesAnExistingDestination) {
    const QString src = path(QStringLiteral("src.bin")), dst = path(QStringLiteral("dst.bin"));
    ASSERT_TRUE(testsupport::writeBytes(src, "new contents"));
    ASSERT_TRUE(testsupport::writeBytes(dst, "old contents that are longer"));
    EXPECT_TRUE(PFuBolFileCopy(src, dst));
    EXPECT_EQ(testsupport::readBytes(dst), QByteArray("new contents"));
    EXPECT_EQ(testsupport::readBytes(src), QByteArray("new contents"));
    EXPECT_TRUE(logLines().isEmpty());
}

TEST_F(FileCopyTest, AFailingCopyLogsFourLinesAndShowsNoMessage) {
    const QString src = path(QStringLiteral("missing.bin")), dst = path(QStringLiteral("dst.bin"));
    ASSERT_TRUE(testsupport::writeBytes(dst, "kept"));
    EXPECT_FALSE(PFuBolFileCopy(src, dst));
    EXPECT_EQ(testsupport::readBytes(dst), QByteArray("kept"));
    EXPECT_TRUE(msgbox::shown().isEmpty());
    const auto lines = logLines();
    ASSERT_EQ(lines.size(), 4);
    for (const auto& l : lines)
        EXPECT_EQ(l.first, QStringLiteral("PFuBolFileCopy"));
    EXPECT_EQ(lines[0].second, QStringLiteral("ファイルのコピーに失敗"));
    EXPECT_FALSE(lines[1].second.isEmpty());
    EXPECT_EQ(lines[2].second, QStringLiteral("from ") + src);
    EXPECT_EQ(lines[3].second, QStringLiteral("to   ") + dst);
}

TEST_F(FileCopyTest, AFolderIsNeitherSourceNorDestination) {
    ASSERT_TRUE(testsupport::writeBytes(path(QStringLiteral("a.bin")), "a"));
    EXPECT_FALSE(PFuBolFileCopy(dir.path(), path(QStringLiteral("b.bin"))));
    EXPECT_FALSE(PFuBolFileCopy(path(QStringLiteral("a.bin")), dir.path()));
    EXPECT_EQ(logLines().size(), 8);
}

class GetFileNameTest : public ServicesFixture {};

TEST_F(GetFileNameTest, NameOfAnExistingFile) {
    const QString file = path(QStringLiteral("Photo_01.JPG"));
    ASSERT_TRUE(testsupport::writeBytes(file, "x"));
    QString name = QStringLiteral("before");
    EXPECT_TRUE(PFuBolGetFileName(file, name));
    EXPECT_EQ(name, QStringLiteral("Photo_01.JPG"));
    EXPECT_TRUE(PFuBolGetFileName(QString(file).replace(u'/', u'\\'), name));
    EXPECT_EQ(name, QStringLiteral("Photo_01.JPG"));
    EXPECT_TRUE(logLines().isEmpty());
}

TEST_F(GetFileNameTest, ABlankPathLeavesTheNameAsItWas) {
    QString name = QStringLiteral("before");
    EXPECT_FALSE(PFuBolGetFileName(QStringLiteral("   "), name));
    EXPECT_EQ(name, QStringLiteral("before"));
    const auto lines = logLines();
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0], LogLine(QStringLiteral("PFuBolGetFileName"), QStringLiteral("第一引数が空白。")));
}

TEST_F(GetFileNameTest, AMissingFileOrAFolderEmptiesTheName) {
    for (const QString& p : {path(QStringLiteral("nothing.jpg")), dir.path(), path(QStringLiteral("*"))}) {
        QString name = QStringLiteral("before");
        EXPECT_FALSE(PFuBolGetFileName(p, name));
        EXPECT_EQ(name, QString());
    }
    const auto lines = logLines();
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[0],
              LogLine(QStringLiteral("PFuBolGetFileName"), QStringLiteral("ファイルが存在しない。")));
    EXPECT_EQ(lines[1], LogLine(QStringLiteral("PFuBolGetFileName"), path(QStringLiteral("nothing.jpg"))));
    EXPECT_EQ(lines[3].second, dir.path());
    EXPECT_TRUE(msgbox::shown().isEmpty());
}
