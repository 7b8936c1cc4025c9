// The staff login and the menu, on a started program: the staff list, the password checks,
// log in and out, the record button's path, and the end of the program.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/shell/main/StartupFixture.h"

namespace {
constexpr int kOkWarn = int(msgbox::MB_OK) | int(msgbox::MB_ICONEXCLAMATION);
}

class Login : public StartupFixture {
protected:
    void SetUp() override {
        StartupFixture::SetUp();
        ASSERT_EQ(f.makeComplete(extraRows()), QString());
        ASSERT_TRUE(MdlMain::Main(f.prog()));
        login = FrmMKarte01_001::loaded();
        ASSERT_NE(login, nullptr);
        QApplication::processEvents();
    }
    virtual QString extraRows() const { return QString(); }

    QComboBox* combo() const { return login->findChild<QComboBox*>("CboStaffName"); }
    QLineEdit* password() const { return login->findChild<QLineEdit*>("ImtPassWord"); }
    QPushButton* button(QWidget* form, const char* name) const { return form->findChild<QPushButton*>(name); }

    void logIn(int index, const QString& typed) {
        combo()->setCurrentIndex(index);
        password()->setText(typed);
        button(login, "CmdLogin")->click();
        QApplication::processEvents();
    }
    FrmMKarte01_002* menu() const { return FrmMKarte01_002::loaded(); }
    void flushDeletes() const { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    FrmMKarte01_001* login = nullptr;
};

// ---- the form and its staff list -----------------------------------------------------------

TEST_F(Login, ListsTheClinicsActiveHygienistsInStaffCodeTextOrderWithNobodyChosen) {
    QStringList names;
    for (int i = 0; i < combo()->count(); ++i)
        names << combo()->itemText(i);
    // Not listed: the dentist (class 1), the retired one, the one of another clinic.
    EXPECT_EQ(names, (QStringList{"青木 一子", "石川 三郎", "上野 五子", "江口 十子", "小野 九子"}));
    EXPECT_EQ(combo()->currentIndex(), -1);

    const auto& list = login->staffList();
    ASSERT_EQ(list.size(), 5u);
    EXPECT_EQ(list[1].staff_class_code, QStringLiteral("2"));
    EXPECT_EQ(list[1].staff_code, QStringLiteral("0003"));
    EXPECT_EQ(list[1].passwd, QStringLiteral("abc"));
    EXPECT_EQ(list[2].passwd, QString()); // Null password read as empty
    EXPECT_EQ(list[3].staff_code, QStringLiteral("10"));
    EXPECT_EQ(list[4].staff_code, QStringLiteral("9"));
}

TEST_F(Login, LooksLikeTheLoginScreen) {
    EXPECT_EQ(login->windowTitle(), QStringLiteral("MKarte01_001－歯科衛生士ログイン"));
    EXPECT_EQ(login->findChild<QLabel*>("LblTitle")->text(), QStringLiteral("歯科衛生士ログイン"));
    EXPECT_EQ(login->findChild<QLabel*>("LblStaffClass_2")->text(), QStringLiteral("職員名"));
    EXPECT_EQ(login->findChild<QLabel*>("LblStaffClass_1")->text(), QStringLiteral("パスワード"));
    EXPECT_EQ(button(login, "CmdLogin")->text(), QStringLiteral("ログイン"));
    EXPECT_TRUE(button(login, "CmdLogin")->isDefault());
    EXPECT_EQ(button(login, "CmdKeyboard")->text(), QStringLiteral("Keyboard"));
    EXPECT_EQ(button(login, "CmdEnd")->text(), QStringLiteral("終了"));
    EXPECT_EQ(password()->echoMode(), QLineEdit::Password);
    EXPECT_FALSE(combo()->isEditable());
    EXPECT_FALSE(login->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(login->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(login->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(LoginSql, StaffQueryTextKeepsItsDoubledBlanksAndDoublesQuotes) {
    EXPECT_EQ(
        FrmMKarte01_001::staffListSql("C01"),
        QStringLiteral("SELECT m_personnel.staff_code,  m_personnel.staff_name,  m_personnel.passwd FROM "
                       "m_personnel,m_cp_link WHERE m_personnel.staff_class_code = "
                       "m_cp_link.staff_class_code  AND  m_personnel.staff_code = m_cp_link.staff_code  AND "
                       " m_personnel.staff_class_code = '2'  AND  m_cp_link.clinic_code = 'C01'  AND  "
                       "m_cp_link.retirementday IS NULL ORDER BY m_personnel.staff_code"));
    EXPECT_TRUE(FrmMKarte01_001::staffListSql("O'Neil").contains(QStringLiteral("clinic_code = 'O''Neil' ")));
}

// ---- checks --------------------------------------------------------------------------------

TEST_F(Login, NobodyChosenAsksForAName) {
    password()->setText("abc");
    button(login, "CmdLogin")->click();

    ASSERT_EQ(msgbox::shown().size(), 1);
    EXPECT_EQ(msgbox::shown()[0].text, QStringLiteral("001-202"));
    EXPECT_EQ(msgbox::shown()[0].caption, QStringLiteral("ログイン"));
    EXPECT_EQ(msgbox::shown()[0].style, kOkWarn);
    EXPECT_EQ(login->focusWidget(), combo());
    EXPECT_TRUE(login->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(menu(), nullptr);
}

TEST_F(Login, EmptyPasswordAsksForIt) {
    logIn(1, "");
    EXPECT_EQ(boxTexts(), QStringList{"001-203"});
    EXPECT_EQ(login->focusWidget(), password());
    EXPECT_EQ(menu(), nullptr);
}

TEST_F(Login, PasswordMustMatchExactlyAndIsClearedWhenWrong) {
    for (const QString& typed : {QStringLiteral("Abc"), QStringLiteral("abc "), QStringLiteral(" abc")}) {
        msgbox::clearShown();
        logIn(1, typed);
        EXPECT_EQ(boxTexts(), QStringList{"001-204"}) << typed.toStdString();
        EXPECT_EQ(password()->text(), QString());
        EXPECT_EQ(login->focusWidget(), password());
        EXPECT_TRUE(login->isEnabled());
        EXPECT_EQ(menu(), nullptr);
    }
    EXPECT_EQ(gStaffLoginInfo.staff_code, QString()); // nobody logged in
}

TEST_F(Login, StaffWithoutAPasswordCanNeverLogIn) {
    for (int index : {2, 4}) { // Null and empty stored passwords
        msgbox::clearShown();
        logIn(index, "");
        EXPECT_EQ(boxTexts(), QStringList{"001-203"});
        msgbox::clearShown();
        logIn(index, "x");
        EXPECT_EQ(boxTexts(), QStringList{"001-204"});
    }
    EXPECT_EQ(menu(), nullptr);
}

// ---- log in and out ------------------------------------------------------------------------

TEST_F(Login, RightPasswordOpensTheMenuWithTheStaffName) {
    logIn(1, "abc");

    EXPECT_TRUE(boxTexts().isEmpty());
    EXPECT_EQ(gStaffLoginInfo.staff_class_code, QStringLiteral("2"));
    EXPECT_EQ(gStaffLoginInfo.staff_code, QStringLiteral("0003"));
    EXPECT_EQ(gStaffLoginInfo.staff_name, QStringLiteral("石川 三郎"));
    EXPECT_EQ(gStaffLoginInfo.passwd, QStringLiteral("abc"));
    EXPECT_EQ(password()->text(), QString());
    EXPECT_FALSE(login->isVisible());
    EXPECT_FALSE(login->isEnabled());

    ASSERT_NE(menu(), nullptr);
    EXPECT_TRUE(menu()->isVisible());
    EXPECT_EQ(menu()->findChild<QLabel*>("LblLoginName")->text(), QStringLiteral("石川 三郎"));
    EXPECT_EQ(menu()->windowTitle(), QStringLiteral("MKarte01_002－メインメニュー"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(Login, MenuShowsItsButtonsWithOnlyTheRecordButtonAndBackEnabled) {
    logIn(0, "pass1");
    ASSERT_NE(menu(), nullptr);
    const QStringList captions = {"個人情報入力", "歯周検査入力"};
    for (int i = 1; i <= 2; ++i) {
        EXPECT_EQ(menu()->CmdKarte(i)->text(), captions[i - 1]);
        // The record button runs the shell's own patient search, registered record book or not.
        EXPECT_EQ(menu()->CmdKarte(i)->isEnabled(), i == 2);
    }
    const QStringList mainte = {"歯科衛生士情報メンテ", "コメントマスタメンテ", "清掃具マスタメンテ",
                                "医院情報メンテ"};
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(menu()->CmdMainte(i)->text(), mainte[i - 1]);
        EXPECT_FALSE(menu()->CmdMainte(i)->isEnabled());
    }
    EXPECT_TRUE(button(menu(), "CmdEnd")->isEnabled());
    EXPECT_EQ(button(menu(), "CmdEnd")->text(), QStringLiteral("戻る"));
    EXPECT_EQ(menu()->findChild<QWidget*>("FraKarte")->property("title").toString(),
              QStringLiteral("患者情報"));
    EXPECT_EQ(menu()->findChild<QWidget*>("FraMainte")->property("title").toString(),
              QStringLiteral("メンテナンス"));
}

TEST_F(Login, EnterLogsInAndAQuoteInAPasswordIsJustACharacter) {
    combo()->setCurrentIndex(3);
    password()->setText("O'Hara");
    password()->setFocus();
    QTest::keyClick(password(), Qt::Key_Return);
    QApplication::processEvents();
    ASSERT_NE(menu(), nullptr);
    EXPECT_EQ(gStaffLoginInfo.staff_name, QStringLiteral("江口 十子"));
}

TEST_F(Login, BackLogsOutAndTheNextLoginShowsTheNewName) {
    logIn(1, "abc");
    QPointer<FrmMKarte01_002> first = menu();
    ASSERT_TRUE(first);

    button(first, "CmdEnd")->click();
    QApplication::processEvents();
    flushDeletes();
    EXPECT_TRUE(first.isNull());
    EXPECT_TRUE(login->isVisible());
    EXPECT_TRUE(login->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(gStaffLoginInfo.staff_name, QStringLiteral("石川 三郎")); // kept until the next login

    logIn(0, "pass1");
    ASSERT_NE(menu(), nullptr);
    EXPECT_NE(menu(), first.data());
    EXPECT_EQ(menu()->findChild<QLabel*>("LblLoginName")->text(), QStringLiteral("青木 一子"));
    EXPECT_EQ(gStaffLoginInfo.staff_code, QStringLiteral("0001"));
}

TEST_F(Login, EscapeOnTheMenuLogsOut) {
    logIn(1, "abc");
    QTest::keyClick(menu(), Qt::Key_Escape);
    QApplication::processEvents();
    flushDeletes();
    EXPECT_EQ(menu(), nullptr);
    EXPECT_TRUE(login->isVisible());
    EXPECT_TRUE(login->isEnabled());
}

TEST_F(Login, ClosingTheMenuWindowLogsOutInsteadOfLeavingAHiddenLogin) {
    logIn(1, "abc");
    EXPECT_TRUE(menu()->close());
    QApplication::processEvents();
    flushDeletes();
    EXPECT_EQ(menu(), nullptr);
    EXPECT_TRUE(login->isVisible());
    EXPECT_TRUE(login->isEnabled());
    EXPECT_EQ(quits, 0);
}

TEST_F(Login, RefreshFlagReloadsTheListAtTheNextActivationOnly) {
    ASSERT_EQ(progfolder::runSql(f.db(), progfolder::kDbKey,
                                 "INSERT INTO m_personnel VALUES ('2', '0000', '新人 零子', 'new0');"
                                 "INSERT INTO m_cp_link VALUES ('C01', '2', '0000', NULL);"),
              QString());
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(login, &activate);
    EXPECT_EQ(combo()->count(), 5);

    login->PPoSetRefresh(true);
    QApplication::sendEvent(login, &activate);
    ASSERT_EQ(combo()->count(), 6);
    EXPECT_EQ(combo()->itemText(0), QStringLiteral("新人 零子"));
    EXPECT_EQ(combo()->currentIndex(), -1);

    ASSERT_EQ(
        progfolder::runSql(f.db(), progfolder::kDbKey, "DELETE FROM m_cp_link WHERE staff_code = '0000';"),
        QString());
    QApplication::sendEvent(login, &activate); // the flag was used up
    EXPECT_EQ(combo()->count(), 6);
}

// ---- the record button ---------------------------------------------------------------------

TEST_F(Login, RecordButtonRunsTheSearchThenTheRecordBook) {
    int searches = 0, books = 0;
    bool choose = false, bookResult = true;
    FrmMKarte01_002::setRecordServices({[&](bool& chosen) {
                                            ++searches;
                                            EXPECT_FALSE(menu()->isEnabled()); // busy while the search runs
                                            chosen = choose;
                                            return true;
                                        },
                                        [&] {
                                            ++books;
                                            return bookResult;
                                        }});
    logIn(1, "abc");
    QPushButton* record = menu()->CmdKarte(2);
    ASSERT_TRUE(record->isEnabled());

    // Search cancelled: no record book, the menu is usable again.
    record->click();
    EXPECT_EQ(searches, 1);
    EXPECT_EQ(books, 0);
    EXPECT_TRUE(menu()->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // A patient chosen: the record book opens; whatever it returns, the menu comes back.
    for (bool result : {true, false}) {
        choose = true;
        bookResult = result;
        record->click();
        EXPECT_TRUE(menu()->isEnabled());
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
    EXPECT_EQ(books, 2);

    // The personal-data button has no action.
    menu()->CmdKarte_Click(1);
    EXPECT_EQ(searches, 3);
    EXPECT_TRUE(menu()->isEnabled());
}

// ---- the end of the program ----------------------------------------------------------------

TEST_F(Login, ClosingTheLoginUnloadsEveryOtherFormAndReleasesTheServices) {
    logIn(1, "abc");
    button(menu(), "CmdEnd")->click();
    QApplication::processEvents();

    QPointer<QWidget> printDialog = new QWidget;
    gFrmPrintDlg = printDialog.data();
    QPointer<QWidget> stray = new QWidget;
    stray->show();
    QPointer<FrmMKarte01_001> form = login;

    button(login, "CmdEnd")->click();
    flushDeletes();

    EXPECT_TRUE(printDialog.isNull());
    EXPECT_TRUE(stray.isNull());
    EXPECT_TRUE(gFrmPrintDlg.isNull());
    EXPECT_TRUE(servicesReleased());
    EXPECT_EQ(FrmMKarte01_001::loaded(), nullptr);
    EXPECT_TRUE(form.isNull());
    EXPECT_EQ(quits, 1);
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
}

TEST_F(Login, EndingWhileTheMenuIsOpenUnloadsItWithoutLoggingOut) {
    logIn(1, "abc");
    QPointer<FrmMKarte01_002> open = menu();
    ASSERT_TRUE(open);
    QPointer<FrmMKarte01_001> form = login;

    // The hidden login form is unloaded from outside (the desktop session ending, say).
    EXPECT_TRUE(login->close());
    flushDeletes();

    EXPECT_TRUE(open.isNull());
    EXPECT_TRUE(form.isNull());
    EXPECT_TRUE(servicesReleased());
    EXPECT_EQ(quits, 1);
    // The menu went as a plain unload: no log-out step, so no busy pointer is left behind.
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(Login, EscapeOnTheLoginEndsTheProgram) {
    QTest::keyClick(login, Qt::Key_Escape);
    flushDeletes();
    EXPECT_EQ(FrmMKarte01_001::loaded(), nullptr);
    EXPECT_TRUE(servicesReleased());
    EXPECT_EQ(quits, 1);
}

// ---- a staff list that cannot be read ------------------------------------------------------

class LoginWithoutLinks : public Login {
protected:
    QString extraRows() const override { return QStringLiteral("DROP TABLE m_cp_link;\n"); }
};

TEST_F(LoginWithoutLinks, TheFormStillOpensWithAnEmptyListAndRefusesEveryLogin) {
    const QStringList boxes = boxTexts();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes[0].startsWith(QStringLiteral("000-802")));
    EXPECT_TRUE(login->isVisible());
    EXPECT_EQ(combo()->count(), 0);
    msgbox::clearShown();
    logIn(-1, "abc");
    EXPECT_EQ(boxTexts(), QStringList{"001-202"});
}

TEST_F(Login, EndButtonEndsTheProgramsEventLoop) {
    // The program's own end, not the tests' stand-in: the event loop must come to its end.
    FrmMKarte01_001::setQuitHandler({});
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    watchdog.start(5000);
    QTimer::singleShot(0, login, [this] { button(login, "CmdEnd")->click(); });
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_EQ(FrmMKarte01_001::loaded(), nullptr);
}
