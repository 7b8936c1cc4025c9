#include "platform/gdi/PaintSurface.h"

#include <QGlyphRun>
#include <QHash>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>
#include <cstdlib>
#include <mutex>

namespace gdi {

namespace {

QPen qtPen(const Pen& p) {
    static const Qt::PenStyle styles[] = {Qt::SolidLine,      Qt::DashLine, Qt::DotLine,  Qt::DashDotLine,
                                          Qt::DashDotDotLine, Qt::NoPen,    Qt::SolidLine};
    const Qt::PenStyle style = styles[std::clamp(static_cast<int>(p.style), 0, 6)];
    if (p.width <= 1) {
        // The cosmetic one-pixel pen, both end pixels covered (lines are shortened by the caller).
        QPen pen(p.color, 0, style, Qt::SquareCap, Qt::MiterJoin);
        pen.setCosmetic(true);
        return pen;
    }
    return QPen(p.color, p.width, style, Qt::RoundCap, Qt::RoundJoin);
}

QRect innerRect(const GdiRect& r) {
    return QRect(r.left, r.top, r.width(), r.height());
}

} // namespace

PaintSurface::~PaintSurface() = default;

void PaintSurface::end() {
    if (painter_ && painter_->isActive())
        painter_->end();
    painter_.reset();
}

void PaintSurface::setClipPx(const QRect& r) {
    clip_ = r;
    if (painterActive())
        painter_->setClipRect(r);
}

void PaintSurface::clearClip() {
    clip_.reset();
    if (painterActive())
        painter_->setClipping(false);
}

bool PaintSurface::painterActive() const {
    return painter_ && painter_->isActive();
}

QPainter* PaintSurface::painter() {
    if (painter_ && painter_->isActive())
        return painter_.get();
    QPaintDevice* dev = device();
    if (!dev || dev->width() <= 0 || dev->height() <= 0)
        return nullptr;
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(dev)) {
        painter_.reset();
        return nullptr;
    }
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setRenderHint(QPainter::TextAntialiasing, true);
    if (clip_)
        painter_->setClipRect(*clip_);
    return painter_.get();
}

// Measured widths and shaped glyph runs of the texts drawn in one device font, kept for the life of the
// program: pictures draw the same digits, marks and words over and over, and shaping is the costly part
// of text output. User-interface thread only, like all drawing.
struct FontCacheEntry {
    FontCacheEntry(const QFont& f, const QPaintDevice* dev)
        : font(f), fm(dev ? QFontMetrics(f, dev) : QFontMetrics(f)) {}
    QFont font;
    QFontMetrics fm;
    QHash<QString, int> widths;
    QHash<QString, QList<QGlyphRun>> runs;
};

namespace {

constexpr qsizetype kMaxCachedTexts = 20000;

QString fontKey(const QFont& f, const QPaintDevice* dev) {
    QString key = f.family();
    key += QChar(0x1F) + QString::number(f.pixelSize());
    key += f.bold() ? QChar('b') : QChar('-');
    key += f.italic() ? QChar('i') : QChar('-');
    key += f.underline() ? QChar('u') : QChar('-');
    key += f.strikeOut() ? QChar('s') : QChar('-');
    // Printer engines measure without hinting: keep their fonts apart.
    key += QChar(0x1F) + QString::number(dev ? dev->devType() : 0) + QChar('/') +
           QString::number(dev ? dev->logicalDpiX() : 0);
    return key;
}

} // namespace

FontCacheEntry& PaintSurface::fontEntry() const {
    if (!font_) {
        static QHash<QString, FontCacheEntry*> cache;
        QPaintDevice* dev = device();
        if (dev && dev->width() <= 0)
            dev = nullptr;
        const QString key = fontKey(deviceFont(), dev);
        auto it = cache.constFind(key);
        if (it == cache.constEnd())
            it = cache.insert(key, new FontCacheEntry(deviceFont(), dev));
        font_ = *it;
    }
    return *font_;
}

void PaintSurface::fontChanged() {
    font_ = nullptr;
}

int PaintSurface::measureWidthPx(const QString& line) const {
    FontCacheEntry& e = fontEntry();
    auto it = e.widths.constFind(line);
    if (it != e.widths.constEnd())
        return *it;
    if (e.widths.size() > kMaxCachedTexts)
        e.widths.clear();
    const int w = e.fm.horizontalAdvance(line);
    e.widths.insert(line, w);
    return w;
}

LineMetrics PaintSurface::deviceLineMetrics() const {
    const QFontMetrics& fm = fontEntry().fm;
    return LineMetrics{fm.height(), fm.ascent(), fm.leading()};
}

void PaintSurface::doClear(const QColor& c) {
    if (QPainter* p = painter()) {
        p->save();
        p->setCompositionMode(QPainter::CompositionMode_Source);
        p->fillRect(QRect(QPoint(0, 0), sizePx()), c);
        p->restore();
    }
}

void PaintSurface::doFillRect(const GdiRect& r, const QColor& c) {
    if (QPainter* p = painter())
        p->fillRect(innerRect(r), c);
}

void PaintSurface::applyPenAndBrush(QPainter& p, bool withBrush) {
    p.setPen(qtPen(pen()));
    if (withBrush && brush().style == BrushStyle::Solid)
        p.setBrush(brush().color);
    else
        p.setBrush(Qt::NoBrush);
}

void PaintSurface::doLine(QPoint from, QPoint to) {
    QPainter* p = painter();
    if (!p || from == to)
        return;
    applyPenAndBrush(*p, false);
    if (pen().width <= 1) {
        // LineTo leaves the last pixel out: stop at the pixel before it along the major axis.
        const QPoint d = to - from;
        const int n = std::max(std::abs(d.x()), std::abs(d.y()));
        const double k = double(n - 1) / n;
        const QPoint last = from + QPoint(vbRound(d.x() * k), vbRound(d.y() * k));
        if (last == from)
            p->drawPoint(from);
        else
            p->drawLine(from, last);
    } else
        p->drawLine(QPointF(from) + QPointF(0.5, 0.5), QPointF(to) + QPointF(0.5, 0.5));
}

void PaintSurface::doRectangle(const GdiRect& r) {
    QPainter* p = painter();
    if (!p)
        return;
    const bool noPen = pen().style == PenStyle::Null;
    if (brush().style == BrushStyle::Solid) {
        // Without a pen GDI fills one pixel less on the right and bottom.
        const QRect fill = noPen ? QRect(r.left, r.top, r.width() - 1, r.height() - 1) : innerRect(r);
        p->fillRect(fill, brush().color);
    }
    if (noPen)
        return;
    applyPenAndBrush(*p, false);
    if (pen().width <= 1) {
        // The cosmetic outline covers left..right-1 and top..bottom-1.
        p->drawRect(QRect(r.left, r.top, r.width() - 1, r.height() - 1));
    } else {
        p->drawRect(QRectF(r.left + 0.5, r.top + 0.5, r.width() - 1, r.height() - 1));
    }
}

void PaintSurface::doEllipse(const GdiRect& r) {
    QPainter* p = painter();
    if (!p)
        return;
    applyPenAndBrush(*p, true);
    p->drawEllipse(QRect(r.left, r.top, r.width() - 1, r.height() - 1));
}

void PaintSurface::doPolygon(const QVector<QPoint>& pts) {
    QPainter* p = painter();
    if (!p)
        return;
    applyPenAndBrush(*p, true);
    p->drawPolygon(pts.constData(), static_cast<int>(pts.size()),
                   polyFillMode() == FillMode::Winding ? Qt::WindingFill : Qt::OddEvenFill);
}

void PaintSurface::doArc(const GdiRect& r, double startDeg, double spanDeg, bool pie) {
    QPainter* p = painter();
    if (!p)
        return;
    // A stroked path at whole coordinates lands one pixel inside on the right and bottom; half a pixel
    // in puts the outline on l..r-1 and t..b-1 as GDI draws it, where Ellipse and Rectangle put theirs.
    // Without a pen the fill stays one pixel short on the right and bottom.
    const double in = pen().style == PenStyle::Null ? 0.0 : 0.5;
    const QRectF box(r.left + in, r.top + in, r.width() - 1, r.height() - 1);
    QPainterPath path;
    if (pie) {
        path.moveTo(box.center());
        path.arcTo(box, startDeg, spanDeg);
        path.closeSubpath();
    } else {
        path.arcMoveTo(box, startDeg);
        path.arcTo(box, startDeg, spanDeg);
    }
    applyPenAndBrush(*p, pie);
    p->drawPath(path);
}

namespace {

// The glyph runs of a one-line text laid out as QPainter::drawText lays it out, with the baseline at 0.
QList<QGlyphRun> shape(const QString& s, const QFont& font, const QPaintDevice* dev) {
    QTextLayout layout(s, font, dev);
    QTextOption opt;
    opt.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(opt);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    if (!line.isValid())
        return {};
    QList<QGlyphRun> runs = line.glyphRuns();
    const qreal ascent = line.ascent();
    for (QGlyphRun& r : runs) {
        QList<QPointF> pos = r.positions();
        for (QPointF& p : pos)
            p.ry() -= ascent;
        r.setPositions(pos);
    }
    return runs;
}

} // namespace

void PaintSurface::doTextOut(QPoint topLeft, const QString& s, const GdiRect* clip) {
    QPainter* p = painter();
    if (!p)
        return;
    if (clip) {
        p->save();
        p->setClipRect(innerRect(*clip), Qt::IntersectClip);
    }
    FontCacheEntry& e = fontEntry();
    p->setFont(e.font);
    p->setPen(textColor());
    const QPoint baseline(topLeft.x(), topLeft.y() + e.fm.ascent());
    if (e.font.underline() || e.font.strikeOut()) {
        p->drawText(baseline, s);
    } else {
        auto it = e.runs.constFind(s);
        if (it == e.runs.constEnd()) {
            if (e.runs.size() > kMaxCachedTexts)
                e.runs.clear();
            it = e.runs.insert(s, shape(s, e.font, device()));
        }
        for (const QGlyphRun& run : *it)
            p->drawGlyphRun(baseline, run);
    }
    if (clip)
        p->restore();
}

void PaintSurface::doImage(const GdiRect& r, const QImage& img) {
    if (QPainter* p = painter())
        p->drawImage(innerRect(r), img);
}

// ---------------------------------------------------------------------------------------------------

namespace {

// 96 dots per inch, so that nothing in Qt reads a desktop resolution into the picture.
constexpr int kDotsPerMeter96 = 3780;

// The pixel memory of the largest large picture let go lately, kept for the next one: a tall picture
// is tens of megabytes, and fresh memory costs a page fault for every 4 KB on its first touch.
struct PixelBlock {
    void* data = nullptr;
    size_t bytes = 0;
};
constexpr size_t kKeptFrom = size_t(8) << 20;
constexpr size_t kKeptUpTo = size_t(256) << 20;

std::mutex& spareLock() {
    static auto* m = new std::mutex;
    return *m;
}
PixelBlock& spare() {
    static auto* s = new PixelBlock;
    return *s;
}

void giveBack(void* info) {
    auto* b = static_cast<PixelBlock*>(info);
    {
        std::lock_guard<std::mutex> guard(spareLock());
        PixelBlock& s = spare();
        if (b->bytes <= kKeptUpTo && b->bytes > s.bytes)
            std::swap(s, *b);
    }
    std::free(b->data);
    delete b;
}

QImage rgbImage(QSize size) {
    const size_t bytes = size_t(size.width()) * 4 * size_t(size.height());
    if (bytes < kKeptFrom)
        return QImage(size, QImage::Format_RGB32);
    auto* b = new PixelBlock;
    {
        std::lock_guard<std::mutex> guard(spareLock());
        PixelBlock& s = spare();
        if (s.data && s.bytes >= bytes && s.bytes / 2 <= bytes)
            std::swap(s, *b);
    }
    if (!b->data) {
        b->data = std::malloc(bytes);
        b->bytes = bytes;
    }
    if (!b->data) {
        delete b;
        return QImage(size, QImage::Format_RGB32);
    }
    return QImage(static_cast<uchar*>(b->data), size.width(), size.height(), size.width() * 4,
                  QImage::Format_RGB32, giveBack, b);
}

// Without a back colour the pixels are left as they come.
QImage newImage(QSize size, const QColor* back) {
    if (size.width() <= 0 || size.height() <= 0)
        return QImage();
    QImage img = rgbImage(size);
    img.setDotsPerMeterX(kDotsPerMeter96);
    img.setDotsPerMeterY(kDotsPerMeter96);
    if (back)
        img.fill(*back);
    return img;
}

} // namespace

ImageSurface::ImageSurface(QSize sizePx, const QColor& back) : image_(newImage(sizePx, &back)), back_(back) {}

ImageSurface::~ImageSurface() {
    end();
}

void ImageSurface::resize(QSize sizePx) {
    if (sizePx == image_.size())
        return;
    end();
    QImage grown = newImage(sizePx, &back_);
    if (!grown.isNull() && !image_.isNull()) {
        QPainter p(&grown);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, image_);
    }
    image_ = grown;
    fontChanged();
}

void ImageSurface::renew(QSize sizePx) {
    end();
    image_ = newImage(sizePx, nullptr);
    fontChanged();
}

QImage ImageSurface::picture() {
    // The painter draws straight into the image's memory: hand out a deep copy.
    return image_.isNull() ? QImage() : image_.copy();
}

QImage ImageSurface::takePicture() {
    end();
    QImage out = std::move(image_);
    image_ = QImage();
    fontChanged();
    return out;
}

const QImage& ImageSurface::image() {
    return image_;
}

QPaintDevice* ImageSurface::device() const {
    return &image_;
}

// ---------------------------------------------------------------------------------------------------

DeviceSurface::DeviceSurface(QPaintDevice* device, double dpi)
    : device_(device), paged_(dynamic_cast<QPagedPaintDevice*>(device)), dpi_(dpi) {}

DeviceSurface::~DeviceSurface() {
    end();
}

QSize DeviceSurface::sizePx() const {
    return device_ ? QSize(device_->width(), device_->height()) : QSize();
}

double DeviceSurface::dpiX() const {
    if (dpi_ > 0)
        return dpi_;
    return device_ && device_->logicalDpiX() > 0 ? device_->logicalDpiX() : kScreenDpi;
}

double DeviceSurface::dpiY() const {
    if (dpi_ > 0)
        return dpi_;
    return device_ && device_->logicalDpiY() > 0 ? device_->logicalDpiY() : kScreenDpi;
}

bool DeviceSurface::isPaged() const {
    return paged_ != nullptr;
}

QPoint DeviceSurface::physicalOffsetPx() const {
    if (!paged_)
        return QPoint();
    return paged_->pageLayout().paintRectPixels(vbRound(dpiX())).topLeft();
}

QSize DeviceSurface::paperSizePx() const {
    if (!paged_)
        return sizePx();
    return paged_->pageLayout().fullRectPixels(vbRound(dpiX())).size();
}

int DeviceSurface::deviceCaps(int index) const {
    switch (index) {
    case caps::kPhysicalWidth:
        return paperSizePx().width();
    case caps::kPhysicalHeight:
        return paperSizePx().height();
    case caps::kPhysicalOffsetX:
        return physicalOffsetPx().x();
    case caps::kPhysicalOffsetY:
        return physicalOffsetPx().y();
    default:
        return Surface::deviceCaps(index);
    }
}

bool DeviceSurface::newPage() {
    if (!paged_)
        return false;
    if (!painter())
        return false;
    return paged_->newPage();
}

} // namespace gdi
