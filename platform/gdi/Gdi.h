// The drawing layer: every picture, control face, chart and printed page of the program draws through
// a gdi::Surface, the stand-in for a Windows device context and the surface services around it.
//
// Using it
//   #include "platform/gdi/Gdi.h"            (target platform_gdi, QtGui only)
//
// Units and rounding
//   - Surfaces work in device pixels, as gdi32 does. Screen and picture surfaces are 96 dpi, 15 twips per
//     pixel, whatever the desktop says (kTwipsPerPixel, kScreenDpi); a printer surface has the printer's
//     resolution, so twipsPerPixelX() = 1440 / dpi there.
//   - pxFromTwX/Y and twFromPxX/Y convert without rounding; round with vbRound() (halves to even:
//     0.5 -> 0, 1.5 -> 2, 2.5 -> 2, -1.5 -> -2). twipsToPx(tw) is vbRound(tw / 15).
//   - Shapes are drawn without antialiasing, so pixel-exact charts stay exact.
//
// Colours (GdiBasics.h)
//   - Colour values are 0x00BBGGRR (OleColor, int in the grid): colorFromBgr, bgrFromColor.
//   - oleColor(c) also takes system colours 0x800000nn (syscolor::kButtonText 0x80000012,
//     kButtonFace 0x8000000F, ...) through the application palette; never read them as RGB.
//
// Pens, brushes, modes (what SelectObject and friends do; each setter returns what it replaces)
//   - Pen{style Solid/Dash/Dot/DashDot/DashDotDot/Null, width, colour}: width 0 or 1 is the cosmetic
//     one-pixel pen (LineTo leaves the end pixel out); wider pens have round ends and joins.
//     stockPen(6 white, 7 black, 8 null).
//   - Brush{Solid/Null, colour}: solidBrush(c), nullBrush(), stockBrush(0 white, 1 light grey
//     192,192,192, 2 grey, 3 dark grey, 4 black, 5 null).
//   - selectPen, selectBrush, setPolyFillMode(Alternate/Winding), setBkMode (Transparent is the default
//     here, Opaque fills behind text with setBkColor), setTextColor.
//   - Font: setFont(QFont) takes the font as the program's font objects hold it: the Windows name and a
//     point size (logicalFont("ＭＳ ゴシック", 10.5)). setFontSize/Name/Bold/Italic/Underline/Strikethru
//     change one attribute. The surface paints it in the one font table's family (substituteFontFamily:
//     ＭＳ ゴシック / ＭＳ Ｐゴシック / ＭＳ 明朝 -> IPAGothic / IPAPGothic / IPAMincho) at the pixel size
//     GDI gives it: fontPixelSize(pt, dpi) = round(pt * dpi / 72) (12 -> 16, 10.5 -> 14, 7.5 -> 10).
//
// Measuring in the selected font
//   - textExtentPx(s): GetTextExtentPoint32 (one line).
//   - textWidthPx/Tw(s), textHeightPx/Tw(s): the old runtime's TextWidth/TextHeight (widest line; lines x
//     line height; CR, LF, CR LF break lines, so TextHeight(CR) is two lines).
//   - lineMetrics(): height, ascent, external leading in pixels.
//
// Drawing, device pixels, GDI semantics
//   - moveTo/lineTo (current pen, end pixel excluded for 1-px pens), polyline,
//     line(x1, y1, x2, y2, colour, width): a solid pen of its own, the selected pen stays.
//   - rectangle(l, t, r, b), ellipse(...): right/bottom excluded, pen outline, brush fill; with the null
//     pen the fill is one pixel short on the right and bottom.
//   - polygon(points): fill mode + brush, outline with the pen, vertices included.
//   - arc/pie(l, t, r, b, x1, y1, x2, y2): counter-clockwise from radial 1 to radial 2; equal radials
//     give the whole ellipse.
//   - textOut(x, y, s): top-left corner at (x, y), selected font and text colour.
//   - drawText(s, GdiRect&, flags): dt::kCenter, kRight, kVCenter, kBottom, kWordBreak (Unicode line
//     breaking: between ideographs too), kSingleLine, kExpandTabs, kNoClip, kExternalLeading, kCalcRect,
//     kNoPrefix; returns the text height (offset to the text's bottom with kVCenter/kBottom).
//   - fillRect(GdiRect, colour), clear(colour), drawImage(GdiRect, QImage).
//   - deviceCaps(caps::kHorzRes ... kPhysicalOffsetX/Y, kLogPixelsX/Y).
//   - The old runtime's Print: setCurrentX/Y (twips), print(s).
//
// Surfaces
//   - ImageSurface(sizePx, back): a persistent 96-dpi picture (RGB32). resize() keeps the content
//     (new parts in the back colour), cls() clears to the back colour, picture() returns an independent
//     QImage (a value: later drawing never changes it).
//   - DeviceSurface(QPaintDevice*, dpi = 0): any paint device at its own resolution (or the dpi given:
//     a widget painted in its paint event takes kScreenDpi); for a QPrinter or QPdfWriter
//     the painter begins with the first drawing call, newPage() starts the next page, endDoc() ends the
//     document, physicalOffsetPx()/paperSizePx() answer PHYSICALOFFSET and PHYSICALWIDTH/HEIGHT. It needs
//     no widgets: the caller makes the QPrinter (PrintSupport) and hands it in.
//   - RecordingSurface(sizePx, dpi): for tests. Every character is as wide and high as the font's pixel
//     size; calls() records each drawing call with its pen, brush, text colour and font.
//
// Scale modes (ScaleUnits.h)
//   - scale::kTwips ... kHimetric; scaleConvert(v, from, to, vertical) is ScaleX/ScaleY (user mode counts
//     as twips, characters are 120 x 240 twips, pixels 15 twips on screen).
//
// Moved here from the grid: substituteFontFamily, makeFont (96-dpi pixel-sized QFont),
// textBlockHeightPx, colorFromBgr/bgrFromColor, kTwipsPerPixel, twipsToPx.
#pragma once

#include "platform/gdi/GdiBasics.h"
#include "platform/gdi/GdiFont.h"
#include "platform/gdi/PaintSurface.h"
#include "platform/gdi/RecordingSurface.h"
#include "platform/gdi/ScaleUnits.h"
#include "platform/gdi/Surface.h"
