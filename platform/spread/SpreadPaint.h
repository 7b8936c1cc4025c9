// Painting of grid cells and headers, shared by the screen and the printed page, and text measuring.
#pragma once
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include "platform/gdi/GdiFont.h"

class QPainter;

namespace spread {

class SpreadModel;
struct CellStyle;

// Padding between a cell's edge and its text.
constexpr int kPadX = 2;
constexpr int kPadY = 2;

// The font table and font making belong to the drawing layer.
using gdi::makeFont;
using gdi::substituteFontFamily;
QFont cellFont(const CellStyle& style);

struct PaintOptions {
    bool gridLines = true;
    int gridColor = 0xC0C0C0; // BGR
    bool colors = true;       // false: white cells, black text (printing without colour)
    bool rowSelected = false; // the row's selected flag or a selected block
    bool active = false;      // the user's active cell
    QColor highlight = QColor(0, 120, 215);
};

// Paints the cell (col, row), or the span anchored there, into rect: background, text or picture or
// check box, grid lines and borders on its right and bottom edges (and on the grid's outer left/top).
void paintCell(QPainter& p, const SpreadModel& m, int col, int row, const QRect& rect, const PaintOptions& o);
// A header cell: shaded or white, centred text, grid lines on its right and bottom edges.
void paintHeaderCell(QPainter& p, const QRect& rect, const QString& text, const QFont& font, bool shaded,
                     int gridColorBgr, bool gridLines);

// Pixel height the text needs in a cell of the given width: lines * line spacing plus padding and grid
// line; wrapped at the width when `wrap`.
int textHeightPx(const QFont& font, const QString& text, int widthPx, bool wrap);
// True when the style wraps text at the cell width (word-wrapped static text, multi-line edit).
bool wrapsText(const CellStyle& style);
// Line breaks of the program (CR LF, CR) as the painter reads them.
QString normalizedText(const QString& text);

} // namespace spread
