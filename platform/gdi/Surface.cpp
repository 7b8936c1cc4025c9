#include "platform/gdi/Surface.h"

#include <QTextBoundaryFinder>
#include <algorithm>
#include <cmath>

#include "platform/gdi/GdiFont.h"

namespace gdi {

namespace {

// Lines of a text as the old runtime counts them: CR LF, CR and LF each end a line.
QStringList splitLines(const QString& s) {
    QStringList lines;
    QString cur;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s.at(i);
        if (c == QChar('\r') || c == QChar('\n')) {
            lines.append(cur);
            cur.clear();
            if (c == QChar('\r') && i + 1 < s.size() && s.at(i + 1) == QChar('\n'))
                ++i;
        } else {
            cur.append(c);
        }
    }
    lines.append(cur);
    return lines;
}

QString trimRightBlanks(const QString& s) {
    qsizetype n = s.size();
    while (n > 0 && (s.at(n - 1) == QChar(' ') || s.at(n - 1) == QChar('\t')))
        --n;
    return s.left(n);
}

double angleOn(double cx, double cy, double a, double b, int x, int y) {
    const double deg = std::atan2(-(y - cy) / b, (x - cx) / a) * 180.0 / M_PI;
    return deg < 0 ? deg + 360.0 : deg;
}

GdiRect normalized(int l, int t, int r, int b) {
    return GdiRect{std::min(l, r), std::min(t, b), std::max(l, r), std::max(t, b)};
}

} // namespace

Surface::Surface() : font_(logicalFont(QStringLiteral("ＭＳ Ｐゴシック"), 9)) {}

Surface::~Surface() = default;

int Surface::deviceCaps(int index) const {
    const QSize sz = sizePx();
    switch (index) {
    case caps::kHorzRes:
    case caps::kPhysicalWidth:
        return sz.width();
    case caps::kVertRes:
    case caps::kPhysicalHeight:
        return sz.height();
    case caps::kHorzSize:
        return vbRound(sz.width() * 25.4 / dpiX());
    case caps::kVertSize:
        return vbRound(sz.height() * 25.4 / dpiY());
    case caps::kLogPixelsX:
        return vbRound(dpiX());
    case caps::kLogPixelsY:
        return vbRound(dpiY());
    case caps::kBitsPixel:
        return 32;
    case caps::kPlanes:
        return 1;
    default:
        return 0;
    }
}

Pen Surface::selectPen(const Pen& p) {
    Pen old = pen_;
    pen_ = p;
    return old;
}

Brush Surface::selectBrush(const Brush& b) {
    Brush old = brush_;
    brush_ = b;
    return old;
}

FillMode Surface::setPolyFillMode(FillMode m) {
    const FillMode old = fillMode_;
    fillMode_ = m;
    return old;
}

BkMode Surface::setBkMode(BkMode m) {
    const BkMode old = bkMode_;
    bkMode_ = m;
    return old;
}

QColor Surface::setBkColor(const QColor& c) {
    const QColor old = bkColor_;
    bkColor_ = c;
    return old;
}

QColor Surface::setTextColor(const QColor& c) {
    const QColor old = textColor_;
    textColor_ = c;
    return old;
}

void Surface::setFont(const QFont& logical) {
    QFont f = logical;
    if (f.pointSizeF() <= 0)
        f.setPointSizeF(fontPoints(logical));
    if (f == font_ && f.family() == font_.family())
        return;
    font_ = f;
    fontStateChanged();
}

double Surface::fontSize() const {
    return fontPoints(font_);
}

void Surface::setFontSize(double points) {
    const double pt = points > 0 ? points : 1.0;
    if (pt == font_.pointSizeF())
        return;
    font_.setPointSizeF(pt);
    fontStateChanged();
}

void Surface::setFontName(const QString& name) {
    font_.setFamily(name);
    fontStateChanged();
}

void Surface::setFontBold(bool on) {
    font_.setBold(on);
    fontStateChanged();
}

void Surface::setFontItalic(bool on) {
    font_.setItalic(on);
    fontStateChanged();
}

void Surface::setFontUnderline(bool on) {
    font_.setUnderline(on);
    fontStateChanged();
}

void Surface::setFontStrikethru(bool on) {
    font_.setStrikeOut(on);
    fontStateChanged();
}

const QFont& Surface::deviceFont() const {
    if (!deviceFontReady_) {
        deviceFont_ = gdi::deviceFont(font_, dpiY());
        deviceFontReady_ = true;
    }
    return deviceFont_;
}

void Surface::fontStateChanged() {
    deviceFontReady_ = false;
    fontChanged();
}

QSize Surface::textExtentPx(const QString& s) const {
    return QSize(measureWidthPx(s), deviceLineMetrics().height);
}

int Surface::textWidthPx(const QString& s) const {
    int w = 0;
    for (const QString& line : splitLines(s))
        w = std::max(w, line.isEmpty() ? 0 : measureWidthPx(line));
    return w;
}

int Surface::textHeightPx(const QString& s) const {
    return static_cast<int>(splitLines(s).size()) * deviceLineMetrics().height;
}

LineMetrics Surface::lineMetrics() const {
    return deviceLineMetrics();
}

void Surface::clear(const QColor& c) {
    doClear(c);
    pos_ = QPoint();
    currentX_ = 0;
    currentY_ = 0;
}

void Surface::fillRect(const GdiRect& r, const QColor& c) {
    if (r.width() > 0 && r.height() > 0)
        doFillRect(r, c);
}

QPoint Surface::moveTo(int x, int y) {
    const QPoint old = pos_;
    pos_ = QPoint(x, y);
    return old;
}

void Surface::lineTo(int x, int y) {
    const QPoint to(x, y);
    if (pen_.style != PenStyle::Null)
        doLine(pos_, to);
    pos_ = to;
}

void Surface::polyline(const QVector<QPoint>& pts) {
    if (pts.isEmpty())
        return;
    const QPoint keep = pos_;
    moveTo(pts.first().x(), pts.first().y());
    for (qsizetype i = 1; i < pts.size(); ++i)
        lineTo(pts.at(i).x(), pts.at(i).y());
    pos_ = keep; // Polyline does not move the current position
}

void Surface::line(int x1, int y1, int x2, int y2, const QColor& color, int width) {
    const Pen old = selectPen(Pen{PenStyle::Solid, width, color});
    moveTo(x1, y1);
    lineTo(x2, y2);
    selectPen(old);
}

void Surface::rectangle(int l, int t, int r, int b) {
    const GdiRect n = normalized(l, t, r, b);
    if (n.width() > 0 && n.height() > 0)
        doRectangle(n);
}

void Surface::ellipse(int l, int t, int r, int b) {
    const GdiRect n = normalized(l, t, r, b);
    if (n.width() > 0 && n.height() > 0)
        doEllipse(n);
}

void Surface::polygon(const QVector<QPoint>& pts) {
    if (pts.size() >= 2)
        doPolygon(pts);
}

void Surface::arc(int l, int t, int r, int b, int x1, int y1, int x2, int y2) {
    arcOrPie(l, t, r, b, x1, y1, x2, y2, false);
}

void Surface::pie(int l, int t, int r, int b, int x1, int y1, int x2, int y2) {
    arcOrPie(l, t, r, b, x1, y1, x2, y2, true);
}

void Surface::arcOrPie(int l, int t, int r, int b, int x1, int y1, int x2, int y2, bool pie) {
    const GdiRect n = normalized(l, t, r, b);
    if (n.width() < 2 || n.height() < 2)
        return;
    const double cx = (n.left + n.right) / 2.0;
    const double cy = (n.top + n.bottom) / 2.0;
    const double a = n.width() / 2.0;
    const double bb = n.height() / 2.0;
    const double start = angleOn(cx, cy, a, bb, x1, y1);
    const double end = angleOn(cx, cy, a, bb, x2, y2);
    double span = end - start;
    if (span <= 0)
        span += 360.0;
    doArc(n, start, span, pie);
}

void Surface::textOut(int x, int y, const QString& s) {
    if (s.isEmpty())
        return;
    if (bkMode_ == BkMode::Opaque) {
        const QSize ext = textExtentPx(s);
        doFillRect(GdiRect{x, y, x + ext.width(), y + ext.height()}, bkColor_);
    }
    doTextOut(QPoint(x, y), s, nullptr);
}

namespace {

// One line of DrawText output: the text and, after prefix processing, the index of the underlined
// character (-1 for none).
struct DtLine {
    QString text;
    qsizetype underline = -1;
};

// "&&" stands for "&"; a lone "&" is dropped and underlines the character after it.
DtLine stripPrefix(const QString& s) {
    DtLine out;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s.at(i) == QChar('&') && i + 1 < s.size()) {
            ++i;
            if (s.at(i) != QChar('&'))
                out.underline = out.text.size();
        } else if (s.at(i) == QChar('&')) {
            continue;
        }
        out.text.append(s.at(i));
    }
    return out;
}

QString expandTabs(const QString& s) {
    QString out;
    for (const QChar c : s) {
        if (c == QChar('\t')) {
            const qsizetype pad = 8 - out.size() % 8;
            out.append(QString(pad, QChar(' ')));
        } else {
            out.append(c);
        }
    }
    return out;
}

} // namespace

int Surface::drawText(const QString& s, GdiRect& r, unsigned flags) {
    const LineMetrics lm = deviceLineMetrics();
    const int lineH = lm.height + ((flags & dt::kExternalLeading) ? lm.externalLeading : 0);
    const int width = r.width();

    // Paragraphs, then lines wrapped at word boundaries (Unicode line breaking also allows a break
    // between ideographs, as Japanese Windows does).
    QStringList paragraphs;
    if (flags & dt::kSingleLine) {
        QString one = s;
        one.remove(QChar('\r'));
        one.remove(QChar('\n'));
        paragraphs.append(one);
    } else {
        paragraphs = splitLines(s);
    }
    QStringList lines;
    for (QString para : paragraphs) {
        if (flags & dt::kExpandTabs)
            para = expandTabs(para);
        if (!(flags & dt::kWordBreak) || (flags & dt::kSingleLine) || para.isEmpty()) {
            lines.append(para);
            continue;
        }
        QTextBoundaryFinder finder(QTextBoundaryFinder::Line, para);
        QList<qsizetype> breaks;
        for (qsizetype b = finder.toNextBoundary(); b > 0; b = finder.toNextBoundary())
            breaks.append(b);
        qsizetype start = 0;
        qsizetype lastFit = -1;
        qsizetype i = 0;
        while (i < breaks.size()) {
            const qsizetype b = breaks.at(i);
            if (measureWidthPx(trimRightBlanks(para.mid(start, b - start))) <= width) {
                lastFit = b;
                ++i;
                continue;
            }
            if (lastFit > start) {
                lines.append(trimRightBlanks(para.mid(start, lastFit - start)));
                start = lastFit;
                lastFit = -1;
                continue; // the same break again, from the new line's start
            }
            // A word wider than the rectangle stays whole.
            lines.append(trimRightBlanks(para.mid(start, b - start)));
            start = b;
            lastFit = -1;
            ++i;
        }
        if (start < para.size())
            lines.append(trimRightBlanks(para.mid(start)));
    }

    std::vector<DtLine> out;
    int maxW = 0;
    for (const QString& l : lines) {
        DtLine dl = (flags & dt::kNoPrefix) ? DtLine{l, -1} : stripPrefix(l);
        maxW = std::max(maxW, dl.text.isEmpty() ? 0 : measureWidthPx(dl.text));
        out.push_back(dl);
    }
    const int total = static_cast<int>(out.size()) * lineH;

    if (flags & dt::kCalcRect) {
        r.right = r.left + maxW;
        r.bottom = r.top + total;
        return total;
    }

    int y = r.top;
    if (flags & dt::kSingleLine) {
        if (flags & dt::kVCenter)
            y = r.top + (r.height() - lineH) / 2;
        else if (flags & dt::kBottom)
            y = r.bottom - lineH;
    }
    const int y0 = y;
    const GdiRect* clip = (flags & dt::kNoClip) ? nullptr : &r;
    for (const DtLine& dl : out) {
        const int w = dl.text.isEmpty() ? 0 : measureWidthPx(dl.text);
        int x = r.left;
        if (flags & dt::kCenter)
            x = r.left + (width - w) / 2;
        else if (flags & dt::kRight)
            x = r.right - w;
        if (!dl.text.isEmpty()) {
            if (bkMode_ == BkMode::Opaque)
                doFillRect(GdiRect{x, y, x + w, y + lineH}, bkColor_);
            doTextOut(QPoint(x, y), dl.text, clip);
            if (dl.underline >= 0) {
                const int ux = x + measureWidthPx(dl.text.left(dl.underline));
                const int uw = measureWidthPx(dl.text.mid(dl.underline, 1));
                doFillRect(GdiRect{ux, y + lm.ascent + 1, ux + uw, y + lm.ascent + 2}, textColor_);
            }
        }
        y += lineH;
    }
    if ((flags & dt::kSingleLine) && (flags & (dt::kVCenter | dt::kBottom)))
        return y0 + lineH - r.top;
    return total;
}

void Surface::drawImage(const GdiRect& r, const QImage& img) {
    if (!img.isNull() && r.width() > 0 && r.height() > 0)
        doImage(r, img);
}

void Surface::print(const QString& s) {
    const QStringList lines = splitLines(s);
    int y = vbRound(pxFromTwY(currentY_));
    const int x = vbRound(pxFromTwX(currentX_));
    const int lineH = deviceLineMetrics().height;
    for (const QString& l : lines) {
        if (!l.isEmpty())
            textOut(x, y, l);
        y += lineH;
    }
    currentY_ += textHeightTw(s);
    currentX_ = 0;
}

} // namespace gdi
