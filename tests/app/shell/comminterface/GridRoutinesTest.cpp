// The two grid routines: row height from the cell's text, and marking the selected row.
#include <gtest/gtest.h>

#include "app/shell/MdlCommInterface.h"
#include "platform/spread/SpreadGrid.h"

using namespace MdlCommInterface;

namespace {

void editCell(SpreadGrid& g, int col, int row, const QString& text) {
    g.setCol(col);
    g.setRow(row);
    g.setCellType(SpreadGrid::CellTypeEdit);
    g.setTypeEditMultiLine(true);
    g.setTypeTextWordWrap(true);
    g.setText(col, row, text);
}

} // namespace

TEST(GridRoutines, CellSetMakesTheRowAsHighAsItsText) {
    SpreadGrid g;
    g.setMaxCols(2);
    g.setMaxRows(4);
    g.setColWidth(1, 30);
    editCell(g, 1, 1, QStringLiteral("東京都千代田区丸の内\r\n一丁目一番一号\r\n丸の内ビル三階"));
    editCell(g, 1, 2, QStringLiteral("東京都"));
    editCell(g, 1, 3, QStringLiteral("東京都千代田区丸の内\r\n一丁目一番一号"));
    // No breaks of its own: wrapped at the column width.
    editCell(g, 1, 4, QStringLiteral("東京都千代田区丸の内一丁目一番一号丸の内ビル三階東京都千代田区丸の内"));
    const double before = g.rowHeight(1);

    PSuSpdCellSet(g, 1, 2);
    const double oneLine = g.rowHeight(2);
    PSuSpdCellSet(g, 1, 3);
    const double twoLines = g.rowHeight(3);
    PSuSpdCellSet(g, 1, 1);
    const double threeLines = g.rowHeight(1);
    PSuSpdCellSet(g, 1, 4);
    const double wrapped = g.rowHeight(4);

    ASSERT_GT(oneLine, 0.0);
    EXPECT_GT(threeLines, before);
    // Each line adds one line's height over the cell's fixed margins: three lines need three steps.
    const double step = twoLines - oneLine;
    EXPECT_GT(step, 0.6 * oneLine);
    EXPECT_NEAR(threeLines - twoLines, step, 1.0);
    EXPECT_GE(threeLines, 3 * step);
    EXPECT_GE(wrapped, twoLines);
    // The cursor is left on the cell, and the height is what the grid reports for it.
    EXPECT_EQ(g.col(), 1);
    EXPECT_EQ(g.row(), 4);
    EXPECT_DOUBLE_EQ(wrapped, g.maxTextCellHeight());
}

TEST(GridRoutines, CellCheckLeavesExactlyThatRowSelectedAndTheCellActive) {
    SpreadGrid g;
    g.setMaxCols(3);
    g.setMaxRows(5);
    g.setOperationMode(2);
    for (int r : {2, 4}) {
        g.setRow(r);
        g.setSelModeSelected(true);
    }
    g.setActiveCell(3, 5);

    PSuSpdCellCheck(g, 1, 1);
    EXPECT_EQ(g.activeCol(), 1);
    EXPECT_EQ(g.activeRow(), 1);
    for (int r = 1; r <= 5; ++r) {
        g.setRow(r);
        EXPECT_EQ(g.selModeSelected(), r == 1) << "row " << r;
    }
    EXPECT_EQ(g.selModeSelCount(), 1);

    PSuSpdCellCheck(g, 2, 3);
    EXPECT_EQ(g.activeCol(), 2);
    EXPECT_EQ(g.activeRow(), 3);
    EXPECT_EQ(g.selModeSelCount(), 1);
    g.setRow(3);
    EXPECT_TRUE(g.selModeSelected());
}
