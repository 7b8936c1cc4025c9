// The picture holder: shows a picture file or picture object fitted into its area, optionally crossed
// out, and keeps the composed result as a picture.
#pragma once
#include <QImage>
#include <QWidget>
#include <functional>
#include <optional>

// Picture (a file path) is loaded and shown at the top-left, fitted with its proportions kept; Bitmap
// (a picture object) is shown at its natural size, cut to the control, and then fitted like a file.
// DelMark crosses the whole control out with a 3-pixel pen. With no picture the control prints its
// message instead ("No File!", or the number, a blank and the description of a failed load), broken
// into lines at the control's width. PicOut is the last composed picture. Every composition starts from
// the background, so nothing of an earlier picture, message or cross stays. The pen of the cross is
// made blue (0xFF0000) at creation and follows DelColor only from the first DelColor assignment on.
// The scale mode is twips unless changed; colours are 0x00BBGGRR values.
class ImageEdit : public QWidget {
    Q_OBJECT
public:
    explicit ImageEdit(QWidget* parent = nullptr);

    // The composed picture (composed again first when the control's size has changed since).
    QImage PicOut();
    int BackColor() const { return backColor_; }
    void setBackColor(int c);
    int DelColor() const { return delColor_; }
    // Stores the colour and makes the cross's pen in it; does not redraw.
    void setDelColor(int c);
    QString Picture() const { return picture_; }
    // Loads the file and redraws; a failure becomes the printed message, never an error.
    void setPicture(const QString& path);
    bool DelMark() const { return delMark_; }
    void setDelMark(bool on);
    QImage Bitmap() const { return bitmap_; }
    void setBitmap(const QImage& picture);
    // Conversions of the surface; FromScale defaults to HiMetric, ToScale to ScaleMode. An unknown mode
    // raises run-time error 5 (VbError).
    float ScaleX(float Width, std::optional<int> FromScale = std::nullopt,
                 std::optional<int> ToScale = std::nullopt) const;
    float ScaleY(float Height, std::optional<int> FromScale = std::nullopt,
                 std::optional<int> ToScale = std::nullopt) const;
    int ScaleMode() const { return scaleMode_; }
    void setScaleMode(int mode) { scaleMode_ = mode; }
    int ForeColor() const { return foreColor_; }
    void setForeColor(int c) { foreColor_ = c; }

    // The text broken into lines no wider than width: a character that would make its line wider starts
    // the next line. Every line ends with CR LF; a first character wider than width gives an empty first
    // line. textWidth measures in the unit of width.
    static QString SuWrapText(double width, const QString& text,
                              const std::function<double(const QString&)>& textWidth);

    QSize sizeHint() const override { return QSize(100, 100); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void SuDrawImage();
    float scale(float value, std::optional<int> from, std::optional<int> to, bool vertical) const;

    QString picture_;
    QImage bitmap_;
    QImage loaded_; // the picture to fit, at its natural size
    QImage picOut_;
    QSize composedSize_;
    QString message_;
    double aspect_ = 0; // height / width of the picture to fit
    bool delMark_ = false;
    int delColor_ = 0;
    int penColor_ = 0xFF0000;
    int backColor_ = 0x00C000;
    int foreColor_ = 0;
    int scaleMode_ = 1;
};
