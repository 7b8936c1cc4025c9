// The runtime's date reading of a text: what counts as a date or time, and its "hh:mm" form.
#include <gtest/gtest.h>

#include "controls/timeentry/ClockText.h"

using quorvin::vbCDate;
using quorvin::vbFormatClock;

TEST(ClockText, ReadsTimesDatesAndDateTimes) {
    const int year = QDate::currentDate().year();
    struct Case {
        const char* text;
        QDateTime expected;
    };
    const QDate zero(1899, 12, 30);
    const Case cases[] = {
        {"9:5", QDateTime(zero, QTime(9, 5))},
        {"09:05", QDateTime(zero, QTime(9, 5))},
        {"0:00", QDateTime(zero, QTime(0, 0))},
        {"23:59:59", QDateTime(zero, QTime(23, 59, 59))},
        {"  10:07　", QDateTime(zero, QTime(10, 7))},
        {"1:30 PM", QDateTime(zero, QTime(13, 30))},
        {"12:15am", QDateTime(zero, QTime(0, 15))},
        {"午後3:05", QDateTime(zero, QTime(15, 5))},
        {"2024/01/05", QDateTime(QDate(2024, 1, 5), QTime(0, 0))},
        {"2024-2-29 8:40", QDateTime(QDate(2024, 2, 29), QTime(8, 40))},
        {"2024/12/31　 23:00:10", QDateTime(QDate(2024, 12, 31), QTime(23, 0, 10))},
        {"24/3/1", QDateTime(QDate(2024, 3, 1), QTime(0, 0))},
        {"99/3/1", QDateTime(QDate(1999, 3, 1), QTime(0, 0))},
        {"3/1", QDateTime(QDate(year, 3, 1), QTime(0, 0))},
        {"2024/3", QDateTime(QDate(2024, 3, 1), QTime(0, 0))},
    };
    for (const Case& c : cases) {
        const auto got = vbCDate(QString::fromUtf8(c.text));
        ASSERT_TRUE(got.has_value()) << c.text;
        EXPECT_EQ(*got, c.expected) << c.text;
    }
}

TEST(ClockText, RejectsWhatIsNoDateOrTime) {
    for (const char* text : {"", "  ", "abc", "25:00", "24:00", "10:60", "10:07:60", "9", "10:", ":30",
                             "10:07:00:00", "13:00 PM", "2024/02/30", "2024/13/01", "2024/1/5 10:07 11:00",
                             "10:07x", "１０:07", "2024/1/5/6", "PM"})
        EXPECT_FALSE(quorvin::vbIsDate(QString::fromUtf8(text))) << text;
}

TEST(ClockText, FormatsAsHoursAndMinutes) {
    const std::pair<const char*, const char*> cases[] = {
        {"9:5", "09:05"},
        {"9:5:59", "09:05"},
        {"2024/01/05 17:45", "17:45"},
        {"2024/01/05", "00:00"},
        {"11:59 PM", "23:59"},
        {"abc", "abc"},
        {"", ""},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(vbFormatClock(QString::fromUtf8(in)), QString::fromUtf8(out)) << in;
}
