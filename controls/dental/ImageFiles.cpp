#include "controls/dental/ImageFiles.h"

#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <algorithm>

#include "platform/error/VbError.h"
#include "platform/gdi/GdiBasics.h"

namespace kestrin {

ImageError imageError(int number) {
    return ImageError{number, vbErrorText(number)};
}

QImage loadPictureFile(const QString& path, ImageError& error) {
    error = ImageError{};
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) {
        error = imageError(53);
        return QImage();
    }
    if (info.isDir() || !info.isReadable()) {
        error = imageError(75);
        return QImage();
    }
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(false);
    QImage image = reader.read();
    if (image.isNull()) {
        error = reader.error() == QImageReader::DeviceError ? imageError(75) : imageError(481);
        return QImage();
    }
    // Pictures are drawn on (the invalid cross): a paintable format without alpha, as the 24-bit
    // surfaces were.
    return image.convertToFormat(QImage::Format_RGB32);
}

ImageError savePictureJpeg(const QImage& image, const QString& path) {
    if (image.isNull())
        return imageError(481);
    QImageWriter writer(path, "jpeg");
    writer.setQuality(100);
    // Grey pictures too are written with three components.
    if (!writer.write(image.convertToFormat(QImage::Format_RGB888)))
        return imageError(75);
    return ImageError{};
}

double shownPercentage(QSize control, QSize image) {
    if (image.width() <= 0 || image.height() <= 0)
        return 100.0;
    const double fit =
        std::min({1.0, double(control.width()) / image.width(), double(control.height()) / image.height()});
    return 100.0 * std::max(fit, 0.0);
}

QSize shrunkSize(QSize control, QSize image) {
    // Rounded, not cut: a 300-pixel side shown at 66.67 % must give the control's 200 pixels, which the
    // product of a rounded percentage only nearly reaches.
    const double p = shownPercentage(control, image);
    return QSize(gdi::vbRound(p * image.width() / 100.0), gdi::vbRound(p * image.height() / 100.0));
}

} // namespace kestrin
