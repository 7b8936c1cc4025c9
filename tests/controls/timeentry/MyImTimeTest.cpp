// The time entry control: its lists, its text for every minute step, its clicks and its surface.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "controls/timeentry/MyImTime.h"
#include "platform/msgbox/MsgBox.h"

namespace {

QComboBox* list(MyImTime& t, const char* name) {
    return t.findChild<QComboBox*>(QLatin1String(name));
}

QStringList items(QComboBox* box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

struct TimeEntryTest : ::testing::Test {
    void SetUp() override {
        msgbox::clearShown();
        msgbox::clearAnswers();
    }
    MyImTime t;
    QComboBox* h = list(t, "CboH");
    QComboBox* m = list(t, "CboM");
    QSignalSpy clicks{&t, &MyImTime::Click};
};

} // namespace

TEST_F(TimeEntryTest, HourListAndMinuteListInSteps) {
    EXPECT_EQ(t.text(), "");
    EXPECT_EQ(h->currentIndex(), -1);
    EXPECT_EQ(m->currentIndex(), -1);
    ASSERT_EQ(items(h).size(), 24);
    EXPECT_EQ(items(h).first() + items(h).last(), "023");
    EXPECT_EQ(t.listUnit(), 5);
    struct Case {
        int unit;
        QStringList expected;
    };
    const QStringList fives = {"0", "5", "10", "15", "20", "25", "30", "35", "40", "45", "50", "55"};
    EXPECT_EQ(items(m), fives);
    const Case cases[] = {
        {15, {"0", "15", "30", "45"}},
        {0, {"0", "15", "30", "45"}}, // 0 keeps what the list holds
        {7, {"0", "7", "14", "21", "28", "35", "42", "49", "56"}},
        {59, {"0", "59"}},
        {60, {"0"}},
        {-5, {}}, // a negative step counts nothing
        {5, fives},
    };
    for (const Case& c : cases) {
        t.setListUnit(c.unit);
        EXPECT_EQ(t.listUnit(), c.unit);
        EXPECT_EQ(items(m), c.expected) << c.unit;
    }
}

// Every step the setting may hold against every minute of an hour: a minute on the step shows and reads
// back as "hh:mm", one between the steps selects the hour only and reads back "".
TEST_F(TimeEntryTest, TextForEveryStepAndEveryMinute) {
    for (int unit = 1; unit <= 60; ++unit) {
        t.setListUnit(unit);
        for (int minute = 0; minute < 60; ++minute) {
            const int hour = (unit + minute) % 24;
            const QString value = QString::asprintf("%d:%d", hour, minute);
            t.setText(value);
            const bool onStep = minute % unit == 0;
            ASSERT_EQ(t.text(), onStep ? QString::asprintf("%02d:%02d", hour, minute) : QString())
                << "step " << unit << " value " << value.toStdString();
            ASSERT_EQ(h->currentText(), QString::number(hour));
            ASSERT_EQ(m->currentIndex(), onStep ? minute / unit : -1);
        }
    }
    t.setListUnit(-5);
    t.setText("10:00");
    EXPECT_EQ(t.text(), "");
    EXPECT_EQ(h->currentText(), "10");
}

TEST_F(TimeEntryTest, TextOfAnyDateOrTimeForm) {
    struct Case {
        const char* in;
        const char* text;
        const char* hour;
        const char* minute;
    };
    const Case cases[] = {
        {"9:5", "09:05", "9", "5"},
        {"2024/01/05 17:45:59", "17:45", "17", "45"},
        {"2024/01/05", "00:00", "0", "0"},
        {"10:07", "", "10", ""},
        {" ", "", "", ""}, // a blank value stores "", not the blank
    };
    for (const Case& c : cases) {
        t.setText(QString::fromUtf8(c.in));
        EXPECT_EQ(t.text(), c.text) << c.in;
        EXPECT_EQ(h->currentText(), c.hour) << c.in;
        EXPECT_EQ(m->currentText(), c.minute) << c.in;
    }
    EXPECT_TRUE(msgbox::shown().isEmpty());
}

TEST_F(TimeEntryTest, InvalidValueShowsTheBoxAndKeepsEverything) {
    t.setText("9:05");
    clicks.clear();
    for (const char* bad : {"abc", "25:00", "10:60", "9"}) {
        msgbox::clearShown();
        t.setText(bad);
        ASSERT_EQ(msgbox::shown().size(), 1) << bad;
        EXPECT_EQ(msgbox::shown()[0].text, "ﾌﾟﾛﾊﾟﾃｨの値が不正です");
        EXPECT_EQ(msgbox::shown()[0].style, msgbox::MB_OK); // OK only, no icon
        EXPECT_EQ(t.text(), "09:05") << bad;
        EXPECT_EQ(m->currentText(), "5");
    }
    EXPECT_EQ(clicks.count(), 0);
}

// One Click per list whose selection the text changes; none when nothing changes, none for a list
// rebuild; always with CboIndex 0.
TEST_F(TimeEntryTest, ClicksOnProgrammaticChanges) {
    struct Step {
        std::function<void()> act;
        int clicks;
        const char* text;
    };
    const Step steps[] = {
        {[&] { t.setText("9:5"); }, 2, "09:05"},
        {[&] { t.setText("09:05"); }, 0, "09:05"},
        {[&] { t.setText("9:10"); }, 1, "09:10"},
        {[&] { t.setText("10:07"); }, 2, ""},
        {[&] { t.setText("10:07"); }, 0, ""}, // the same off-step time again still reads ""
        {[&] { t.setText("10:30"); }, 1, "10:30"},
        {[&] { t.setText("abc"); }, 0, "10:30"},
        {[&] { t.setText(""); }, 2, ""},
        {[&] { t.setText(""); }, 0, ""},
        {[&] { t.setText("8:00"); }, 2, "08:00"},
        {[&] { t.setListUnit(15); }, 0, "08:00"}, // text kept, minute selection gone
        {[&] { t.setText("8:15"); }, 1, "08:15"},
        {[&] { t.setText("8:20"); }, 1, ""},
        {[&] { t.setText("  "); }, 1, ""},
    };
    int n = 0;
    for (const Step& s : steps) {
        clicks.clear();
        s.act();
        EXPECT_EQ(clicks.count(), s.clicks) << "step " << n;
        EXPECT_EQ(t.text(), s.text) << "step " << n;
        for (const auto& args : clicks)
            EXPECT_EQ(args.at(0).toInt(), 0);
        ++n;
    }
}

TEST_F(TimeEntryTest, UserPicksClickAndRebuildTheText) {
    auto pick = [](QComboBox* box, const QString& item) {
        box->showPopup();
        auto* view = box->view();
        view->setCurrentIndex(view->model()->index(box->findText(item), 0));
        QTest::keyClick(view, Qt::Key_Return);
    };
    t.show();
    QString seen;
    QObject::connect(&t, &MyImTime::Click, [&] { seen = t.text(); });
    pick(h, "9");
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(t.text(), ""); // the hour alone is no time
    pick(m, "5");
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_EQ(t.text(), "09:05");
    EXPECT_EQ(seen, "09:05"); // the host reads the new text in its handler
    pick(m, "5");             // the item already shown: a click all the same
    EXPECT_EQ(clicks.count(), 3);
    h->setFocus();
    QTest::keyClick(h, Qt::Key_Down);
    EXPECT_EQ(clicks.count(), 4);
    EXPECT_EQ(t.text(), "10:05");
}

TEST_F(TimeEntryTest, KeepsItsSizeAndLayout) {
    t.resize(300, 100);
    EXPECT_EQ(t.size(), QSize(120, 26));
    const std::pair<const char*, QRect> layout[] = {
        {"CboH", QRect(0, 0, 41, 20)},
        {"Lbl_H", QRect(40, 3, 21, 17)},
        {"CboM", QRect(56, 0, 41, 20)},
        {"Lbl_M", QRect(96, 3, 21, 17)},
    };
    for (const auto& [name, rect] : layout)
        EXPECT_EQ(t.findChild<QWidget*>(QLatin1String(name))->geometry(), rect) << name;
    EXPECT_EQ(t.findChild<QLabel*>("Lbl_H")->text(), "時");
    EXPECT_EQ(t.findChild<QLabel*>("Lbl_M")->text(), "分");
    EXPECT_EQ(t.focusProxy(), h); // focusing the control lands on the hour list
}

TEST_F(TimeEntryTest, ColoursReachTheirParts) {
    t.setBackColor(0x00FFFF); // yellow
    t.setForeColor(0xFF0000); // blue
    const QImage img = t.grab().toImage();
    EXPECT_EQ(img.pixelColor(118, 24), QColor(255, 255, 0)); // the control's own surface
    EXPECT_EQ(img.pixelColor(55, 18), QColor(255, 255, 0));  // a caption's background
    EXPECT_EQ(t.findChild<QLabel*>("Lbl_M")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(h->palette().color(QPalette::Base), QColor(255, 255, 255)); // lists stay white
    EXPECT_EQ(m->palette().color(QPalette::Text), QColor(0, 0, 255));
    t.setBorderStyle(1); // a sunken edge: dark and shadow at the left, light and midlight at the right
    const QImage framed = t.grab().toImage();
    const QPalette pal = QApplication::palette();
    EXPECT_EQ(framed.pixel(0, 22), pal.color(QPalette::Dark).rgb());
    EXPECT_EQ(framed.pixel(1, 22), pal.color(QPalette::Shadow).rgb());
    EXPECT_EQ(framed.pixel(119, 22), pal.color(QPalette::Light).rgb());
    EXPECT_EQ(framed.pixel(118, 22), pal.color(QPalette::Midlight).rgb());
    EXPECT_EQ(framed.pixel(60, 25), pal.color(QPalette::Light).rgb());
    EXPECT_EQ(framed.pixelColor(110, 22), QColor(255, 255, 0));
    t.setBackStyle(0);
    EXPECT_EQ(t.backStyle(), 0);
    EXPECT_EQ(t.borderStyle(), 1);
    EXPECT_EQ(t.backColor(), 0x00FFFF);
    EXPECT_EQ(t.foreColor(), 0xFF0000);
}

TEST_F(TimeEntryTest, MouseEventsOnlyFromItsOwnSurface) {
    QSignalSpy down(&t, &MyImTime::MouseDown);
    QSignalSpy up(&t, &MyImTime::MouseUp);
    QTest::mousePress(&t, Qt::RightButton, Qt::ShiftModifier, QPoint(118, 24));
    QTest::mouseRelease(&t, Qt::RightButton, Qt::ShiftModifier, QPoint(118, 24));
    ASSERT_EQ(down.count(), 1);
    EXPECT_EQ(down[0], QVariantList({2, 1, 1770.0f, 360.0f}));
    EXPECT_EQ(up.count(), 1);
    QTest::mouseClick(&t, Qt::LeftButton, {}, QPoint(45, 10)); // over the caption 時
    QTest::mouseClick(&t, Qt::LeftButton, {}, QPoint(5, 5));   // over the hour list
    EXPECT_EQ(down.count(), 1);
    EXPECT_EQ(clicks.count(), 0);
}
