// The tooth-face selector: a round disc of four quarter faces with an optional centre face.
#pragma once
#include <QImage>
#include <QRect>
#include <QWidget>
#include <optional>

#include "controls/dental/ToothFace.h"

namespace gdi {
class Surface;
}

// The disc's quarters are DirU, DirL, DirD and DirR, split by the square's diagonals; with DispC a centre
// disc DirC is shown and clicked. A left click on a present tooth toggles the face under the pointer and
// raises ChangeStatus, also when it falls outside the disc and changes nothing; a right click toggles
// Lost (faces keep their flags) and raises ChangeStatus. Assignments redraw and never raise it. The
// selector keeps itself square, the smaller side winning. Colours are 0x00BBGGRR values.
class TF : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(int BorderColor READ BorderColor WRITE setBorderColor)
    Q_PROPERTY(int SelColor READ SelColor WRITE setSelColor)
    Q_PROPERTY(int NoneColor READ NoneColor WRITE setNoneColor)
    Q_PROPERTY(int LostColor READ LostColor WRITE setLostColor)
    Q_PROPERTY(bool DirD READ DirD WRITE setDirD)
    Q_PROPERTY(bool DirL READ DirL WRITE setDirL)
    Q_PROPERTY(bool DirR READ DirR WRITE setDirR)
    Q_PROPERTY(bool DirC READ DirC WRITE setDirC)
    Q_PROPERTY(bool DispC READ DispC WRITE setDispC)
    Q_PROPERTY(bool Lost READ Lost WRITE setLost)
    Q_PROPERTY(bool DirU READ DirU WRITE setDirU)
public:
    explicit TF(QWidget* parent = nullptr);

    // Resizing keeps the selector square also while it is hidden, when Qt holds its resize event back
    // until it is shown. (The resize event squares it when it is resized through a QWidget pointer.)
    void resize(int w, int h);
    void resize(const QSize& size) { resize(size.width(), size.height()); }
    void setGeometry(int x, int y, int w, int h);
    void setGeometry(const QRect& rect) { setGeometry(rect.x(), rect.y(), rect.width(), rect.height()); }

    // Enabled is the widget's own (setEnabled).
    bool Enabled() const { return isEnabled(); }
    // The background shows in the corners outside the disc; setting it does not redraw.
    int BackColor() const { return backColor_; }
    void setBackColor(int color);
    int BorderColor() const { return borderColor_; }
    void setBorderColor(int color);
    int SelColor() const { return selColor_; }
    void setSelColor(int color);
    int NoneColor() const { return noneColor_; }
    void setNoneColor(int color);
    int LostColor() const { return lostColor_; }
    void setLostColor(int color);

    bool DirD() const { return dirD_; }
    void setDirD(bool on);
    bool DirL() const { return dirL_; }
    void setDirL(bool on);
    bool DirR() const { return dirR_; }
    void setDirR(bool on);
    bool DirC() const { return dirC_; }
    void setDirC(bool on);
    bool DispC() const { return dispC_; }
    void setDispC(bool on);
    bool Lost() const { return lost_; }
    void setLost(bool on);
    bool DirU() const { return dirU_; }
    void setDirU(bool on);

    // The centre disc's corners (x1, y1) - (x2, y2) for a w x h selector, before the fill and outline
    // boxes are taken from them.
    static QRect centreDisc(int w, int h);
    // The face a left click at (x, y) picks on a selector of width w (its height taken equal), or none
    // when the point is not inside the disc.
    static std::optional<kestrin::ToothFace> hitFace(double w, double h, double x, double y, bool dispC);

    // The selector drawn on any surface, w x h pixels from its top-left corner, over what is there.
    void drawOn(gdi::Surface& surface, int w, int h) const;
    // The selector as it is drawn on screen: its background, then the disc.
    QImage picture() const;

signals:
    void ChangeStatus();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // The side of a w x h selector: the smaller side wins.
    static int side(int w, int h) { return w < h ? w : h; }
    void setFlag(bool& flag, bool on);
    void redraw();

    int backColor_ = 0xFFFF80;
    int borderColor_ = 0x000000;
    int selColor_ = 0xFFFF00;
    int noneColor_ = 0xFFFFFF;
    int lostColor_ = 0x408040;
    bool dirD_ = false;
    bool dirL_ = false;
    bool dirR_ = false;
    bool dirC_ = false;
    bool dispC_ = false;
    bool lost_ = false;
    bool dirU_ = false;
    bool squaring_ = false;
};
