// The text entry field's character formats, length and input method, and the month calendar.
#include <QTest>
#include <gtest/gtest.h>

#include "platform/fields/CharFormat.h"
#include "platform/fields/ImCalendar.h"
#include "platform/fields/ImText.h"

TEST(CharFormat, EachFormatTakesItsClassesOnly) {
    const struct {
        const char* format;
        const char* text;
        bool allowed;
    } cases[] = {
        {"#", "03-1234-5678", true},  {"#", "(03) 1234+5", true},
        {"#", "1'2", true}, // a quote is a sign: the SQL text doubles it, the field does not stop it
        {"#", "03a", false},          {"#", "０３", false},
        {"9Aa", "Ab12z", true},       {"9Aa", "12-3", false},
        {"9Aa", "あ", false},         {"9", "123", true},
        {"9", "12A", false},          {"Ｚ", "やまだ　タロウ山田ＡＢ１", true},
        {"Ｚ", "yama", false},        {"Ｚ", "ﾔﾏ", false}, // half-width katakana
        {"Ｚ", "や\tま", false},                           // control characters never pass
        {"", "any テキスト 1", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fields::formatAllows(QString::fromUtf8(c.format), QString::fromUtf8(c.text)), c.allowed)
            << c.format << " " << c.text;
}

TEST(CharFormat, FullWidthFormsJoinVoicedMarks) {
    EXPECT_EQ(fields::toFullWidth(QStringLiteral("ｶﾞｯｺｳ ﾊﾟﾝ")), QStringLiteral("ガッコウ　パン"));
    EXPECT_EQ(fields::toFullWidth(QStringLiteral("ab-1")), QStringLiteral("ａｂ－１"));
    EXPECT_EQ(fields::toFullWidth(QStringLiteral("やまだ山田")), QStringLiteral("やまだ山田"));
}

TEST(TextField, TypedAndPastedTextKeepsToTheFormatAndLength) {
    ImText field;
    field.setFormat(QStringLiteral("9Aa"));
    field.setMaxLength(10);
    QTest::keyClicks(&field, QStringLiteral("Ab-1#2cdefghijk"));
    EXPECT_EQ(field.text(), QStringLiteral("Ab12cdefgh"));

    field.clear();
    field.setFormat(QStringLiteral("Ｚ"));
    field.setMaxLength(30);
    field.insert(QStringLiteral("やま"));
    field.insert(QStringLiteral("da")); // half-width refused without the conversion
    EXPECT_EQ(field.text(), QStringLiteral("やま"));
    field.setAutoConvert(true);
    field.insert(QStringLiteral("ﾀﾞ"));
    EXPECT_EQ(field.text(), QStringLiteral("やまダ"));
}

TEST(TextField, InputMethodFollowsTheMode) {
    ImText field;
    EXPECT_FALSE(field.testAttribute(Qt::WA_InputMethodEnabled));
    field.setIMEMode(ImText::ImeHiragana);
    EXPECT_TRUE(field.testAttribute(Qt::WA_InputMethodEnabled));
    field.setIMEMode(ImText::ImeOff);
    EXPECT_FALSE(field.testAttribute(Qt::WA_InputMethodEnabled));
    field.setTabStop(false);
    EXPECT_FALSE(field.TabStop());
}

TEST(MonthCalendar, ValueShowsItsMonthAndStaysWithinTheEraTable) {
    ImCalendar cal;
    cal.setValue(QDate(2019, 5, 1));
    EXPECT_EQ(cal.Value(), QDate(2019, 5, 1));
    EXPECT_EQ(cal.monthShown(), 5);
    EXPECT_EQ(cal.yearShown(), 2019);
    EXPECT_EQ(cal.property("Value"), QVariant(QDate(2019, 5, 1)));
    cal.setValue(QDate(1800, 1, 1));
    EXPECT_EQ(cal.Value(), QDate(1868, 9, 8));
    cal.setValue(QDate(2200, 1, 1));
    EXPECT_EQ(cal.Value(), QDate(2117, 12, 31));
    EXPECT_EQ(cal.firstDayOfWeek(), Qt::Sunday);
}
