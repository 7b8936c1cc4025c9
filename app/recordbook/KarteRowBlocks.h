// Reading the laid record grid back: free rows, the block of rows of one line, the neighbours and
// date range of a line being added or edited, and the step to the free row below a line.
#pragma once

class SpreadGrid;

namespace MdlKarteMain {

// True when the row holds no line: column 4 empty and its marker not "@".
bool FuBolIsFreeRow(SpreadGrid& grid, long row);
// The first row of the line block holding row; count gets the block's rows.
long FuLngGetLineBlock(SpreadGrid& grid, long row, long& count);
// gLngPrevRec, gLngNextRec, gStrKarteDateFrom and gStrKarteDateTo for the line being added at row
// (gLngCurRec 0) or edited (gLngCurRec its rec_no).
void PSuGetLineDateRange(SpreadGrid& grid, long row);
// Makes the first row below row's continuation rows the active cell when it is free.
void SuKarteRowFollow(SpreadGrid& grid, long row);

} // namespace MdlKarteMain
