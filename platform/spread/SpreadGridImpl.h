// Inside state of the spreadsheet grid, shared by the widget and its view.
#pragma once
#include <QHash>
#include <QVariant>

#include "platform/spread/SpreadGrid.h"
#include "platform/spread/SpreadModel.h"
#include "platform/spread/SpreadPrint.h"
#include "platform/spread/SpreadView.h"

struct SpreadGrid::Impl {
    SpreadGrid* q = nullptr;
    spread::SpreadModel* model = nullptr;
    spread::SpreadView* view = nullptr;

    // Addressing cursor.
    int row = 1;
    int col = 1;
    int row2 = 1;
    int col2 = 1;
    bool block = false;

    // The user's active cell (0 when the grid has no rows or columns).
    int activeRow = 1;
    int activeCol = 1;

    bool redraw = true;
    int unitType = SpreadGrid::UnitNormal;
    int operationMode = 0;
    int gridColor = 0xC0C0C0;
    bool displayColHeaders = true;
    bool displayRowHeaders = true;
    int colsFrozen = 0;
    int userResizeRow = 0;
    int userResizeCol = 0;
    QHash<int, QVariant> settings;
    QPrinter* printer = nullptr;
    spread::PrintSettings print;
    int lastPages = 0;
    int extendAnchorRow = 0; // shift-click anchor in extended selection

    // Scrolls asked for while redraw is off, played back in their order when it comes on: the last
    // ShowCell first, then the last active cell made visible after it (position -1).
    struct ScrollRequest {
        bool pending = false;
        int col = 1;
        int row = 1;
        int pos = 0;
    };
    ScrollRequest pendingShow;
    ScrollRequest pendingActive;
    bool syncing = false; // the grid itself moves the view's current index

    // The cells a cell setting applies to.
    struct Target {
        int c1, c2, r1, r2;
        bool allRows;
    };
    Target target() const;
    // The ordered range a..b of rows or columns, or 1..maxv when either end is -1 (then true).
    static bool rangeOf(int a, int b, int maxv, int& lo, int& hi);
    const spread::Cell& cursorCell() const;

    // View upkeep.
    void clampActive();
    void afterChange();
    void syncSpans();
    void syncSizes();
    void syncActive();
    void syncFull();
    void scrollTo(const ScrollRequest& request);
    void applyPendingScrolls();
    void applyOperationMode();

    // The anchor of the span that holds (c, r), when it lies in one.
    void toAnchor(int& c, int& r) const;
    // The user made (c, r) (or the anchor of its span) the active cell; c and r become the active cell.
    void activateByUser(int& c, int& r);
    // A check-box cell the user toggled (click or Space), with its events; false for any other cell.
    bool toggleCheckBox(int c, int r);

    // Events from the view.
    void cellPressed(int col, int row, Qt::KeyboardModifiers mods);
    void cellDoubleClicked(int col, int row);
    void keyPressed(int qtKey, Qt::KeyboardModifiers mods, bool spaceToggles);
    void viewCurrentChanged(int col, int row);

    // Units.
    int rowPx(double height) const;
    double rowUnits(int px) const;
    int colPx(double width) const;
    double colUnits(int px) const;
};
