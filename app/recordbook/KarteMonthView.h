// The month view of the record grid: its columns, row markers, line blocks and colours; laying the
// shown month and laying one line; the pictures of a line's cells.
//
// Columns: 1 the era date (first row of a line), 2 the tooth-part picture, 3 the content picture
// merged over the line's rows, 4 rec_no (first row; empty = no line), 5 the row marker ("0" a one-row
// line, "1" the first and "@" every further row of a longer line), 6 the stored date.
#pragma once
#include <QString>

#include "app/recordbook/KarteSheet.h"
#include "app/recordcore/KarteData.h"

namespace MdlKarteMain {

// Colours of columns 1-3 (Windows values): an unsaved line, a saved one, the cell borders.
inline constexpr int kUnsavedColor = 12648447; // RGB(255,255,192)
inline constexpr int kSavedColor = 16777215;
inline constexpr int kLineBorderColor = 12632256; // RGB(192,192,192)
// Row height of every row, in grid units.
inline constexpr double kKarteRowHeight = 15;

// Lays the shown month (gLngMonthFirstRec up to gLngMonthNextRec) from scratch, selects the first row
// of line selectRec (0 or less: none; the view goes to the first free row after the month's lines)
// and enables the month buttons. Traps its errors (011/900).
bool PFuBolKarteMonthDisp(KarteSheet& sheet, long selectRec);
// Lays line rec from `row`, making room when the row is free; rowsUsed gets its rows. Traps its errors.
bool PFlBolKarteSpdDataSet(KarteSheet& sheet, long& row, long& rec, long& rowsUsed, bool& keepRows);
// The rows line rec takes: "100" its text's rows (rendered on PicText1), "250" basic 12, precise 20,
// plaque, mobility or pocket only 7, "800" 8; any other kind one row.
long lineRows(KarteSheet& sheet, const KarteLine& line);

// Renders the text on PicText1 in the line's colour and mark; its rows.
long PSuKarteTextDraw(KarteSheet& sheet, const QString& text, bool changed, const QString& delMark);
// PicText1's picture into (col, row), merged down over its rows.
long FuLngKarteSpdPictSet(KarteSheet& sheet, long col, long row);
// The tooth-part picture of a line into (col, row).
void PSuSetPartCell(KarteSheet& sheet, long col, long row, const QString& part, const QString& partText,
                    bool changed, const QString& delMark);
// The canvas picture into the merged block.
void PSuSetCanvasCell(KarteSheet& sheet, long col1, long row1, long col2, long row2);

// Resets the row (0: every row, spans removed) to the empty layout.
void PSuKarteRowFormat(KarteSheet& sheet, long row);
// Removes the spans touching the cells: row -1 every row, col -1 every column.
void PSuRemoveCellSpan(SpreadGrid& grid, long row, long col);
// Inserts count formatted rows before row; the row count grows by count.
void PSuKarteRowInsert(KarteSheet& sheet, long row, long count);

// The hidden controls set up from the grid's column (as the screen opens: part 2, text 3, canvas 3).
void PSuPicTextInit(KarteSheet& sheet, long col);
void PSuPicPartInit(KarteSheet& sheet, long col);
void PSuImageCanvasInit(KarteSheet& sheet);

// The record grid and the canvas as the screen is designed: six columns (date, part picture, content;
// rec_no, marker and stored date hidden), no headers, the canvas's back colour and font.
void PSuKarteSheetDesign(KarteSheet& sheet);
// The set-up when a book opens: row 1 formatted, then the part picture, text picture and canvas.
void PSuKarteSheetInit(KarteSheet& sheet);

// "ggee/mm/dd" (平15/01/20) of a stored date; a text that is no date comes back as it is.
QString karteEraDate(const QString& stored);

} // namespace MdlKarteMain
