// The record-list screen driven as a user would: opening a book, paging, rows, unsaved lines, saving,
// and the unsaved-changes question on every way out.
#include <QTest>

#include "KarteScreenFixture.h"
#include "app/recordbook/KarteOpen.h"
#include "app/recordcore/KarteSave.h"
#include "app/shell/FrmMKarteS_005.h"

using namespace MdlKarteMain;

class KarteScreen : public KarteScreenFixture {
protected:
    void SetUp() override {
        KarteScreenFixture::SetUp();
        // The instruction entry as a user who accepts the visit the hand-over prepared.
        setRecordBookServices({[this] {
                                   ++entries;
                                   gKarteInfo.updated = true;
                                   return true;
                               },
                               {}});
    }
    // Opens the book with the steps run on the shown screen; true when it was shown.
    bool openBook(const std::function<void(FrmMKarte02_001&)>& steps) {
        flush();
        bool shown = false;
        modal::pushResponder([&](QWidget& w) {
            shown = true;
            steps(static_cast<FrmMKarte02_001&>(w));
        });
        EXPECT_TRUE(PFuBolKarteMain()) << lastBox().toStdString();
        return shown;
    }
    static void activate(int row) { grid().setActiveCell(1, row); }
    static QString recAt(int row) { return grid().getText(4, row); }

    int entries = 0;
};

TEST_F(KarteScreen, DemoBookOpensOnItsLastMonthAndPagesBack) {
    useDemoDatabase();
    gPatientInfo.personal_id = QStringLiteral("100074");
    gPatientInfo.name = QStringLiteral("山田 花子");
    gPatientInfo.birthday = QStringLiteral("1970/05/12");
    ASSERT_TRUE(openBook([](FrmMKarte02_001& w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("MKarte02_001－歯周検査入力メイン"));
        EXPECT_EQ(labelText("LblBirthday"), QStringLiteral("昭和45年05月12日"));
        EXPECT_EQ(labelText("LblInside_id"), QStringLiteral("100074"));
        EXPECT_EQ(labelText("LblLastTime"), QStringLiteral("2024/06/18-10:26:02"));
        EXPECT_EQ(gStrKarteMonth, QStringLiteral("2024/06"));
        grab(&w, QStringLiteral("screen_demo_06.png"));
        QStringList months{gStrKarteMonth};
        while (button("CmdPageCange_1")->isEnabled()) {
            button("CmdPageCange_1")->click();
            months << gStrKarteMonth;
            grab(&w, QStringLiteral("screen_demo_") + gStrKarteMonth.right(2) + QStringLiteral(".png"));
        }
        EXPECT_EQ(months, (QStringList{"2024/06", "2024/05", "2024/04", "2024/03", "2024/02", "2024/01"}));
        EXPECT_TRUE(button("CmdPageCange_0")->isEnabled());
        button("CmdCancel")->click();
    }));
    EXPECT_EQ(FrmMKarte02_001::loaded(), nullptr);
    EXPECT_TRUE(msgbox::shown().isEmpty()) << lastBox().toStdString();
}

TEST_F(KarteScreen, InsertAddRemoveSaveAndReopen) {
    addStoredBook(); // months 04 (1, 3), 05 (2 deleted, 4), 06 (6)
    QString saved;
    ASSERT_TRUE(openBook([&](FrmMKarte02_001& w) {
        EXPECT_EQ(recAt(1), QStringLiteral("6"));
        EXPECT_FALSE(button("CmdPageCange_0")->isEnabled());
        button("CmdPageCange_1")->click();
        EXPECT_EQ(recAt(1), QStringLiteral("2"));
        EXPECT_EQ(recAt(9), QStringLiteral("4"));
        button("CmdPageCange_0")->click();
        EXPECT_EQ(recAt(1), QStringLiteral("6"));

        // An empty row in front of the month's line, and an instruction added on it.
        const int rows = grid().maxRows();
        activate(3);
        button("CmdNewLine")->click();
        EXPECT_EQ(grid().maxRows(), rows + 1);
        EXPECT_EQ(recAt(2), QStringLiteral("6"));
        EXPECT_EQ(grid().activeRow(), 1);
        button("CmdNew_7")->click();
        EXPECT_EQ(entries, 1);
        const QString added = recAt(1);
        ASSERT_FALSE(added.isEmpty());
        EXPECT_EQ(lineAt(added.toLong()).nxt_rec_no, 6);
        EXPECT_EQ(cellStyle(grid(), 3, 1).backColor, kUnsavedColor);
        EXPECT_EQ(recAt(9), QStringLiteral("6"));
        grab(&w, QStringLiteral("screen_unsaved_line.png"));

        // Taken out again before saving: the chain and the grid as before.
        activate(4);
        button("CmdDelLine")->click();
        EXPECT_TRUE(boxTexts().last().startsWith(QStringLiteral("追加した行を取り消します。")));
        EXPECT_EQ(recAt(1), QStringLiteral("6"));
        EXPECT_EQ(lineAt(4).nxt_rec_no, 6);
        EXPECT_EQ(lineAt(6).prv_rec_no, 4);
        EXPECT_EQ(grid().maxRows(), rows);

        // Added below the last line of the book (dated today), saved; the removed line's slot stays unused.
        activate(9);
        button("CmdNew_7")->click();
        saved = recAt(9);
        EXPECT_EQ(saved, QString::number(added.toLong() + 1));
        EXPECT_EQ(lineAt(saved.toLong()).karte_date, todayText());
        button("CmdUpdate")->click();
        EXPECT_TRUE(boxTexts().last().startsWith(QStringLiteral("カルテを保存しました。")));
        EXPECT_EQ(labelText("LblLastTime"), gStrKarteUpdTime);
        EXPECT_EQ(cellStyle(grid(), 3, 9).backColor, kSavedColor);
        EXPECT_EQ(recAt(9), saved);
        msgbox::clearShown();
        button("CmdCancel")->click();
        EXPECT_TRUE(msgbox::shown().isEmpty()) << "nothing unsaved: no question";
    }));
    EXPECT_EQ(value("m_kh_record", "obj_id", "rec_no = " + saved), QStringLiteral("800"));

    ASSERT_TRUE(openBook([&](FrmMKarte02_001&) {
        EXPECT_EQ(gStrKarteMonth, monthText());
        EXPECT_EQ(recAt(1), saved);
        EXPECT_EQ(cellStyle(grid(), 1, 1).backColor, kSavedColor);
        button("CmdPageCange_1")->click();
        EXPECT_EQ(recAt(1), QStringLiteral("6"));
        button("CmdCancel")->click();
    }));
}

TEST_F(KarteScreen, EveryWayOutAsksBeforeUnsavedLinesGo) {
    addStoredBook();
    const struct {
        const char* way;
        std::function<void(FrmMKarte02_001&)> leave;
    } ways[] = {
        {"back", [](FrmMKarte02_001&) { button("CmdCancel")->click(); }},
        {"Esc", [](FrmMKarte02_001& w) { QTest::keyClick(&w, Qt::Key_Escape); }},
        {"close", [](FrmMKarte02_001& w) { w.close(); }},
    };
    for (const auto& way : ways) {
        ASSERT_TRUE(openBook([&](FrmMKarte02_001& w) {
            activate(9);
            button("CmdNew_7")->click();
            msgbox::clearShown();
            msgbox::pushAnswer(2); // Cancel: stay
            way.leave(w);
            ASSERT_EQ(boxTexts().size(), 1) << way.way;
            EXPECT_TRUE(boxTexts().last().startsWith(QStringLiteral("保存されていない変更があります。")));
            EXPECT_EQ(FrmMKarte02_001::loaded(), &w) << way.way;
            EXPECT_TRUE(FuBolKarteChanged()) << way.way;
            msgbox::pushAnswer(1); // OK: the changes go
            way.leave(w);
            EXPECT_TRUE(w.isUnloaded()) << way.way;
        }));
        EXPECT_EQ(gIntKarteHead, 0) << way.way << ": the memory is erased";
        EXPECT_EQ(value("m_kh_record", "COUNT(*)", "1 = 1"), QStringLiteral("5")) << way.way;
    }
}

TEST_F(KarteScreen, DeletingRowsKeepsStoredLinesAndTheLastFreeRow) {
    addStoredBook();
    ASSERT_TRUE(openBook([&](FrmMKarte02_001&) {
        const int rows = grid().maxRows(); // line 6 on rows 1-8, free rows below
        activate(3);
        button("CmdDelLine")->click();
        EXPECT_TRUE(boxTexts().last().startsWith(QStringLiteral("保存済みの記録は削除できません。")));
        EXPECT_EQ(grid().maxRows(), rows);
        activate(9);
        button("CmdDelLine")->click();
        EXPECT_EQ(grid().maxRows(), rows - 1);
        while (grid().maxRows() > 9) {
            activate(grid().maxRows());
            button("CmdDelLine")->click();
        }
        msgbox::clearShown();
        activate(9);
        button("CmdDelLine")->click();
        EXPECT_TRUE(boxTexts().last().startsWith(QStringLiteral("この行は削除できません。")));
        EXPECT_EQ(grid().maxRows(), 9);
        EXPECT_EQ(recAt(1), QStringLiteral("6"));

        // Saving with nothing changed.
        msgbox::clearShown();
        button("CmdUpdate")->click();
        EXPECT_TRUE(boxTexts().last().startsWith(QStringLiteral("保存する変更がありません。")));

        // A double-click on an instruction line opens the entry, though the screen is disabled then.
        SpreadGrid& g = grid();
        activate(2);
        emit g.DblClick(1, 2);
        EXPECT_EQ(entries, 1);
        EXPECT_TRUE(screen()->isEnabled());
        button("CmdCancel")->click();
    }));
}

// The patient search answered with the patient of that card number.
static void choosePatient(const QString& id) {
    modal::pushResponder([id](QWidget& w) {
        auto& d = static_cast<FrmMKarteS_005&>(w);
        const int row = d.SpdPatient()->searchCol(1, 0, d.SpdPatient()->maxRows(), id, 0);
        ASSERT_GT(row, 0) << id.toStdString();
        d.SpdPatient()->setActiveCell(1, row);
        d.CmdFNC(1)->click();
    });
}

TEST_F(KarteScreen, ChangingPatientReloadsTheScreenOrClosesItAfterAFailedLoad) {
    useDemoDatabase();
    // Patient 100148's book made unreadable: its head names no line.
    run("UPDATE m_karte SET rec_no = 999 WHERE personal_id = '100148';");
    gPatientInfo.personal_id = QStringLiteral("100074");
    int shown = 0;
    modal::pushResponder([&](QWidget&) {
        ++shown;
        activate(9);
        button("CmdNew_7")->click();
        msgbox::pushAnswer(2); // keep the unsaved line: no search
        button("CmdInsideChange")->click();
        EXPECT_EQ(modal::shown().count(QStringLiteral("FrmMKarteS_005")), 0);
        button("CmdInsideChange")->click(); // the unsaved line let go
    });
    choosePatient(QStringLiteral("100111"));
    modal::pushResponder([&](QWidget&) {
        ++shown;
        EXPECT_EQ(labelText("LblInside_id"), QStringLiteral("100111"));
        EXPECT_EQ(gPatientInfo.personal_id, QStringLiteral("100111"));
        EXPECT_EQ(recAt(1), QString::number(gLngMonthFirstRec));
        EXPECT_FALSE(FuBolKarteChanged());
        button("CmdInsideChange")->click();
    });
    choosePatient(QStringLiteral("100148"));
    EXPECT_TRUE(PFuBolKarteMain());
    EXPECT_EQ(shown, 2) << "the screen is not shown again over a book that did not load";
    EXPECT_EQ(FrmMKarte02_001::loaded(), nullptr);
    EXPECT_EQ(gIntKarteHead, 0);
    EXPECT_EQ(gKarteLines.size(), 1u);
}
