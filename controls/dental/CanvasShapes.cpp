#include "controls/dental/CanvasShapes.h"

#include <algorithm>
#include <cmath>

#include "platform/gdi/Gdi.h"

namespace kestrin {

namespace {

// Far beyond any picture, well inside int.
constexpr double kPxLimit = 1 << 24;

// Selects the frame pen and the fill brush for one shape and puts the old ones back afterwards.
class ShapeStyle {
public:
    ShapeStyle(gdi::Surface& s, const QColor& frame, const QColor& fill)
        : s_(s), pen_(s.selectPen(gdi::Pen{gdi::PenStyle::Solid, 1, frame})),
          brush_(s.selectBrush(gdi::solidBrush(fill))), mode_(s.setPolyFillMode(gdi::FillMode::Winding)) {}
    ~ShapeStyle() {
        s_.setPolyFillMode(mode_);
        s_.selectBrush(brush_);
        s_.selectPen(pen_);
    }

private:
    gdi::Surface& s_;
    gdi::Pen pen_;
    gdi::Brush brush_;
    gdi::FillMode mode_;
};

} // namespace

int clampPx(double v) {
    return gdi::vbRound(std::clamp(v, -kPxLimit, kPxLimit));
}

void drawFramedBox(gdi::Surface& s, const QRect& r, const QColor& frame, const QColor& fill) {
    if (r.width() <= 0 || r.height() <= 0)
        return;
    ShapeStyle style(s, frame, fill);
    s.rectangle(r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
}

void drawFaceTriangle(gdi::Surface& s, const QRect& r, FaceShape shape, const QColor& frame,
                      const QColor& fill) {
    if (r.width() <= 0 || r.height() <= 0)
        return;
    const int l = r.left();
    const int t = r.top();
    const int rr = r.left() + r.width() - 1;
    const int b = r.top() + r.height() - 1;
    const int midX = l + (r.width() - 1) / 2;
    const int midY = t + (r.height() - 1) / 2;
    QVector<QPoint> pts;
    switch (shape) {
    case FaceShape::Left:
        pts = {QPoint(l, t), QPoint(l, b), QPoint(rr, midY)};
        break;
    case FaceShape::Right:
        pts = {QPoint(rr, t), QPoint(rr, b), QPoint(l, midY)};
        break;
    case FaceShape::Upper:
        pts = {QPoint(l, t), QPoint(rr, t), QPoint(midX, b)};
        break;
    case FaceShape::Lower:
        pts = {QPoint(l, b), QPoint(rr, b), QPoint(midX, t)};
        break;
    }
    ShapeStyle style(s, frame, fill);
    s.polygon(pts);
}

std::array<FaceRect, 4> plaqueFaceRects(qint64 top, qint64 left, qint64 width, qint64 height) {
    const auto px = [](double v) { return clampPx(v); };
    const int halfW = px(std::floor(width / 2.0 + 0.5));
    const int halfH = px(std::floor(height / 2.0 + 0.5));
    const int l = px(left), t = px(top), w = px(width), h = px(height);
    return {FaceRect{FaceShape::Left, QRect(l, t, halfW, h)},
            FaceRect{FaceShape::Right, QRect(px(left + std::floor(width / 2.0)), t, halfW, h)},
            FaceRect{FaceShape::Upper, QRect(l, t, w, halfH)},
            FaceRect{FaceShape::Lower, QRect(l, px(top + std::floor(height / 2.0)), w, halfH)}};
}

QPoint centredTextOrigin(qint64 left, qint64 top, qint64 width, qint64 height, int tw, int th) {
    return QPoint(clampPx(double(left) + width / 2.0 - tw / 2.0),
                  clampPx(double(top) + height / 2.0 - th / 2.0));
}

} // namespace kestrin
