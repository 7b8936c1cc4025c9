// Surfaces that paint with QPainter: a picture surface on a QImage and a surface on any paint device
// (a printer or PDF writer for pages).
#pragma once
#include <QFontMetrics>
#include <QImage>
#include <memory>
#include <optional>

#include "platform/gdi/Surface.h"

class QPainter;
class QPaintDevice;
class QPagedPaintDevice;

namespace gdi {

// The QPainter work shared by every painting surface. The painter is begun on the first drawing call
// (a printer's page exists only once something is drawn) and ended by end().
struct FontCacheEntry;

class PaintSurface : public Surface {
public:
    ~PaintSurface() override;
    // Ends the painter; the next drawing call begins it again.
    void end();
    // Limits every drawing call to a rectangle of device pixels, as a device of that size would, until
    // clearClip(); the limit outlives end() and a resize.
    void setClipPx(const QRect& r);
    void clearClip();

protected:
    virtual QPaintDevice* device() const = 0;
    // The painter, begun if need be; nullptr when the device cannot be painted on.
    QPainter* painter();
    bool painterActive() const;

    int measureWidthPx(const QString& line) const override;
    LineMetrics deviceLineMetrics() const override;
    void fontChanged() override;
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
    FontCacheEntry& fontEntry() const;
    void applyPenAndBrush(QPainter& p, bool withBrush);

    std::unique_ptr<QPainter> painter_;
    std::optional<QRect> clip_;
    mutable FontCacheEntry* font_ = nullptr;
};

// A persistent picture surface: a QImage at 96 dpi whose content stays until cleared, and which keeps
// what it holds when it grows. picture() hands out an independent copy.
class ImageSurface : public PaintSurface {
public:
    explicit ImageSurface(QSize sizePx = QSize(), const QColor& back = Qt::white);
    ~ImageSurface() override;

    QSize sizePx() const override { return image_.size(); }
    // New size; the old content stays at the top-left and new parts are filled with the back colour.
    void resize(QSize sizePx);
    // A new image of that size whose pixels are undefined until painted, for a caller that paints
    // every one: a tall picture filled band by band just before it is drawn on is still in the cache
    // when text is blended onto it.
    void renew(QSize sizePx);
    QColor backColor() const { return back_; }
    void setBackColor(const QColor& c) { back_ = c; }
    // Cls: fills with the back colour, positions back to 0.
    void cls() { clear(back_); }
    // The picture as a value: later drawing does not change it. Null for a 0-sized surface.
    QImage picture();
    // The picture handed over without a copy (a tall picture is many megabytes); the surface is left
    // empty, 0 by 0, until the next resize.
    QImage takePicture();
    // The live image (for showing it); valid until the next drawing call or resize.
    const QImage& image();

protected:
    QPaintDevice* device() const override;

private:
    mutable QImage image_;
    QColor back_;
};

// A surface on any paint device at that device's resolution: a QPrinter or QPdfWriter for printed
// pages (the origin is the top-left of the printable area), or an image, pixmap or widget. A widget is
// painted on inside its paint event only (the surface must end before the event returns) and is given
// kScreenDpi, so that it keeps 15 twips per pixel whatever the desktop says.
class DeviceSurface : public PaintSurface {
public:
    // dpi > 0 replaces the device's own resolution.
    explicit DeviceSurface(QPaintDevice* device, double dpi = 0);
    ~DeviceSurface() override;

    QSize sizePx() const override;
    double dpiX() const override;
    double dpiY() const override;
    // Adds the paged device's paper size and printable-area offset (PHYSICALWIDTH/HEIGHT/OFFSETX/Y).
    int deviceCaps(int index) const override;
    // Offset of the printable area from the paper's corner, and the paper size, in device pixels.
    QPoint physicalOffsetPx() const;
    QSize paperSizePx() const;
    bool isPaged() const;
    // NewPage: ends the page and starts the next (the first page is begun if nothing was drawn yet).
    bool newPage();
    // EndDoc: finishes the document.
    void endDoc() { end(); }

protected:
    QPaintDevice* device() const override { return device_; }

private:
    QPaintDevice* device_;
    QPagedPaintDevice* paged_;
    double dpi_;
};

} // namespace gdi
