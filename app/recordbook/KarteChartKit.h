// What the three record-book charts share: the canvas sized to the grid rows it covers, boxed cells,
// free texts, the chart colours, a tooth's plaque faces, the plaque-rate caption and the blue delete cross.
#pragma once
#include <QString>

class ImageCanvas;
class SpreadGrid;

namespace MdlKarteMain::chart {

// Windows colour values (0x00BBGGRR).
inline constexpr int kLabel = 0xFFFF00;   // cyan label cells
inline constexpr int kWhite = 0xFFFFFF;   // value cells
inline constexpr int kMissing = 0x408040; // a missing tooth, green
inline constexpr int kBleeding = 0xFF;    // a bleeding pocket, red
inline constexpr int kCross = 0xFF0000;   // the delete cross, blue
inline constexpr int kCanvasBack = 0xFFFFC0;

// Sizes the canvas to `rows` rows of the grid's current row height (its width stays), clears it and
// sets the title font: size 11, bold (bold stays for every later text).
void prepareCanvas(ImageCanvas& canvas, SpreadGrid& grid, int rows);
// A framed cell filled with `back`, the text centred in it.
void cell(ImageCanvas& canvas, int left, int top, int width, int height, int back, const QString& text);
// A text without a cell: centred in the rectangle, or from its top-left corner.
void freeText(ImageCanvas& canvas, int left, int top, int width, int height, const QString& text,
              bool centred);
// The canvas's four face flags for a tooth of the quadrant (0 upper right, 1 upper left, 2 lower right,
// 3 lower left), as its plaque code sets them; the number of faces set.
int plaqueFaces(ImageCanvas& canvas, const QString& code, int quadrant);
// "(プラーク率 n.nn%)": faces over four faces of every shown tooth that is not missing; "0.00" with
// no face set, so nothing is ever divided by zero.
QString rateCaption(long faces, long missing, int teeth);
// With the mark "1": a blue X of pen width 3 from corner to corner of the whole picture.
void deleteCross(ImageCanvas& canvas, const QString& delMark);

} // namespace MdlKarteMain::chart
