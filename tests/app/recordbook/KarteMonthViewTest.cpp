// The month view on the record grid: row counts and markers by kind of line, colours, borders and
// strike-out, spans and pictures, the view position and the month buttons, paging in chain order.
#include <QPushButton>

#include "KarteScreenFixture.h"
#include "app/recordbook/KarteMonthChain.h"

using namespace MdlKarteMain;

class KarteMonthView : public RecordBookFixture {
protected:
    void SetUp() override {
        RecordBookFixture::SetUp();
        sheet.SpdKarte = &grid;
        sheet.CmdPageCange = {&next, &prev};
        PSuKarteSheetDesign(sheet);
        PSuKarteSheetInit(sheet);
        msgbox::clearShown();
    }
    // A line appended to the chain in memory, with its detail element.
    long add(const QString& obj, const QString& date, const QString& cls = QString(), bool changed = false,
             const QString& del = QString()) {
        KarteLine l;
        l.rec_no = static_cast<int>(gKarteLines.size());
        l.obj_id = obj;
        l.karte_date = date;
        l.changed = changed;
        l.del_mark = del;
        l.part = QStringLiteral("N0aaaaaaaaaaaaaa00aaaaaaaaaaaaaa0");
        if (obj == kObjAppeals) {
            gAppealsList.push_back({date, 1, QStringLiteral("歯がしみる"), QString()});
            l.detail_index = ubound(gAppealsList);
        } else if (obj == kObjInspection) {
            KarteSisyuKensaData d;
            d.inspection_cls = cls;
            d.miller.fill(QStringLiteral("0"));
            d.pocket.fill(QStringLiteral("0 2 0 2 0 2 0 2 0 2 0 2 "));
            d.plaque.fill(QStringLiteral("0000"));
            gSisyuKensaList.push_back(d);
            l.detail_index = ubound(gSisyuKensaList);
        } else if (obj == kObjInstruction) {
            KarteJittisidouData d;
            d.plaque.fill(QStringLiteral("0100"));
            gJittisidouList.push_back(d);
            l.detail_index = ubound(gJittisidouList);
        }
        if (last != 0) {
            l.prv_rec_no = static_cast<int>(last);
            gKarteLines[last].nxt_rec_no = l.rec_no;
        } else {
            gIntKarteHead = l.rec_no;
        }
        last = l.rec_no;
        gKarteLines.push_back(l);
        return last;
    }
    // Shows the month of line first.
    bool showMonth(long first, long selectRec = -1) {
        gLngMonthFirstRec = first;
        gStrKarteMonth = first ? lineMonth(first) : QString();
        gLngMonthNextRec = first ? nextMonthStart(first) : 0;
        return PFuBolKarteMonthDisp(sheet, selectRec);
    }
    // Every span as "col,row,cols,rows".
    QStringList spans() const {
        QStringList s;
        for (const auto& sp : gridModel(const_cast<SpreadGrid&>(grid)).spans())
            s << QStringLiteral("%1,%2,%3,%4").arg(sp.col).arg(sp.row).arg(sp.cols).arg(sp.rows);
        return s;
    }
    QStringList column(int col) const {
        QStringList t;
        for (int r = 1; r <= grid.maxRows(); ++r)
            t << grid.getText(col, r);
        return t;
    }
    const spread::CellStyle& style(int col, int row) { return cellStyle(grid, col, row); }

    SpreadGrid grid;
    QPushButton next, prev;
    KarteSheet sheet;
    long last = 0;
};

TEST_F(KarteMonthView, EmptyBookGivesThirtyFreeRows) {
    ASSERT_TRUE(showMonth(0));
    EXPECT_EQ(grid.maxRows(), 30);
    EXPECT_TRUE(spans().isEmpty());
    for (int r = 1; r <= 30; ++r) {
        EXPECT_EQ(grid.rowHeight(r), 15);
        EXPECT_EQ(grid.getText(4, r), QString());
        for (int c = 1; c <= 3; ++c)
            EXPECT_EQ(style(c, r).backColor, 16777215);
    }
    EXPECT_EQ(grid.activeRow(), 1);
    EXPECT_EQ(grid.activeCol(), 1);
    EXPECT_FALSE(next.isEnabled());
    EXPECT_FALSE(prev.isEnabled());
}

TEST_F(KarteMonthView, OneSavedInstructionLine) {
    const long rec = add(kObjInstruction, QStringLiteral("2003/01/20"));
    ASSERT_TRUE(showMonth(rec));
    EXPECT_EQ(grid.maxRows(), 23);
    EXPECT_EQ(column(5).join(u','), QStringLiteral("1,@,@,@,@,@,@,@,,,,,,,,,,,,,,,"));
    EXPECT_EQ(column(4).mid(0, 8).join(u','), QStringLiteral("1,,,,,,,"));
    EXPECT_EQ(grid.getText(6, 1), QStringLiteral("2003/01/20"));
    EXPECT_EQ(grid.getText(1, 1), QStringLiteral("平15/01/20"));
    EXPECT_EQ(style(1, 1).fontSize, 8);
    EXPECT_EQ(spans(), QStringList{QStringLiteral("3,1,1,8")});
    EXPECT_EQ(style(2, 1).type, SpreadGrid::CellTypePicture);
    EXPECT_FALSE(gridModel(grid).cell(2, 1).picture == nullptr);
    const QPixmap chart = *gridModel(grid).cell(3, 1).picture;
    EXPECT_EQ(chart.size(), QSize(448, 8 * 22)) << "the chart fills its span without gap or clipping";
    EXPECT_EQ(grid.activeRow(), 9);
    for (int r = 1; r <= 8; ++r)
        for (int c = 1; c <= 3; ++c) {
            EXPECT_EQ(style(c, r).backColor, 16777215);
            EXPECT_FALSE(style(c, r).strike);
        }
}

TEST_F(KarteMonthView, UnsavedAndDeletedLinesShowTheirState) {
    const long a = add(kObjInstruction, QStringLiteral("2024/05/01"), QString(), true);
    add(kObjInstruction, QStringLiteral("2024/05/02"), QString(), false, QStringLiteral("1"));
    const long other = add(kObjInstruction, QStringLiteral("2024/06/01"));
    ASSERT_TRUE(showMonth(a));
    for (int r = 1; r <= 8; ++r)
        for (int c = 1; c <= 3; ++c) {
            const spread::CellStyle& s = style(c, r);
            EXPECT_EQ(s.backColor, 12648447) << c << "," << r;
            for (const spread::Border& b : s.borders) {
                EXPECT_EQ(b.color, 12632256);
                EXPECT_EQ(b.style, 1);
            }
        }
    EXPECT_EQ(gridModel(grid).cell(2, 1).picture->toImage().pixelColor(1, 1), QColor(255, 255, 192));
    for (int r = 9; r <= 16; ++r)
        for (int c = 1; c <= 3; ++c)
            EXPECT_TRUE(style(c, r).strike) << c << "," << r;
    const QImage crossed = gridModel(grid).cell(3, 9).picture->toImage();
    EXPECT_EQ(crossed.pixelColor(224, 88), QColor(0, 0, 255));
    if (qEnvironmentVariableIsSet("ORVANTA_GRAB_DIR"))
        crossed.save(qEnvironmentVariable("ORVANTA_GRAB_DIR") + QStringLiteral("/month_deleted_chart.png"));

    // Paging away and back: the rows below the lines are plain again.
    ASSERT_TRUE(showMonth(other));
    ASSERT_TRUE(showMonth(a));
    for (int r = 17; r <= grid.maxRows(); ++r)
        EXPECT_FALSE(style(1, r).strike) << r;
}

TEST_F(KarteMonthView, LayingAMonthTwiceGivesTheSameGrid) {
    const long a = add(kObjAppeals, QStringLiteral("2024/05/01"));
    add(kObjInspection, QStringLiteral("2024/05/01"), QStringLiteral("1"));
    add(kObjInspection, QStringLiteral("2024/05/03"), QStringLiteral("2"));
    add(kObjInstruction, QStringLiteral("2024/05/03"));
    auto snapshot = [this] {
        QStringList s{QString::number(grid.maxRows()), spans().join(u';')};
        for (int c = 1; c <= 6; ++c)
            s << column(c).join(u',');
        return s;
    };
    ASSERT_TRUE(showMonth(a));
    const QStringList first = snapshot();
    ASSERT_TRUE(showMonth(a));
    EXPECT_EQ(snapshot(), first);
    EXPECT_EQ(grid.maxRows(), 1 + 12 + 20 + 8 + 15);
}

TEST_F(KarteMonthView, RowsByKindOfLineNeverOverlap) {
    const struct {
        QString obj, cls;
        int rows;
        bool chart;
    } cases[] = {
        {kObjInspection, QStringLiteral("4"), 7, false},
        {kObjInspection, QStringLiteral("5"), 7, false},
        {kObjInspection, QStringLiteral("3"), 7, false},
        {kObjInspection, QStringLiteral("1"), 12, true},
        {kObjInspection, QStringLiteral("2"), 20, true},
        {kObjInspection, QStringLiteral("9"), 1, false},
        {QStringLiteral("300"), QString(), 1, false},
        {kObjInstruction, QString(), 8, true},
        {kObjAppeals, QString(), 1, true},
    };
    for (const auto& c : cases) {
        MdlKarteMain::resetRecordBookGlobals();
        last = 0;
        const long line = add(c.obj, QStringLiteral("2024/05/01"), c.cls);
        const long after = add(kObjInstruction, QStringLiteral("2024/05/02"));
        const QString what = c.obj + u'/' + c.cls;
        ASSERT_TRUE(showMonth(line)) << what.toStdString();
        EXPECT_EQ(grid.getText(4, 1), QString::number(line)) << what.toStdString();
        EXPECT_EQ(grid.getText(4, 1 + c.rows), QString::number(after)) << what.toStdString();
        EXPECT_EQ(grid.getText(5, 1), c.rows == 1 ? QStringLiteral("0") : QStringLiteral("1"));
        const bool picture = style(3, 1).type == SpreadGrid::CellTypePicture;
        EXPECT_EQ(picture, c.chart) << what.toStdString();
        if (c.chart && c.obj == kObjInspection) {
            EXPECT_EQ(gridModel(grid).cell(3, 1).picture->height(), c.rows * 22);
        }
        EXPECT_EQ(grid.maxRows(), c.rows + 8 + 15) << what.toStdString();
    }
}

TEST_F(KarteMonthView, ALineLaidOnTheLastRowMakesRoomFirst) {
    const long rec = add(kObjInstruction, QStringLiteral("2024/05/01"));
    ASSERT_TRUE(showMonth(0));
    long row = grid.maxRows();
    long r = rec, used = 0;
    bool keep = false;
    ASSERT_TRUE(PFlBolKarteSpdDataSet(sheet, row, r, used, keep));
    EXPECT_EQ(grid.maxRows(), 30 + 4 + 7);
    EXPECT_EQ(grid.getText(4, 30), QString::number(rec));
    EXPECT_EQ(grid.getText(5, 37), QStringLiteral("@"));
    EXPECT_EQ(grid.getText(5, 38), QString());
}

TEST_F(KarteMonthView, SelectingALineMakesItsFirstRowActive) {
    const long a = add(kObjInstruction, QStringLiteral("2024/05/01"));
    add(kObjInspection, QStringLiteral("2024/05/02"), QStringLiteral("1"));
    const long third = add(kObjInstruction, QStringLiteral("2024/05/03"));
    const long other = add(kObjInstruction, QStringLiteral("2024/06/03"));
    ASSERT_TRUE(showMonth(a, third));
    EXPECT_EQ(grid.activeRow(), 1 + 8 + 12);
    ASSERT_TRUE(showMonth(a, other)); // outside the month: the first free row
    EXPECT_EQ(grid.activeRow(), 1 + 8 + 12 + 8);
}

TEST_F(KarteMonthView, PagingFollowsTheChainNotTheCalendar) {
    const long april = add(kObjInstruction, QStringLiteral("2024/04/01"));
    add(kObjInstruction, QStringLiteral("2024/04/20"));
    const long june = add(kObjInstruction, QStringLiteral("2024/06/01"));
    const long may = add(kObjInstruction, QStringLiteral("2024/05/01"));
    ASSERT_TRUE(showMonth(april));
    EXPECT_TRUE(next.isEnabled());
    EXPECT_FALSE(prev.isEnabled());
    QStringList seen{gStrKarteMonth};
    for (int i = 0; i < 3; ++i) {
        pageNextMonth();
        ASSERT_TRUE(PFuBolKarteMonthDisp(sheet, -1));
        seen << gStrKarteMonth;
    }
    EXPECT_EQ(seen, (QStringList{"2024/04", "2024/06", "2024/05", "2024/05"}));
    EXPECT_EQ(gLngMonthFirstRec, may);
    EXPECT_FALSE(next.isEnabled());
    EXPECT_TRUE(prev.isEnabled());
    pagePreviousMonth();
    EXPECT_EQ(gLngMonthFirstRec, june);
    pagePreviousMonth();
    EXPECT_EQ(gLngMonthFirstRec, april);
    EXPECT_EQ(gLngMonthNextRec, june);
    ASSERT_TRUE(PFuBolKarteMonthDisp(sheet, -1));
    EXPECT_EQ(grid.getText(4, 9), QString::number(april + 1));
    EXPECT_FALSE(prev.isEnabled());
}

TEST_F(KarteMonthView, ABrokenChainIsTrappedNotFollowedForever) {
    const long a = add(kObjInstruction, QStringLiteral("2024/05/01"));
    const long b = add(kObjInstruction, QStringLiteral("2024/05/02"));
    gKarteLines[b].nxt_rec_no = static_cast<int>(a); // a cycle
    gLngMonthFirstRec = a;
    gLngMonthNextRec = 0;
    EXPECT_FALSE(PFuBolKarteMonthDisp(sheet, -1));
    ASSERT_EQ(msgbox::shown().size(), 1);
    EXPECT_EQ(logLines().last().first, QStringLiteral("PFuBolKarteMonthDisp"));
    EXPECT_TRUE(grid.reDraw());
}
