#include "platform/spread/SpreadPaint.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>

#include "platform/spread/SpreadModel.h"

namespace spread {

QFont cellFont(const CellStyle& st) {
    // Cells come in runs of one style (a column, a list row after row): the last font is kept. It is
    // never destroyed, so no font outlives the application's font system at the end of the program.
    struct Last {
        QString name;
        double size = -1;
        bool bold = false, italic = false, underline = false, strike = false;
        QFont font;
    };
    static thread_local Last& last = *new Last;
    if (last.size != st.fontSize || last.bold != st.bold || last.italic != st.italic ||
        last.underline != st.underline || last.strike != st.strike || last.name != st.fontName) {
        last.font = makeFont(st.fontName, st.fontSize, st.bold, st.italic, st.underline, st.strike);
        last.name = st.fontName;
        last.size = st.fontSize;
        last.bold = st.bold;
        last.italic = st.italic;
        last.underline = st.underline;
        last.strike = st.strike;
    }
    return last.font;
}

bool wrapsText(const CellStyle& st) {
    return (st.type == 5 && st.wordWrap) || (st.type == 1 && st.multiLine);
}

QString normalizedText(const QString& text) {
    if (!text.contains(QChar('\r')))
        return text;
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QChar('\r'), QChar('\n'));
    return t;
}

namespace {

constexpr int kWrapFlags = Qt::TextWordWrap | Qt::TextWrapAnywhere;

int alignFlags(const CellStyle& st) {
    int f = 0;
    switch (st.hAlign) {
    case 1:
        f |= Qt::AlignRight;
        break;
    case 2:
        f |= Qt::AlignHCenter;
        break;
    default:
        f |= Qt::AlignLeft;
    }
    switch (st.vAlign) {
    case 1:
        f |= Qt::AlignBottom;
        break;
    case 2:
        f |= Qt::AlignVCenter;
        break;
    default:
        f |= Qt::AlignTop;
    }
    return f;
}

void line(QPainter& p, int x, int y, int w, int h, const Border& b) {
    const QColor c = colorFromBgr(b.color);
    if (b.style <= 1 || b.style > 5) {
        p.fillRect(QRect(x, y, w, h), c);
        return;
    }
    static const Qt::PenStyle styles[] = {Qt::SolidLine, Qt::SolidLine,   Qt::DashLine,
                                          Qt::DotLine,   Qt::DashDotLine, Qt::DashDotDotLine};
    QPen pen(c, 1, styles[b.style]);
    pen.setCapStyle(Qt::FlatCap);
    p.save();
    p.setPen(pen);
    if (w == 1)
        p.drawLine(QPointF(x + 0.5, y), QPointF(x + 0.5, y + h));
    else
        p.drawLine(QPointF(x, y + 0.5), QPointF(x + w, y + 0.5));
    p.restore();
}

void drawPicture(QPainter& p, const QPixmap& pm, const QRect& area, const CellStyle& st) {
    if (pm.isNull())
        return;
    QSize size = pm.deviceIndependentSize().toSize();
    if (st.pictStretch) {
        if (st.pictMaintainScale)
            size.scale(area.size(), Qt::KeepAspectRatio);
        else
            size = area.size();
    }
    int x = area.left();
    int y = area.top();
    const int h = st.pictCenter ? 2 : st.hAlign;
    const int v = st.pictCenter ? 2 : st.vAlign;
    if (h == 1)
        x = area.right() + 1 - size.width();
    else if (h == 2)
        x = area.left() + (area.width() - size.width()) / 2;
    if (v == 1)
        y = area.bottom() + 1 - size.height();
    else if (v == 2)
        y = area.top() + (area.height() - size.height()) / 2;
    p.drawPixmap(QRect(QPoint(x, y), size), pm);
}

void drawCheckBox(QPainter& p, const QRect& area, const CellStyle& st, bool checked, const QColor& fore) {
    const int box = 13;
    int x = area.left() + kPadX;
    if (st.hAlign == 1)
        x = area.right() - kPadX - box;
    else if (st.hAlign == 2)
        x = area.left() + (area.width() - box) / 2;
    const int y = area.top() + (area.height() - box) / 2;
    const QRect r(x, y, box, box);
    p.fillRect(r, Qt::white);
    p.fillRect(QRect(r.left(), r.top(), box, 1), fore);
    p.fillRect(QRect(r.left(), r.bottom(), box, 1), fore);
    p.fillRect(QRect(r.left(), r.top(), 1, box), fore);
    p.fillRect(QRect(r.right(), r.top(), 1, box), fore);
    if (checked) {
        p.save();
        p.setRenderHint(QPainter::Antialiasing, true);
        QPen pen(fore, 2);
        p.setPen(pen);
        p.drawPolyline(
            QPolygonF({QPointF(x + 3, y + 6.5), QPointF(x + 5.5, y + 9.5), QPointF(x + 10, y + 3.5)}));
        p.restore();
    }
}

} // namespace

int textHeightPx(const QFont& font, const QString& text, int widthPx, bool wrap) {
    // One line for an empty text and for a cell that does not wrap (line breaks count only where
    // the cell wraps); padding and the grid line on top.
    const int pad = 2 * kPadY + 1;
    const QString t = wrap ? normalizedText(text) : text;
    return gdi::textBlockHeightPx(font, t, widthPx - 2 * kPadX - 1, wrap) + pad;
}

void paintCell(QPainter& p, const SpreadModel& m, int col, int row, const QRect& rect,
               const PaintOptions& o) {
    const Span* span = m.spanAt(col, row);
    int c1 = col, r1 = row, c2 = col, r2 = row;
    if (span) {
        c1 = span->col;
        r1 = span->row;
        c2 = span->col + span->cols - 1;
        r2 = span->row + span->rows - 1;
    }
    const Cell& cell = m.cell(c1, r1);
    const CellStyle& st = *cell.style.constData();
    const QColor back = o.colors ? colorFromBgr(st.backColor) : QColor(Qt::white);
    const QColor fore = o.colors ? colorFromBgr(st.foreColor) : QColor(Qt::black);

    p.save();
    p.setClipRect(rect, Qt::IntersectClip);
    p.fillRect(rect, back);
    const QRect area = rect.adjusted(0, 0, -1, -1); // the last column and row of pixels hold the grid line
    switch (st.type) {
    case 9:
        if (cell.picture)
            drawPicture(p, *cell.picture, area, st);
        break;
    case 10:
        drawCheckBox(p, area, st, cell.text == QLatin1String("1"), fore);
        break;
    default: {
        const QString text = m.displayText(c1, r1);
        if (!text.isEmpty()) {
            p.setFont(cellFont(st));
            p.setPen(fore);
            int flags = alignFlags(st);
            if (wrapsText(st))
                flags |= kWrapFlags;
            p.drawText(area.adjusted(kPadX, kPadY, -kPadX, -kPadY), flags, normalizedText(text));
        }
    }
    }
    if (o.rowSelected) {
        QColor h = o.highlight;
        h.setAlpha(90);
        p.fillRect(rect, h);
    }

    // Right and bottom edges: the cell's own border, else the neighbour's facing border, else a grid line.
    const Border grid{o.gridColor, o.gridLines ? 1 : 0};
    const int maxC = m.maxCols();
    const int maxR = m.maxRows();
    auto edgeStyle = [&](const Border& own, int nc, int nr, int facing) -> Border {
        if (own.style != 0)
            return own;
        if (nc >= 1 && nr >= 1 && nc <= maxC && nr <= maxR) {
            const Border& b = m.paintCell(nc, nr).style.constData()->borders[facing];
            if (b.style != 0)
                return b;
        }
        return grid;
    };
    {
        int y = rect.top();
        for (int r = r1; r <= r2; ++r) {
            const int h = (r == r2) ? rect.bottom() + 1 - y : m.rowHeightPx(r);
            const Border b = edgeStyle(st.borders[SideRight], c2 + 1, r, SideLeft);
            if (b.style != 0 && h > 0)
                line(p, rect.right(), y, 1, h, b);
            y += h;
        }
        int x = rect.left();
        for (int c = c1; c <= c2; ++c) {
            const int w = (c == c2) ? rect.right() + 1 - x : m.colWidthPx(c);
            const Border b = edgeStyle(st.borders[SideBottom], c, r2 + 1, SideTop);
            if (b.style != 0 && w > 0)
                line(p, x, rect.bottom(), w, 1, b);
            x += w;
        }
        // Left and top borders of the outermost cells have no neighbour to draw them.
        if (c1 == 1 && st.borders[SideLeft].style != 0)
            line(p, rect.left(), rect.top(), 1, rect.height(), st.borders[SideLeft]);
        if (r1 == 1 && st.borders[SideTop].style != 0)
            line(p, rect.left(), rect.top(), rect.width(), 1, st.borders[SideTop]);
    }
    if (o.active) {
        p.setPen(QPen(Qt::black, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(rect).adjusted(1, 1, -1, -1));
    }
    p.restore();
}

void paintHeaderCell(QPainter& p, const QRect& rect, const QString& text, const QFont& font, bool shaded,
                     int gridColorBgr, bool gridLines) {
    p.save();
    p.setClipRect(rect, Qt::IntersectClip);
    p.fillRect(rect, shaded ? QColor(0xE0, 0xE0, 0xE0) : QColor(Qt::white));
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(rect.adjusted(kPadX, 0, -kPadX - 1, -1), Qt::AlignCenter, text);
    if (gridLines) {
        const QColor c = shaded ? QColor(0x80, 0x80, 0x80) : colorFromBgr(gridColorBgr);
        p.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), c);
        p.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), c);
    }
    p.restore();
}

} // namespace spread
