#include "controls/toothchart/GlyphLayout.h"

#include <algorithm>

#include "controls/toothchart/MdlToolCommon.h"

namespace GlyphLayout {

using gdi::vbRound;

QString tokenDisplay(QChar t1, QChar t2) {
    const char16_t a = t1.unicode();
    const char16_t b = t2.unicode();
    if (a >= u'1' && a <= u'8') {
        if (b == u' ' || b == u'M')
            return QString(QChar(0xFF10 + (a - u'0')));
        if (b == u'S' || b == u'W')
            return QString(QChar(0x2460 + (a - u'1')));
        return QString();
    }
    if (a >= u'A' && a <= u'E')
        return QString(QChar(0xFF21 + (a - u'A')));
    if (a == u'-')
        return QStringLiteral("～");
    if (a == u'T')
        return QStringLiteral("△");
    return QString();
}

namespace {

// The tokens of a quadrant text; a last single character is a token with an empty second character.
template <typename F> void forEachToken(const QString& text, F&& f) {
    for (qsizetype i = 0; i < text.size(); i += 2)
        f(text.at(i), i + 1 < text.size() ? text.at(i + 1) : QChar());
}

Block measureBlock(const QString& quadText, const gdi::Surface& on) {
    const QString shown = displayText(quadText);
    if (shown.isEmpty())
        return Block{};
    return Block{vbRound(on.textHeightTw(shown)), vbRound(on.textWidthTw(shown))};
}

} // namespace

QString displayText(const QString& quadText) {
    QString out;
    forEachToken(quadText, [&](QChar a, QChar b) { out += tokenDisplay(a, b); });
    return out;
}

Cross measure(const QuadNotation& q, const gdi::Surface& on) {
    Cross c;
    c.ur = measureBlock(q.ur, on);
    c.uc = measureBlock(q.uc, on);
    c.ul = measureBlock(q.ul, on);
    c.dr = measureBlock(q.dr, on);
    c.dc = measureBlock(q.dc, on);
    c.dl = measureBlock(q.dl, on);
    c.upper = std::max({c.ur.h, c.uc.h, c.ul.h});
    c.lower = std::max({c.dr.h, c.dc.h, c.dl.h});
    c.gap = vbRound(on.twFromPxY(3));
    const int minCentre = vbRound(on.twFromPxX(2));
    c.right = std::max({c.ur.w, c.dr.w, 0});
    c.centre = std::max({c.uc.w, c.dc.w, minCentre});
    c.left = std::max({c.ul.w, c.dl.w, 0});
    c.height = c.gap + c.upper + c.lower;
    c.width = c.centre + c.right + c.left + 15;
    return c;
}

namespace {

// Twips to the target's pixels by the rules in force.
struct Pixels {
    const gdi::Surface& ratio; // the surface whose twips per pixel convert
    const Options& o;

    // A horizontal position with an adjustment of -1, 0 or +1 pixel.
    int x(double tw, int adj = 0) const {
        if (o.rules == Rules::Screen)
            return vbRound(ratio.pxFromTwX(tw) + adj);
        return vbRound(ratio.pxFromTwX(tw) + o.originPx.x()) + adj;
    }
    int y(double tw, int adj = 0) const {
        if (o.rules == Rules::Screen)
            return vbRound(ratio.pxFromTwY(tw) + adj);
        return vbRound(ratio.pxFromTwY(tw) + o.originPx.y()) + adj;
    }
};

struct Painter {
    gdi::Surface& target;
    const gdi::Surface& measureOn;
    const Options& o;
    Pixels px;

    void line(int x1, int y1, int x2, int y2) {
        if (o.rules == Rules::Screen) {
            MdlToolCommon::PSuDrawLine(target, o.lineColor, x1, y1, x2, y2, 1);
        } else {
            target.moveTo(x1, y1);
            target.lineTo(x2, y2);
        }
    }

    void text(double x, double y, const QString& s) { target.textOut(px.x(x), px.y(y), s); }

    // A quadrant text token by token from its top-left corner.
    void quadrant(int x, int y, const QString& quadText) {
        forEachToken(quadText, [&](QChar a, QChar b) {
            const QString shown = tokenDisplay(a, b);
            if (shown.isEmpty())
                return;
            text(x, y, shown);
            if (b == QChar('W')) {
                const double size = target.fontSize();
                if (o.smallerCircle)
                    target.setFontSize(size - 1.5);
                text(x + 15, y + 15, QStringLiteral("◯"));
                if (o.smallerCircle)
                    target.setFontSize(size);
            }
            x = vbRound(x + measureOn.textWidthTw(shown));
        });
    }
};

} // namespace

Size paint(gdi::Surface* target, const gdi::Surface& measureOn, const QuadNotation& q, bool noTooth,
           const QString& partText, int offX, int offY, const Options& o) {
    Size size;
    const Pixels px{measureOn, o};
    Cross c;
    if (!noTooth) {
        c = measure(q, measureOn);
        size = Size{c.width, c.height};
        if (target) {
            Painter p{*target, measureOn, o, px};
            const int rowY = px.y(offY + c.upper, 1);
            p.line(px.x(offX, 1), rowY, px.x(offX + c.width, -1), rowY);
            const int xc = px.x(vbRound(offX + c.right + c.centre / 2.0));
            p.line(xc, px.y(offY, 1), xc, px.y(offY + c.height, -1));
            const int lowY = offY + c.upper + c.gap;
            p.quadrant(offX + c.right - c.ur.w, offY, q.ur);
            p.quadrant(offX + c.right, offY, q.uc);
            p.quadrant(offX + c.right + c.centre, offY, q.ul);
            p.quadrant(offX + c.right - c.dr.w, lowY, q.dr);
            p.quadrant(offX + c.right, lowY, q.dc);
            p.quadrant(offX + c.right + c.centre, lowY, q.dl);
        }
    }
    if (target && o.deleteMark) {
        // Each jaw with teeth is struck through at the middle of its row.
        Painter p{*target, measureOn, o, px};
        if (!q.ul.isEmpty() || !q.uc.isEmpty() || !q.ur.isEmpty()) {
            const int row = px.y(vbRound(offY + c.upper / 2.0));
            p.line(px.x(offX, 1), row, px.x(offX + size.width, -1), row);
        }
        if (!q.dl.isEmpty() || !q.dc.isEmpty() || !q.dr.isEmpty()) {
            const int row = px.y(vbRound(offY + c.upper + c.gap + c.lower / 2.0));
            p.line(px.x(offX, 1), row, px.x(offX + size.width, -1), row);
        }
    }
    if (partText.isEmpty())
        return size;
    const double th = measureOn.textHeightTw(partText);
    const double tw = measureOn.textWidthTw(partText);
    if (th > size.height)
        size.height = vbRound(th);
    if (target) {
        Painter p{*target, measureOn, o, px};
        p.text(offX + size.width, vbRound(size.height / 2.0 - th / 2.0 + offY), partText);
        if (o.deleteMark) {
            const int row = px.y(vbRound(size.height / 2.0 + offY));
            p.line(px.x(offX + size.width, 1), row, px.x(vbRound(offX + size.width + tw), -1), row);
        }
    }
    size.width = vbRound(size.width + tw);
    return size;
}

} // namespace GlyphLayout
