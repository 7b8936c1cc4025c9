#include "app/printing/MdlDTextPrint.h"

#include <algorithm>

#include "app/printing/MdlGlyphorPrint.h"
#include "app/shell/ShellGlobals.h"
#include "controls/toothchart/DTextLayout.h"
#include "controls/toothchart/DTextMarkup.h"
#include "platform/error/VbError.h"

namespace MdlDTextPrint {

using DTextMarkup::Kind;
using gdi::vbRound;

namespace {

// One layout unit: a character or a whole run, in twips relative to the rectangle.
struct Cell {
    long top = 0;
    long left = 0;
    long height = 0;
    long width = 0;
};

const QString kCr = QStringLiteral("\r");

long textHeight(const gdi::Surface& t, const QString& s) {
    return vbRound(t.textHeightTw(s));
}
long textWidth(const gdi::Surface& t, const QString& s) {
    return vbRound(t.textWidthTw(s));
}

// Height and width of an element in the target's font.
void measure(gdi::Surface& t, const DTextMarkup::Element& e, Cell& c) {
    switch (e.kind) {
    case Kind::LineBreak:
        c.height = vbRound(t.textHeightTw(kCr) / 2.0);
        c.width = textWidth(t, kCr);
        break;
    case Kind::Half: {
        const double size = t.fontSize();
        t.setFontSize(size / 2.0);
        c.height = textHeight(t, e.inner);
        c.width = textWidth(t, e.inner);
        t.setFontSize(size);
        break;
    }
    case Kind::Glyph: {
        const DTextMarkup::GlyphRun g = DTextMarkup::glyphOf(e.inner);
        MdlGlyphorPrint::PSuGlyphorPrint(t, g.code, g.partText, c.height, c.width, t.font(), gdi::GdiRect{},
                                         -1, -1);
        break;
    }
    case Kind::Circle:
    case Kind::Other:
        c.height = textHeight(t, e.text);
        c.width = textWidth(t, e.text);
        break;
    case Kind::Char:
        c.height = vbRound(t.textHeightTw(e.text) + 15);
        c.width = vbRound(t.textWidthTw(e.text) + 15);
        break;
    }
}

void drawCell(gdi::Surface& t, const gdi::GdiRect& rect, const DTextMarkup::Element& e, const Cell& c) {
    switch (e.kind) {
    case Kind::LineBreak:
        break;
    case Kind::Half:
        PSuDtextOut(t, rect, c.left, c.top, e.inner, 50);
        break;
    case Kind::Glyph: {
        const DTextMarkup::GlyphRun g = DTextMarkup::glyphOf(e.inner);
        long h = 0;
        long w = 0;
        MdlGlyphorPrint::PSuGlyphorPrint(t, g.code, g.partText, h, w, t.font(), rect, c.left, c.top);
        break;
    }
    case Kind::Circle: {
        // The whole run was measured, a single circle is drawn: the gap after it is as it always was.
        const QPoint inner = DTextLayout::circleInnerOffset(t, e.inner);
        PSuDtextOut(t, rect, c.left + inner.x(), c.top + inner.y(), e.inner, 50);
        PSuDtextOut(t, rect, c.left, c.top, DTextLayout::kCircle, 100);
        break;
    }
    case Kind::Other:
    case Kind::Char:
        PSuDtextOut(t, rect, c.left, c.top, e.text, 100);
        break;
    }
}

} // namespace

long PFuBolDtextPrint(gdi::Surface& target, bool draw, const QString& text, bool /*flag*/,
                      const gdi::GdiRect& rect) {
    try {
        const long usable = vbRound(target.twFromPxX(rect.right - rect.left));
        const long h0 = vbRound(target.textHeightTw(kCr) / 2.0);
        long y = 0;
        long x = 0;
        long h = h0;
        for (qsizetype p = 0; p < text.size();) {
            const DTextMarkup::Element e = DTextMarkup::elementAt(text, p);
            if (e.kind == Kind::LineBreak) {
                y += h;
                x = 0;
                h = h0;
            }
            Cell c;
            measure(target, e, c);
            // Also at the start of a line: a cell wider than the rectangle then follows an empty line.
            if (x + c.width > usable) {
                y += h;
                x = 0;
                h = h0;
            }
            c.left = x;
            // Shorter cells, such as half-size runs, sit on the lower edge of a base-height line.
            c.top = c.height >= h0 ? y : y + h0 - c.height;
            if (draw)
                drawCell(target, rect, e, c);
            h = std::max(h, c.height);
            x += c.width;
            p += e.length;
        }
        return vbRound(target.pxFromTwY(y + h));
    } catch (const std::exception& e) {
        PFuBolPutLog(QStringLiteral("PFuBolDtextPrint"), errorDescription(e));
        return 0;
    }
}

void PSuDtextOut(gdi::Surface& target, const gdi::GdiRect& rect, long x, long y, const QString& text,
                 long percent) {
    const double size = target.fontSize();
    if (percent != 100)
        target.setFontSize(size * percent / 100.0);
    target.textOut(vbRound(target.pxFromTwX(x) + rect.left), vbRound(target.pxFromTwY(y) + rect.top), text);
    if (percent != 100)
        target.setFontSize(size);
}

} // namespace MdlDTextPrint
