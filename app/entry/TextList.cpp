#include "app/entry/TextList.h"

#include "app/shell/MdlCommInterface.h"
#include "platform/spread/SpreadGrid.h"

namespace textlist {
namespace {

// Room for the vertical scroll bar and the frame, in pixels.
constexpr int kScrollRoomPx = 22;
constexpr int kTwipsPerPixel = 15;
// Stock texts are read at a glance: larger than the grid's own font.
constexpr double kFontPoints = 11;

} // namespace

void setUpTextList(SpreadGrid& grid, int operationMode) {
    grid.setMaxCols(1);
    grid.setMaxRows(0);
    grid.setCol(-1);
    grid.setRow(-1);
    grid.setCellType(SpreadGrid::CellTypeStaticText);
    grid.setFontSize(kFontPoints);
    grid.setTypeTextWordWrap(true);
    grid.setDisplayRowHeaders(false);
    grid.setDisplayColHeaders(false);
    grid.setUnitType(SpreadGrid::UnitTwips);
    grid.setColWidth(1, (grid.width() - kScrollRoomPx) * kTwipsPerPixel);
    grid.setUnitType(SpreadGrid::UnitNormal);
    grid.setOperationMode(operationMode);
    grid.setUserResizeRow(2);
}

void fillTextList(SpreadGrid& grid, const QStringList& texts) {
    for (int i = 0; i < texts.size(); ++i)
        fillTextRow(grid, i + 1, texts.at(i));
}

void fillTextRow(SpreadGrid& grid, int row, const QString& text) {
    grid.setRow(row);
    grid.setMaxRows(row);
    grid.setCol(1);
    grid.setTextValue(text);
    MdlCommInterface::PSuSpdCellSet(grid, 1, row);
}

} // namespace textlist
