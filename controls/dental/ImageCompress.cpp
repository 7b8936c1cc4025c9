#include "controls/dental/ImageCompress.h"

#include <QMouseEvent>
#include <QPainter>

#include "controls/dental/ImageFiles.h"
#include "platform/gdi/Gdi.h"

ImageCompress::ImageCompress(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool ImageCompress::fail(int number) {
    const kestrin::ImageError e = kestrin::imageError(number);
    errNumber_ = e.number;
    errDescription_ = e.description;
    return false;
}

void ImageCompress::showLoadBuf(bool on) {
    loadShown_ = on;
    update();
}

bool ImageCompress::PFuBolLoadImage(const QString& StrFilePath) {
    showLoadBuf(true);
    kestrin::ImageError error;
    QImage loaded = kestrin::loadPictureFile(StrFilePath, error);
    if (error.failed())
        return fail(error.number);
    loadBuf_ = loaded;
    showLoadBuf(false);
    if (!compressImage())
        return fail(380);
    return true;
}

bool ImageCompress::PFuBolLoadImageBit(const QImage& IpiBitData) {
    if (IpiBitData.isNull())
        return fail(481);
    loadBuf_ = IpiBitData.convertToFormat(QImage::Format_RGB32);
    if (!compressImage())
        return fail(380);
    return true;
}

bool ImageCompress::PFuBolSaveImage(const QString& StrFilePath) {
    const kestrin::ImageError e = kestrin::savePictureJpeg(imgBuf_, StrFilePath);
    if (e.failed())
        return fail(e.number);
    return true;
}

void ImageCompress::setInvalid(bool on) {
    invalid_ = on;
    compressImage();
}

void ImageCompress::setBackColor(int c) {
    backColor_ = c;
    update();
}

bool ImageCompress::compressImage() {
    if (loadBuf_.isNull())
        return false;
    const QSize target = kestrin::shrunkSize(size(), loadBuf_.size());
    if (target.width() < 1 || target.height() < 1)
        return false;
    QImage shrunk = target == loadBuf_.size()
                        ? loadBuf_.copy()
                        : loadBuf_.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (invalid_) {
        gdi::DeviceSurface s(&shrunk);
        const QColor pen = gdi::oleColor(static_cast<gdi::OleColor>(invalidColor_));
        const int w = shrunk.width();
        const int h = shrunk.height();
        s.line(0, 0, w, h, pen, invalidWidth_);
        s.line(w, 0, 0, h, pen, invalidWidth_);
        s.end();
    }
    imgBuf_ = shrunk;
    update();
    return true;
}

void ImageCompress::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), gdi::oleColor(static_cast<gdi::OleColor>(backColor_)));
    const QImage& shown = loadShown_ ? loadBuf_ : imgBuf_;
    if (!shown.isNull())
        p.drawImage(QRect(QPoint(0, 0), kestrin::shrunkSize(size(), shown.size())), shown);
}

void ImageCompress::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Click();
}

void ImageCompress::mouseDoubleClickEvent(QMouseEvent*) {
    emit DblClick();
}
