#include <gtest/gtest.h>

#include "platform/msgbox/MsgBox.h"

namespace {

class MsgBoxSeamTest : public ::testing::Test {
protected:
    void SetUp() override {
        msgbox::clearShown();
        msgbox::clearAnswers();
    }
};

TEST_F(MsgBoxSeamTest, RecordsEveryBoxAsPassed) {
    ASSERT_TRUE(msgbox::testSeamEnabled());
    msgbox::msgBoxA(nullptr, QStringLiteral("一行目\r\n<b>二行目</b>"), QStringLiteral("題"), 4 + 32);
    msgbox::msgBoxA(msgbox::activeWindow(), "second", "", 16);
    const QList<msgbox::Shown> s = msgbox::shown();
    ASSERT_EQ(s.size(), 2);
    EXPECT_EQ(s[0].text, QStringLiteral("一行目\r\n<b>二行目</b>"));
    EXPECT_EQ(s[0].caption, QStringLiteral("題"));
    EXPECT_EQ(s[0].style, 36);
    EXPECT_EQ(s[1].style, 16);
    msgbox::clearShown();
    EXPECT_TRUE(msgbox::shown().isEmpty());
}

TEST_F(MsgBoxSeamTest, UnansweredBoxGivesTheFirstButtonOfItsSet) {
    // Button set from style & 0x0F, whatever the icon bits.
    const QList<QPair<int, int>> sets = {{0, msgbox::IDOK},  {1, msgbox::IDOK},  {2, msgbox::IDABORT},
                                         {3, msgbox::IDYES}, {4, msgbox::IDYES}, {5, msgbox::IDRETRY},
                                         {6, msgbox::IDOK},  {15, msgbox::IDOK}};
    for (const auto& [set, first] : sets) {
        for (int icon : {0, 16, 32, 48, 64}) {
            SCOPED_TRACE(set * 1000 + icon);
            EXPECT_EQ(msgbox::msgBoxA(nullptr, "t", "c", set | icon), first);
        }
    }
}

TEST_F(MsgBoxSeamTest, QueuedAnswersAreUsedInOrder) {
    msgbox::pushAnswer(msgbox::IDNO);
    msgbox::pushAnswer(msgbox::IDCANCEL);
    EXPECT_EQ(msgbox::msgBoxA(nullptr, "a", "c", msgbox::MB_YESNO), msgbox::IDNO);
    EXPECT_EQ(msgbox::msgBoxA(nullptr, "b", "c", msgbox::MB_OKCANCEL), msgbox::IDCANCEL);
    EXPECT_EQ(msgbox::msgBoxA(nullptr, "c", "c", msgbox::MB_YESNOCANCEL), msgbox::IDYES);
    msgbox::pushAnswer(msgbox::IDNO);
    msgbox::clearAnswers();
    EXPECT_EQ(msgbox::msgBoxA(nullptr, "d", "c", msgbox::MB_YESNO), msgbox::IDYES);
    EXPECT_EQ(msgbox::shown().size(), 4);
}

} // namespace
