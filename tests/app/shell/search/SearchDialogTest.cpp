// The patient search dialog driven as a user drives it: opening, the five criteria, choosing a patient,
// going back, the calendar on the birthday field, the failures, and the menu's record button.
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

#include "SearchFixture.h"
#include "app/shell/FrmMKarte01_002.h"
#include "app/shell/FrmMKarteS_005.h"
#include "app/shell/FrmMKarteS_009.h"
#include "app/shell/MdlCommInterfaceSearch.h"
#include "app/shell/MdlCommStructure.h"
#include "platform/fields/ImCalendar.h"
#include "platform/fields/ImDate.h"
#include "platform/fields/ImText.h"
#include "platform/msgbox/Modal.h"
#include "platform/spread/SpreadGrid.h"

using Dialog = FrmMKarteS_005;

namespace {

QStringList cardNumbers(const SpreadGrid& grid) {
    QStringList out;
    for (int r = 1; r <= grid.maxRows(); ++r)
        out << grid.getText(1, r);
    return out;
}

// The text a list cell shows on screen.
QString shownText(const SpreadGrid& grid, int col, int row) {
    const QAbstractItemModel* m = grid.view()->model();
    if (row == 0)
        return m->headerData(col - 1, Qt::Horizontal, Qt::DisplayRole).toString();
    return m->data(m->index(row - 1, col - 1), Qt::DisplayRole).toString();
}

ImText* textField(Dialog& d) {
    return d.findChild<ImText*>("ImtSearch");
}
ImDate* dateField(Dialog& d) {
    return d.findChild<ImDate*>("ImdSearch");
}

// Chooses the option, puts the criterion in (as a paste would: the field's formats do not apply) and
// presses the search button.
void searchFor(Dialog& d, int option, const QString& text, const QDate& date = {}) {
    d.OptSearch(option)->click();
    textField(d)->setText(text);
    dateField(d)->setValue(date.isValid() ? QVariant(date) : QVariant());
    d.CmdFNC(0)->click();
}

void doubleClickRow(Dialog& d, int row) {
    QTableView* view = d.SpdPatient()->view();
    const QRect cell = view->visualRect(view->model()->index(row - 1, 1));
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
}

class SearchDialog : public SearchFixture {
protected:
    void SetUp() override {
        SearchFixture::SetUp();
        modal::clearResponders();
        modal::clearShown();
        gStaffLoginInfo.staff_name = QStringLiteral("青木 美咲");
        // A patient chosen earlier: going back or failing must leave it exactly as it is.
        gPatientInfo = PatientInfo{};
        gPatientInfo.personal_id = QStringLiteral("9999");
        gPatientInfo.name = QStringLiteral("前の患者");
        gPatientInfo.insurance.push_back(InsuranceData{});
        before = gPatientInfo;
    }
    void TearDown() override {
        modal::clearResponders();
        gPatientInfo = PatientInfo{};
        gStaffLoginInfo = StaffLoginInfo{};
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        SearchFixture::TearDown();
    }

    // Runs the opener; act works on the shown dialog (left open, it is closed as by its title bar).
    bool open(const std::function<void(Dialog&)>& act, bool& chosen) {
        modal::pushResponder([act](QWidget& w) {
            if (act)
                act(static_cast<Dialog&>(w));
        });
        return MdlCommInterface::PFuBolPatientSearch(chosen);
    }
    // The texts of the message boxes shown so far.
    static QStringList boxes() {
        QStringList t;
        for (const msgbox::Shown& s : msgbox::shown())
            t << s.text;
        return t;
    }

    PatientInfo before;
};

const QString kNoPatient = QStringLiteral("該当する患者が見つかりません。");
const QString kNoCriterion = QStringLiteral("検索条件を入力してください。");
const QString kNotRead = QStringLiteral("患者情報を読み込めませんでした。");

} // namespace

TEST_F(SearchDialog, OpensOnEveryPatientInDescendingCardOrderWithEraBirthdays) {
    QStringList titles;
    for (int opening = 0; opening < 2; ++opening) {
        bool chosen = true;
        ASSERT_TRUE(open(
            [&](Dialog& d) {
                titles << d.windowTitle();
                EXPECT_EQ(d.findChild<QLabel*>("LblLoginName")->text(), QStringLiteral("青木 美咲"));
                EXPECT_TRUE(d.OptSearch(0)->isChecked());
                EXPECT_FALSE(textField(d)->isEnabled());
                EXPECT_TRUE(d.CmdFNC(1)->isEnabled());
                const SpreadGrid& g = *d.SpdPatient();
                EXPECT_EQ(cardNumbers(g), (QStringList{"7'7", "0010", "0005", "0002", "0001"}));
                EXPECT_EQ(g.getText(2, 5), QStringLiteral("山田太郎")); // the newest entry
                EXPECT_EQ(shownText(g, 4, 2), QStringLiteral("R01/05/01"));
                EXPECT_EQ(shownText(g, 4, 5), QStringLiteral("S45/05/12"));
                EXPECT_EQ(shownText(g, 4, 3), QString()); // not a date: listed, empty cell
                EXPECT_EQ(shownText(g, 4, 4), QString()); // no birthday
                EXPECT_EQ(shownText(g, 1, 0), QStringLiteral("診察券番号"));
                EXPECT_EQ(shownText(g, 6, 0), QStringLiteral("電話番号"));
            },
            chosen));
        EXPECT_FALSE(chosen); // closed by its title bar: nobody chosen
    }
    // The caption is prefixed once, also on the second opening.
    EXPECT_EQ(titles, QStringList(2, QStringLiteral("MKarteS_005－患者検索")));
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_EQ(gPatientInfo, before);
    EXPECT_EQ(Dialog::loaded(), nullptr);
}

TEST_F(SearchDialog, EachCriterionFindsExactlyItsPatients) {
    const struct {
        int option;
        const char* text;
        QDate date;
        const char* cards;
        QString box;
    } cases[] = {
        {1, "03-1111-2222", {}, "0005,0001", {}},
        {1, "", {}, "0010,0002", {}}, // no telephone number: no criterion message
        {2, "", QDate(2019, 5, 1), "0010", {}},
        {2, "", {}, "", kNoCriterion},
        {3, "0002", {}, "0002", {}},
        {3, "  ", {}, "", kNoCriterion},
        {3, "1'2", {}, "", kNoPatient}, // a quote breaks nothing
        {4, "やま", {}, "0002,0001", {}},
        {4, "や'ま", {}, "", kNoPatient},
        {4, "", {}, "", kNoCriterion},
        {0, "", {}, "7'7,0010,0005,0002,0001", {}},
    };
    bool chosen = false;
    ASSERT_TRUE(open(
        [&](Dialog& d) {
            for (const auto& c : cases) {
                msgbox::clearShown();
                searchFor(d, c.option, QString::fromUtf8(c.text), c.date);
                const QString want = QString::fromUtf8(c.cards);
                EXPECT_EQ(cardNumbers(*d.SpdPatient()), want.isEmpty() ? QStringList() : want.split(u','))
                    << c.option << " " << c.text;
                EXPECT_EQ(boxes(), c.box.isEmpty() ? QStringList() : QStringList{c.box})
                    << c.option << c.text;
                // A search that finds nobody leaves the list and the choose button disabled.
                const bool found = !want.isEmpty();
                if (c.box != kNoCriterion) {
                    EXPECT_EQ(d.CmdFNC(1)->isEnabled(), found) << c.option << c.text;
                    EXPECT_EQ(d.SpdPatient()->isEnabled(), found) << c.option << c.text;
                }
            }
        },
        chosen));
    EXPECT_FALSE(logText().contains(QStringLiteral("ＳＱＬの実行に失敗")));
}

TEST_F(SearchDialog, OptionsSetTheCriterionFieldsAndEmptyTheList) {
    bool chosen = false;
    ASSERT_TRUE(open(
        [&](Dialog& d) {
            const struct {
                int option;
                bool textShown, textEnabled, dateShown;
                int maxLength;
                const char* format;
                bool ime;
            } cases[] = {
                {1, true, true, false, 20, "#", false},      {3, true, true, false, 10, "9Aa", false},
                {4, true, true, false, 30, "Ｚ", true},      {2, false, false, true, -1, nullptr, false},
                {0, true, false, false, -1, nullptr, false},
            };
            for (const auto& c : cases) {
                textField(d)->setText(QStringLiteral("x"));
                d.OptSearch(c.option)->click();
                EXPECT_EQ(textField(d)->text(), QString());
                EXPECT_EQ(textField(d)->isVisible(), c.textShown) << c.option;
                EXPECT_EQ(textField(d)->isEnabled(), c.textEnabled) << c.option;
                EXPECT_EQ(dateField(d)->isVisible(), c.dateShown) << c.option;
                EXPECT_EQ(dateField(d)->TabStop(), c.dateShown) << c.option;
                if (c.format) {
                    EXPECT_EQ(textField(d)->maxLength(), c.maxLength);
                    EXPECT_EQ(textField(d)->Format(), QString::fromUtf8(c.format));
                    EXPECT_EQ(textField(d)->testAttribute(Qt::WA_InputMethodEnabled), c.ime);
                }
                EXPECT_EQ(d.SpdPatient()->maxRows(), 0);
                EXPECT_FALSE(d.CmdFNC(1)->isEnabled());
            }
            // Enter with the choose button disabled does nothing.
            QTest::keyClick(&d, Qt::Key_Return);
            EXPECT_TRUE(d.isVisible());
        },
        chosen));
    EXPECT_FALSE(chosen);
}

TEST_F(SearchDialog, DoubleClickOnARowChoosesItsPatientButNotOnTheHeader) {
    bool chosen = false;
    ASSERT_TRUE(open(
        [&](Dialog& d) {
            QTableView* view = d.SpdPatient()->view();
            QTest::mouseDClick(view->horizontalHeader()->viewport(), Qt::LeftButton, {},
                               QPoint(view->columnViewportPosition(1) + 5, 5));
            EXPECT_TRUE(d.isVisible());
            doubleClickRow(d, 2);
        },
        chosen));
    EXPECT_TRUE(chosen);
    EXPECT_EQ(gPatientInfo.personal_id, QStringLiteral("0010"));
    EXPECT_EQ(gPatientInfo.sex_name, QStringLiteral("女"));
    EXPECT_EQ(gPatientInfo.name, QStringLiteral("佐藤 花子"));
    EXPECT_EQ(gPatientInfo.photo_link, QStringLiteral("/photo/0010.jpg"));
    ASSERT_EQ(gPatientInfo.insurance.size(), 1u);
    EXPECT_EQ(Dialog::loaded(), nullptr);
}

TEST_F(SearchDialog, SelectButtonChoosesTheActiveRowsPatientWithAllEntries) {
    bool chosen = false;
    ASSERT_TRUE(open(
        [&](Dialog& d) {
            d.SpdPatient()->setActiveCell(1, 5);
            d.CmdFNC(1)->click();
        },
        chosen));
    EXPECT_TRUE(chosen);
    EXPECT_EQ(gPatientInfo.personal_id, QStringLiteral("0001"));
    EXPECT_EQ(gPatientInfo.name, QStringLiteral("山田太郎"));
    EXPECT_EQ(gPatientInfo.sex_name, QStringLiteral("男"));
    ASSERT_EQ(gPatientInfo.insurance.size(), 2u);
    EXPECT_EQ(gPatientInfo.insurance.back().address, QStringLiteral("東京都港区2"));
    EXPECT_EQ(gPatientInfo.age.toInt(),
              (QDate::currentDate().toString("yyyyMMdd").toInt() - 19700512) / 10000);
}

TEST_F(SearchDialog, GoingBackByButtonEscOrTitleBarChoosesNobody) {
    const std::function<void(Dialog&)> ways[] = {
        [](Dialog& d) { d.findChild<QPushButton*>("CmdCancel")->click(); },
        [](Dialog& d) { QTest::keyClick(&d, Qt::Key_Escape); },
        [](Dialog& d) { d.close(); },
    };
    for (const auto& way : ways) {
        bool chosen = true;
        ASSERT_TRUE(open(way, chosen));
        EXPECT_FALSE(chosen);
        EXPECT_EQ(gPatientInfo, before);
        EXPECT_EQ(Dialog::loaded(), nullptr);
    }
}

TEST_F(SearchDialog, PatientThatCannotBeReadIsNotTakenOverAndTheDialogStaysOpen) {
    bool chosen = false;
    ASSERT_TRUE(open(
        [&](Dialog& d) {
            // Rows removed since the search.
            runSql("DELETE FROM m_kh_insurance WHERE personal_id = '0002';");
            d.SpdPatient()->setActiveCell(1, 4);
            d.CmdFNC(1)->click();
            EXPECT_TRUE(d.isVisible());
            EXPECT_EQ(boxes(), QStringList{kNotRead});
            EXPECT_EQ(gPatientInfo, before);

            // A Null name in the newest entry: an unexpected error, the message without added text.
            msgbox::clearShown();
            runSql("UPDATE m_kh_insurance SET name = NULL WHERE personal_id = '0001' AND entry = 2;");
            d.SpdPatient()->setActiveCell(1, 5);
            d.CmdFNC(1)->click();
            EXPECT_TRUE(d.isVisible());
            EXPECT_EQ(boxes(), QStringList{QStringLiteral("予期しないエラーが発生しました。")});
            EXPECT_EQ(gPatientInfo, before);
        },
        chosen));
    EXPECT_FALSE(chosen);
    const QList<LogLine> lines = logLines();
    EXPECT_TRUE(lines.contains(LogLine("FuBolSetData", "患者情報が取得できない(診察券番号:0002)")));
    EXPECT_TRUE(lines.contains(LogLine("FuBolSetData", "Null の使い方が不正です。")));
}

TEST_F(SearchDialog, SetUpFailureShowsTheStartMessageAndNoDialog) {
    QFile::remove(dbPath());
    bool chosen = true;
    EXPECT_FALSE(MdlCommInterface::PFuBolPatientSearch(chosen));
    EXPECT_TRUE(chosen); // not written
    EXPECT_TRUE(modal::shown().isEmpty());
    // The data layer's own message, then the dialog's.
    ASSERT_EQ(boxes().size(), 2);
    EXPECT_EQ(boxes().at(1), QStringLiteral("画面の表示に失敗しました。"));
    EXPECT_TRUE(logLines().contains(LogLine("FuBolPatientSerach", "コネクション確立")));
    EXPECT_EQ(Dialog::loaded(), nullptr);
}

TEST_F(SearchDialog, CalendarFillsTheBirthdayFieldOnOkAndNothingOnCancel) {
    QList<QDate> calendarOpenedOn;
    auto calendar = [&](bool ok, QDate pick) {
        modal::pushResponder([=, &calendarOpenedOn](QWidget& w) {
            auto* cal = w.findChild<ImCalendar*>("imCalen");
            calendarOpenedOn << cal->Value();
            if (pick.isValid())
                cal->setValue(pick);
            w.findChild<QPushButton*>(ok ? "cmdOK" : "CmdCancel")->click();
        });
    };
    bool chosen = false;
    ASSERT_TRUE(open(
        [&](Dialog& d) {
            d.OptSearch(2)->click();
            ImDate* field = dateField(d);
            calendar(false, QDate(2019, 5, 1)); // cancelled: the empty field stays empty
            QTest::mouseDClick(field->findChild<QLineEdit*>(), Qt::LeftButton);
            EXPECT_TRUE(field->ValueIsNull());
            calendar(true, QDate()); // OK without picking: today
            QTest::mouseDClick(field->findChild<QLineEdit*>(), Qt::LeftButton);
            EXPECT_EQ(field->Value(), QVariant(QDate::currentDate()));
            calendar(true, QDate(2019, 5, 1));
            QTest::mouseDClick(field->findChild<QLineEdit*>(), Qt::LeftButton);
            EXPECT_EQ(field->Text(), QStringLiteral("令和 01年05月01日"));
            d.CmdFNC(0)->click();
            EXPECT_EQ(cardNumbers(*d.SpdPatient()), QStringList{"0010"});
        },
        chosen));
    // Opened on today while the field was empty, then on the field's date.
    EXPECT_EQ(calendarOpenedOn,
              (QList<QDate>{QDate::currentDate(), QDate::currentDate(), QDate::currentDate()}));
    EXPECT_EQ(modal::shown(),
              (QStringList{"FrmMKarteS_005", "FrmMKarteS_009", "FrmMKarteS_009", "FrmMKarteS_009"}));
    EXPECT_EQ(FrmMKarteS_009::loaded(), nullptr);
}

TEST_F(SearchDialog, CalendarOnAFieldWithoutADateValueFailsWithALogLine) {
    QWidget notADateField;
    EXPECT_FALSE(FrmMKarteS_009::PFuFrmCalenInit(&notADateField));
    EXPECT_FALSE(FrmMKarteS_009::PFuFrmCalenInit(nullptr));
    EXPECT_TRUE(msgbox::shown().isEmpty());
    ASSERT_EQ(logLines().size(), 2);
    EXPECT_EQ(logLines().at(0).first, QStringLiteral("PFuFrmCalenInit"));
    EXPECT_EQ(FrmMKarteS_009::loaded(), nullptr);
    EXPECT_TRUE(modal::shown().isEmpty());
}

TEST_F(SearchDialog, RecordButtonOpensTheSearchAndTheRecordBookOnlyAfterAChoice) {
    FrmMKarte01_002* menu = FrmMKarte01_002::loadNew();
    ASSERT_TRUE(menu->CmdKarte(2)->isEnabled());
    int books = 0;
    // No record book registered: the button stops after the choice.
    modal::pushResponder([](QWidget& w) {
        auto& d = static_cast<Dialog&>(w);
        d.SpdPatient()->setActiveCell(1, 2);
        d.CmdFNC(1)->click();
    });
    menu->CmdKarte(2)->click();
    EXPECT_EQ(gPatientInfo.personal_id, QStringLiteral("0010"));
    EXPECT_TRUE(menu->isEnabled());

    FrmMKarte01_002::setRecordServices({{}, [&] {
                                            ++books;
                                            return true;
                                        }});
    modal::pushResponder([](QWidget& w) { w.close(); }); // went back: no record book
    menu->CmdKarte(2)->click();
    EXPECT_EQ(books, 0);
    modal::pushResponder([](QWidget& w) {
        auto& d = static_cast<Dialog&>(w);
        d.SpdPatient()->setActiveCell(1, 5);
        d.CmdFNC(1)->click();
    });
    menu->CmdKarte(2)->click();
    EXPECT_EQ(books, 1);
    EXPECT_EQ(gPatientInfo.personal_id, QStringLiteral("0001"));
    EXPECT_TRUE(menu->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    FrmMKarte01_002::setRecordServices({});
    FrmMKarte01_002::unload();
}
