// A surface for tests: fixed synthetic text metrics, and a record of every drawing call with the
// state it was drawn in.
#pragma once
#include <vector>

#include "platform/gdi/Surface.h"

namespace gdi {

struct RecordedCall {
    enum class Kind { Clear, FillRect, Line, Rectangle, Ellipse, Polygon, Arc, Pie, TextOut, Image };
    Kind kind = Kind::Clear;
    QVector<QPoint> points; // Line: from, to; Polygon: the vertices; TextOut: the top-left corner
    GdiRect rect;           // Rectangle, Ellipse, Arc, Pie, FillRect, Image
    double startDeg = 0;    // Arc, Pie
    double spanDeg = 0;
    QString text;         // TextOut
    bool clipped = false; // TextOut inside a DrawText rectangle
    GdiRect clip;
    Pen pen;
    Brush brush;
    QColor color;     // TextOut: the text colour; FillRect, Clear: the fill colour
    QString fontName; // TextOut: the selected font's name and point size
    double fontSize = 0;
};

class RecordingSurface : public Surface {
public:
    // Every character is as wide and as high as the font's pixel size (12 pt at 96 dpi: 16 x 16 px,
    // 240 x 240 twips); the ascent is four fifths of it, no external leading.
    explicit RecordingSurface(QSize sizePx = QSize(1000, 1000), double dpi = kScreenDpi);

    QSize sizePx() const override { return size_; }
    double dpiX() const override { return dpi_; }
    double dpiY() const override { return dpi_; }

    const std::vector<RecordedCall>& calls() const { return calls_; }
    // The calls of one kind, in order.
    std::vector<RecordedCall> callsOf(RecordedCall::Kind kind) const;
    void clearCalls() { calls_.clear(); }

protected:
    int measureWidthPx(const QString& line) const override;
    LineMetrics deviceLineMetrics() const override;
    void doClear(const QColor& c) override;
    void doFillRect(const GdiRect& r, const QColor& c) override;
    void doLine(QPoint from, QPoint to) override;
    void doRectangle(const GdiRect& r) override;
    void doEllipse(const GdiRect& r) override;
    void doPolygon(const QVector<QPoint>& pts) override;
    void doArc(const GdiRect& r, double startDeg, double spanDeg, bool pie) override;
    void doTextOut(QPoint topLeft, const QString& s, const GdiRect* clip) override;
    void doImage(const GdiRect& r, const QImage& img) override;

private:
    RecordedCall& add(RecordedCall::Kind kind);
    int charPx() const;

    QSize size_;
    double dpi_;
    std::vector<RecordedCall> calls_;
};

} // namespace gdi
