// Preparing the visit record for the entry screen from a grid row: the mode, the visit, the part
// code and plaque defaults, the other visits as history, and the date of a new line.
#include "app/recordcore/KarteHandover.h"
#include "platform/spread/SpreadGrid.h"
#include "support/RecordBookFixture.h"

using namespace MdlKarteMain;

namespace {

class KarteHandover : public RecordBookFixture {
protected:
    void SetUp() override {
        RecordBookFixture::SetUp();
        grid.setMaxCols(6);
        grid.setMaxRows(12);
    }

    // Appends a stored line of the kind to the end of the chain, laid on grid row `row` (0: not laid).
    int add(const QString& obj, const QString& date, int row, const QString& plaque = QString(),
            const QString& part = QString(), bool deleted = false, const QString& cls = QStringLiteral("2")) {
        KarteLine l;
        l.rec_no = static_cast<int>(gKarteLines.size());
        l.obj_id = obj;
        l.karte_date = date;
        l.part = part;
        l.part_text = part.isEmpty() ? QString() : QStringLiteral("text of ") + date;
        l.line_state = deleted ? kLineStoredDeleted : kLineStored;
        l.del_mark = deleted ? QStringLiteral("1") : QString();
        l.ent_staff_name = QStringLiteral("入力者");
        if (deleted) {
            l.del_staff_class_code = QStringLiteral("2");
            l.del_staff_name = QStringLiteral("削除者");
        }
        if (obj == kObjInstruction) {
            KarteJittisidouData d;
            d.entry = date;
            d.entry_no = 1;
            d.inst_start_time = QStringLiteral("09:00");
            d.plaque.fill(plaque);
            d.cleaning_imp = {QStringLiteral("舌ブラシ")};
            gJittisidouList.push_back(d);
            l.detail_index = ubound(gJittisidouList);
        } else if (obj == kObjInspection) {
            KarteSisyuKensaData d;
            d.inspection_cls = cls;
            d.plaque.fill(plaque);
            gSisyuKensaList.push_back(d);
            l.detail_index = ubound(gSisyuKensaList);
        }
        if (gIntKarteHead == 0) {
            gIntKarteHead = l.rec_no;
        } else {
            int last = gIntKarteHead;
            while (gKarteLines[last].nxt_rec_no != 0)
                last = gKarteLines[last].nxt_rec_no;
            gKarteLines[last].nxt_rec_no = l.rec_no;
            l.prv_rec_no = last;
        }
        gKarteLines.push_back(l);
        if (row > 0) {
            grid.setText(4, row, QString::number(l.rec_no));
            grid.setText(6, row, date);
        }
        return l.rec_no;
    }
    bool prepare(long row) { return PFuBolInstructDataSet(grid, row); }

    SpreadGrid grid;
};

TEST_F(KarteHandover, FreeRowInAnEmptyBook) {
    gKarteInfo.updated = true; // left over from an earlier hand-back
    ASSERT_TRUE(prepare(1));
    EXPECT_EQ(gKarteInfo.mode, QStringLiteral("1"));
    EXPECT_FALSE(gKarteInfo.updated);
    EXPECT_FALSE(gKarteInfo.changed);
    EXPECT_EQ(gStrParts33, QStringLiteral("Caaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"));
    EXPECT_EQ(gStrPartsText, QString());
    for (const QString& p : gKarteInfo.visit.plaque)
        ASSERT_EQ(p, QStringLiteral("    "));
    EXPECT_TRUE(gKarteInfo.history.empty());
    EXPECT_EQ(gKarteInfo.history_ubound, -1);
    EXPECT_EQ(gKarteInfo.visit.staff_name, QStringLiteral("青木 美咲"));
    EXPECT_EQ(gKarteInfo.visit.entry, QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd")));
    EXPECT_EQ(gKarteInfo.visit.entry_no, 0);
    EXPECT_TRUE(gKarteInfo.visit.cleaning_imp.isEmpty());
}

// Defaults come from the last undeleted inspection or instruction of the whole chain, also below the
// row; an inspection other than a precise one gives its part code only.
TEST_F(KarteHandover, NewVisitDefaultsFromTheLastUndeletedLineOfTheChain) {
    const QString partA = QStringLiteral("Naaaaaaaa00000000000000000000000");
    const QString partB = QStringLiteral("N00000000aaaaaaaa000000000000000");
    add(kObjInstruction, QStringLiteral("2024/04/01"), 1, QStringLiteral("0001"), partA);
    add(kObjInspection, QStringLiteral("2024/04/10"), 3, QStringLiteral("1100"), partB);
    add(kObjInstruction, QStringLiteral("2024/04/20"), 4, QStringLiteral("1111"), QStringLiteral("Ndeleted"),
        true);
    add(kObjAppeals, QStringLiteral("2024/04/21"), 5, QString(), QStringLiteral("Nappeals"));
    ASSERT_TRUE(prepare(2));
    EXPECT_EQ(gStrParts33, partB);
    EXPECT_EQ(gStrPartsText, QStringLiteral("text of 2024/04/10"));
    EXPECT_EQ(gKarteInfo.visit.plaque[0], QStringLiteral("1100"));
    EXPECT_EQ(gKarteInfo.visit.entry, QStringLiteral("2024/04/01")); // the date above

    add(kObjInspection, QStringLiteral("2024/05/01"), 6, QStringLiteral("0110"), partA, false,
        QStringLiteral("1"));
    ASSERT_TRUE(prepare(2));
    EXPECT_EQ(gStrParts33, partA);                                 // a basic inspection gives its part code
    EXPECT_EQ(gKarteInfo.visit.plaque[0], QStringLiteral("1100")); // but not its plaque
}

TEST_F(KarteHandover, ExistingInstructionLineOpensInItsMode) {
    struct Case {
        const char* state;
        bool deleted, changed;
        const char* mode;
        const char* staff;
    };
    const std::vector<Case> cases = {
        {"5", true, false, "6", "削除者"},
        {"4", true, true, "4", "削除者"},
        {"3", false, false, "3", "入力者"},
        {"2", false, true, "2", "入力者"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        PSuKarteWorkErase_End();
        gIntKarteHead = 0;
        const int rec = add(kObjInstruction, QStringLiteral("2024/04/01"), 1, QStringLiteral("1010"),
                            QStringLiteral("Npart"), c.deleted);
        gKarteLines[rec].line_state = QString::fromLatin1(c.state);
        gKarteLines[rec].changed = c.changed;
        gKarteLines[rec].entry_no = 7;
        gKarteInfo.updated = true;
        ASSERT_TRUE(prepare(1));
        EXPECT_EQ(gKarteInfo.mode, QString::fromLatin1(c.mode));
        EXPECT_EQ(gKarteInfo.visit.staff_name, QString::fromUtf8(c.staff));
        EXPECT_EQ(gKarteInfo.changed, c.changed);
        EXPECT_FALSE(gKarteInfo.updated);
        EXPECT_EQ(gKarteInfo.visit.entry_no, 7);
        EXPECT_EQ(gKarteInfo.visit.inst_start_time, QStringLiteral("09:00"));
        EXPECT_EQ(gKarteInfo.visit.cleaning_imp, QStringList{QStringLiteral("舌ブラシ")});
        EXPECT_EQ(gStrParts33, QStringLiteral("Npart"));
    }
}

// History: every undeleted instruction but the edited one, in chain order; its upper bound stops at
// the line above the row, or with no line above at the line after the month's first line.
TEST_F(KarteHandover, HistoryHoldsTheOtherVisitsUpToTheLineAbove) {
    const int a = add(kObjInstruction, QStringLiteral("2024/04/01"), 1, QStringLiteral("0001"));
    add(kObjInstruction, QStringLiteral("2024/04/05"), 2, QStringLiteral("0010"), QString(), true);
    const int c = add(kObjInstruction, QStringLiteral("2024/04/09"), 3, QStringLiteral("0100"));
    add(kObjInspection, QStringLiteral("2024/04/10"), 4, QStringLiteral("1000"));
    const int e = add(kObjInstruction, QStringLiteral("2024/04/20"), 6, QStringLiteral("1000"));
    add(kObjInstruction, QStringLiteral("2024/05/02"), 0, QStringLiteral("1111"));
    gLngMonthFirstRec = a;

    ASSERT_TRUE(prepare(3)); // edit line c
    QStringList dates;
    for (const auto& v : gKarteInfo.history)
        dates << v.entry;
    EXPECT_EQ(dates, (QStringList{"2024/04/01", "2024/04/20", "2024/05/02"}));
    EXPECT_EQ(gKarteInfo.history_ubound, 0); // up to line b, the row above
    EXPECT_EQ(gKarteInfo.history[0].staff_name, QStringLiteral("入力者"));
    EXPECT_EQ(gKarteInfo.history[0].del_mark, QString());

    ASSERT_TRUE(prepare(5)); // a free row below line d
    EXPECT_EQ(gKarteInfo.history.size(), 4u);
    EXPECT_EQ(gKarteInfo.history_ubound, 1); // a and c

    ASSERT_TRUE(prepare(1)); // edit line a: nothing above, stop at the line after the month's first
    EXPECT_EQ(gKarteInfo.history.size(), 3u);
    EXPECT_EQ(gKarteInfo.history_ubound, -1); // the stop line b is deleted and comes before c
    gLngMonthFirstRec = c;
    ASSERT_TRUE(prepare(1));
    EXPECT_EQ(gKarteInfo.history_ubound, 0); // stop at d, after c: c is the first visit
    (void)e;
}

TEST_F(KarteHandover, DateOfANewLineIsTheNearestAboveElseBelowElseToday) {
    struct Case {
        std::vector<std::pair<int, const char*>> dates;
        long row, monthNext;
        const char* expected; // "" today
    };
    const std::vector<Case> cases = {
        {{{2, "2024/04/01"}, {6, "2024/04/09"}}, 4, 0, "2024/04/01"},
        {{{6, "2024/04/09"}}, 4, 0, "2024/04/09"},
        {{{2, "2024/04/01"}}, 4, 0, ""},           // last line of the book: today
        {{{2, "2024/04/01"}}, 4, 9, "2024/04/01"}, // the month goes on after the grid
        {{}, 4, 9, "<empty>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        for (int row = 1; row <= grid.maxRows(); ++row)
            grid.setText(6, row, QString());
        for (const auto& [row, date] : c.dates)
            grid.setText(6, row, QString::fromLatin1(date));
        gLngMonthNextRec = c.monthNext;
        const QString expected = QLatin1String(c.expected) == QLatin1String("<empty>") ? QString()
                                 : *c.expected == 0
                                     ? QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd"))
                                     : QString::fromLatin1(c.expected);
        EXPECT_EQ(FuStrGetRowDate(grid, c.row), expected);
    }
}

TEST_F(KarteHandover, ARowNamingNoInstructionLineIsRefusedWithItsMessage) {
    add(kObjInspection, QStringLiteral("2024/04/10"), 1, QStringLiteral("1000"));
    grid.setText(4, 2, QStringLiteral("9"));
    for (long row : {1L, 2L}) {
        msgbox::clearShown();
        EXPECT_FALSE(prepare(row));
        ASSERT_EQ(msgbox::shown().size(), 1);
        EXPECT_TRUE(msgbox::shown()[0].text.endsWith(QStringLiteral("PFuBolInstructDataSet()")));
    }
}

} // namespace
