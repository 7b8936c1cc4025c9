// The dental formula cross of a tooth-part code: display mapping, measuring and drawing, shared by the
// glyph control (screen rules) and the printed glyph (print rules).
#pragma once
#include <QPoint>
#include <QString>

#include "controls/toothchart/QuadSplitter.h"
#include "platform/gdi/Surface.h"

namespace GlyphLayout {

// The display string of one token: digit with " " or "M" -> full-width digit, with "S" or "W" -> circled
// digit, "A".."E" -> full-width letter, "-" -> "～", "T" -> "△"; anything else (the bar "|" too) nothing.
QString tokenDisplay(QChar t1, QChar t2);
// The display text of a quadrant text: its tokens' display strings joined.
QString displayText(const QString& quadText);

// Height and width of a quadrant text's display text, in twips (0, 0 when empty).
struct Block {
    int h = 0;
    int w = 0;
};

// The cross of one code, measured in twips on a surface in its selected font.
struct Cross {
    Block ur, uc, ul, dr, dc, dl;
    int upper = 0;  // U: upper row height
    int lower = 0;  // L: lower row height
    int gap = 0;    // G: row gap, 3 pixels
    int right = 0;  // R: right column width
    int centre = 0; // C: centre column width, at least 2 pixels
    int left = 0;   // Lw: left column width
    int height = 0; // G + U + L
    int width = 0;  // R + C + Lw + 15
};
Cross measure(const QuadNotation& q, const gdi::Surface& on);

enum class Rules {
    Screen, // the glyph control: pixel positions as nearest(px(v) +/- 1)
    Print,  // the printed glyph: nearest(px(v) + rectangle offset) +/- 1
};

struct Options {
    Rules rules = Rules::Screen;
    // Strike each jaw with teeth and the part text through (the screen only).
    bool deleteMark = false;
    // The "◯" of a "W" token is written 1.5 points smaller on the target (the glyph's own surface and
    // the printer); elsewhere at the target's full size.
    bool smallerCircle = false;
    // Screen: the colour of every line (drawn with a pen of its own). Print draws with the target's
    // current pen.
    gdi::OleColor lineColor = 0x80000012;
    // Print: the rectangle's left and top in device pixels.
    QPoint originPx;
};

struct Size {
    int width = 0;
    int height = 0;
};

// Measures the glyph of a split code with its part text on `measureOn` (its font and twips per pixel)
// and, when `target` is given, draws it there with its top-left corner at (offX, offY) twips: the cross,
// the quadrant texts in the target's font and text colour, the delete lines, the part text. A code with
// no tooth draws only the part text. Returns the size in twips.
Size paint(gdi::Surface* target, const gdi::Surface& measureOn, const QuadNotation& q, bool noTooth,
           const QString& partText, int offX, int offY, const Options& o);

} // namespace GlyphLayout
