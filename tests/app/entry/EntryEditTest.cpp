// Editing on the entry screen: the teeth a tooth part keeps and the plaque codes of the cells, the plaque
// chart's clicks and buttons, the tooth-part and comment buttons, and the ways back with their hand-back.
#include <QLineEdit>
#include <QTest>

#include "EntryScreenFixture.h"
#include "app/entry/FrmMKarte03_004.h"
#include "app/entry/FrmMKarteS_001.h"
#include "app/entry/FrmMKarteS_008.h"
#include "app/printing/FrmMKarte03_005.h"
#include "app/shell/FrmMKarteS_009.h"
#include "controls/toothchart/DTextBoard.h"

namespace {

// The empty chart as the tooth-part panel gives it back in compressed notation.
const QString kEmptyRun = QStringLiteral("/{DC") + QString(32, u'0') + QStringLiteral("/}");

QString presentCells(const QString& parts33) {
    const auto present = plaquechart::presentTeeth(parts33);
    QStringList cells;
    for (size_t i = 0; i < present.size(); ++i)
        if (present[i])
            cells << QString::number(i);
    return cells.join(u',');
}

class EntryEdit : public EntryScreenFixture {
protected:
    static QPushButton* button(Entry& f, const char* name) {
        return f.findChild<QPushButton*>(QLatin1String(name));
    }
    static void leaveWith(QWidget& w, const char* name) { click(w, name); }
};

} // namespace

TEST(EntryPlaqueChart, PresentTeethFollowTheToothPart) {
    const QString zeros24(24, u'0');
    EXPECT_EQ(presentCells(QStringLiteral("C") + QString(32, u'a')).split(u',').size(), 32);
    EXPECT_EQ(presentCells(QStringLiteral("C") + QString(32, u'a')).split(u',').last(), QStringLiteral("31"));
    // Upper right 1 as "g": the permanent tooth and deciduous A of that place.
    EXPECT_EQ(presentCells(QStringLiteral("N0000000g") + zeros24), QStringLiteral("0,32"));
    // Upper right 8 is the first character of its block.
    EXPECT_EQ(presentCells(QStringLiteral("Ng0000000") + zeros24), QStringLiteral("7"));
    // Lower left 3 as "b": only deciduous C of the lower left.
    EXPECT_EQ(presentCells(QStringLiteral("N") + zeros24 + QStringLiteral("00b00000")), QStringLiteral("49"));
    // Upper left 2 as "h", lower right 5 as "a".
    EXPECT_EQ(presentCells(QStringLiteral("N00000000") + QStringLiteral("0h000000") +
                           QStringLiteral("000a0000") + QString(8, u'0')),
              QStringLiteral("9,20,38"));
    EXPECT_EQ(presentCells(QStringLiteral("N")), QString());
}

TEST_F(EntryEdit, PlaqueClicksCountAndLostTeethSpringBack) {
    handOver(QStringLiteral("1"), visitOf(QStringLiteral("2024/06/03")));
    ASSERT_TRUE(open([](Entry& f) {
        button(f, "CmdUpdate")->setEnabled(false);
        QTest::mouseClick(f.PlaqueCheckCell(8), Qt::LeftButton, {}, QPoint(17, 4));
        EXPECT_EQ(faces(*f.PlaqueCheckCell(8)), QStringLiteral("U---"));
        EXPECT_EQ(text(f, "LblPlaqueCnt_1") + u'/' + text(f, "LblPlaqueRitu_1"), QStringLiteral("1/0.78"));
        EXPECT_TRUE(f.dirty() && f.record().changed && button(f, "CmdUpdate")->isEnabled());
        // Which teeth are there is the tooth part's to say.
        QTest::mouseClick(f.PlaqueCheckCell(0), Qt::RightButton);
        QTest::mouseClick(f.PlaqueCheckCell(32), Qt::RightButton);
        EXPECT_FALSE(f.PlaqueCheckCell(0)->Lost());
        EXPECT_TRUE(f.PlaqueCheckCell(32)->Lost());
        EXPECT_EQ(text(f, "LblLost_1"), QStringLiteral("32"));

        click(f, "CmdIkatuPl");
        EXPECT_EQ(text(f, "CmdIkatuPl"), QStringLiteral("隣接面解除"));
        EXPECT_TRUE(f.PlaqueCheckCell(51)->PlaqueL() && f.PlaqueCheckCell(51)->PlaqueR());
        EXPECT_EQ(text(f, "LblPlaqueCnt_1"), QStringLiteral("65"));
        click(f, "CmdIkatuPlClr");
        EXPECT_EQ(text(f, "LblPlaqueCnt_1") + u'/' + text(f, "LblPlaqueRitu_1"), QStringLiteral("0/0.00"));
        EXPECT_EQ(text(f, "CmdIkatuPl"), QStringLiteral("隣接面解除"));
        click(f, "CmdIkatuPl");
        EXPECT_EQ(text(f, "CmdIkatuPl"), QStringLiteral("隣接面設定"));
        EXPECT_EQ(text(f, "LblPlaqueCnt_1"), QStringLiteral("0"));
    }));
    // A stored chart whose present teeth all have a side face opens with the clearing caption, and a
    // change while the busy pointer shows is the program's own.
    InstructVisitData stored =
        visitOf(QStringLiteral("2024/05/20"), QStringLiteral("10:00"), QStringLiteral("10:30"));
    stored.plaque.fill(QStringLiteral("M"));
    stored.plaque[8] = QStringLiteral("1000");
    stored.plaque[16] = QStringLiteral("0100");
    handOver(QStringLiteral("2"), stored);
    ASSERT_TRUE(open([](Entry& f) {
        EXPECT_EQ(text(f, "CmdIkatuPl"), QStringLiteral("隣接面解除"));
        f.setEnabled(false);
        f.PlaqueCheck_ChangePlaque(8);
        EXPECT_FALSE(f.dirty() || f.record().changed);
    }));
}

TEST_F(EntryEdit, ToothPartButtonNeverTakesAcceptAway) {
    handOver(QStringLiteral("1"), visitOf(QStringLiteral("2024/06/03")));
    ASSERT_TRUE(open([](Entry& f) {
        onScreen<FrmMKarteS_001>([](FrmMKarteS_001& s) { click(s, "CmdFNC_0"); });
        click(f, "CmdBuiInput");
        EXPECT_FALSE(f.dirty());
        EXPECT_TRUE(button(f, "CmdUpdate")->isEnabled());
        // Upper right 6 taken out of the chart: its cell is lost at once.
        onScreen<FrmMKarteS_001>([](FrmMKarteS_001& s) {
            QTest::mouseClick(s.findChild<QPushButton*>(QStringLiteral("cmdPer_160")), Qt::LeftButton);
            click(s, "CmdFNC_0");
        });
        click(f, "CmdBuiInput");
        EXPECT_TRUE(f.dirty() && f.record().changed);
        EXPECT_TRUE(f.PlaqueCheckCell(5)->Lost());
        EXPECT_EQ(text(f, "LblLost_1"), QStringLiteral("31"));
        EXPECT_NE(f.DrawGlyphor1()->PPoStrParts33(), kAllPermanent);
    }));
}

TEST_F(EntryEdit, CommentButtonsInsertIntoTheirOwnField) {
    run("INSERT INTO m_comment_kind_m VALUES ('2', '01', '清掃');"
        "INSERT INTO m_comment_m VALUES ('2', '01', '001', 'フロスを毎日');");
    struct Case {
        const char* button;
        std::function<void()> user; // what the user does on the sub-screen(s)
        int field;
        QString inserted;
        bool changed, dirty;
    };
    const std::vector<Case> cases = {
        {"CmdInstMainPoint_2",
         [] {
             onScreen<FrmMKarteS_008>([](FrmMKarteS_008& s) {
                 s.findChild<QLineEdit*>(QStringLiteral("txtString"))->setText(QStringLiteral("  abc "));
                 click(s, "CmdFNC_0");
             });
         },
         0, QStringLiteral("/{Babc/}"), true, true},
        {"CmdMessage_1", [] { onScreen<FrmMKarteS_001>([](FrmMKarteS_001& s) { click(s, "CmdFNC_0"); }); }, 1,
         kEmptyRun, true, true},
        {"CmdInstMainPoint_0",
         [] {
             onScreen<FrmMKarte03_004>([](FrmMKarte03_004& p) {
                 clickCell(*p.findChild<SpreadGrid*>(QStringLiteral("SpdContents")), 1, 1);
                 click(p, "CmdFNC");
             });
         },
         0, QStringLiteral("フロスを毎日"), true, true},
        // The picker closed by its frame: nothing chosen, yet the screen counts as touched.
        {"CmdMessage_0", [] {}, 1, QString(), false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        handOver(QStringLiteral("1"), visitOf(QStringLiteral("2024/06/03")));
        ASSERT_TRUE(open([&](Entry& f) {
            f.DtxComment(c.field)->setPPoStrDString(QString());
            c.user();
            click(f, c.button);
            EXPECT_EQ(f.DtxComment(c.field)->PPoStrDString(), c.inserted);
            EXPECT_EQ(f.DtxComment(1 - c.field)->PPoStrDString(), QString());
            EXPECT_EQ(f.record().changed, c.changed);
            EXPECT_EQ(f.dirty(), c.dirty);
        }));
    }
    // A picker that cannot be prepared touches the instruction field's screen only.
    run("DELETE FROM m_comment_kind_m;");
    for (const char* name : {"CmdInstMainPoint_0", "CmdMessage_0"}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(open([&](Entry& f) {
            click(f, name);
            EXPECT_EQ(f.dirty(), QByteArray(name) == "CmdInstMainPoint_0");
        }));
        EXPECT_EQ(messageNumbers().last(), QStringLiteral("899"));
    }
}

TEST_F(EntryEdit, EveryTouchIsAskedAboutOnTheWayBack) {
    const std::vector<std::pair<const char*, std::function<void(Entry&)>>> touches = {
        {"nothing", [](Entry&) {}},
        {"time", [](Entry& f) { f.ImiTime(1)->setText(QStringLiteral("10:45")); }},
        {"typing",
         [](Entry& f) {
             f.DtxComment(1)->setFocus();
             QTest::keyClicks(f.DtxComment(1)->board(), QStringLiteral("x"));
         }},
        {"date key",
         [](Entry& f) { QTest::keyClick(f.ImdEntryDate()->findChild<QLineEdit*>(), Qt::Key_Up); }},
        {"calendar", [](Entry& f) {
             onScreen<FrmMKarteS_009>([](FrmMKarteS_009& s) { click(s, "CmdCancel"); });
             emit f.ImdEntryDate()->DblClick();
         }}};
    for (const auto& [what, touch] : touches) {
        SCOPED_TRACE(what);
        msgbox::clearShown();
        handOver(QStringLiteral("1"), visitOf(QStringLiteral("2024/06/03")));
        const bool touched = QByteArray(what) != "nothing";
        ASSERT_TRUE(open([&](Entry& f) {
            touch(f);
            msgbox::pushAnswer(msgbox::IDNO);
            click(f, "CmdCancel");
            // "No" keeps the screen; "Yes" (or no question) leaves it.
            EXPECT_EQ(Entry::loaded() != nullptr && !f.isUnloaded(), touched);
            if (touched)
                click(f, "CmdCancel");
        }));
        EXPECT_EQ(messageNumbers(), touched ? (QStringList{"003", "003"}) : QStringList());
        EXPECT_FALSE(gKarteInfo.updated);
    }
}

TEST_F(EntryEdit, PrintAndExportButtons) {
    gBolMainBtn = true;
    handOver(QStringLiteral("2"),
             visitOf(QStringLiteral("2024/06/03"), QStringLiteral("10:00"), QStringLiteral("10:30")));
    ASSERT_TRUE(open([&](Entry& f) {
        // What is being typed is not on the sheet: the user is told so before the selection opens.
        QTest::mouseClick(f.PlaqueCheckCell(3), Qt::LeftButton);
        onScreen<FrmMKarte03_005>([](FrmMKarte03_005& s) { click(s, "CmdCancel"); });
        click(f, "CmdPrint");
        EXPECT_EQ(messageNumbers(), QStringList{"207"});
        EXPECT_EQ(modal::shown().last(), QStringLiteral("FrmMKarte03_005"));
        // The debug export: the item list as text beside the program.
        click(f, "cmdSeisouCSV");
        const QByteArray saved = testsupport::readBytes(gStrAppPath + QStringLiteral("SpdCleaning.txt"));
        EXPECT_TRUE(text::fromCp932(saved).startsWith(
            QStringLiteral("歯ブラシ（ふつう）\r\n歯ブラシ（やわらかめ）\r\n")));
        msgbox::clearShown();
        gStrAppPath = gStrAppPath + QStringLiteral("no-such-folder/");
        click(f, "cmdSeisouCSV");
        ASSERT_EQ(msgbox::shown().size(), 1);
        EXPECT_EQ(msgbox::shown().first().caption, kAppTitle);
    }));
}
