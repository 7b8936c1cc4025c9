// The grid's selection and operation modes as the record-list and entry screens use them: for each
// mode, a start state and a run of clicks and keys give the selected rows and the active cell.
#include <QTest>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "platform/spread/SpreadGrid.h"

#include <QTableView>

namespace {

// One user action: a click on (col, row), or a key, with modifiers.
struct Act {
    int col = 0, row = 0; // click when row > 0
    Qt::Key key = Qt::Key_unknown;
    Qt::KeyboardModifiers mods = Qt::NoModifier;
};
Act click(int col, int row, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    return {col, row, Qt::Key_unknown, mods};
}
Act key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    return {0, 0, k, mods};
}

struct Case {
    const char* name;
    int mode;
    std::vector<int> selectedBefore; // rows marked selected through the members
    std::vector<Act> acts;
    std::vector<int> selected; // rows selected afterwards
    int activeCol, activeRow;
};

std::vector<int> selectedRows(SpreadGrid& g) {
    std::vector<int> rows;
    for (int r = 1; r <= g.maxRows(); ++r) {
        g.setRow(r);
        if (g.selModeSelected())
            rows.push_back(r);
    }
    return rows;
}

QPoint cellCentre(SpreadGrid& g, int col, int row) {
    return g.view()->visualRect(g.view()->model()->index(row - 1, col - 1)).center();
}

const Case kCases[] = {
    // 0 normal: clicks and keys move the active cell, the row flags stay as the program set them.
    {"normal click", 0, {2}, {click(2, 4)}, {2}, 2, 4},
    {"normal keys", 0, {}, {click(1, 2), key(Qt::Key_Down), key(Qt::Key_Down)}, {}, 1, 4},
    // 1 read only: a click toggles its row (the screen's handler turns it back), keys select nothing.
    {"read-only click toggles", 1, {3}, {click(1, 3), click(2, 5)}, {5}, 2, 5},
    {"read-only keys", 1, {3}, {click(1, 1), key(Qt::Key_Down)}, {1, 3}, 1, 2},
    // 2 row mode: no row flags change.
    {"row mode", 2, {1}, {click(2, 3), key(Qt::Key_Down)}, {1}, 2, 4},
    // 3 one selected row: a click or a moving key selects exactly the active row.
    {"single click", 3, {1, 4}, {click(1, 2)}, {2}, 1, 2},
    {"single keys", 3, {}, {click(1, 2), key(Qt::Key_Down), key(Qt::Key_Down), key(Qt::Key_Up)}, {3}, 1, 3},
    {"single ctrl click", 3, {}, {click(1, 2), click(1, 4, Qt::ControlModifier)}, {4}, 1, 4},
    // 4 multiple: a click or Space toggles its row; moving keys leave the flags.
    {"multi clicks", 4, {}, {click(1, 2), click(1, 4), click(2, 2)}, {4}, 2, 2},
    {"multi space",
     4,
     {},
     {click(1, 1), key(Qt::Key_Down), key(Qt::Key_Space), key(Qt::Key_Down)},
     {1, 2},
     1,
     3},
    // 5 extended: a click selects its row alone, Ctrl toggles, Shift extends from the last plain click,
    // a moving key selects the new row alone (not with Ctrl).
    {"extended click", 5, {1, 5}, {click(1, 3)}, {3}, 1, 3},
    {"extended ctrl",
     5,
     {},
     {click(1, 2), click(1, 4, Qt::ControlModifier), click(1, 2, Qt::ControlModifier)},
     {4},
     1,
     2},
    {"extended shift down", 5, {}, {click(1, 2), click(2, 5, Qt::ShiftModifier)}, {2, 3, 4, 5}, 2, 5},
    {"extended shift up",
     5,
     {},
     {click(1, 4), click(1, 1, Qt::ShiftModifier), click(1, 2, Qt::ShiftModifier)},
     {2, 3, 4},
     1,
     2},
    {"extended keys", 5, {}, {click(1, 2), click(1, 4, Qt::ControlModifier), key(Qt::Key_Down)}, {5}, 1, 5},
    {"extended ctrl keys", 5, {}, {click(1, 2), key(Qt::Key_Down, Qt::ControlModifier)}, {2}, 1, 3},
};

} // namespace

TEST(SpreadModes, ModeClickAndKeyGiveTheSelectedRowsAndTheActiveCell) {
    for (const Case& c : kCases) {
        SpreadGrid g;
        g.setMaxCols(3);
        g.setMaxRows(6);
        g.resize(400, 300);
        g.show();
        g.setOperationMode(c.mode);
        for (int r : c.selectedBefore) {
            g.setRow(r);
            g.setSelModeSelected(true);
        }
        for (const Act& a : c.acts) {
            if (a.row > 0)
                QTest::mouseClick(g.view()->viewport(), Qt::LeftButton, a.mods, cellCentre(g, a.col, a.row));
            else
                QTest::keyClick(g.view(), a.key, a.mods);
        }
        EXPECT_EQ(selectedRows(g), c.selected) << c.name;
        EXPECT_EQ(g.activeCol(), c.activeCol) << c.name;
        EXPECT_EQ(g.activeRow(), c.activeRow) << c.name;
        EXPECT_EQ(g.selModeSelCount(), static_cast<int>(c.selected.size())) << c.name;
    }
}

TEST(SpreadModes, OnlyNormalAndRowModeLetTheUserEditCells) {
    for (int mode = 0; mode <= 5; ++mode) {
        SpreadGrid g;
        g.setMaxCols(1);
        g.setMaxRows(1);
        g.setOperationMode(mode);
        const bool editable = g.view()->model()->flags(g.view()->model()->index(0, 0)) & Qt::ItemIsEditable;
        EXPECT_EQ(editable, mode == 0 || mode == 2) << mode;
    }
}
