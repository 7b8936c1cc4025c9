// Addressing cursor, cells, selection members, search and events of the grid.
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/spread/SpreadGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>

namespace {

QPoint cellCentre(SpreadGrid& g, int col, int row) {
    return g.view()->visualRect(g.view()->model()->index(row - 1, col - 1)).center();
}

} // namespace

TEST(SpreadCursor, MovingTheCursorNeverMovesTheActiveCell) {
    SpreadGrid g;
    g.setMaxCols(6);
    g.setMaxRows(20);
    g.setActiveCell(2, 3);
    QSignalSpy sel(g.view()->selectionModel(), &QItemSelectionModel::currentChanged);
    QSignalSpy clicks(&g, &SpreadGrid::Click);
    g.setCol(5);
    g.setRow(17);
    g.setBackColor(0x0000FF);
    g.setTextValue("x");
    g.setCol(-1);
    g.setRow(-1);
    g.setFontBold(true);
    EXPECT_EQ(g.activeCol(), 2);
    EXPECT_EQ(g.activeRow(), 3);
    EXPECT_EQ(sel.count(), 0);
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(g.view()->currentIndex(), g.view()->model()->index(2, 1));
}

TEST(SpreadCursor, RowMinusOneAppliesToEveryRowOfTheColumn) {
    SpreadGrid g;
    g.setMaxCols(4);
    g.setMaxRows(30);
    g.setCol(2);
    g.setRow(-1);
    g.setCellType(SpreadGrid::CellTypeStaticText);
    for (int r = 1; r <= 30; ++r) {
        g.setRow(r);
        ASSERT_EQ(g.cellType(), SpreadGrid::CellTypeStaticText) << r;
    }
    g.setCol(1);
    g.setRow(7);
    EXPECT_EQ(g.cellType(), SpreadGrid::CellTypeEdit);
    // Text through the cursor fills every row as well.
    g.setCol(3);
    g.setRow(-1);
    g.setTextValue("z");
    EXPECT_EQ(g.getText(3, 1), "z");
    EXPECT_EQ(g.getText(3, 30), "z");
    EXPECT_EQ(g.getText(2, 30), "");
}

TEST(SpreadCursor, BlockModeColoursExactlyTheBlock) {
    SpreadGrid g;
    g.setMaxCols(8);
    g.setMaxRows(10);
    g.setBlockMode(true);
    g.setCol(4);
    g.setCol2(6);
    g.setRow(3);
    g.setRow2(7);
    g.setBackColor(0xC0FFFF);
    g.setBlockMode(false);
    int coloured = 0;
    for (int c = 1; c <= 8; ++c) {
        for (int r = 1; r <= 10; ++r) {
            g.setCol(c);
            g.setRow(r);
            const bool inside = c >= 4 && c <= 6 && r >= 3 && r <= 7;
            EXPECT_EQ(g.backColor(), inside ? 0xC0FFFF : 0xFFFFFF) << c << "," << r;
            coloured += g.backColor() == 0xC0FFFF ? 1 : 0;
        }
    }
    EXPECT_EQ(coloured, 15);
    // With block mode off the same cursor formats only its own cell.
    g.setCol(1);
    g.setCol2(8);
    g.setRow(1);
    g.setRow2(10);
    g.setForeColor(0x0000FF);
    g.setRow(2);
    EXPECT_EQ(g.foreColor(), 0);
}

TEST(SpreadCells, GetTextOfEmptyPictureAndOutsideCells) {
    SpreadGrid g;
    g.setMaxCols(3);
    g.setMaxRows(4);
    EXPECT_EQ(g.getText(1, 1), "");
    g.setText(2, 2, "abc");
    g.setCol(2);
    g.setRow(2);
    EXPECT_EQ(g.text(), "abc");
    g.setCellType(SpreadGrid::CellTypePicture);
    QPixmap pm(5, 5);
    pm.fill(Qt::red);
    g.setTypePictPicture(pm);
    EXPECT_EQ(g.getText(2, 2), "");
    EXPECT_EQ(g.text(), "");
    EXPECT_FALSE(g.typePictPicture().isNull());
    EXPECT_EQ(g.getText(1, 5), "");
    EXPECT_EQ(g.getText(4, 1), "");
    EXPECT_EQ(g.getText(-3, -3), "");
    QString out = "stale";
    EXPECT_FALSE(g.getText(1, 99, out));
    EXPECT_EQ(out, "");
    g.setText(9, 9, "ignored"); // outside: no effect, no crash
    EXPECT_EQ(g.maxRows(), 4);
    // Turning the cell back into text drops the picture.
    g.setCellType(SpreadGrid::CellTypeEdit);
    EXPECT_TRUE(g.typePictPicture().isNull());
}

TEST(SpreadCells, SearchColMatchesWholeTextOnly) {
    SpreadGrid g;
    g.setMaxCols(2);
    g.setMaxRows(6);
    g.setText(1, 2, "10");
    g.setText(1, 3, " 1");
    g.setText(1, 5, "1");
    g.setText(1, 6, "1");
    g.setText(1, 0, "1"); // a header that reads "1" is never a hit
    EXPECT_EQ(g.searchCol(1, 0, g.maxRows(), "1", 4), 5);
    EXPECT_EQ(g.searchCol(1, 5, g.maxRows(), "1", 4), 6);
    EXPECT_EQ(g.searchCol(1, 0, 4, "1", 4), -1);
    EXPECT_EQ(g.searchCol(2, 0, g.maxRows(), "1", 4), -1);
    EXPECT_EQ(g.searchCol(1, 0, 99, "10", 4), 2);
}

TEST(SpreadCells, CheckBoxCellsReadOneAndZero) {
    SpreadGrid g;
    g.setMaxCols(4);
    g.setMaxRows(3);
    g.setCol(1);
    g.setRow(-1);
    g.setCellType(SpreadGrid::CellTypeCheckBox);
    g.setText(1, 1, "1");
    g.setText(1, 2, "0");
    g.resize(400, 200);
    g.show();
    QSignalSpy changes(&g, &SpreadGrid::Change);
    QTest::mouseClick(g.view()->viewport(), Qt::LeftButton, {}, cellCentre(g, 1, 2));
    EXPECT_EQ(g.getText(1, 2), "1");
    EXPECT_TRUE(g.cellChecked(1, 2));
    EXPECT_EQ(changes.count(), 1);
    QTest::mouseClick(g.view()->viewport(), Qt::LeftButton, {}, cellCentre(g, 1, 1));
    EXPECT_EQ(g.getText(1, 1), "0");
    EXPECT_EQ(g.searchCol(1, 0, g.maxRows(), "1", 4), 2);
}

TEST(SpreadCells, DateCellsShowTheEraAndKeepTheText) {
    SpreadGrid g;
    g.setMaxCols(4);
    g.setMaxRows(2);
    g.setCol(4);
    g.setRow(-1);
    g.setCellType(SpreadGrid::CellTypeDate);
    g.setText(4, 1, "2003/01/20");
    EXPECT_EQ(g.getText(4, 1), "2003/01/20");
    EXPECT_EQ(g.view()->model()->index(0, 3).data().toString(), "H15/01/20");
    g.setTypeDateFormat("ggee/mm/dd");
    EXPECT_EQ(g.view()->model()->index(0, 3).data().toString(), QStringLiteral("平15/01/20"));
}

TEST(SpreadSelection, CellCheckSequenceSelectsOnlyTheRowAndMakesItActive) {
    SpreadGrid g;
    g.setMaxCols(2);
    g.setMaxRows(5);
    g.setOperationMode(3);
    g.setRow(4);
    g.setSelModeSelected(true);
    g.setRow(2);
    g.setSelModeSelected(true);
    EXPECT_EQ(g.selModeSelCount(), 2);
    // Action := 29; Col := col; Row := row; Action := 0; SelModeSelected := True
    g.setAction(SpreadGrid::ActionSelModeClear);
    g.setCol(1);
    g.setRow(3);
    g.setAction(SpreadGrid::ActionActiveCell);
    g.setSelModeSelected(true);
    EXPECT_EQ(g.selModeSelCount(), 1);
    EXPECT_TRUE(g.selModeSelected());
    EXPECT_EQ(g.selModeIndex(), 3);
    EXPECT_EQ(g.activeRow(), 3);
    EXPECT_EQ(g.activeCol(), 1);
    g.setSelModeIndex(0);
    EXPECT_EQ(g.selModeSelCount(), 0);
    EXPECT_EQ(g.selModeIndex(), 0);
}

TEST(SpreadSelection, ClicksFollowTheOperationMode) {
    SpreadGrid g;
    g.setMaxCols(2);
    g.setMaxRows(5);
    g.resize(400, 300);
    g.show();
    g.setOperationMode(4); // several rows, a click toggles
    QTest::mouseClick(g.view()->viewport(), Qt::LeftButton, {}, cellCentre(g, 1, 2));
    QTest::mouseClick(g.view()->viewport(), Qt::LeftButton, {}, cellCentre(g, 1, 4));
    EXPECT_EQ(g.selModeSelCount(), 2);
    QTest::mouseClick(g.view()->viewport(), Qt::LeftButton, {}, cellCentre(g, 2, 2));
    EXPECT_EQ(g.selModeSelCount(), 1);
    g.setRow(4);
    EXPECT_TRUE(g.selModeSelected());

    // Read only: the clicked row toggles before Click, so a handler that makes the row current and
    // inverts its flag back (the cleaning list of a stored visit) keeps the choice as it was.
    g.setOperationMode(1);
    QMetaObject::Connection back = QObject::connect(&g, &SpreadGrid::Click, [&](int, int row) {
        g.setRow(row);
        g.setSelModeSelected(!g.selModeSelected());
    });
    QTest::mouseClick(g.view()->viewport(), Qt::LeftButton, {}, cellCentre(g, 1, 5));
    QTest::mouseClick(g.view()->viewport(), Qt::LeftButton, {}, cellCentre(g, 1, 4));
    QObject::disconnect(back);
    EXPECT_EQ(g.selModeSelCount(), 1);
    g.setRow(4);
    EXPECT_TRUE(g.selModeSelected());
    g.setRow(5);
    EXPECT_FALSE(g.selModeSelected());
    EXPECT_EQ(g.activeRow(), 4);
    EXPECT_FALSE(g.view()->model()->flags(g.view()->model()->index(0, 0)) & Qt::ItemIsEditable);
    QTest::mouseClick(g.view()->viewport(), Qt::LeftButton, {}, cellCentre(g, 1, 5));
    EXPECT_EQ(g.selModeSelCount(), 2); // without the handler the click alone toggles

    g.setOperationMode(3); // one row
    QTest::mouseClick(g.view()->viewport(), Qt::LeftButton, {}, cellCentre(g, 1, 1));
    EXPECT_EQ(g.selModeSelCount(), 1);
    EXPECT_EQ(g.selModeIndex(), 1);
}

TEST(SpreadEvents, ClickedCellIsActiveBeforeTheEvent) {
    SpreadGrid g;
    g.setMaxCols(3);
    g.setMaxRows(6);
    g.resize(400, 300);
    g.show();
    std::vector<std::pair<int, int>> seen;
    QObject::connect(&g, &SpreadGrid::Click, [&](int c, int r) {
        EXPECT_EQ(g.activeCol(), c);
        EXPECT_EQ(g.activeRow(), r);
        seen.emplace_back(c, r);
    });
    QObject::connect(&g, &SpreadGrid::DblClick, [&](int c, int r) {
        EXPECT_EQ(g.activeCol(), c);
        EXPECT_EQ(g.activeRow(), r);
        seen.emplace_back(-c, -r);
    });
    QTest::mouseClick(g.view()->viewport(), Qt::LeftButton, {}, cellCentre(g, 2, 5));
    QTest::mouseDClick(g.view()->viewport(), Qt::LeftButton, {}, cellCentre(g, 3, 4));
    ASSERT_GE(seen.size(), 2u);
    EXPECT_EQ(seen.front(), std::make_pair(2, 5));
    EXPECT_EQ(seen.back(), std::make_pair(-3, -4));

    // A click inside a span reports the span's anchor.
    g.addCellSpan(1, 1, 1, 3);
    seen.clear();
    QTest::mouseClick(g.view()->viewport(), Qt::LeftButton, {}, cellCentre(g, 1, 1) + QPoint(0, 20));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen.front(), std::make_pair(1, 1));
}

TEST(SpreadEvents, KeyDownReportsWindowsCodesAfterTheMove) {
    SpreadGrid g;
    g.setMaxCols(2);
    g.setMaxRows(5);
    g.resize(300, 300);
    g.show();
    g.setActiveCell(1, 2);
    int code = 0, shift = -1, rowAtEvent = 0;
    QObject::connect(&g, &SpreadGrid::KeyDown, [&](int k, int s) {
        code = k;
        shift = s;
        rowAtEvent = g.activeRow();
    });
    QTest::keyClick(g.view(), Qt::Key_Down);
    EXPECT_EQ(code, 40);
    EXPECT_EQ(shift, 0);
    EXPECT_EQ(rowAtEvent, 3);
    QTest::keyClick(g.view(), Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(code, 38);
    EXPECT_EQ(shift, 1);
    EXPECT_EQ(rowAtEvent, 2);
}

TEST(SpreadEvents, GotFocusAndHeaderClicks) {
    QWidget host;
    auto* g = new SpreadGrid(&host);
    g->setMaxCols(2);
    g->setMaxRows(3);
    host.resize(300, 200);
    host.show();
    QSignalSpy focus(g, &SpreadGrid::GotFocus);
    g->setFocus();
    QApplication::processEvents();
    EXPECT_GE(focus.count(), 1);
    QSignalSpy clicks(g, &SpreadGrid::Click);
    emit g->view()->horizontalHeader()->sectionClicked(1);
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.at(0).at(0).toInt(), 2);
    EXPECT_EQ(clicks.at(0).at(1).toInt(), 0);
}

TEST(SpreadCursor, ActiveCellStaysValidWhenRowsGo) {
    SpreadGrid g;
    g.setMaxCols(3);
    g.setMaxRows(10);
    g.setActiveCell(2, 9);
    g.setMaxRows(5);
    EXPECT_EQ(g.activeRow(), 5);
    g.setMaxRows(0);
    EXPECT_EQ(g.activeRow(), 0);
    g.setMaxRows(3);
    EXPECT_EQ(g.activeRow(), 1);
    g.setActiveCell(7, 1); // outside: ignored
    EXPECT_EQ(g.activeCol(), 2);
}

TEST(SpreadRedraw, ViewCatchesUpWhenRedrawComesBack) {
    SpreadGrid g;
    g.setMaxCols(4);
    g.setMaxRows(10);
    g.resize(400, 300);
    g.show();
    QApplication::processEvents();
    const int before = g.view()->verticalHeader()->count();
    g.setReDraw(false);
    EXPECT_FALSE(g.reDraw());
    g.setMaxRows(200);
    g.setRowHeight(150, 30);
    g.addCellSpan(2, 100, 1, 4);
    g.setActiveCell(1, 120);
    g.showCell(1, 100, 0);
    EXPECT_EQ(g.view()->verticalHeader()->count(), before); // no relayout while off
    EXPECT_EQ(g.activeRow(), 120);
    g.setReDraw(true);
    QApplication::processEvents();
    EXPECT_EQ(g.view()->verticalHeader()->count(), 200);
    EXPECT_EQ(g.view()->verticalHeader()->sectionSize(149), 44); // 30 units
    EXPECT_EQ(g.view()->rowSpan(99, 1), 4);
    EXPECT_EQ(g.view()->currentIndex(), g.view()->model()->index(119, 0));
    EXPECT_EQ(g.view()->rowAt(0), 99); // row 100 at the top of the view
    // Scrolling below row 1 is clamped.
    g.showCell(1, -20, 0);
    EXPECT_EQ(g.view()->rowAt(0), 0);
}

TEST(SpreadRedraw, ScrollRequestsMadeWhileOffPlayBackInOrder) {
    // The month view: ShowCell(1, rows - 30, 0), then SetActiveCell(1, rows - 14), redraw off.
    SpreadGrid g;
    g.setMaxCols(3);
    g.setMaxRows(300);
    g.setRowHeight(-1, 15);
    g.resize(400, 600);
    g.show();
    QApplication::processEvents();
    g.setReDraw(false);
    g.setMaxRows(115);
    g.showCell(1, 85, 0);
    g.setActiveCell(1, 101);
    g.setReDraw(true);
    QApplication::processEvents();
    EXPECT_EQ(g.view()->rowAt(0), 84); // row 85 at the top, the active row visible below it
    const QRect active = g.view()->visualRect(g.view()->model()->index(100, 0));
    EXPECT_TRUE(g.view()->viewport()->rect().contains(active));

    // A view too short for both: the active cell wins, as it was asked last.
    g.resize(400, 200);
    QApplication::processEvents();
    g.setReDraw(false);
    g.showCell(1, 10, 0);
    g.setActiveCell(1, 60);
    g.setReDraw(true);
    QApplication::processEvents();
    EXPECT_TRUE(g.view()->viewport()->rect().contains(g.view()->visualRect(g.view()->model()->index(59, 0))));
    EXPECT_GT(g.view()->rowAt(0), 9);

    // A ShowCell after the active cell replaces it.
    g.setReDraw(false);
    g.setActiveCell(1, 100);
    g.showCell(1, 3, 0);
    g.setReDraw(true);
    QApplication::processEvents();
    EXPECT_EQ(g.view()->rowAt(0), 2);
    EXPECT_EQ(g.activeRow(), 100);
}

TEST(SpreadCells, EditsFromTheViewKeepTheCellRules) {
    SpreadGrid g;
    g.setMaxCols(4);
    g.setMaxRows(3);
    g.setCol(1);
    g.setRow(1);
    g.setTypeEditMaxLen(5);
    g.setTypeEditCharCase(2);
    g.setCol(4);
    g.setCellType(SpreadGrid::CellTypeDate);
    g.setCol(2);
    g.setCellType(SpreadGrid::CellTypeStaticText);
    QSignalSpy changes(&g, &SpreadGrid::Change);
    QAbstractItemModel* m = g.view()->model();
    EXPECT_TRUE(m->setData(m->index(0, 0), "abcdefgh"));
    EXPECT_EQ(g.getText(1, 1), "ABCDE");
    ASSERT_EQ(changes.count(), 1);
    EXPECT_EQ(changes.at(0).at(0).toInt(), 1);
    EXPECT_EQ(changes.at(0).at(1).toInt(), 1);
    EXPECT_FALSE(m->flags(m->index(0, 1)) & Qt::ItemIsEditable); // static text

    // A date typed in the era is kept as yyyy/mm/dd; a non-date leaves the cell as it was.
    QAbstractItemDelegate* del = g.view()->itemDelegate();
    QStyleOptionViewItem opt;
    QWidget* editor = del->createEditor(g.view()->viewport(), opt, m->index(0, 3));
    auto* line = qobject_cast<QLineEdit*>(editor);
    ASSERT_NE(line, nullptr);
    line->setText(QStringLiteral("平成15年01月20日"));
    del->setModelData(editor, m, m->index(0, 3));
    EXPECT_EQ(g.getText(4, 1), "2003/01/20");
    line->setText("not a date");
    del->setModelData(editor, m, m->index(0, 3));
    EXPECT_EQ(g.getText(4, 1), "2003/01/20");
    delete editor;

    // Multi-line edits come back with the program's CR LF.
    g.setCol(3);
    g.setRow(2);
    g.setTypeEditMultiLine(true);
    editor = del->createEditor(g.view()->viewport(), opt, m->index(1, 2));
    auto* text = qobject_cast<QPlainTextEdit*>(editor);
    ASSERT_NE(text, nullptr);
    text->setPlainText("a\nb");
    del->setModelData(editor, m, m->index(1, 2));
    EXPECT_EQ(g.getText(3, 2), "a\r\nb");
    delete editor;
}
