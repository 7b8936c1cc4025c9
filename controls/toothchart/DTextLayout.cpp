#include "controls/toothchart/DTextLayout.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "controls/toothchart/GlyphRenderer.h"
#include "platform/gdi/Surface.h"

using DTextMarkup::Kind;
using gdi::vbRound;

namespace DTextLayout {

namespace {

// Twips of spacing added to an ordinary character's width and to its height: one pixel.
constexpr int kCharSpacing = 15;

struct Extent {
    int w = 0;
    int h = 0;
};

Extent textExtent(const gdi::Surface& s, const QString& text) {
    return Extent{vbRound(s.textWidthTw(text)), vbRound(s.textHeightTw(text))};
}

// The text at a percentage of the selected font's size; the size is put back afterwards.
template <typename F> auto atPercent(gdi::Surface& s, int percent, F&& f) {
    if (percent == 100)
        return f();
    const double size = s.fontSize();
    s.setFontSize(size * percent / 100.0);
    auto r = f();
    s.setFontSize(size);
    return r;
}

Extent measureCell(const DTextMarkup::Element& e, const Measure& m, int unit) {
    gdi::Surface& s = m.surface;
    switch (e.kind) {
    case Kind::LineBreak:
        return Extent{vbRound(s.textWidthTw(e.text)), unit};
    case Kind::Char: {
        const Extent t = textExtent(s, e.text);
        return Extent{t.w + kCharSpacing, t.h + kCharSpacing};
    }
    case Kind::Half:
        return atPercent(s, 50, [&] { return textExtent(s, e.inner); });
    case Kind::Glyph: {
        const DTextMarkup::GlyphRun g = DTextMarkup::glyphOf(e.inner);
        m.glyph.setPPoStrParts33(g.code);
        m.glyph.setPPoStrPartsText(g.partText);
        m.glyph.measure(&m.fontDP);
        return Extent{m.glyph.PPoDrawWidth(), m.glyph.PPoDrawHeight()};
    }
    default: // circled characters and runs of no meaning take the room of their whole literal text
        return textExtent(s, e.text);
    }
}

void drawString(gdi::Surface& t, int xTw, int yTw, const QString& s, int percent) {
    atPercent(t, percent, [&] {
        t.textOut(vbRound(t.pxFromTwX(xTw)), vbRound(t.pxFromTwY(yTw)), s);
        return 0;
    });
}

} // namespace

QPoint circleInnerOffset(gdi::Surface& s, const QString& inner) {
    const double circleW = s.textWidthTw(kCircle);
    const double circleH = s.textHeightTw(kCircle);
    const auto [w, h] = atPercent(s, 50, [&] {
        return std::pair{s.textWidthTw(inner), s.textHeightTw(inner)};
    });
    return QPoint(vbRound((circleW - w) / 2.0), vbRound((circleH - h) / 2.0));
}

int lineUnit(const gdi::Surface& s) {
    return vbRound(s.textHeightTw(QStringLiteral("\r")) / 2.0);
}

Result layout(const QString& text, int widthTw, int heightTw, int minHeightTw, const Measure& m) {
    Result r;
    const int unit = lineUnit(m.surface);
    r.lineUnit = unit;
    DTextCell marker;
    marker.LngHeight = unit;
    r.cells.append(marker);

    int x = 0;
    int y = 0;
    int line = 1;
    int lineHeight = unit;
    int height = heightTw;
    auto newLine = [&] {
        y += lineHeight;
        x = 0;
        lineHeight = unit;
        ++line;
    };
    for (qsizetype p = 0; p < text.size();) {
        const DTextMarkup::Element e = DTextMarkup::elementAt(text, p);
        DTextCell c;
        c.kind = e.kind;
        c.StrCell = e.text;
        c.StrInner = e.inner;
        c.LngLength = static_cast<int>(e.length);
        c.LngStart = static_cast<int>(p) + 1;
        if (e.kind == Kind::LineBreak)
            newLine();
        const Extent ext = measureCell(e, m, unit);
        c.LngWidth = ext.w;
        c.LngHeight = ext.h;
        // Also for the first cell of a line: a cell wider than the board starts a line of its own.
        if (x + c.LngWidth > widthTw)
            newLine();
        c.LngLine = line;
        c.LngLeft = x;
        // Cells lower than a line sit on the bottom of the line's first unit.
        c.LngTop = c.LngHeight >= unit ? y : y + unit - c.LngHeight;
        if (height < y + c.LngHeight)
            height = y + c.LngHeight + 1;
        lineHeight = std::max(lineHeight, c.LngHeight);
        x = c.LngLeft + c.LngWidth;
        p += e.length;
        r.cells.append(c);
    }
    const int need = y + lineHeight + 1;
    if (height > need)
        height = std::max(need, minHeightTw);
    r.heightTw = height;
    return r;
}

void paint(gdi::Surface& target, const QVector<DTextCell>& cells, GlyphRenderer& glyph, const QFont& fontDP,
           const QRect& clipPx) {
    // Half-size and circled texts and glyph parts may reach a little past their cell.
    const int margin = std::max(1, target.lineMetrics().height);
    for (qsizetype i = 1; i < cells.size(); ++i) {
        const DTextCell& c = cells.at(i);
        if (c.kind == Kind::LineBreak)
            continue;
        if (!clipPx.isNull()) {
            const QRect box(vbRound(target.pxFromTwX(c.LngLeft)), vbRound(target.pxFromTwY(c.LngTop)),
                            vbRound(target.pxFromTwX(c.LngWidth)) + 1,
                            vbRound(target.pxFromTwY(c.LngHeight)) + 1);
            if (!box.adjusted(-margin, -margin, margin, margin).intersects(clipPx))
                continue;
        }
        switch (c.kind) {
        case Kind::Circle: {
            const QPoint inner = circleInnerOffset(target, c.StrInner);
            drawString(target, c.LngLeft + inner.x(), c.LngTop + inner.y(), c.StrInner, 50);
            drawString(target, c.LngLeft, c.LngTop, kCircle, 100);
            break;
        }
        case Kind::Half:
            drawString(target, c.LngLeft, c.LngTop, c.StrInner, 50);
            break;
        case Kind::Glyph: {
            const DTextMarkup::GlyphRun g = DTextMarkup::glyphOf(c.StrInner);
            const QFont keep = target.font();
            target.setFont(fontDP);
            glyph.setPPoStrParts33(g.code);
            glyph.setPPoStrPartsText(g.partText);
            glyph.PSuDraw(target, &fontDP, c.LngLeft, c.LngTop);
            target.setFont(keep);
            break;
        }
        default:
            drawString(target, c.LngLeft, c.LngTop, c.StrCell, 100);
            break;
        }
    }
}

} // namespace DTextLayout
