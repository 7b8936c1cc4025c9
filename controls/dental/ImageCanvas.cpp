#include "controls/dental/ImageCanvas.h"

#include <algorithm>

#include "controls/dental/CanvasShapes.h"
#include "platform/gdi/Gdi.h"

namespace {

QColor ole(int c) {
    return gdi::oleColor(static_cast<gdi::OleColor>(c));
}

int pxOfTwips(double twips) {
    return std::max(0, kestrin::clampPx(twips / gdi::kTwipsPerPixel));
}

} // namespace

ImageCanvas::ImageCanvas(QObject* parent)
    : QObject(parent), surface_(std::make_unique<gdi::ImageSurface>(QSize(), ole(0xFF80FF))) {
    // The record screen's canvas font until the host sets its own.
    surface_->setFont(gdi::logicalFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));
}

ImageCanvas::~ImageCanvas() = default;

double ImageCanvas::Width() const {
    return double(size_.width()) * gdi::kTwipsPerPixel;
}

void ImageCanvas::setWidth(double twips) {
    setSizePx(QSize(pxOfTwips(twips), size_.height()));
}

double ImageCanvas::Height() const {
    return double(size_.height()) * gdi::kTwipsPerPixel;
}

void ImageCanvas::setHeight(double twips) {
    setSizePx(QSize(size_.width(), pxOfTwips(twips)));
}

QSize ImageCanvas::sizePx() const {
    return size_;
}

void ImageCanvas::setSizePx(QSize size) {
    size = size.expandedTo(QSize(0, 0));
    if (size == size_)
        return;
    // A new picture: whatever was drawn is gone. A picture with no pixels is null, while the width or
    // height already set is kept for the next size.
    size_ = size;
    surface_->resize(size.width() > 0 && size.height() > 0 ? size : QSize());
    PSuClearCanvas();
}

QImage ImageCanvas::PFuGetPicture() const {
    return surface_->picture();
}

void ImageCanvas::PSuClearCanvas() {
    surface_->setBackColor(ole(backColor_));
    surface_->cls();
}

void ImageCanvas::setBackColor(int color) {
    backColor_ = color;
    PSuClearCanvas();
}

QFont ImageCanvas::Font() const {
    return surface_->font();
}

void ImageCanvas::setFont(const QFont& font) {
    surface_->setFont(font);
    PSuClearCanvas();
}

double ImageCanvas::FontSize() const {
    return surface_->fontSize();
}

void ImageCanvas::setFontSize(double points) {
    surface_->setFontSize(points);
}

bool ImageCanvas::FontBold() const {
    return surface_->font().bold();
}

void ImageCanvas::setFontBold(bool on) {
    surface_->setFontBold(on);
}

void ImageCanvas::PSuDrawText(const QString& StrDrawString, bool BolDrawBack) {
    if (BolDrawBack)
        kestrin::drawFramedBox(*surface_, QRect(drawLeft_, drawTop_, drawWidth_, drawHeight_),
                               ole(drawBorderColor_), ole(drawBackColor_));
    QPoint at(drawLeft_, drawTop_);
    if (textCenter_)
        at = kestrin::centredTextOrigin(drawLeft_, drawTop_, drawWidth_, drawHeight_,
                                        surface_->textWidthPx(StrDrawString),
                                        surface_->textHeightPx(StrDrawString));
    const QColor old = surface_->setTextColor(ole(drawTextColor_));
    surface_->textOut(at.x(), at.y(), StrDrawString);
    surface_->setTextColor(old);
}

void ImageCanvas::PSuDrawPlaque() {
    const bool flags[] = {plaqueL_, plaqueR_, plaqueU_, plaqueD_};
    const auto faces = kestrin::plaqueFaceRects(drawTop_, drawLeft_, drawWidth_, drawHeight_);
    for (size_t i = 0; i < faces.size(); ++i)
        kestrin::drawFaceTriangle(*surface_, faces[i].rect, faces[i].shape, ole(drawBorderColor_),
                                  ole(flags[i] ? drawPlaqueColor_ : drawNoPlaqueColor_));
}

int ImageCanvas::DrawLine(float fX1, float fY1, float fX2, float fY2) {
    surface_->line(kestrin::clampPx(fX1), kestrin::clampPx(fY1), kestrin::clampPx(fX2), kestrin::clampPx(fY2),
                   ole(penColor_), std::max(penWidth_, 1));
    return 0;
}
