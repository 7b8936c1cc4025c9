// The past-record viewer opened through its opener: a stored visit shown read-only, the delete mark,
// the edge cases of the visit's data, and the screen that cannot be prepared.
#include <QLabel>

#include "EntryFixture.h"
#include "app/entry/FrmMKarte03_003.h"
#include "app/entry/MdlSubScreen.h"
#include "app/recordcore/KarteHandover.h"
#include "controls/cancelline/Brannic.h"
#include "controls/dental/PlaqueCheck.h"
#include "controls/timeentry/MyImTime.h"
#include "controls/toothchart/DText.h"
#include "platform/fields/ImDate.h"

namespace {

using Viewer = FrmMKarte03_003;

QString label(Viewer& v, const char* name) {
    auto* l = v.findChild<QLabel*>(QLatin1String(name));
    EXPECT_NE(l, nullptr) << name;
    return l ? l->text() : QString();
}

bool shown(Viewer& v, const char* name) {
    auto* w = v.findChild<QWidget*>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << name;
    return w && w->isVisibleTo(&v);
}

// One earlier visit as the hand-over keeps it.
InstructVisitData visitOf(const QString& entry, const QString& start, const QString& end,
                          const QString& delMark = QString()) {
    InstructVisitData v;
    v.entry = entry;
    v.inst_start_time = start;
    v.inst_end_time = end;
    v.inst_point = QStringLiteral("指導");
    v.plaque.fill(QStringLiteral("0000"));
    v.del_mark = delMark;
    v.staff_name = QStringLiteral("石川 由美");
    return v;
}

class PastRecordViewer : public EntryFixture {
protected:
    // Opens the viewer on history element index; look runs on the shown screen, which the user then
    // leaves by its back button (or, with byFrame, by its window frame).
    bool open(long index, const std::function<void(Viewer&)>& look, QString& delMark, bool& update,
              bool byFrame = false) {
        onScreen<Viewer>([&](Viewer& v) {
            EXPECT_EQ(v.loadState(), forms::LoadState::Ready);
            if (look)
                look(v);
            if (!byFrame)
                click(v, "CmdCancel");
        });
        const bool result = MdlSubScreen::PFuBolPlaqueDetailDisp(index, delMark, update);
        EXPECT_EQ(Viewer::loaded(), nullptr);
        return result;
    }
};

} // namespace

TEST_F(PastRecordViewer, ShowsAStoredVisitReadOnly) {
    addStoredBook();
    ASSERT_TRUE(load());
    gPatientInfo.name = QStringLiteral("山田 花子");
    gPatientInfo.birthday = QStringLiteral("1980/03/15");
    gPatientInfo.age = QStringLiteral("44");
    gPatientInfo.sex_name = QStringLiteral("女");
    // The history the entry screen gets for a new visit: every undeleted instruction of the book.
    SpreadGrid rows;
    rows.setMaxCols(6);
    rows.setMaxRows(1);
    ASSERT_TRUE(MdlKarteMain::FuBolOldInstructLogGet(rows, 1));
    ASSERT_EQ(gKarteInfo.history.size(), 2u);

    struct Case {
        long index;
        QDate date;
        QString faces0, faces8, faces16, faces24, faces40; // ur1, ul1, dr1, dl1, ul deciduous C
        QStringList items;
        QString counts;
    } cases[] = {
        // "1010" everywhere but ur4 (stored Null: lost): the midline face and the outer face.
        {0,
         QDate(2024, 5, 20),
         "U--R",
         "U-L-",
         "-D-R",
         "-DL-",
         "U-L-",
         {"デンタルフロス", "歯間ブラシ（S）"},
         "51/102/50.00"},
        // "0001": only the inner face.
        {1, QDate(2024, 6, 3), "-D--", "-D--", "U---", "U---", "-D--", {}, "51/51/25.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        QString delMark = QStringLiteral("x");
        bool update = true;
        const bool result = open(
            c.index,
            [&](Viewer& v) {
                EXPECT_EQ(v.windowTitle(), QStringLiteral("MKarte03_003－歯科衛生実地指導歴"));
                EXPECT_EQ(label(v, "LblPersonalId"), kPid);
                EXPECT_EQ(label(v, "LblName"), QStringLiteral("山田 花子"));
                EXPECT_EQ(label(v, "LblBirthday"), QStringLiteral("昭和55年03月15日"));
                EXPECT_EQ(label(v, "LblAge"), QStringLiteral("44"));
                EXPECT_EQ(label(v, "LblSex"), QStringLiteral("女"));
                EXPECT_EQ(label(v, "LblWriPersonName"), gKarteInfo.history[c.index].staff_name);
                EXPECT_FALSE(label(v, "LblWriPersonName").isEmpty());
                // The visit's own date, not today's, and nothing can be changed.
                auto* date = v.findChild<ImDate*>(QStringLiteral("ImdEntryDate"));
                EXPECT_EQ(date->date(), c.date);
                EXPECT_FALSE(date->isEnabled());
                EXPECT_EQ(v.ImiTime(0)->text(), QStringLiteral("10:00"));
                EXPECT_EQ(v.ImiTime(1)->text(), QStringLiteral("10:30"));
                EXPECT_FALSE(v.ImiTime(0)->isEnabled() || v.ImiTime(1)->isEnabled());
                EXPECT_EQ(label(v, "LblMM"), QStringLiteral("30"));
                EXPECT_EQ(faces(*v.PlaqueCheckCell(0)), c.faces0);
                EXPECT_EQ(faces(*v.PlaqueCheckCell(3)), QStringLiteral("M"));
                EXPECT_EQ(faces(*v.PlaqueCheckCell(8)), c.faces8);
                EXPECT_EQ(faces(*v.PlaqueCheckCell(16)), c.faces16);
                EXPECT_EQ(faces(*v.PlaqueCheckCell(24)), c.faces24);
                EXPECT_EQ(faces(*v.PlaqueCheckCell(39)), c.faces40);
                for (PlaqueCheck* cell : v.plaqueCells())
                    EXPECT_FALSE(cell->isEnabled());
                EXPECT_EQ(label(v, "LblLost_1") + u'/' + label(v, "LblPlaqueCnt_1") + u'/' +
                              label(v, "LblPlaqueRitu_1"),
                          c.counts);
                SpreadGrid& g = *v.SpdCleaning();
                EXPECT_EQ(column1(g), c.items);
                if (!c.items.isEmpty()) {
                    clickCell(g, 1, 1); // nothing here can be chosen
                    EXPECT_EQ(g.selModeSelCount(), 0);
                }
                EXPECT_EQ(v.DtxComment(0)->PPoStrDString(), QStringLiteral("歯間清掃"));
                EXPECT_EQ(v.DtxComment(1)->PPoStrDString(), QString());
                EXPECT_FALSE(v.DtxComment(0)->EnabledText() || v.DtxComment(1)->EnabledText());
                EXPECT_FALSE(shown(v, "LblAppealsDel"));
                EXPECT_FALSE(shown(v, "Brannic"));
            },
            delMark, update);
        EXPECT_TRUE(result);
        EXPECT_EQ(delMark, QString());
        EXPECT_FALSE(update);
    }
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(PastRecordViewer, DeleteMarkShowsLabelAndCrossOnlyForOne) {
    const struct {
        const char* mark;
        bool deleted;
        bool byFrame;
    } cases[] = {{"1", true, false}, {"1", true, true},   {"", false, false},
                 {" ", false, true}, {"0", false, false}, {" 1", false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("[") + c.mark + "]" + (c.byFrame ? " frame" : ""));
        gKarteInfo.history = {visitOf(QStringLiteral("2024/05/20"), QStringLiteral("10:00"),
                                      QStringLiteral("10:30"), QString::fromLatin1(c.mark))};
        QString delMark = QStringLiteral("x");
        bool update = true;
        bool crossDrawn = false;
        EXPECT_TRUE(open(
            0,
            [&](Viewer& v) {
                EXPECT_EQ(shown(v, "LblAppealsDel"), c.deleted);
                EXPECT_EQ(shown(v, "Brannic"), c.deleted);
                // The cross lies over the visit: red at its centre on the screen as grabbed.
                auto* cross = v.findChild<Brannic*>(QStringLiteral("Brannic"));
                const QPoint centre = cross->geometry().center();
                crossDrawn = v.grab().toImage().pixelColor(centre) == QColor(255, 0, 0);
            },
            delMark, update, c.byFrame));
        EXPECT_EQ(crossDrawn, c.deleted);
        EXPECT_EQ(delMark, QString::fromLatin1(c.mark)); // as stored, never rewritten
        EXPECT_FALSE(update);
    }
}

TEST_F(PastRecordViewer, ShowsWhatTheVisitHoldsAndNothingMore) {
    struct Case {
        const char* what;
        InstructVisitData visit;
        QString birthday;
        QString start, end, minutes, birthdayLabel;
    } cases[] = {
        {"no items, no birthday", visitOf("2024/05/20", "10:00", "10:30"), "", "10:00", "10:30", "30", ""},
        {"birthday not a date", visitOf("2024/05/20", "10:00", "10:30"), "1980/13/45", "10:00", "10:30", "30",
         ""},
        {"Reiwa birthday", visitOf("2024/05/20", "9:05", "9:50"), "2019/05/01", "09:05", "09:50", "45",
         "令和01年05月01日"},
        {"end before start", visitOf("2024/05/20", "10:30", "10:00"), "", "10:30", "10:00", "-30", ""},
        {"no start", visitOf("2024/05/20", "", "10:30"), "", "", "10:30", "", ""},
        {"end not a time", visitOf("2024/05/20", "10:00", "abc"), "", "10:00", "", "", ""},
        // A minute between the steps shows the hour only: display, the visit keeps 10:07.
        {"off-step minute", visitOf("2024/05/20", "10:07", "10:30"), "", "", "10:30", "", ""},
        {"no date", visitOf("", "10:00", "10:30"), "", "10:00", "10:30", "30", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        gPatientInfo.birthday = c.birthday;
        gKarteInfo.history = {visitOf("2023/01/01", "", ""), c.visit};
        const InstructEntryData before = gKarteInfo;
        QString delMark;
        bool update = true;
        EXPECT_TRUE(open(
            1,
            [&](Viewer& v) {
                EXPECT_EQ(v.SpdCleaning()->maxRows(), 0);
                EXPECT_EQ(label(v, "LblBirthday"), c.birthdayLabel);
                EXPECT_EQ(v.ImiTime(0)->text(), c.start);
                EXPECT_EQ(v.ImiTime(1)->text(), c.end);
                EXPECT_EQ(label(v, "LblMM"), c.minutes);
                auto* date = v.findChild<ImDate*>(QStringLiteral("ImdEntryDate"));
                EXPECT_EQ(date->ValueIsNull(), c.visit.entry.isEmpty());
                // All 52 teeth present, no face: the rate of a clean chart.
                EXPECT_EQ(label(v, "LblPlaqueRitu_1"), QStringLiteral("0.00"));
            },
            delMark, update));
        EXPECT_FALSE(update);
        EXPECT_EQ(gKarteInfo.history[1].inst_start_time, before.history[1].inst_start_time);
    }
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(PastRecordViewer, AVisitThatCannotBeShownGives899AndNoScreen) {
    const struct {
        const char* step;
        long index;
    } cases[] = {{"x", 0}, {"", 0}, {"5", 1}, {"5", -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("step [") + c.step + "] index " + std::to_string(c.index));
        gStrEiseiMM = QString::fromLatin1(c.step);
        gKarteInfo.history = {visitOf("2024/05/20", "10:00", "10:30", "1")};
        msgbox::clearShown();
        modal::clearShown();
        QString delMark = QStringLiteral("keep");
        bool update = true;
        EXPECT_FALSE(MdlSubScreen::PFuBolPlaqueDetailDisp(c.index, delMark, update));
        EXPECT_EQ(boxes(), QStringList{box(QStringLiteral("画面の表示に失敗しました。"), msgbox::MB_OK,
                                           msgbox::MB_ICONSTOP)});
        EXPECT_TRUE(modal::shown().isEmpty());
        EXPECT_EQ(delMark, QStringLiteral("keep"));
        EXPECT_TRUE(update);
        EXPECT_EQ(Viewer::loaded(), nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
