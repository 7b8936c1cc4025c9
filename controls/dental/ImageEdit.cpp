#include "controls/dental/ImageEdit.h"

#include <QPainter>

#include "controls/dental/ImageFiles.h"
#include "platform/error/VbError.h"
#include "platform/gdi/Gdi.h"

namespace {

QColor ole(int c) {
    return gdi::oleColor(static_cast<gdi::OleColor>(c));
}

const QString kNoFile = QStringLiteral("No File!");

} // namespace

ImageEdit::ImageEdit(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(gdi::logicalFont(QStringLiteral("ＭＳ ゴシック"), 9.75));
    resize(sizeHint());
    setPicture(QString());
    setDelColor(0xFF0000);
    // A new control then takes the stored default colour without remaking the pen.
    delColor_ = 0;
}

void ImageEdit::setBackColor(int c) {
    // The next composition takes it; PicOut stays as it was until then.
    backColor_ = c;
}

void ImageEdit::setDelColor(int c) {
    delColor_ = c;
    penColor_ = c;
}

void ImageEdit::setDelMark(bool on) {
    delMark_ = on;
    SuDrawImage();
}

void ImageEdit::setPicture(const QString& path) {
    picture_ = path;
    if (path.isEmpty()) {
        message_ = kNoFile;
    } else {
        message_.clear();
        kestrin::ImageError error;
        const QImage image = kestrin::loadPictureFile(path, error);
        if (error.failed())
            message_ = QString::number(error.number) + u' ' + error.description;
        else
            loaded_ = image;
        // An empty picture has no proportions: the load error stays the message.
        if (!loaded_.isNull() && loaded_.width() > 0)
            aspect_ = double(loaded_.height()) / loaded_.width();
    }
    SuDrawImage();
}

void ImageEdit::setBitmap(const QImage& picture) {
    bitmap_ = picture;
    // The picture at its natural size on the control's background, cut to the control.
    if (width() > 0 && height() > 0) {
        gdi::ImageSurface s(size(), ole(backColor_));
        if (!picture.isNull())
            s.drawImage(gdi::GdiRect{0, 0, picture.width(), picture.height()}, picture);
        loaded_ = s.picture();
        aspect_ = double(height()) / width();
    }
    message_.clear();
    SuDrawImage();
}

void ImageEdit::SuDrawImage() {
    if (width() <= 0 || height() <= 0)
        return;
    const double w = double(width()) * gdi::kTwipsPerPixel;
    const double h = double(height()) * gdi::kTwipsPerPixel;
    double fitW = w;
    double fitH = w * aspect_;
    if (aspect_ > h / w) {
        fitH = h;
        fitW = h / aspect_;
    }
    const int wp = gdi::twipsToPx(w);
    const int hp = gdi::twipsToPx(h);

    gdi::ImageSurface s(size(), ole(backColor_));
    s.setFont(font());
    if (!message_.isEmpty()) {
        s.setTextColor(ole(foreColor_));
        s.print(SuWrapText(w, message_, [&s](const QString& t) { return s.textWidthTw(t); }));
    } else {
        if (!loaded_.isNull())
            s.drawImage(gdi::GdiRect{0, 0, gdi::twipsToPx(fitW), gdi::twipsToPx(fitH)}, loaded_);
        if (delMark_) {
            const gdi::Pen old = s.selectPen(gdi::Pen{gdi::PenStyle::Solid, 3, gdi::colorFromBgr(penColor_)});
            s.moveTo(0, 0);
            s.lineTo(wp, hp);
            s.moveTo(0, hp);
            s.lineTo(wp, 0);
            s.selectPen(old);
        }
    }
    picOut_ = s.picture();
    composedSize_ = size();
    update();
}

QImage ImageEdit::PicOut() {
    // A hidden control hears of no resize: compose for the new size when asked.
    if (composedSize_ != size())
        SuDrawImage();
    return picOut_;
}

QString ImageEdit::SuWrapText(double width, const QString& text,
                              const std::function<double(const QString&)>& textWidth) {
    QString out;
    QString line;
    for (const QChar c : text) {
        if (textWidth(line + c) > width) {
            out += line + QStringLiteral("\r\n");
            line = c;
        } else {
            line += c;
        }
    }
    return out + line + QStringLiteral("\r\n");
}

float ImageEdit::scale(float value, std::optional<int> from, std::optional<int> to, bool vertical) const {
    const int f = from.value_or(gdi::scale::kHimetric);
    const int t = to.value_or(scaleMode_);
    if (!gdi::isScaleMode(f) || !gdi::isScaleMode(t))
        throw VbError::of(5, QStringLiteral("ImageEdit"));
    return static_cast<float>(gdi::scaleConvert(value, f, t, vertical));
}

float ImageEdit::ScaleX(float Width, std::optional<int> FromScale, std::optional<int> ToScale) const {
    return scale(Width, FromScale, ToScale, false);
}

float ImageEdit::ScaleY(float Height, std::optional<int> FromScale, std::optional<int> ToScale) const {
    return scale(Height, FromScale, ToScale, true);
}

void ImageEdit::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, PicOut());
}

void ImageEdit::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    SuDrawImage();
}
