// The era table, era formats and date parsing.
#include <gtest/gtest.h>

#include "platform/text/Era.h"

using namespace era;

TEST(EraTable, NamesKanjiAndLettersInOrder) {
    ASSERT_EQ(eraCount(), 5);
    const char* names[] = {"明治", "大正", "昭和", "平成", "令和"};
    const char* kanji[] = {"明", "大", "昭", "平", "令"};
    const char* letters[] = {"M", "T", "S", "H", "R"};
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(eraName(k), QString::fromUtf8(names[k]));
        EXPECT_EQ(eraKanji(k), QString::fromUtf8(kanji[k]));
        EXPECT_EQ(eraLetter(k), QString::fromUtf8(letters[k]));
        EXPECT_EQ(eraOfLetter(QChar(letters[k][0])), k);
        EXPECT_EQ(eraOfLetter(QChar(letters[k][0]).toLower()), k);
    }
    EXPECT_EQ(eraName(-1), QString());
    EXPECT_EQ(eraName(5), QString());
    EXPECT_EQ(eraOfLetter(u'X'), -1);
    EXPECT_EQ(eraOfLetter(u'5'), -1);
}

TEST(EraTable, BoundariesFallOnTheFirstDays) {
    const struct {
        QDate date;
        int index, year;
    } cases[] = {
        {QDate(1868, 9, 7), -1, 1}, {QDate(1868, 9, 8), 0, 1},    {QDate(1912, 7, 29), 0, 45},
        {QDate(1912, 7, 30), 1, 1}, {QDate(1926, 12, 24), 1, 15}, {QDate(1926, 12, 25), 2, 1},
        {QDate(1989, 1, 7), 2, 64}, {QDate(1989, 1, 8), 3, 1},    {QDate(2019, 4, 30), 3, 31},
        {QDate(2019, 5, 1), 4, 1},  {QDate(2118, 1, 1), 4, 100},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(eraIndex(c.date), c.index) << c.date.toString().toStdString();
        EXPECT_EQ(eraYear(c.date), c.year) << c.date.toString().toStdString();
    }
    EXPECT_EQ(eraIndex(QDate()), -1);
}

TEST(EraFormat, TheProgramsPatterns) {
    const QDate d(2003, 4, 1);
    EXPECT_EQ(format(d, QStringLiteral("gee/mm/dd")), QStringLiteral("H15/04/01"));
    EXPECT_EQ(format(d, QStringLiteral("ggee/mm/dd")), QStringLiteral("平15/04/01"));
    EXPECT_EQ(format(d, QStringLiteral("ggee年mm月dd日")), QStringLiteral("平15年04月01日"));
    EXPECT_EQ(format(d, QStringLiteral("gggee年mm月dd日")), QStringLiteral("平成15年04月01日"));
    EXPECT_EQ(format(d, QStringLiteral("ggg ee年mm月dd日")), QStringLiteral("平成 15年04月01日"));
    EXPECT_EQ(format(d, QStringLiteral("ggge年m月d日")), QStringLiteral("平成15年4月1日"));
    EXPECT_EQ(format(d, QStringLiteral("yyyy/mm/dd (ggg)")), QStringLiteral("2003/04/01 (平成)"));
    EXPECT_EQ(warekiText(d), QStringLiteral("平成15年04月01日"));
}

TEST(EraFormat, YearOneIsZeroOneAndLongYearsAreNotCut) {
    EXPECT_EQ(warekiText(QDate(2019, 5, 1)), QStringLiteral("令和01年05月01日"));
    EXPECT_EQ(format(QDate(2019, 5, 1), QStringLiteral("gee/mm/dd")), QStringLiteral("R01/05/01"));
    EXPECT_EQ(format(QDate(2019, 5, 1), QStringLiteral("ggee/mm/dd")), QStringLiteral("令01/05/01"));
    EXPECT_EQ(warekiText(QDate(2118, 1, 1)), QStringLiteral("令和100年01月01日"));
    EXPECT_FALSE(warekiText(QDate(1989, 1, 8)).contains(u'元'));
}

TEST(EraFormat, BeforeMeijiHasNoEraName) {
    EXPECT_EQ(warekiText(QDate(1868, 9, 7)), QStringLiteral("01年09月07日"));
    EXPECT_EQ(format(QDate(1868, 1, 1), QStringLiteral("gee/mm/dd")), QStringLiteral("01/01/01"));
    EXPECT_EQ(format(QDate(), QStringLiteral("gggee")), QString());
}

TEST(EraParse, GregorianTexts) {
    EXPECT_EQ(parseDate(QStringLiteral("2003/04/01")), QDate(2003, 4, 1));
    EXPECT_EQ(parseDate(QStringLiteral("2003/4/1")), QDate(2003, 4, 1));
    EXPECT_EQ(parseDate(QStringLiteral(" 2003/04/01\u3000")), QDate(2003, 4, 1));
    EXPECT_EQ(parseDate(QStringLiteral("2003年4月1日")), QDate(2003, 4, 1));
    EXPECT_EQ(parseDate(QStringLiteral("2004/02/29")), QDate(2004, 2, 29));
    for (const char* bad :
         {"", "abc", "2003/02/29", "2003/13/01", "2003/04/31", "03/04/01", "20030401", "2003/04",
          "2003/04/01x", "2003/04-01", "2003//04/01", "2003/004/01", "12003/04/01", "2003/04/01\t"})
        EXPECT_FALSE(parseDate(QString::fromUtf8(bad)).isValid()) << bad;
}

TEST(EraParse, EraTextsOfTheEntryFieldAndTheGrid) {
    const QDate d(2003, 4, 1);
    EXPECT_EQ(parseDate(QStringLiteral("平成 15年04月01日")), d);
    EXPECT_EQ(parseDate(QStringLiteral("平成15年04月01日")), d);
    EXPECT_EQ(parseDate(QStringLiteral("平成\u300015年4月1日")), d);
    EXPECT_EQ(parseDate(QStringLiteral("平15年04月01日")), d);
    EXPECT_EQ(parseDate(QStringLiteral("平15/04/01")), d);
    EXPECT_EQ(parseDate(QStringLiteral("H15/04/01")), d);
    EXPECT_EQ(parseDate(QStringLiteral("h15/4/1")), d);
    EXPECT_EQ(parseDate(QStringLiteral("R01/05/01")), QDate(2019, 5, 1));
    EXPECT_EQ(parseDate(QStringLiteral("令和01年05月01日")), QDate(2019, 5, 1));
    EXPECT_EQ(parseDate(QStringLiteral("平成元年01月08日")), QDate(1989, 1, 8));
    EXPECT_EQ(parseDate(QStringLiteral("M45/07/29")), QDate(1912, 7, 29));
}

TEST(EraParse, DatesOutsideTheirEraAreNotRealDates) {
    for (const char* bad : {"平成01年01月07日", "平成31年05月01日", "令和01年04月30日", "昭和64年01月08日",
                            "大正01年07月29日", "H00/01/01", "H15/02/29", "X15/04/01", "平成15年04月01",
                            "平成15年04/01", "H15/04月01日", "平成", "H"})
        EXPECT_FALSE(parseDate(QString::fromUtf8(bad)).isValid()) << bad;
}

TEST(EraParse, EveryFormatReadsBackToItsDate) {
    const QString patterns[] = {QStringLiteral("gee/mm/dd"),        QStringLiteral("ggee/mm/dd"),
                                QStringLiteral("ggee年mm月dd日"),   QStringLiteral("gggee年mm月dd日"),
                                QStringLiteral("ggg ee年mm月dd日"), QStringLiteral("ggge年m月d日"),
                                QStringLiteral("yyyy/mm/dd"),       QStringLiteral("yyyy/m/d")};
    int checked = 0;
    for (QDate d(1868, 9, 8); d <= QDate(2040, 12, 31); d = d.addDays(1)) {
        for (const QString& p : patterns) {
            const QString t = format(d, p);
            if (parseDate(t) != d) {
                ADD_FAILURE() << t.toStdString() << " from " << d.toString(Qt::ISODate).toStdString();
                return;
            }
            ++checked;
        }
    }
    EXPECT_GT(checked, 100000);
}

TEST(EraConvert, FromEraChecksTheEraItself) {
    EXPECT_EQ(fromEra(3, 15, 4, 1), QDate(2003, 4, 1));
    EXPECT_EQ(fromEra(4, 1, 5, 1), QDate(2019, 5, 1));
    EXPECT_FALSE(fromEra(3, 31, 5, 1).isValid());
    EXPECT_FALSE(fromEra(3, 0, 5, 1).isValid());
    EXPECT_FALSE(fromEra(5, 1, 1, 1).isValid());
    EXPECT_FALSE(fromEra(-1, 1, 1, 1).isValid());
    EXPECT_EQ(eraFirstDay(2), QDate(1926, 12, 25));
    EXPECT_FALSE(eraFirstDay(7).isValid());
}
