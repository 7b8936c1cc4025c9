// Row count, row moves and spans of the grid.
#include <gtest/gtest.h>

#include "platform/spread/SpreadGrid.h"

#include <QTableView>

namespace {

// A grid of `rows` x `cols` whose column 1 names each row ("r1", "r2", ...).
void fill(SpreadGrid& g, int rows, int cols = 3) {
    g.setMaxCols(cols);
    g.setMaxRows(rows);
    for (int r = 1; r <= rows; ++r)
        g.setText(1, r, QStringLiteral("r%1").arg(r));
}

} // namespace

TEST(SpreadRows, InsertKeepsMaxRowsAndPushesTheBottomRowOff) {
    SpreadGrid g;
    fill(g, 10);
    g.insertRows(5, 1);
    EXPECT_EQ(g.maxRows(), 10);
    EXPECT_EQ(g.getText(1, 5), "");
    EXPECT_EQ(g.getText(1, 6), "r5");
    EXPECT_EQ(g.getText(1, 10), "r9");
    EXPECT_EQ(g.searchCol(1, 0, g.maxRows(), "r10", 4), -1); // fell off the bottom

    // More rows than fit below the insertion point: only the rows that fit are inserted.
    g.insertRows(9, 5);
    EXPECT_EQ(g.maxRows(), 10);
    EXPECT_EQ(g.getText(1, 8), "r7");
    EXPECT_EQ(g.getText(1, 9), "");
    EXPECT_EQ(g.getText(1, 10), "");

    // Outside the grid nothing happens.
    g.insertRows(11, 1);
    g.insertRows(0, 1);
    g.insertRows(3, 0);
    EXPECT_EQ(g.getText(1, 1), "r1");
    EXPECT_EQ(g.maxRows(), 10);
}

TEST(SpreadRows, DeleteKeepsMaxRowsAndLeavesBlankRowsAtTheBottom) {
    SpreadGrid g;
    fill(g, 10);
    g.setCol(1);
    g.setRow(10);
    g.setBackColor(0x0000FF);
    g.deleteRows(5, 1);
    EXPECT_EQ(g.maxRows(), 10);
    EXPECT_EQ(g.getText(1, 5), "r6");
    EXPECT_EQ(g.getText(1, 9), "r10");
    EXPECT_EQ(g.getText(1, 10), "");
    g.setRow(9);
    EXPECT_EQ(g.backColor(), 0x0000FF); // the format moved with its row
    g.setRow(10);
    EXPECT_EQ(g.backColor(), 0xFFFFFF); // the new bottom row is blank

    // The caller lowers the count itself, as the record list does.
    g.deleteRows(3, 1);
    g.setMaxRows(g.maxRows() - 1);
    EXPECT_EQ(g.maxRows(), 9);
    EXPECT_EQ(g.getText(1, 3), "r4");
    EXPECT_EQ(g.getText(1, 8), "r10");
}

TEST(SpreadRows, GrowingTheCountThenInsertingAddsExactlyTheRowsAsked) {
    // Room made for a line at the end of a month: count + 4, then 4 rows inserted at the old end.
    SpreadGrid g;
    fill(g, 6);
    const int n = g.maxRows();
    g.setMaxRows(n + 4);
    g.insertRows(n + 1, 4);
    EXPECT_EQ(g.maxRows(), 10);
    EXPECT_EQ(g.getText(1, 6), "r6");
    for (int r = 7; r <= 10; ++r)
        EXPECT_EQ(g.getText(1, r), "") << r;
}

TEST(SpreadRows, PatientListFillPutsEveryNewRowOnTop) {
    // Row := 0; MaxRows := 0; per patient: MaxRows := n; InsertRows(1, 1); cells of row 1.
    SpreadGrid g;
    g.setMaxCols(6);
    g.setRow(0);
    g.setMaxRows(0);
    g.setReDraw(false);
    const QStringList ids{"001", "002", "003", "004"};
    int n = 1;
    for (const QString& id : ids) {
        g.setMaxRows(n);
        g.insertRows(1, 1);
        g.setText(1, 1, id);
        ++n;
    }
    g.setReDraw(true);
    ASSERT_EQ(g.maxRows(), 4);
    EXPECT_EQ(g.getText(1, 1), "004");
    EXPECT_EQ(g.getText(1, 4), "001");
    EXPECT_EQ(g.view()->model()->rowCount(), 4);
}

TEST(SpreadRows, RowsAddedLaterTakeTheColumnDefaults) {
    SpreadGrid g;
    g.setMaxCols(3);
    g.setMaxRows(2);
    g.setCol(2);
    g.setRow(-1);
    g.setCellType(SpreadGrid::CellTypeStaticText);
    g.setBackColor(0xC0FFFF);
    g.setFontName(QStringLiteral("ＭＳ ゴシック"));
    g.setMaxRows(5);
    g.insertRows(1, 1);
    for (int r : {1, 2, 5}) {
        g.setRow(r);
        EXPECT_EQ(g.cellType(), SpreadGrid::CellTypeStaticText) << r;
        EXPECT_EQ(g.backColor(), 0xC0FFFF) << r;
        EXPECT_EQ(g.fontName(), QStringLiteral("ＭＳ ゴシック")) << r;
    }
    g.setCol(1);
    g.setRow(5);
    EXPECT_EQ(g.cellType(), SpreadGrid::CellTypeEdit);
}

TEST(SpreadRows, AddedColumnsStartPlainWhateverTheLastColumnWasGiven) {
    SpreadGrid g;
    g.setMaxCols(2);
    g.setMaxRows(3);
    g.setCol(2);
    g.setRow(-1);
    g.setCellType(SpreadGrid::CellTypeCheckBox);
    g.setBackColor(0x0000FF);
    g.setMaxCols(4);
    for (int r = 1; r <= 3; ++r) {
        g.setCol(3);
        g.setRow(r);
        EXPECT_EQ(g.cellType(), SpreadGrid::CellTypeEdit) << r;
        EXPECT_EQ(g.backColor(), 0xFFFFFF) << r;
        g.setCol(2);
        EXPECT_EQ(g.cellType(), SpreadGrid::CellTypeCheckBox) << r;
    }
    g.setText(3, 1, "1");
    EXPECT_EQ(g.getText(3, 1), "1");
}

TEST(SpreadRows, ShrinkingDropsRowsAndTheirSpans) {
    SpreadGrid g;
    fill(g, 10);
    g.addCellSpan(2, 8, 1, 3);
    g.addCellSpan(2, 2, 1, 5);
    g.setMaxRows(4);
    EXPECT_FALSE(g.getCellSpan(2, 8, nullptr, nullptr, nullptr, nullptr));
    int ac = 0, ar = 0, nc = 0, nr = 0;
    ASSERT_TRUE(g.getCellSpan(2, 4, &ac, &ar, &nc, &nr));
    EXPECT_EQ(ar, 2);
    EXPECT_EQ(nr, 3); // clipped to the last row
    g.setMaxRows(10);
    EXPECT_EQ(g.getText(1, 8), ""); // regrown rows are blank
    EXPECT_FALSE(g.getCellSpan(2, 8, nullptr, nullptr, nullptr, nullptr));
}

TEST(SpreadSpans, SpansMoveWithInsertedAndDeletedRows) {
    SpreadGrid g;
    fill(g, 20, 6);
    g.addCellSpan(3, 2, 1, 8);
    int ac = 0, ar = 0, nc = 0, nr = 0;
    ASSERT_NE(g.getCellSpan(3, 5, &ac, &ar, &nc, &nr), false);
    EXPECT_EQ(ac, 3);
    EXPECT_EQ(ar, 2);
    EXPECT_EQ(nc, 1);
    EXPECT_EQ(nr, 8);

    g.insertRows(1, 1);
    ASSERT_TRUE(g.getCellSpan(3, 3, &ac, &ar, &nc, &nr));
    EXPECT_EQ(ar, 3);
    EXPECT_FALSE(g.getCellSpan(3, 2, nullptr, nullptr, nullptr, nullptr));
    EXPECT_TRUE(g.getCellSpan(3, 10, nullptr, nullptr, nullptr, nullptr));
    EXPECT_FALSE(g.getCellSpan(3, 11, nullptr, nullptr, nullptr, nullptr));

    g.deleteRows(2, 2); // takes the row above and the anchor row
    ASSERT_TRUE(g.getCellSpan(3, 2, &ac, &ar, &nc, &nr));
    EXPECT_EQ(ar, 2);
    EXPECT_EQ(nr, 7);
    EXPECT_FALSE(g.getCellSpan(3, 1, nullptr, nullptr, nullptr, nullptr));

    g.deleteRows(1, 1); // a row wholly above moves the span up
    ASSERT_TRUE(g.getCellSpan(3, 1, &ac, &ar, &nc, &nr));
    EXPECT_EQ(ar, 1);
    EXPECT_EQ(nr, 7);

    g.removeCellSpan(3, 1);
    EXPECT_FALSE(g.getCellSpan(3, 1, nullptr, nullptr, nullptr, nullptr));
    EXPECT_FALSE(g.getCellSpan(3, 4, nullptr, nullptr, nullptr, nullptr));
}

TEST(SpreadSpans, RemoveByAnchorAndReplaceOverlapping) {
    SpreadGrid g;
    fill(g, 10, 6);
    g.addCellSpan(3, 3, 1, 1); // a 1x1 span is no span
    EXPECT_FALSE(g.getCellSpan(3, 3, nullptr, nullptr, nullptr, nullptr));
    g.addCellSpan(1, 2, 3, 2);
    int ac = 0, ar = 0, nc = 0, nr = 0;
    ASSERT_TRUE(g.getCellSpan(3, 3, &ac, &ar, &nc, &nr));
    EXPECT_EQ(ac, 1);
    EXPECT_EQ(nc, 3);
    // Removing at a cell that is not the anchor removes nothing.
    g.removeCellSpan(3, 3);
    EXPECT_TRUE(g.getCellSpan(3, 3, nullptr, nullptr, nullptr, nullptr));
    // A new span over part of it replaces it.
    g.addCellSpan(3, 3, 1, 4);
    ASSERT_TRUE(g.getCellSpan(3, 5, &ac, &ar, &nc, &nr));
    EXPECT_EQ(ar, 3);
    EXPECT_FALSE(g.getCellSpan(1, 2, nullptr, nullptr, nullptr, nullptr));
    // Inserting inside a span makes it taller.
    g.insertRows(4, 2);
    ASSERT_TRUE(g.getCellSpan(3, 3, &ac, &ar, &nc, &nr));
    EXPECT_EQ(nr, 6);
}

TEST(SpreadSpans, ViewFollowsSpansAfterRedraw) {
    SpreadGrid g;
    fill(g, 12, 6);
    g.setReDraw(false);
    g.addCellSpan(3, 2, 1, 8);
    g.insertRows(1, 1);
    g.setReDraw(true);
    EXPECT_EQ(g.view()->rowSpan(2, 2), 8); // model row 2 = grid row 3
    EXPECT_EQ(g.view()->rowSpan(1, 2), 1);
    g.deleteRows(1, 1); // live
    EXPECT_EQ(g.view()->rowSpan(1, 2), 8);
}
