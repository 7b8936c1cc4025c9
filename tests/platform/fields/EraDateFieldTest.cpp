// The era date field: typing through the era table, the empty state, stepping and the events.
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/fields/ImDate.h"

using fields::EraDateMask;

namespace {

// Types each character at the caret the mask hands back, as the field does.
EraDateMask typed(const QString& keys, int pos = 0) {
    EraDateMask m;
    for (QChar c : keys) {
        const int next = m.type(pos, c);
        if (next >= 0)
            pos = next;
    }
    return m;
}

} // namespace

TEST(EraDateMask, TypedKeysSpellTheDateOnlyWhenItExistsInThatEra) {
    const struct {
        const char* keys;
        const char* text;
        QDate date; // invalid: the field holds no value
    } cases[] = {
        {"h150401", "平成 15年04月01日", QDate(2003, 4, 1)},
        {"R010501", "令和 01年05月01日", QDate(2019, 5, 1)},
        {"m450729", "明治 45年07月29日", QDate(1912, 7, 29)},
        {"t010730", "大正 01年07月30日", QDate(1912, 7, 30)},
        {"s640107", "昭和 64年01月07日", QDate(1989, 1, 7)},
        {"s640108", "昭和 64年01月08日", QDate()},             // already 平成
        {"h310501", "平成 31年05月01日", QDate()},             // already 令和
        {"h150231", "平成 15年02月31日", QDate()},             // no such day
        {"150401", "＿＿ 15年04月01日", QDate()},              // no era
        {"h1504", "平成 15年04月__日", QDate()},               // incomplete
        {"xh15k0401", "平成 15年04月01日", QDate(2003, 4, 1)}, // other keys are not taken
        {"h15s0401", "平成 15年04月01日", QDate(2003, 4, 1)},  // an era letter only on the era part
        {"h１５0401", "平成 15年04月01日", QDate(2003, 4, 1)}, // full-width digits count as digits
        {"", "＿＿ __年__月__日", QDate()},
    };
    for (const auto& c : cases) {
        const EraDateMask m = typed(QString::fromUtf8(c.keys));
        EXPECT_EQ(m.text(), QString::fromUtf8(c.text)) << c.keys;
        EXPECT_EQ(m.date(), c.date) << c.keys;
    }
}

TEST(EraDateMask, EraseEmptiesSlotsAndTheCaretSkipsTheLiterals) {
    EraDateMask m;
    m.setDate(QDate(2003, 4, 1));
    EXPECT_EQ(m.eraseBefore(EraDateMask::kLength - 1), 10); // Backspace at the end: the last day digit
    EXPECT_EQ(m.eraseBefore(6), 4);                         // across "年"
    EXPECT_EQ(m.text(), QStringLiteral("平成 1_年04月0_日"));
    EXPECT_EQ(m.eraseAt(1), 0); // Delete on the era part: the whole era
    EXPECT_EQ(m.text(), QStringLiteral("＿＿ 1_年04月0_日"));
    m.eraseRange(0, EraDateMask::kLength);
    EXPECT_TRUE(m.isEmpty());

    // Typing on a literal goes to the next digit; past the last digit nothing is taken.
    EXPECT_EQ(m.type(5, u'9'), 7);
    EXPECT_EQ(m.type(EraDateMask::kLength - 1, u'1'), -1);

    // A date outside the table, or past 令和 99, leaves the field empty.
    m.setDate(QDate(1868, 9, 7));
    EXPECT_TRUE(m.isEmpty());
    m.setDate(QDate(2118, 1, 1));
    EXPECT_TRUE(m.isEmpty());
}

TEST(EraDateMask, UpAndDownStepThePartAtTheCaret) {
    const QDate today(2024, 6, 15);
    const struct {
        QDate from;
        int pos, step;
        bool changed;
        QDate to;
    } cases[] = {
        {QDate(2003, 4, 1), 3, 1, true, QDate(2004, 4, 1)},    // year
        {QDate(2003, 1, 31), 7, 1, true, QDate(2003, 2, 28)},  // month, day kept within the month
        {QDate(2019, 4, 30), 10, 1, true, QDate(2019, 5, 1)},  // day, into 令和
        {QDate(2003, 4, 1), 0, 1, true, QDate(2019, 5, 1)},    // era: the next era's first day
        {QDate(2003, 4, 1), 1, -1, true, QDate(1926, 12, 25)}, // era: the previous era's first day
        {QDate(1900, 1, 1), 0, -1, false, QDate(1900, 1, 1)},  // nothing before 明治
        {QDate(1868, 9, 8), 9, -1, false, QDate(1868, 9, 8)},
        {QDate(), 3, 1, true, today}, // an empty field starts at today
    };
    for (const auto& c : cases) {
        EraDateMask m;
        m.setDate(c.from);
        EXPECT_EQ(m.spin(c.pos, c.step, today), c.changed) << c.from.toString().toStdString() << " " << c.pos;
        EXPECT_EQ(m.date(), c.to) << c.from.toString().toStdString() << " " << c.pos;
    }
}

class EraDateField : public ::testing::Test {
protected:
    void SetUp() override {
        field.show();
        field.activateWindow();
        field.setFocus();
        QApplication::processEvents();
    }
    QLineEdit* edit() const { return field.findChild<QLineEdit*>(); }
    ImDate field;
};

TEST_F(EraDateField, TypedDateBecomesTheValueAndShowsInEraForm) {
    QSignalSpy changes(&field, &ImDate::Change);
    EXPECT_TRUE(field.ValueIsNull());
    EXPECT_EQ(field.Text(), QStringLiteral("＿＿ __年__月__日")); // the mask while it has the focus

    QTest::keyClicks(edit(), QStringLiteral("r0612"));
    EXPECT_TRUE(field.ValueIsNull());
    EXPECT_FALSE(field.Value().isValid());
    QTest::keyClicks(edit(), QStringLiteral("24"));
    EXPECT_FALSE(field.ValueIsNull());
    EXPECT_EQ(field.Value(), QVariant(QDate(2024, 12, 24)));
    EXPECT_EQ(field.Text(), QStringLiteral("令和 06年12月24日"));
    EXPECT_EQ(changes.count(), 7);

    // Backspace makes it incomplete again: no value.
    QTest::keyClick(edit(), Qt::Key_Backspace);
    EXPECT_TRUE(field.ValueIsNull());
    QTest::keyClick(edit(), Qt::Key_5);
    EXPECT_EQ(field.Value(), QVariant(QDate(2024, 12, 25)));

    // Up on the month part.
    field.setSelStart(6);
    QTest::keyClick(edit(), Qt::Key_Up);
    EXPECT_EQ(field.Value(), QVariant(QDate(2025, 1, 25)));
}

TEST_F(EraDateField, AClickPutsTheCaretOnASlot) {
    // Anywhere in an empty field: the era, so typing starts there.
    QTest::mouseClick(edit(), Qt::LeftButton, {}, QPoint(edit()->width() - 4, edit()->height() / 2));
    EXPECT_EQ(field.SelStart(), 0);
    QTest::keyClicks(edit(), QStringLiteral("h150401"));
    EXPECT_EQ(field.Value(), QVariant(QDate(2003, 4, 1)));
    // In a filled field: the slot at or after the click; past the text, after the last digit.
    QTest::mouseClick(edit(), Qt::LeftButton, {}, QPoint(2, edit()->height() / 2));
    EXPECT_EQ(field.SelStart(), 0);
    QTest::mouseClick(edit(), Qt::LeftButton, {}, QPoint(edit()->width() - 4, edit()->height() / 2));
    EXPECT_EQ(field.SelStart(), EraDateMask::kLength - 1);
}

TEST_F(EraDateField, ProgramSetsValueOrTextWithoutRaisingChange) {
    QSignalSpy changes(&field, &ImDate::Change);
    field.setValue(QDate(2019, 5, 1));
    EXPECT_EQ(field.Text(), QStringLiteral("令和 01年05月01日"));
    EXPECT_EQ(field.property("Value"), QVariant(QDate(2019, 5, 1))); // reachable by name
    EXPECT_EQ(field.property("ValueIsNull"), QVariant(false));

    field.setText(QStringLiteral("＿＿ __年__月__日")); // the empty mask empties the field
    EXPECT_TRUE(field.ValueIsNull());
    field.setText(QStringLiteral("H15/04/01"));
    EXPECT_EQ(field.Value(), QVariant(QDate(2003, 4, 1)));
    field.setValue(QVariant()); // Null
    EXPECT_TRUE(field.ValueIsNull());
    field.setValue(QStringLiteral("1999/12/31"));
    EXPECT_EQ(field.Text(), QStringLiteral("平成 11年12月31日"));
    EXPECT_EQ(changes.count(), 0);

    // Without the focus an empty field shows nothing.
    field.clearFocus();
    field.setValue(QVariant());
    EXPECT_EQ(field.Text(), QString());
}

TEST_F(EraDateField, KeysAreReportedWithTheCaretBeforeTheFieldActsAndDoubleClickIsRaised) {
    QList<QList<int>> seen; // key code or character, and the caret position then
    QObject::connect(&field, &ImDate::KeyDown, [&](int code, int) { seen.append({code, field.SelStart()}); });
    QObject::connect(&field, &ImDate::KeyPress, [&](int ascii) { seen.append({-ascii, field.SelStart()}); });
    QTest::keyClick(edit(), Qt::Key_H);
    QTest::keyClick(edit(), Qt::Key_1);
    QTest::keyClick(edit(), Qt::Key_Down);
    const QList<QList<int>> expected{{72, 0}, {-'h', 0}, {49, 0 + 3}, {-'1', 3}, {40, 4}};
    EXPECT_EQ(seen, expected);

    QSignalSpy dbl(&field, &ImDate::DblClick);
    QTest::mouseDClick(edit(), Qt::LeftButton);
    EXPECT_EQ(dbl.count(), 1);
}

TEST_F(EraDateField, TabStopAndInputMethod) {
    EXPECT_FALSE(edit()->testAttribute(Qt::WA_InputMethodEnabled));
    field.setTabStop(false);
    EXPECT_EQ(edit()->focusPolicy(), Qt::ClickFocus);
    field.setTabStop(true);
    EXPECT_EQ(edit()->focusPolicy(), Qt::StrongFocus);
}

TEST(EraDateFieldLifetime, AFocusedFieldGoesCleanlyOnItsOwnAndWithItsWindow) {
    // The field on its own, then the window it sits in, goes while the field has the focus.
    for (const bool withWindow : {false, true}) {
        SCOPED_TRACE(withWindow);
        auto* window = new QWidget;
        new QLineEdit(window); // another control the focus could go to
        auto* field = new ImDate(window);
        field->setValue(QDate(2024, 6, 3));
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        field->setFocus();
        QApplication::processEvents();
        QPointer<QWidget> edit = field->findChild<QLineEdit*>();
        ASSERT_TRUE(edit && edit->hasFocus());
        if (withWindow) {
            delete window;
        } else {
            delete field;
            EXPECT_TRUE(window->isVisible());
            delete window;
        }
        EXPECT_TRUE(edit.isNull());
        EXPECT_EQ(QApplication::focusWidget(), nullptr);
    }
}
