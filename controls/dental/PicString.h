// The coded-string picture: one line of characters, each drawn by its layout code.
#pragma once
#include <QImage>
#include <QString>
#include <QWidget>

namespace gdi {
class Surface;
}

// EncString is read as pairs of a character and its layout code (an odd last character has none):
//   none, " "  full size at the top, moves on          "N"       full size, stays
//   "U"/"u"    half size at the top                    "C"/"c"   half size in the middle
//   "D"/"d"    half size at the bottom                 upper case moves on by the half width, lower stays
//   "4".."8"   the size x digit / 10, centred in the full-size character's cell, stays
//   anything else hides its character.
// Characters that stay overlap the next one, which builds composite signs. With DelMark the drawn line
// is struck through in DelColor with a pen TextHeight("H") / 10 wide. Font is the widget's own; the
// drawing changes sizes on its surface only and always restores them exactly. A new picture is 146 x 34
// pixels on 0x8080FF. Colours are 0x00BBGGRR values.
class PicString : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(int ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(QString EncString READ EncString WRITE setEncString)
    Q_PROPERTY(int DelColor READ DelColor WRITE setDelColor)
    Q_PROPERTY(bool DelMark READ DelMark WRITE setDelMark)
public:
    explicit PicString(QWidget* parent = nullptr);

    int BackColor() const { return backColor_; }
    void setBackColor(int color);
    QFont Font() const { return font(); }
    // Font is QWidget::setFont; a change redraws.
    int ForeColor() const { return foreColor_; }
    void setForeColor(int color);
    QString EncString() const { return encString_; }
    void setEncString(const QString& text);
    int DelColor() const { return delColor_; }
    void setDelColor(int color);
    bool DelMark() const { return delMark_; }
    void setDelMark(bool on);

    // Draws the coded text on any surface in its selected font: clears to back, then the characters
    // from the top-left corner, then the strike line. Returns the drawing position after the last
    // character.
    static int drawEncString(gdi::Surface& surface, const QString& enc, const QColor& back,
                             const QColor& fore, bool delMark, const QColor& delColor);
    // The picture as drawn on screen, at the widget's size.
    QImage picture() const;

    QSize sizeHint() const override { return QSize(146, 34); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int backColor_ = 0x8080FF;
    int foreColor_ = 0;
    QString encString_;
    int delColor_ = 0;
    bool delMark_ = false;
};
