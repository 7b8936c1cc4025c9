// The shapes of the drawing canvas on any surface: the framed text box, the four triangular plaque faces
// and the arithmetic that places them and the texts.
#pragma once
#include <QColor>
#include <QPoint>
#include <QRect>
#include <array>

namespace gdi {
class Surface;
}

namespace kestrin {

// A triangle with its base on one edge of its rectangle and its apex at the middle of the opposite edge.
enum class FaceShape { Left, Right, Upper, Lower };

// The rectangle filled and framed with a one-pixel line on its outermost pixel ring (x = left and
// x = left + width - 1), so boxes placed one pixel apart share their border line. Nothing for an empty
// rectangle.
void drawFramedBox(gdi::Surface& s, const QRect& r, const QColor& frame, const QColor& fill);

// One face triangle inside r, filled and framed along its edges over its outermost pixels.
void drawFaceTriangle(gdi::Surface& s, const QRect& r, FaceShape shape, const QColor& frame,
                      const QColor& fill);

struct FaceRect {
    FaceShape shape;
    QRect rect;
};

// The four faces of a plaque cell in drawing order left, right, upper, lower: the left and right halves
// floor(W/2 + 0.5) wide, the right one from L + floor(W/2); the upper and lower halves likewise in
// height. With an odd side the halves share the middle line.
std::array<FaceRect, 4> plaqueFaceRects(qint64 top, qint64 left, qint64 width, qint64 height);

// Top-left corner of a text of tw x th pixels centred in the rectangle, halves to even.
QPoint centredTextOrigin(qint64 left, qint64 top, qint64 width, qint64 height, int tw, int th);

// A position kept inside what a painter can take.
int clampPx(double v);

} // namespace kestrin
