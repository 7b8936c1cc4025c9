// The tooth glyph of a tooth-part code on a print target: the quadrant notation around the cross,
// then the part text; measured, or drawn at a position inside a rectangle.
#pragma once
#include <QFont>
#include <QString>

#include "platform/gdi/Surface.h"

namespace MdlGlyphorPrint {

// Sets height and width (twips) of the glyph of the code with its part text, in the target's current
// font. With x = y = -1 it only measures and never touches the target's device; any other position
// draws the glyph with its top-left corner at (x, y) twips from the rectangle's left and top (device
// pixels). The font argument is not read: the target's font is used.
void PSuGlyphorPrint(gdi::Surface& target, const QString& code, const QString& partText, long& height,
                     long& width, const QFont& font, const gdi::GdiRect& rect, long x, long y);

} // namespace MdlGlyphorPrint
