#include "platform/gdi/RecordingSurface.h"

#include "platform/gdi/GdiFont.h"

namespace gdi {

RecordingSurface::RecordingSurface(QSize sizePx, double dpi) : size_(sizePx), dpi_(dpi) {}

std::vector<RecordedCall> RecordingSurface::callsOf(RecordedCall::Kind kind) const {
    std::vector<RecordedCall> out;
    for (const RecordedCall& c : calls_)
        if (c.kind == kind)
            out.push_back(c);
    return out;
}

int RecordingSurface::charPx() const {
    return fontPixelSize(fontSize(), dpi_);
}

int RecordingSurface::measureWidthPx(const QString& line) const {
    return static_cast<int>(line.size()) * charPx();
}

LineMetrics RecordingSurface::deviceLineMetrics() const {
    const int h = charPx();
    return LineMetrics{h, h * 4 / 5, 0};
}

RecordedCall& RecordingSurface::add(RecordedCall::Kind kind) {
    RecordedCall c;
    c.kind = kind;
    c.pen = pen();
    c.brush = brush();
    c.color = textColor();
    c.fontName = font().family();
    c.fontSize = fontSize();
    calls_.push_back(c);
    return calls_.back();
}

void RecordingSurface::doClear(const QColor& c) {
    add(RecordedCall::Kind::Clear).color = c;
}

void RecordingSurface::doFillRect(const GdiRect& r, const QColor& c) {
    RecordedCall& call = add(RecordedCall::Kind::FillRect);
    call.rect = r;
    call.color = c;
}

void RecordingSurface::doLine(QPoint from, QPoint to) {
    add(RecordedCall::Kind::Line).points = {from, to};
}

void RecordingSurface::doRectangle(const GdiRect& r) {
    add(RecordedCall::Kind::Rectangle).rect = r;
}

void RecordingSurface::doEllipse(const GdiRect& r) {
    add(RecordedCall::Kind::Ellipse).rect = r;
}

void RecordingSurface::doPolygon(const QVector<QPoint>& pts) {
    add(RecordedCall::Kind::Polygon).points = pts;
}

void RecordingSurface::doArc(const GdiRect& r, double startDeg, double spanDeg, bool pie) {
    RecordedCall& call = add(pie ? RecordedCall::Kind::Pie : RecordedCall::Kind::Arc);
    call.rect = r;
    call.startDeg = startDeg;
    call.spanDeg = spanDeg;
}

void RecordingSurface::doTextOut(QPoint topLeft, const QString& s, const GdiRect* clip) {
    RecordedCall& call = add(RecordedCall::Kind::TextOut);
    call.points = {topLeft};
    call.text = s;
    if (clip) {
        call.clipped = true;
        call.clip = *clip;
    }
}

void RecordingSurface::doImage(const GdiRect& r, const QImage&) {
    add(RecordedCall::Kind::Image).rect = r;
}

} // namespace gdi
