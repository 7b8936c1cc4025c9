// The real box, driven from a timer while it runs modally (the seam is off for these tests).
#include <QApplication>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

#include "platform/msgbox/MsgBox.h"

namespace {

// What the box looked like while it was up.
struct Seen {
    bool up = false;
    QString text;
    QString title;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons; // in their order on screen, left to right
    QString defaultButton;
    bool stillUpAfterAction = false;
};

QList<QPushButton*> buttonsOnScreen(QMessageBox* box) {
    QList<QPushButton*> list;
    for (QPushButton* b : box->findChildren<QPushButton*>())
        if (b->isVisible())
            list.append(b);
    std::sort(list.begin(), list.end(), [box](QPushButton* a, QPushButton* b) {
        return a->mapTo(box, QPoint(0, 0)).x() < b->mapTo(box, QPoint(0, 0)).x();
    });
    return list;
}

QPushButton* buttonNamed(QMessageBox* box, const QString& text) {
    for (QPushButton* b : buttonsOnScreen(box))
        if (b->text() == text)
            return b;
    return nullptr;
}

// Shows a real box; once it is up, notes what it shows, runs action on it and, if the box is still
// up afterwards, presses fallback so that the call returns.
int runBox(const QString& text, const QString& caption, int style, Seen* seen,
           const std::function<void(QMessageBox*)>& action, const QString& fallback = QString()) {
    QTimer::singleShot(0, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen->up = true;
        seen->text = box->text();
        seen->title = box->windowTitle();
        seen->format = box->textFormat();
        seen->icon = box->icon();
        for (QPushButton* b : buttonsOnScreen(box))
            seen->buttons.append(b->text());
        if (box->defaultButton())
            seen->defaultButton = box->defaultButton()->text();
        action(box);
        if (box->isVisible()) {
            seen->stillUpAfterAction = true;
            if (QPushButton* b = buttonNamed(box, fallback))
                b->click();
        }
    });
    return msgbox::msgBoxA(nullptr, text, caption, style);
}

class MsgBoxWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        styleName = QApplication::style()->name();
        msgbox::enableTestSeam(false);
    }
    void TearDown() override {
        msgbox::enableTestSeam(true);
        QApplication::setStyle(styleName);
    }
    QString styleName;
};

// A desktop whose dialogs put the affirmative button last (as GNOME does).
class AffirmativeLastStyle : public QProxyStyle {
public:
    AffirmativeLastStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* ret) const override {
        if (hint == SH_DialogButtonLayout)
            return QDialogButtonBox::GnomeLayout;
        return QProxyStyle::styleHint(hint, option, widget, ret);
    }
};

TEST_F(MsgBoxWindowTest, ShowsPlainTextCaptionIconAndFirstButtonAsDefault) {
    Seen s;
    const int r = runBox(QStringLiteral("一行目\r\n<b>二行目</b>\r三行目"), QStringLiteral("題名"),
                         int(msgbox::MB_YESNO) | msgbox::MB_ICONQUESTION, &s,
                         [](QMessageBox* b) { buttonNamed(b, QStringLiteral("いいえ(&N)"))->click(); });
    ASSERT_TRUE(s.up);
    EXPECT_EQ(r, msgbox::IDNO);
    EXPECT_EQ(s.text, QStringLiteral("一行目\n<b>二行目</b>\n三行目"));
    EXPECT_EQ(s.format, Qt::PlainText);
    EXPECT_EQ(s.title, QStringLiteral("題名"));
    EXPECT_EQ(s.icon, QMessageBox::Question);
    EXPECT_EQ(s.defaultButton, QStringLiteral("はい(&Y)"));

    const QList<QPair<int, QMessageBox::Icon>> icons = {{0, QMessageBox::NoIcon},
                                                        {16, QMessageBox::Critical},
                                                        {48, QMessageBox::Warning},
                                                        {64, QMessageBox::Information}};
    for (const auto& [bits, icon] : icons) {
        Seen t;
        EXPECT_EQ(runBox("x", "c", bits, &t, [](QMessageBox* b) { b->defaultButton()->click(); }),
                  msgbox::IDOK);
        EXPECT_EQ(t.icon, icon);
    }
}

TEST_F(MsgBoxWindowTest, ButtonsStandInTheWindowsOrderWhateverTheDesktop) {
    const QList<QPair<int, QStringList>> sets = {
        {msgbox::MB_OK, {"OK"}},
        {msgbox::MB_OKCANCEL, {"OK", QStringLiteral("キャンセル")}},
        {msgbox::MB_ABORTRETRYIGNORE,
         {QStringLiteral("中止(&A)"), QStringLiteral("再試行(&R)"), QStringLiteral("無視(&I)")}},
        {msgbox::MB_YESNOCANCEL,
         {QStringLiteral("はい(&Y)"), QStringLiteral("いいえ(&N)"), QStringLiteral("キャンセル")}},
        {msgbox::MB_YESNO, {QStringLiteral("はい(&Y)"), QStringLiteral("いいえ(&N)")}},
        {msgbox::MB_RETRYCANCEL, {QStringLiteral("再試行(&R)"), QStringLiteral("キャンセル")}},
    };
    const QList<int> results = {msgbox::IDOK,     msgbox::IDCANCEL, msgbox::IDABORT, msgbox::IDRETRY,
                                msgbox::IDIGNORE, msgbox::IDYES,    msgbox::IDNO};
    for (bool affirmativeLast : {false, true}) {
        if (affirmativeLast)
            QApplication::setStyle(new AffirmativeLastStyle);
        for (const auto& [set, names] : sets) {
            SCOPED_TRACE(set + (affirmativeLast ? 100 : 0));
            Seen s;
            runBox("x", "c", set, &s, [](QMessageBox* b) { b->defaultButton()->click(); });
            EXPECT_EQ(s.buttons, names);
            EXPECT_EQ(s.defaultButton, names.first());
            // Each button answers with its own code.
            for (const QString& name : names) {
                Seen t;
                const int r =
                    runBox("x", "c", set, &t, [name](QMessageBox* b) { buttonNamed(b, name)->click(); });
                const QStringList all = {"OK",
                                         QStringLiteral("キャンセル"),
                                         QStringLiteral("中止(&A)"),
                                         QStringLiteral("再試行(&R)"),
                                         QStringLiteral("無視(&I)"),
                                         QStringLiteral("はい(&Y)"),
                                         QStringLiteral("いいえ(&N)")};
                EXPECT_EQ(r, results[all.indexOf(name)]) << name.toStdString();
            }
        }
    }
}

TEST_F(MsgBoxWindowTest, EscapeAndClosingGiveCancelOrOkOrNothing) {
    auto escape = [](QMessageBox* b) { QTest::keyClick(b, Qt::Key_Escape); };
    auto close = [](QMessageBox* b) { b->close(); };
    struct Case {
        int set;
        int answer; // 0: the box stays up
    };
    const QList<Case> cases = {{msgbox::MB_OK, msgbox::IDOK},
                               {msgbox::MB_OKCANCEL, msgbox::IDCANCEL},
                               {msgbox::MB_YESNOCANCEL, msgbox::IDCANCEL},
                               {msgbox::MB_RETRYCANCEL, msgbox::IDCANCEL},
                               {msgbox::MB_YESNO, 0},
                               {msgbox::MB_ABORTRETRYIGNORE, 0}};
    for (const Case& c : cases) {
        for (int way = 0; way < 2; ++way) {
            SCOPED_TRACE(c.set * 10 + way);
            Seen s;
            const QString fallback =
                c.set == msgbox::MB_YESNO ? QStringLiteral("いいえ(&N)") : QStringLiteral("無視(&I)");
            const int r = runBox("x", "c", c.set, &s,
                                 way == 0 ? std::function<void(QMessageBox*)>(escape) : close, fallback);
            if (c.answer != 0) {
                EXPECT_FALSE(s.stillUpAfterAction);
                EXPECT_EQ(r, c.answer);
            } else {
                EXPECT_TRUE(s.stillUpAfterAction);
                EXPECT_EQ(r, c.set == msgbox::MB_YESNO ? msgbox::IDNO : msgbox::IDIGNORE);
            }
        }
    }
}

} // namespace
