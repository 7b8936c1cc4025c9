#include "platform/spread/SpreadPrint.h"

#include <QFontMetrics>
#include <QMap>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

#include "platform/spread/SpreadModel.h"
#include "platform/spread/SpreadPaint.h"

namespace spread {

namespace {

using gdi::twipsToPx;

// Gap between the header (or footer) and the grid.
constexpr int kBandGap = 6;

struct FontState {
    QString name;
    double size = 9;
    bool bold = false, italic = false, underline = false, strike = false;
    QFont font() const { return makeFont(name, size, bold, italic, underline, strike); }
};

} // namespace

std::vector<HeaderLine> parseHeaderCodes(const QString& codes, int page, const QFont& base) {
    std::vector<HeaderLine> lines;
    if (codes.isEmpty())
        return lines;
    FontState cur;
    cur.name = base.family();
    cur.size = base.pixelSize() > 0 ? base.pixelSize() * 72.0 / 96.0 : base.pointSizeF();
    cur.bold = base.bold();
    cur.italic = base.italic();
    cur.underline = base.underline();
    cur.strike = base.strikeOut();
    QMap<int, FontState> stored;
    lines.emplace_back();
    int align = 0;
    QString pending;

    auto flush = [&]() {
        if (pending.isEmpty())
            return;
        auto& part = lines.back().parts[align];
        const QFont f = cur.font();
        if (!part.empty() && part.back().font == f)
            part.back().text += pending;
        else
            part.push_back(HeaderRun{f, pending});
        pending.clear();
    };
    auto quoted = [&](qsizetype& i, QString& out) -> bool {
        // codes[i] must be '"'; reads up to the closing quote.
        if (i >= codes.size() || codes[i] != QChar('"'))
            return false;
        const qsizetype end = codes.indexOf(QChar('"'), i + 1);
        if (end < 0)
            return false;
        out = codes.mid(i + 1, end - i - 1);
        i = end + 1;
        return true;
    };
    auto digits = [&](qsizetype& i, int& out) -> bool {
        qsizetype j = i;
        while (j < codes.size() && codes[j].isDigit())
            ++j;
        if (j == i)
            return false;
        out = codes.mid(i, j - i).toInt();
        i = j;
        return true;
    };

    qsizetype i = 0;
    while (i < codes.size()) {
        const QChar ch = codes[i];
        if (ch != QChar('/') || i + 1 >= codes.size()) {
            pending += ch;
            ++i;
            continue;
        }
        const QChar k = codes[i + 1].toLower();
        qsizetype j = i + 2;
        bool done = false;
        if (k == QChar('c') || k == QChar('l') || k == QChar('r')) {
            flush();
            align = k == QChar('l') ? 0 : (k == QChar('c') ? 1 : 2);
            done = true;
        } else if (k == QChar('n')) {
            flush();
            lines.back().lineFont = cur.font();
            lines.emplace_back();
            align = 0;
            done = true;
        } else if (k == QChar('p')) {
            pending += QString::number(page);
            done = true;
        } else if (k == QChar('f') && j < codes.size()) {
            const QChar m = codes[j].toLower();
            qsizetype t = j + 1;
            QString value;
            int n = 0;
            if (m == QChar('n') && quoted(t, value)) {
                flush();
                cur.name = value;
                j = t;
                done = true;
            } else if (m == QChar('z') && quoted(t, value)) {
                bool ok = false;
                const double size = value.trimmed().toDouble(&ok);
                if (ok && size > 0) {
                    flush();
                    cur.size = size;
                }
                j = t;
                done = true;
            } else if ((m == QChar('b') || m == QChar('i') || m == QChar('u') || m == QChar('k')) &&
                       t < codes.size() && (codes[t] == QChar('0') || codes[t] == QChar('1'))) {
                flush();
                const bool on = codes[t] == QChar('1');
                (m == QChar('b')   ? cur.bold
                 : m == QChar('i') ? cur.italic
                 : m == QChar('u') ? cur.underline
                                   : cur.strike) = on;
                j = t + 1;
                done = true;
            } else if (m == QChar('s') && digits(t, n)) {
                stored[n] = cur;
                j = t;
                done = true;
            } else if (codes[j].isDigit()) {
                t = j;
                digits(t, n);
                flush();
                if (stored.contains(n))
                    cur = stored[n];
                j = t;
                done = true;
            }
        }
        if (done) {
            i = j;
        } else {
            pending += ch;
            ++i;
        }
    }
    flush();
    lines.back().lineFont = cur.font();
    return lines;
}

namespace {

int lineHeight(const HeaderLine& line, int* ascent) {
    int h = 0;
    int a = 0;
    bool any = false;
    for (const auto& part : line.parts) {
        for (const auto& run : part) {
            QFontMetrics fm(run.font);
            h = std::max(h, fm.height());
            a = std::max(a, fm.ascent());
            any = true;
        }
    }
    if (!any) {
        QFontMetrics fm(line.lineFont);
        h = fm.height();
        a = fm.ascent();
    }
    if (ascent)
        *ascent = a;
    return h;
}

} // namespace

int headerHeightPx(const std::vector<HeaderLine>& lines) {
    int h = 0;
    for (const auto& l : lines)
        h += lineHeight(l, nullptr);
    return h;
}

void drawHeaderLines(QPainter& p, const std::vector<HeaderLine>& lines, int x, int y, int width) {
    p.save();
    p.setPen(Qt::black);
    for (const auto& line : lines) {
        int ascent = 0;
        const int h = lineHeight(line, &ascent);
        for (int a = 0; a < 3; ++a) {
            const auto& part = line.parts[a];
            if (part.empty())
                continue;
            int w = 0;
            for (const auto& run : part)
                w += QFontMetrics(run.font).horizontalAdvance(run.text);
            int px = x;
            if (a == 1)
                px = x + (width - w) / 2;
            else if (a == 2)
                px = x + width - w;
            for (const auto& run : part) {
                p.setFont(run.font);
                p.drawText(QPoint(px, y + ascent), run.text);
                px += QFontMetrics(run.font).horizontalAdvance(run.text);
            }
        }
        y += h;
    }
    p.restore();
}

int printLastRow(const SpreadModel& m, const PrintSettings& s) {
    if (!s.useDataMax)
        return m.maxRows();
    int last = 0;
    for (int r = m.maxRows(); r >= 1; --r) {
        if (m.rowHasData(r)) {
            last = r;
            break;
        }
    }
    // A span that starts on a printed row is printed whole.
    for (const Span& sp : m.spans()) {
        if (sp.row <= last)
            last = std::max(last, sp.row + sp.rows - 1);
    }
    return std::min(last, m.maxRows());
}

int printLastCol(const SpreadModel& m, const PrintSettings& s) {
    if (!s.useDataMax)
        return m.maxCols();
    int last = 0;
    const int lastRow = printLastRow(m, s);
    for (int r = 1; r <= lastRow; ++r) {
        const RowData& rd = m.rowData(r);
        const int n = std::min(static_cast<int>(rd.cells.size()) - 1, m.maxCols());
        for (int c = n; c > last; --c) {
            if (m.cellHasData(c, r)) {
                last = c;
                break;
            }
        }
    }
    for (const Span& sp : m.spans()) {
        if (sp.col <= last && sp.row <= lastRow)
            last = std::max(last, sp.col + sp.cols - 1);
    }
    return std::min(last, m.maxCols());
}

namespace {

struct PageFrame {
    int left, top, width, height; // grid band in pixels
    int headerH, footerH;
    int colHeaderH, rowHeaderW;
};

PageFrame frameFor(const SpreadModel& m, const PrintSettings& s, const QSize& paperPx, int page) {
    PageFrame f{};
    const QFont base = makeFont(s.fontName, s.fontSize);
    f.headerH = headerHeightPx(parseHeaderCodes(s.header, page, base));
    f.footerH = headerHeightPx(parseHeaderCodes(s.footer, page, base));
    f.left = twipsToPx(s.marginLeft);
    const int right = twipsToPx(s.marginRight);
    f.top = twipsToPx(s.marginTop) + f.headerH + (f.headerH > 0 ? kBandGap : 0);
    const int bottom =
        paperPx.height() - twipsToPx(s.marginBottom) - f.footerH - (f.footerH > 0 ? kBandGap : 0);
    f.width = std::max(1, paperPx.width() - f.left - right);
    f.height = std::max(1, bottom - f.top);
    f.colHeaderH = s.colHeaders ? m.rowHeightPx(0) : 0;
    f.rowHeaderW = s.rowHeaders ? m.colWidthPx(0) : 0;
    return f;
}

// A page that is full before row `end` ends above the merged cells that would run over to the next
// page; merged cells that started on an earlier page or are taller than the page are cut where it is full.
int breakBeforeSpans(const SpreadModel& m, int first, int end) {
    int moved = end;
    for (bool again = true; again;) {
        again = false;
        for (const Span& sp : m.spans()) {
            if (sp.row < moved && sp.row + sp.rows - 1 >= moved && sp.row > first) {
                moved = sp.row;
                again = true;
            }
        }
    }
    return moved;
}

// Height of the tallest run of rows between page breaks, a run of more than `rows` rows counted by
// its tallest `rows` consecutive rows.
int tallestRun(const SpreadModel& m, int lastRow, int rows) {
    int tallest = 0;
    for (int first = 1; first <= lastRow;) {
        int end = first + 1;
        while (end <= lastRow && !m.rowData(end).pageBreak)
            ++end;
        int sum = 0;
        for (int r = first; r < end; ++r) {
            sum += m.rowHeightPx(r);
            if (r - first >= rows)
                sum -= m.rowHeightPx(r - rows);
            tallest = std::max(tallest, sum);
        }
        first = end;
    }
    return tallest;
}

// The block's scale and the room its rows and columns have on a page, in unscaled pixels.
struct BlockFit {
    double scale = 1.0;
    int rowsH = 1;
    int colsW = 1;
};

BlockFit fitBlock(const SpreadModel& m, const PrintSettings& s, const PageFrame& f) {
    BlockFit b;
    const int border = s.border ? 1 : 0;
    int tallest = 0;
    if (s.fitRows > 0) {
        tallest = tallestRun(m, printLastRow(m, s), s.fitRows);
        const int blockH = f.colHeaderH + tallest + border;
        if (blockH > f.height)
            b.scale = static_cast<double>(f.height) / blockH;
    }
    // Shrunk, the page holds the tallest run exactly; counting it in whole pixels keeps rounding from
    // pushing its last row to the next page.
    b.rowsH = b.scale < 1.0 ? std::max(1, tallest) : std::max(1, f.height - f.colHeaderH - border);
    b.colsW = std::max(1, static_cast<int>(std::min(f.width / b.scale, 1e9)) - f.rowHeaderW - border);
    return b;
}

} // namespace

double printScale(const SpreadModel& m, const PrintSettings& s, const QSize& paperPx) {
    return fitBlock(m, s, frameFor(m, s, paperPx, 1)).scale;
}

std::vector<PageSlice> paginate(const SpreadModel& m, const PrintSettings& s, const QSize& paperPx) {
    const BlockFit fit = fitBlock(m, s, frameFor(m, s, paperPx, 1));
    const int lastRow = printLastRow(m, s);
    const int lastCol = printLastCol(m, s);
    const int availH = fit.rowsH;
    const int availW = fit.colsW;

    std::vector<std::pair<int, int>> rowBands;
    int r = 1;
    while (r <= lastRow) {
        int used = 0;
        int end = r;
        while (end <= lastRow) {
            const int h = m.rowHeightPx(end);
            if (end > r && m.rowData(end).pageBreak)
                break;
            if (end > r && used + h > availH) {
                end = breakBeforeSpans(m, r, end);
                break;
            }
            used += h;
            ++end;
        }
        rowBands.emplace_back(r, end - 1);
        r = end;
    }
    if (rowBands.empty())
        rowBands.emplace_back(1, 0);

    std::vector<std::pair<int, int>> colBands;
    int c = 1;
    while (c <= lastCol) {
        int used = 0;
        int end = c;
        while (end <= lastCol) {
            const int w = m.colWidthPx(end);
            if (end > c && used + w > availW)
                break;
            used += w;
            ++end;
        }
        colBands.emplace_back(c, end - 1);
        c = end;
    }
    if (colBands.empty())
        colBands.emplace_back(1, 0);

    std::vector<PageSlice> pages;
    for (const auto& cb : colBands) {
        for (const auto& rb : rowBands)
            pages.push_back(PageSlice{rb.first, rb.second, cb.first, cb.second});
    }
    return pages;
}

void drawBlock(QPainter& p, const SpreadModel& m, const PrintSettings& s, const QPoint& origin,
               const PageSlice& slice) {
    const QFont base = makeFont(s.fontName, s.fontSize);
    const int colHeaderH = s.colHeaders ? m.rowHeightPx(0) : 0;
    const int rowHeaderW = s.rowHeaders ? m.colWidthPx(0) : 0;

    // Positions of the block's columns and rows.
    std::vector<int> xs; // left of each column col1..col2+1
    int x = origin.x() + rowHeaderW;
    for (int c = slice.col1; c <= slice.col2 + 1; ++c) {
        xs.push_back(x);
        if (c <= slice.col2)
            x += m.colWidthPx(c);
    }
    std::vector<int> ys;
    int y = origin.y() + colHeaderH;
    for (int r = slice.row1; r <= slice.row2 + 1; ++r) {
        ys.push_back(y);
        if (r <= slice.row2)
            y += m.rowHeightPx(r);
    }
    const int gridRight = xs.back();
    const int gridBottom = ys.back();
    auto colX = [&](int c) {
        if (c >= slice.col1)
            return xs[c - slice.col1];
        int v = xs.front();
        for (int k = c; k < slice.col1; ++k)
            v -= m.colWidthPx(k);
        return v;
    };
    auto rowY = [&](int r) {
        if (r >= slice.row1)
            return ys[r - slice.row1];
        int v = ys.front();
        for (int k = r; k < slice.row1; ++k)
            v -= m.rowHeightPx(k);
        return v;
    };

    if (s.colHeaders) {
        if (s.rowHeaders)
            paintHeaderCell(p, QRect(origin.x(), origin.y(), rowHeaderW, colHeaderH), QString(), base,
                            s.shadows, s.gridColor, s.grid);
        for (int c = slice.col1; c <= slice.col2; ++c) {
            const int w = m.colWidthPx(c);
            if (w <= 0)
                continue;
            const QString t = m.cell(c, 0).text;
            paintHeaderCell(p, QRect(colX(c), origin.y(), w, colHeaderH),
                            t.isEmpty() ? SpreadModel::columnLetters(c) : t, base, s.shadows, s.gridColor,
                            s.grid);
        }
    }
    if (s.rowHeaders) {
        for (int r = slice.row1; r <= slice.row2; ++r) {
            const int h = m.rowHeightPx(r);
            if (h <= 0)
                continue;
            const QString t = m.cell(0, r).text;
            paintHeaderCell(p, QRect(origin.x(), rowY(r), rowHeaderW, h),
                            t.isEmpty() ? QString::number(r) : t, base, s.shadows, s.gridColor, s.grid);
        }
    }

    // Cells; a span is drawn once, from its first cell in the block, clipped to the block's cells.
    PaintOptions o;
    o.gridLines = s.grid;
    o.gridColor = s.gridColor;
    o.colors = s.color;
    p.save();
    p.setClipRect(QRect(xs.front(), ys.front(), gridRight - xs.front(), gridBottom - ys.front()),
                  Qt::IntersectClip);
    for (int r = slice.row1; r <= slice.row2; ++r) {
        for (int c = slice.col1; c <= slice.col2; ++c) {
            if (m.colWidthPx(c) <= 0 || m.rowHeightPx(r) <= 0)
                continue;
            if (const Span* sp = m.spanAt(c, r)) {
                if (c != std::max(sp->col, slice.col1) || r != std::max(sp->row, slice.row1))
                    continue;
                int w = 0, h = 0;
                for (int k = sp->col; k < sp->col + sp->cols; ++k)
                    w += m.colWidthPx(k);
                for (int k = sp->row; k < sp->row + sp->rows; ++k)
                    h += m.rowHeightPx(k);
                paintCell(p, m, sp->col, sp->row, QRect(colX(sp->col), rowY(sp->row), w, h), o);
            } else {
                paintCell(p, m, c, r, QRect(colX(c), rowY(r), m.colWidthPx(c), m.rowHeightPx(r)), o);
            }
        }
    }
    p.restore();

    if (s.border) {
        const QRect outer(origin.x(), origin.y(), gridRight - origin.x(), gridBottom - origin.y());
        p.fillRect(QRect(outer.left(), outer.top(), outer.width() + 1, 1), Qt::black);
        p.fillRect(QRect(outer.left(), outer.bottom() + 1, outer.width() + 1, 1), Qt::black);
        p.fillRect(QRect(outer.left(), outer.top(), 1, outer.height() + 1), Qt::black);
        p.fillRect(QRect(outer.right() + 1, outer.top(), 1, outer.height() + 1), Qt::black);
    }
}

void drawPage(QPainter& p, const SpreadModel& m, const PrintSettings& s, const QSize& paperPx,
              const PageSlice& slice, int pageNumber, double scale) {
    const PageFrame f = frameFor(m, s, paperPx, pageNumber);
    const QFont base = makeFont(s.fontName, s.fontSize);
    drawHeaderLines(p, parseHeaderCodes(s.header, pageNumber, base), f.left, twipsToPx(s.marginTop), f.width);
    drawHeaderLines(p, parseHeaderCodes(s.footer, pageNumber, base), f.left,
                    paperPx.height() - twipsToPx(s.marginBottom) - f.footerH, f.width);
    if (scale == 1.0) {
        drawBlock(p, m, s, QPoint(f.left, f.top), slice);
        return;
    }
    p.save();
    p.translate(f.left, f.top);
    p.scale(scale, scale);
    drawBlock(p, m, s, QPoint(0, 0), slice);
    p.restore();
}

int printGrid(const SpreadModel& m, const PrintSettings& s, QPrinter& printer) {
    if (!s.jobName.isEmpty())
        printer.setDocName(s.jobName);
    const bool wasFullPage = printer.fullPage();
    printer.setFullPage(true); // margins are the grid's own, measured from the paper's edge
    const QRect paper = printer.pageLayout().fullRectPixels(96);
    const QSize paperPx = paper.size();
    const std::vector<PageSlice> pages = paginate(m, s, paperPx);
    const double blockScale = printScale(m, s, paperPx);

    QPainter p;
    if (!p.begin(&printer)) {
        printer.setFullPage(wasFullPage);
        return -1;
    }
    const double scale = printer.resolution() / 96.0;
    int n = 0;
    for (const PageSlice& slice : pages) {
        if (n > 0)
            printer.newPage();
        ++n;
        p.save();
        p.scale(scale, scale);
        drawPage(p, m, s, paperPx, slice, n, blockScale);
        p.restore();
    }
    p.end();
    printer.setFullPage(wasFullPage);
    return n;
}

} // namespace spread
