#include <gtest/gtest.h>

#include "platform/error/VbError.h"
#include "platform/text/Text.h"

using namespace text;

TEST(Cp932, RoundTripsJapaneseAndCp932SpecificCharacters) {
    const QByteArray nihongo("\x93\xFA\x96\x7B\x8C\xEA", 6);
    EXPECT_EQ(fromCp932(nihongo), QStringLiteral("日本語"));
    EXPECT_EQ(toCp932(QStringLiteral("日本語")), nihongo);
    // Backslash and tilde stay ASCII; the CP932 dashes and wave map to their full-width forms.
    EXPECT_EQ(toCp932(QStringLiteral("C:\\a~")), QByteArray("C:\\a~"));
    EXPECT_EQ(fromCp932(QByteArray("\x81\x7C", 2)), QString(QChar(0xFF0D)));
    EXPECT_EQ(fromCp932(QByteArray("\x81\x60", 2)), QString(QChar(0xFF5E)));
    EXPECT_EQ(fromCp932(QByteArray("\x87\x40", 2)), QStringLiteral("①"));
    EXPECT_EQ(toCp932(QStringLiteral("ﾌﾟﾛﾊﾟﾃｨ")).size(), 7);
}

TEST(Cp932, UnmappableCharactersBecomeQuestionMarks) {
    EXPECT_EQ(toCp932(QStringLiteral("aéb")), QByteArray("a?b"));
    EXPECT_EQ(toCp932(QStringLiteral("x😀y")), QByteArray("x?y"));
    EXPECT_EQ(toCp932(QStringLiteral("日é本")), QByteArray("\x93\xFA?\x96\x7B"));
}

TEST(Cp932, DecodingDropsLoneTrailingLeadAndMapsWindowsOnlyBytes) {
    EXPECT_EQ(fromCp932(QByteArray("a\x82", 2)), QStringLiteral("a"));
    EXPECT_EQ(fromCp932(QByteArray("\xA0", 1)), QString(QChar(0xF8F0)));
    EXPECT_EQ(fromCp932(QByteArray("\xFD", 1)), QString(QChar(0xF8F1)));
}

TEST(Cp932, ByteCutNeverSplitsACharacter) {
    const QByteArray kanji = toCp932(QStringLiteral("日本語"));
    EXPECT_EQ(cutCp932(kanji, 3, DanglingLead::Drop), toCp932(QStringLiteral("日")));
    EXPECT_EQ(cutCp932(kanji, 3, DanglingLead::Blank), toCp932(QStringLiteral("日 ")));
    EXPECT_EQ(cutCp932(kanji, 4, DanglingLead::Drop), toCp932(QStringLiteral("日本")));
    // Half-width katakana are single bytes.
    EXPECT_EQ(cutCp932(QByteArray("\xB1\xB2\xB3"), 2, DanglingLead::Drop), QByteArray("\xB1\xB2"));
    EXPECT_EQ(cutCp932(QByteArray("abc"), 10, DanglingLead::Drop), QByteArray("abc"));
}

TEST(VbStrings, TrimTakesOnlyBlanksAndIdeographicSpace) {
    EXPECT_EQ(vbTrim(QStringLiteral(" \u3000a b\u3000 ")), QStringLiteral("a b"));
    EXPECT_EQ(vbTrim(QStringLiteral("\ta\r\n")), QStringLiteral("\ta\r\n"));
    EXPECT_EQ(vbMid(QStringLiteral("abc"), 5), QString());
    EXPECT_EQ(vbMid(QStringLiteral("abcdef"), 2, 3), QStringLiteral("bcd"));
    EXPECT_EQ(vbLeft(QString(), 3), QString());
    EXPECT_EQ(vbRight(QStringLiteral("abc"), 5), QStringLiteral("abc"));
}

TEST(Paths, BackslashesAreSeparators) {
    EXPECT_EQ(text::localPath(QStringLiteral("db\\clinic.mdb")), QStringLiteral("db/clinic.mdb"));
    EXPECT_EQ(text::localPath(QStringLiteral("\\\\srv\\share\\")), QStringLiteral("//srv/share/"));
    // 表 is 0x95 0x5C in CP932: the text is decoded first, so its trail byte is no separator.
    EXPECT_EQ(text::localPath(QStringLiteral("画像/表\\a")), QStringLiteral("画像/表/a"));
    EXPECT_EQ(text::localPath(QString()), QString());
}

TEST(VbNumbers, ValAndIsNumeric) {
    EXPECT_DOUBLE_EQ(vbVal(QStringLiteral("  12.5abc")), 12.5);
    EXPECT_DOUBLE_EQ(vbVal(QStringLiteral("abc")), 0.0);
    EXPECT_DOUBLE_EQ(vbVal(QStringLiteral("-3e2")), -300.0);
    // Blanks, tabs and line breaks are passed over inside the number too; "D" is an exponent.
    EXPECT_DOUBLE_EQ(vbVal(QStringLiteral("    1615 198th Street N.E.")), 1615198.0);
    EXPECT_DOUBLE_EQ(vbVal(QStringLiteral(" 2 45 7")), 2457.0);
    EXPECT_DOUBLE_EQ(vbVal(QStringLiteral("-\t1\r\n.5")), -1.5);
    EXPECT_DOUBLE_EQ(vbVal(QStringLiteral("24 and 57")), 24.0);
    EXPECT_DOUBLE_EQ(vbVal(QStringLiteral("1D2")), 100.0);
    EXPECT_DOUBLE_EQ(vbVal(QStringLiteral("1 e 2x")), 100.0);
    EXPECT_DOUBLE_EQ(vbVal(QStringLiteral("5d")), 5.0);
    EXPECT_TRUE(vbIsNumeric(QStringLiteral(" 15 ")));
    EXPECT_TRUE(vbIsNumeric(QStringLiteral("-1.5E+3")));
    EXPECT_FALSE(vbIsNumeric(QString()));
    EXPECT_FALSE(vbIsNumeric(QStringLiteral("abc")));
    EXPECT_FALSE(vbIsNumeric(QStringLiteral("1a")));
    EXPECT_FALSE(vbIsNumeric(QStringLiteral(".")));
}

TEST(VbFormat, DatesTimesAndHalfAwayFromZero) {
    const QDateTime dt(QDate(2024, 1, 2), QTime(15, 4, 5));
    EXPECT_EQ(vbFormatDateTime(dt, QStringLiteral("yyyy/mm/dd hh:mm:ss")),
              QStringLiteral("2024/01/02 15:04:05"));
    EXPECT_EQ(vbFormatDateTime(dt, QStringLiteral("yyyy/mm/dd-hh:nn:ss")),
              QStringLiteral("2024/01/02-15:04:05"));
    EXPECT_EQ(vbFormatDateTime(dt, QStringLiteral("yyyymmdd")), QStringLiteral("20240102"));
    EXPECT_EQ(vbFormatFixed(3.125, 2), QStringLiteral("3.13"));
    EXPECT_EQ(vbFormatFixed(15.625, 2), QStringLiteral("15.63"));
    EXPECT_EQ(vbFormatFixed(0.0, 2), QStringLiteral("0.00"));
    EXPECT_EQ(vbFormatFixed(100.0, 2), QStringLiteral("100.00"));
}

namespace {
// The number of the run-time error that vbCLng throws for text, 0 when it converts.
long clngError(const QString& t) {
    try {
        vbCLng(t, QStringLiteral("test"));
        return 0;
    } catch (const VbError& e) {
        EXPECT_EQ(e.source(), QStringLiteral("test"));
        EXPECT_EQ(e.description(), vbErrorText(e.number()));
        return e.number();
    }
}
} // namespace

TEST(VbNumbers, CLngRoundsHalvesToEvenAndGuardsTheRange) {
    EXPECT_EQ(vbCLng(QStringLiteral(" 300 "), {}), 300);
    EXPECT_EQ(vbCLng(QStringLiteral("　42　"), {}), 42);
    EXPECT_EQ(vbCLng(QStringLiteral("12.5"), {}), 12);
    EXPECT_EQ(vbCLng(QStringLiteral("13.5"), {}), 14);
    EXPECT_EQ(vbCLng(QStringLiteral("-2.5"), {}), -2);
    EXPECT_EQ(vbCLng(QStringLiteral("2.51"), {}), 3);
    EXPECT_EQ(vbCLng(QStringLiteral("+7"), {}), 7);
    EXPECT_EQ(vbCLng(QStringLiteral(".5"), {}), 0);
    EXPECT_EQ(vbCLng(QStringLiteral("1e3"), {}), 1000);
    EXPECT_EQ(vbCLng(QStringLiteral("1e-999"), {}), 0);
    EXPECT_EQ(vbCLng(QStringLiteral("2147483647"), {}), 2147483647);
    EXPECT_EQ(vbCLng(QStringLiteral("-2147483648"), {}), INT32_MIN);
    EXPECT_EQ(vbCLng(QStringLiteral("2147483647.4"), {}), 2147483647);

    for (const char* bad : {"", " ", "abc", "12a", "1e", "--1", "1.2.3"})
        EXPECT_EQ(clngError(QString::fromUtf8(bad)), 13) << bad;
    for (const char* big : {"2147483648", "2147483647.5", "-2147483649", "99999999999", "1e999", "-1e999"})
        EXPECT_EQ(clngError(QString::fromUtf8(big)), 6) << big;
}
