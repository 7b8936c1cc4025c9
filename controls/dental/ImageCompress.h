// The image loader and saver: loads a picture, shrinks it to the control, optionally crosses it out as
// invalid, shows it, hands it out and saves it as JPEG.
#pragma once
#include <QImage>
#include <QWidget>

#include "platform/gdi/StoredProperties.h"

// Two buffers: LoadBuf holds what was loaded, ImgBuf the picture shrunk to the control's size (never
// enlarged), with the invalid cross when Invalid is set; ImgBuf is what is shown, returned and saved.
// Every shrink starts again from LoadBuf, so Invalid set back to false gives the uncrossed picture.
// Loading and saving never raise: a failure stores ErrNumber and ErrDescription and returns false; a
// success leaves them as they were, so they always tell the last failure. A failed load keeps the
// earlier picture. Colours are 0x00BBGGRR values. ForeColor, Enabled, BackStyle and BorderStyle are kept
// for the host, without effect (Font is the widget's own).
class ImageCompress : public QWidget,
                      public gdi::StoredForeColor<int>,
                      public gdi::StoredEnabled,
                      public gdi::StoredStyles {
    Q_OBJECT
public:
    explicit ImageCompress(QWidget* parent = nullptr);

    // Loads the file (format by content) and shrinks it. LoadBuf is shown while loading and ImgBuf
    // after; a failing file leaves LoadBuf shown.
    bool PFuBolLoadImage(const QString& StrFilePath);
    // Loads a picture object and shrinks it; which buffer is shown does not change.
    bool PFuBolLoadImageBit(const QImage& IpiBitData);
    // Writes ImgBuf as a JPEG/JFIF file, 24 bits per pixel, best quality, whatever the file is named.
    bool PFuBolSaveImage(const QString& StrFilePath);
    // ImgBuf as an independent picture (null before anything was loaded).
    QImage PFuGetPicture() const { return imgBuf_; }

    int ErrNumber() const { return errNumber_; }
    void setErrNumber(int n) { errNumber_ = n; }
    QString ErrDescription() const { return errDescription_; }
    void setErrDescription(const QString& d) { errDescription_ = d; }

    bool Invalid() const { return invalid_; }
    // Stores the flag and shrinks again from LoadBuf at once; with nothing loaded, or a control too
    // small to hold a pixel, ImgBuf stays as it is. Never raises.
    void setInvalid(bool on);
    int InvalidColor() const { return invalidColor_; }
    void setInvalidColor(int c) { invalidColor_ = c; }
    int InvalidWidth() const { return invalidWidth_; }
    void setInvalidWidth(int w) { invalidWidth_ = w; }
    int BackColor() const { return backColor_; }
    void setBackColor(int c);

    // Stored only, as the control always did; the widget itself stays enabled and clickable.
    using gdi::StoredEnabled::setEnabled;
    QFont Font() const { return font(); }
    // Does nothing.
    void Refresh() {}

    // True while LoadBuf is the one shown.
    bool loadBufShown() const { return loadShown_; }

signals:
    void Click();
    void DblClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // Copies LoadBuf into ImgBuf at the shown percentage and draws the cross; false (ImgBuf unchanged)
    // when there is nothing to shrink or no pixel would remain.
    bool compressImage();
    bool fail(int number);
    void showLoadBuf(bool on);

    QImage loadBuf_;
    QImage imgBuf_;
    bool loadShown_ = false;
    int errNumber_ = 0;
    QString errDescription_;
    bool invalid_ = false;
    int invalidColor_ = 0xFF0000;
    int invalidWidth_ = 3;
    int backColor_ = 0xC0FFC0;
};
