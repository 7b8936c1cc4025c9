// Picture files for the image controls: loading by content, saving as JPEG, the shrink to the control's
// size, and the run-time error numbers a failure carries.
#pragma once
#include <QImage>
#include <QSize>
#include <QString>

namespace kestrin {

// A failure as the image controls report it: a number and its description.
struct ImageError {
    int number = 0;
    QString description;
    bool failed() const { return number != 0; }
};

// Numbers: 53 the file does not exist, 75 it cannot be opened or written, 481 its content is no picture
// this program reads (PCX, WMF and the like included), 380 a size that leaves no pixel.
ImageError imageError(int number);

// Loads the first picture of a file, its format taken from the content (never from the name) and no
// orientation applied, as an RGB32 image. On failure the image is null and error says why.
QImage loadPictureFile(const QString& path, ImageError& error);

// Writes the image as a JPEG/JFIF file with three colour components at the best quality, whatever the
// file's name says; an existing file is replaced. Returns the failure, or a cleared error.
ImageError savePictureJpeg(const QImage& image, const QString& path);

// The percentage at which an image is shown in a control: 100, or less for an image larger than the
// control in either direction (images are shrunk, never enlarged).
double shownPercentage(QSize control, QSize image);
// The image's size at that percentage, each side to the nearest whole pixel.
QSize shrunkSize(QSize control, QSize image);

} // namespace kestrin
