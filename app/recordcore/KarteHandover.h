// Preparing the visit record for the instruction entry screen, for one row of the record grid:
// an existing instruction line, or a new visit at a free row with its defaults and history.
#pragma once
#include <QString>

class SpreadGrid;

namespace MdlKarteMain {

// gKarteInfo, gStrParts33 and gStrPartsText for the grid row; true when they are ready. Traps its
// errors (011/900). The visit record's updated flag is always cleared, so a screen closed without
// handing back adds nothing.
bool PFuBolInstructDataSet(SpreadGrid& grid, long& row);
// Rebuilds gKarteInfo.history and history_ubound for the row. Traps its errors (011/811).
bool FuBolOldInstructLogGet(SpreadGrid& grid, long row);
// The date of a new line at the row: the nearest line date above, else below; today when nothing
// is below and the shown month runs to the end of the book.
QString FuStrGetRowDate(SpreadGrid& grid, long row);

} // namespace MdlKarteMain
