#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "common/clsMessage.h"
#include "platform/msgbox/MsgBox.h"
#include "platform/text/Text.h"
#include "support/TestSupport.h"

using testsupport::writeBytes;

namespace {

using B = EnMsgDispButton;
using I = EnMsgDispIcon;

class MessageTest : public ::testing::Test {
protected:
    void SetUp() override {
        msgbox::clearShown();
        msgbox::clearAnswers();
        msg.PoSetDirPath(path());
    }
    QString path() const { return dir.filePath(QStringLiteral("OrvantaMessage.txt")); }
    // Writes the file in CP932; lines joined with CR LF and ended with one.
    void file(const QStringList& lines) {
        ASSERT_TRUE(
            writeBytes(path(), text::toCp932(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"))));
    }
    msgbox::Shown only() {
        EXPECT_EQ(msgbox::shown().size(), 1);
        return msgbox::shown().isEmpty() ? msgbox::Shown{} : msgbox::shown().last();
    }
    void expectNotFound(const QString& title) {
        const msgbox::Shown b = only();
        EXPECT_EQ(b.text, QStringLiteral("該当するメッセージが有りません"));
        EXPECT_EQ(b.caption, title);
        EXPECT_EQ(b.style, 48);
    }
    QTemporaryDir dir;
    clsMessage msg;
};

TEST_F(MessageTest, ShowsTextWithLineBreaksIconAndSectionTitle) {
    file({QStringLiteral("[000] テスト"),
          QStringLiteral("810 設定ファイルがありません。??確認してください。")});
    EXPECT_EQ(msg.PFuDispMessage("000", "810", B::O, I::Manual), 1);
    const msgbox::Shown b = only();
    EXPECT_EQ(b.text, QStringLiteral("設定ファイルがありません。\r\n確認してください。"));
    EXPECT_EQ(b.caption, QStringLiteral("テスト"));
    EXPECT_EQ(b.style, 16);
}

TEST_F(MessageTest, ReturnsTheButtonPressedWithTheRequestedStyle) {
    file({"[011] Karte", "000 discard?", "002 save?"});
    msgbox::pushAnswer(msgbox::IDNO);
    EXPECT_EQ(msg.PFuDispMessage("011", "002", B::YN, I::Q), 7);
    EXPECT_EQ(only().style, 4 + 32);
    msgbox::clearShown();
    msgbox::pushAnswer(msgbox::IDCANCEL);
    EXPECT_EQ(msg.PFuDispMessage("011", "000", B::OC, I::Manual), 2);
    EXPECT_EQ(only().style, 1 + 32);
    msgbox::clearShown();
    EXPECT_EQ(msg.PFuDispMessage("011", "000", B::RC, I::W), msgbox::IDRETRY);
    EXPECT_EQ(only().style, 5 + 48);
    msgbox::clearShown();
    EXPECT_EQ(msg.PFuDispMessage("011", "000", B::ARI, I::N), msgbox::IDABORT);
    EXPECT_EQ(only().style, 2);
}

TEST_F(MessageTest, IconChosenByNumber) {
    const QList<QPair<QString, int>> cases = {{"000", 32}, {"200", 32}, {"201", 48}, {"500", 48}, {"501", 64},
                                              {"700", 64}, {"701", 0},  {"800", 0},  {"801", 16}, {"810", 16},
                                              {"900", 16}, {"901", 0},  {"-5", 0}};
    QStringList lines{"[000] T"};
    for (const auto& c : cases)
        lines << c.first + " text";
    file(lines);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first.toStdString());
        msgbox::clearShown();
        EXPECT_EQ(msg.PFuDispMessage("000", c.first, B::O, I::Manual), 1);
        EXPECT_EQ(only().style, c.second);
    }
    // An explicit icon is taken as it is.
    msgbox::clearShown();
    msg.PFuDispMessage("000", "810", B::O, I::i);
    EXPECT_EQ(only().style, 64);
}

TEST_F(MessageTest, NumbersAndWorkIdsMatchAsText) {
    file({"[000] T", "810 found", "001 one"});
    EXPECT_EQ(msg.PFuDispMessage("000", " 810 ", B::O, I::N), 1);
    EXPECT_EQ(only().text, "found");

    msgbox::clearShown();
    EXPECT_EQ(msg.PFuDispMessage("000", "81", B::O, I::N, QString(), " T "), 99);
    expectNotFound(" T "); // the caption is the title as passed

    msgbox::clearShown();
    EXPECT_EQ(msg.PFuDispMessage("000", "1", B::O, I::N), 99); // fewer leading zeros
    expectNotFound("");

    msgbox::clearShown();
    EXPECT_EQ(msg.PFuDispMessage(" 000", "810", B::O, I::N), 99);
    expectNotFound("");
    msgbox::clearShown();
    EXPECT_EQ(msg.PFuDispMessage("00", "810", B::O, I::N), 99);
    msgbox::clearShown();
    EXPECT_EQ(msg.PFuDispMessage("000", "", B::O, I::N), 99);
}

TEST_F(MessageTest, NumberOnlyInAnotherSectionIsNotFound) {
    file({"[001] Login", "202 choose", "[011] Karte", "201 busy"});
    EXPECT_EQ(msg.PFuDispMessage("011", "202", B::O, I::Manual, QString(), QStringLiteral("題")), 99);
    expectNotFound(QStringLiteral("題"));
    msgbox::clearShown();
    EXPECT_EQ(msg.PFuDispMessage("001", "202", B::O, I::Manual), 1);
    EXPECT_EQ(only().text, "choose");
    EXPECT_EQ(only().caption, "Login");
}

TEST_F(MessageTest, CommasQuotesAndBlanksFollowTheItemRules) {
    file({"[000] T", "811 a,b", "\"812 c,d\"", QStringLiteral("813　x"), "814 two  blanks kept ",
          "  815 leading blanks skipped", "816", "\"817 quoted\" tail", "818 x,819 after comma"});
    EXPECT_EQ(msg.PFuDispMessage("000", "811", B::O, I::N), 1);
    EXPECT_EQ(only().text, "a");
    msgbox::clearShown();
    msg.PFuDispMessage("000", "812", B::O, I::N);
    EXPECT_EQ(only().text, "c,d");
    msgbox::clearShown();
    EXPECT_EQ(msg.PFuDispMessage("000", "813", B::O, I::N), 99); // a full-width blank does not separate
    msgbox::clearShown();
    msg.PFuDispMessage("000", "814", B::O, I::N);
    EXPECT_EQ(only().text, "two  blanks kept ");
    msgbox::clearShown();
    msg.PFuDispMessage("000", "815", B::O, I::N);
    EXPECT_EQ(only().text, "leading blanks skipped");
    msgbox::clearShown();
    msg.PFuDispMessage("000", "816", B::O, I::N); // no blank: the whole item is the text
    EXPECT_EQ(only().text, "816");
    msgbox::clearShown();
    msg.PFuDispMessage("000", "817", B::O, I::N);
    EXPECT_EQ(only().text, "quoted");
    msgbox::clearShown();
    msg.PFuDispMessage("000", "819", B::O, I::N); // the item after a comma is an item of its own
    EXPECT_EQ(only().text, "after comma");
}

TEST_F(MessageTest, AddedTextAndTitleRules) {
    file({"[011] Karte", "900 error??"});
    EXPECT_EQ(msg.PFuDispMessage("011", "900", B::O, I::W, QStringLiteral("\r\n詳細??")), 1);
    EXPECT_EQ(only().text, QStringLiteral("error\r\n\r\n詳細??"));
    EXPECT_EQ(only().caption, "Karte");

    msgbox::clearShown();
    msg.PFuDispMessage("011", "900", B::O, I::W, "PFuBolKarteMain()", "   ");
    EXPECT_EQ(only().text, "error\r\nPFuBolKarteMain()");
    EXPECT_EQ(only().caption, "Karte"); // a blank title counts as none

    msgbox::clearShown();
    msg.PFuDispMessage("011", "900", B::O, I::W, QStringLiteral("  　"), QStringLiteral("カルテ入力メイン"));
    EXPECT_EQ(only().text, "error\r\n"); // an added text of blanks only is left out
    EXPECT_EQ(only().caption, QStringLiteral("カルテ入力メイン"));

    msgbox::clearShown();
    msg.PFuDispMessage("011", "900", B::O, I::W, QString(), QStringLiteral("　（ＤＢ名：m_karte）"));
    EXPECT_EQ(only().caption, QStringLiteral("　（ＤＢ名：m_karte）"));
}

TEST_F(MessageTest, SectionTitleIsTrimmedFromItsSeventhCharacter) {
    file({QStringLiteral("  [113]  患者検索　 "), "201 empty"});
    msg.PFuDispMessage("113", "201", B::O, I::Manual);
    EXPECT_EQ(only().caption, QStringLiteral("患者検索"));
}

TEST_F(MessageTest, LaterSectionsOfTheSameWorkIdAreSearched) {
    file({"[000] First", "801 a", "[001] Login", "202 b", "[000] Second", "900 c"});
    EXPECT_EQ(msg.PFuDispMessage("000", "900", B::O, I::Manual), 1);
    EXPECT_EQ(only().text, "c");
    EXPECT_EQ(only().caption, "Second");

    msgbox::clearShown();
    file({"[000] First", "801 a", "[000] Adjacent", "900 c"});
    EXPECT_EQ(msg.PFuDispMessage("000", "900", B::O, I::Manual), 1);
    EXPECT_EQ(only().text, "c");
    EXPECT_EQ(only().caption, "Adjacent");
    msgbox::clearShown();
    EXPECT_EQ(msg.PFuDispMessage("000", "801", B::O, I::Manual), 1);
    EXPECT_EQ(only().caption, "First");
}

TEST_F(MessageTest, HeaderOnTheLastLineIsNotFound) {
    file({"[000] T", "801 a", "[011] Karte"});
    EXPECT_EQ(msg.PFuDispMessage("011", "900", B::O, I::Manual), 99);
    expectNotFound("");
    msgbox::clearShown();
    ASSERT_TRUE(writeBytes(path(), "[000] T\r\n801 a\r\n[011] Karte")); // without a final line end
    EXPECT_EQ(msg.PFuDispMessage("011", "900", B::O, I::Manual), 99);
    expectNotFound("");
    msgbox::clearShown();
    ASSERT_TRUE(writeBytes(path(), QByteArray()));
    EXPECT_EQ(msg.PFuDispMessage("000", "801", B::O, I::Manual), 99);
}

TEST_F(MessageTest, TextIsShownLiterally) {
    file({"[000] T", "900 <b>x</b> & <i>"});
    msg.PFuDispMessage("000", "900", B::O, I::N);
    EXPECT_EQ(only().text, "<b>x</b> & <i>");
}

TEST_F(MessageTest, DecodesCp932BeforeReadingAndAcceptsAnyLineEnd) {
    // ソ and 表 end in 0x5C, ー in 0x5B, ゾ in 0x5D: none of them may disturb the reading.
    ASSERT_TRUE(
        writeBytes(path(), text::toCp932(QStringLiteral("[000] ソフト表\n201 ゾーン表示ー\r202 two\r\n"))));
    EXPECT_EQ(msg.PFuDispMessage("000", "201", B::O, I::Manual), 1);
    EXPECT_EQ(only().text, QStringLiteral("ゾーン表示ー"));
    EXPECT_EQ(only().caption, QStringLiteral("ソフト表"));
    msgbox::clearShown();
    msg.PFuDispMessage("000", "202", B::O, I::Manual);
    EXPECT_EQ(only().text, "two");
}

TEST_F(MessageTest, MissingFileGivesZeroAfterItsBox) {
    clsMessage fresh;
    EXPECT_EQ(fresh.dirPath(), "./clsMessage.txt");
    const QString missing = dir.filePath("none.txt");
    msg.PoSetDirPath(missing);
    EXPECT_EQ(msg.dirPath(), missing);
    EXPECT_EQ(msg.PFuDispMessage("000", "810", B::O, I::Manual), 0);
    const msgbox::Shown b = only();
    EXPECT_EQ(b.text, missing + QStringLiteral("が存在しない\r\nPFuDispMessageでエラー"));
    EXPECT_EQ(b.caption, "Veltrum");
    EXPECT_EQ(b.style, 0);

    msgbox::clearShown();
    msg.PoSetDirPath(dir.path()); // a folder is no message file
    EXPECT_EQ(msg.PFuDispMessage("000", "810", B::O, I::Manual), 0);
}

TEST_F(MessageTest, RunTimeErrorGives9999AfterItsBox) {
    file({"[000] T", "abc not a number", "99999999999 too big"});
    EXPECT_EQ(msg.PFuDispMessage("000", "abc", B::O, I::Manual), 9999);
    const msgbox::Shown b = only();
    EXPECT_EQ(b.text,
              QStringLiteral("実行時エラー\r\nPFuDispMessageでエラー\r\nErrSource -> Veltrum.clsMessage\r\n"
                             "型が一致しません。"));
    EXPECT_EQ(b.caption, "Veltrum");
    EXPECT_EQ(b.style, 0);

    msgbox::clearShown();
    EXPECT_EQ(msg.PFuDispMessage("000", "99999999999", B::O, I::Manual), 9999);
    EXPECT_TRUE(only().text.endsWith(QStringLiteral("オーバーフローしました。")));

    // With an explicit icon the number is not read as a number.
    msgbox::clearShown();
    EXPECT_EQ(msg.PFuDispMessage("000", "abc", B::O, I::E), 1);
    EXPECT_EQ(only().text, "not a number");
}

} // namespace
