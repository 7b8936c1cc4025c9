// The one-column text lists of the entry screens (cleaning items, comment kinds, comments): set-up and
// the fill that grows the list row by row.
#pragma once
#include <QStringList>

class SpreadGrid;

namespace textlist {

// One column of wrapped static text over the grid's width, no headers (the title above names the
// list), rows kept at the height their text needs; operationMode as the grid takes it (1 read only,
// 3 one selected row).
void setUpTextList(SpreadGrid& grid, int operationMode);

// Text i goes to column 1 of row i + 1: the row is made current, the list grows to it, and the row
// takes the height of its text. Rows beyond the texts are not touched.
void fillTextList(SpreadGrid& grid, const QStringList& texts);
// One row of that fill: the row made current, the list grown to it, the text in column 1, the row
// as high as its text.
void fillTextRow(SpreadGrid& grid, int row, const QString& text);

} // namespace textlist
