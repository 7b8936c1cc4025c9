// Marked text on a print target: laid out cell by cell in a rectangle (line breaks, half-size runs,
// circled characters, tooth glyphs, wrapping), measured and, when asked, drawn.
#pragma once
#include <QString>

#include "platform/gdi/Surface.h"

namespace MdlDTextPrint {

// Lays the text out in the rectangle (device pixels) in the target's current font and draws it when
// draw is true; returns the height it takes in device pixels, the same whether drawn or not (0 after
// a failure, which is logged and never shown in the middle of a page). The fourth argument is not read.
long PFuBolDtextPrint(gdi::Surface& target, bool draw, const QString& text, bool flag,
                      const gdi::GdiRect& rect);

// Writes the text with its top-left corner at (x, y) twips from the rectangle's left and top, at
// percent of the target's font size.
void PSuDtextOut(gdi::Surface& target, const gdi::GdiRect& rect, long x, long y, const QString& text,
                 long percent);

} // namespace MdlDTextPrint
