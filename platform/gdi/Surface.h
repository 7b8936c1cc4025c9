// A device context: the selected pen, brush, font, colours and modes of one drawing target, the
// gdi32 drawing calls in device pixels, and the surface services in twips (text size, Print).
#pragma once
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QVector>

#include "platform/gdi/GdiBasics.h"

namespace gdi {

// A rectangle as GDI gives it: left and top inside, right and bottom just outside.
struct GdiRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const GdiRect&) const = default;
};

// Line metrics of the selected font in device pixels (TEXTMETRIC's height, ascent, external leading).
struct LineMetrics {
    int height = 0;
    int ascent = 0;
    int externalLeading = 0;
};

class Surface {
public:
    Surface();
    virtual ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    // --- the device ---
    // Drawable size in device pixels (HORZRES x VERTRES).
    virtual QSize sizePx() const = 0;
    virtual double dpiX() const { return kScreenDpi; }
    virtual double dpiY() const { return kScreenDpi; }
    double twipsPerPixelX() const { return kTwipsPerInch / dpiX(); }
    double twipsPerPixelY() const { return kTwipsPerInch / dpiY(); }
    // Conversions between twips and device pixels, unrounded (callers round with vbRound).
    double pxFromTwX(double tw) const { return tw / twipsPerPixelX(); }
    double pxFromTwY(double tw) const { return tw / twipsPerPixelY(); }
    double twFromPxX(double px) const { return px * twipsPerPixelX(); }
    double twFromPxY(double px) const { return px * twipsPerPixelY(); }
    // GetDeviceCaps with the caps:: indexes; 0 for an index the device does not answer.
    virtual int deviceCaps(int index) const;

    // --- selected objects and modes (SelectObject and friends return what they replace) ---
    Pen selectPen(const Pen& p);
    const Pen& pen() const { return pen_; }
    Brush selectBrush(const Brush& b);
    const Brush& brush() const { return brush_; }
    FillMode setPolyFillMode(FillMode m);
    FillMode polyFillMode() const { return fillMode_; }
    // Text background: transparent by default (the program's surfaces all draw text that way).
    BkMode setBkMode(BkMode m);
    BkMode bkMode() const { return bkMode_; }
    QColor setBkColor(const QColor& c);
    QColor bkColor() const { return bkColor_; }
    QColor setTextColor(const QColor& c);
    QColor textColor() const { return textColor_; }

    // The selected font as the program's font objects hold it (name as written, point size); output and
    // measuring use it at this device's resolution.
    void setFont(const QFont& logical);
    const QFont& font() const { return font_; }
    double fontSize() const;
    void setFontSize(double points);
    void setFontName(const QString& name);
    void setFontBold(bool on);
    void setFontItalic(bool on);
    void setFontUnderline(bool on);
    void setFontStrikethru(bool on);
    // The font as painted on this device (substituted family, whole pixel size).
    const QFont& deviceFont() const;

    // --- measuring in the selected font ---
    // GetTextExtentPoint32: width of one line and the font height, in device pixels.
    QSize textExtentPx(const QString& s) const;
    // TextWidth and TextHeight: the widest line, and the number of lines times the line height; CR, LF
    // and CR LF break lines (a lone CR is two lines high and no wide).
    int textWidthPx(const QString& s) const;
    int textHeightPx(const QString& s) const;
    double textWidthTw(const QString& s) const { return twFromPxX(textWidthPx(s)); }
    double textHeightTw(const QString& s) const { return twFromPxY(textHeightPx(s)); }
    LineMetrics lineMetrics() const;

    // --- drawing in device pixels ---
    // Fills the whole surface and puts the current position and CurrentX/Y back to 0.
    void clear(const QColor& c);
    // FillRect: the rectangle without its right column and bottom row.
    void fillRect(const GdiRect& r, const QColor& c);
    // MoveToEx: returns the position it replaces.
    QPoint moveTo(int x, int y);
    QPoint currentPosition() const { return pos_; }
    // LineTo with the selected pen; a one-pixel pen leaves the end pixel out.
    void lineTo(int x, int y);
    void polyline(const QVector<QPoint>& pts);
    // A line with a solid pen of its own; the selected pen stays selected. Leaves the current position at
    // the end point.
    void line(int x1, int y1, int x2, int y2, const QColor& color, int width);
    // Rectangle and Ellipse: outlined with the pen and filled with the brush inside (l, t) - (r, b), right
    // and bottom excluded; with the null pen the fill stops one pixel short on the right and bottom.
    void rectangle(int l, int t, int r, int b);
    void ellipse(int l, int t, int r, int b);
    // Polygon: filled with the brush by the fill mode, outlined with the pen, vertices included.
    void polygon(const QVector<QPoint>& pts);
    // Arc and Pie: from the radial through (x1, y1) counter-clockwise to the radial through (x2, y2);
    // equal radials give the whole ellipse.
    void arc(int l, int t, int r, int b, int x1, int y1, int x2, int y2);
    void pie(int l, int t, int r, int b, int x1, int y1, int x2, int y2);
    // TextOut: the text's top-left corner at (x, y), in the selected font and text colour.
    void textOut(int x, int y, const QString& s);
    // DrawText with dt:: flags; returns the text height (with kVCenter or kBottom the offset from the
    // rectangle's top to the bottom of the text). With kCalcRect nothing is drawn and the rectangle's
    // right and bottom are set to fit the text.
    int drawText(const QString& s, GdiRect& r, unsigned flags);
    // The image stretched into the rectangle (right and bottom excluded).
    void drawImage(const GdiRect& r, const QImage& img);

    // --- the surface services of the old runtime, in twips ---
    double currentX() const { return currentX_; }
    double currentY() const { return currentY_; }
    void setCurrentX(double tw) { currentX_ = tw; }
    void setCurrentY(double tw) { currentY_ = tw; }
    // Print: writes the text at CurrentX, CurrentY (top-left), then CurrentX = 0 and CurrentY moves below
    // it by its text height.
    void print(const QString& s);

protected:
    // Device work, called with the state already selected.
    virtual int measureWidthPx(const QString& line) const = 0;
    virtual LineMetrics deviceLineMetrics() const = 0;
    virtual void fontChanged() {}
    virtual void doClear(const QColor& c) = 0;
    virtual void doFillRect(const GdiRect& r, const QColor& c) = 0;
    // With the selected pen, the end point left out for one-pixel pens.
    virtual void doLine(QPoint from, QPoint to) = 0;
    virtual void doRectangle(const GdiRect& r) = 0;
    virtual void doEllipse(const GdiRect& r) = 0;
    virtual void doPolygon(const QVector<QPoint>& pts) = 0;
    // Angles in degrees, counter-clockwise from three o'clock, on the ellipse's own parameter.
    virtual void doArc(const GdiRect& r, double startDeg, double spanDeg, bool pie) = 0;
    // clip: nullptr, or the rectangle outside which nothing of the text shows.
    virtual void doTextOut(QPoint topLeft, const QString& s, const GdiRect* clip) = 0;
    virtual void doImage(const GdiRect& r, const QImage& img) = 0;

private:
    void fontStateChanged();
    void arcOrPie(int l, int t, int r, int b, int x1, int y1, int x2, int y2, bool pie);

    Pen pen_;
    Brush brush_;
    FillMode fillMode_ = FillMode::Alternate;
    BkMode bkMode_ = BkMode::Transparent;
    QColor bkColor_ = Qt::white;
    QColor textColor_ = Qt::black;
    QFont font_;
    mutable QFont deviceFont_;
    mutable bool deviceFontReady_ = false;
    QPoint pos_;
    double currentX_ = 0;
    double currentY_ = 0;
};

} // namespace gdi
