// The marked-text editor's cell table: laying a text out into cells (in twips) and drawing the cells on
// any surface.
#pragma once
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QVector>

#include "controls/toothchart/DTextMarkup.h"

class GlyphRenderer;
namespace gdi {
class Surface;
}

// One layout cell: a character, a line break or a whole run. Cell 0 of a table is the start marker
// (LngStart 0, LngLength 1), which stands for the empty stretch before the first character.
struct DTextCell {
    int LngTop = 0;
    int LngLeft = 0;
    int LngHeight = 0;
    int LngWidth = 0;
    int LngLine = 1;   // display line, from 1
    QString StrCell;   // the cell's characters (a run with its brackets)
    QString StrInner;  // a run's inner text
    int LngStart = 0;  // position of the first character in the text, from 1
    int LngLength = 1; // characters covered
    DTextMarkup::Kind kind = DTextMarkup::Kind::Char;
    // Position after the cell's last character, from 1: the text before the caret standing after it.
    int end() const { return LngStart + LngLength - 1; }
};

namespace DTextLayout {

// What a layout measures with: the board font is the surface's selected font; tooth glyphs are measured
// by the renderer in fontDP.
struct Measure {
    gdi::Surface& surface;
    GlyphRenderer& glyph;
    const QFont& fontDP;
};

struct Result {
    QVector<DTextCell> cells; // 0 = start marker
    int lineUnit = 0;         // U: the height of one text line
    int heightTw = 0;         // the board height after growing and fitting
};

// Line unit of the surface's selected font: half the text height of a carriage return, whole.
int lineUnit(const gdi::Surface& s);

// Lays the text out at the board's width: every cell measured and placed, the board's height grown to
// hold them and then fitted to the text (never below minHeightTw when it shrinks; a board not taller than
// the text keeps its height).
Result layout(const QString& text, int widthTw, int heightTw, int minHeightTw, const Measure& m);

// The circle of a circled run, drawn at full size at the cell's top-left corner.
inline const QString kCircle = QStringLiteral("○");
// Where a circled run's inner text goes, in twips from the cell's top-left corner: at half the selected
// font's size, centred in the full-size circle. The cell itself is as wide as the whole run's text, so
// the circle leaves room after it.
QPoint circleInnerOffset(gdi::Surface& s, const QString& inner);

// Draws cells 1..n on the target in its selected font and text colour; cells lying wholly outside clipPx
// (device pixels; a null rectangle draws all) are skipped.
void paint(gdi::Surface& target, const QVector<DTextCell>& cells, GlyphRenderer& glyph, const QFont& fontDP,
           const QRect& clipPx = QRect());

} // namespace DTextLayout
