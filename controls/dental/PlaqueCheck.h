// The plaque cell of one tooth: four triangular faces marked by left clicks, the tooth marked lost by
// right clicks.
#pragma once
#include <QImage>
#include <QWidget>

namespace gdi {
class Surface;
}

// A square split by its diagonals into the faces U (upper), D (lower), L (left) and R (right). A left
// click toggles the face under the pointer of a present tooth, a right click toggles Lost (the faces
// keep their flags meanwhile); both raise ChangePlaque. Assignments redraw and never raise it, so a
// ChangePlaque handler may set the flags back. Colours are 0x00BBGGRR values, drawn as they are.
// A disabled cell draws as before and takes no clicks. A new cell is 64 x 64 pixels.
class PlaqueCheck : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool PlaqueU READ PlaqueU WRITE setPlaqueU)
    Q_PROPERTY(bool PlaqueD READ PlaqueD WRITE setPlaqueD)
    Q_PROPERTY(bool PlaqueR READ PlaqueR WRITE setPlaqueR)
    Q_PROPERTY(bool PlaqueL READ PlaqueL WRITE setPlaqueL)
    Q_PROPERTY(bool Lost READ Lost WRITE setLost)
    Q_PROPERTY(int BorderColor READ BorderColor WRITE setBorderColor)
    Q_PROPERTY(int PlaqueColor READ PlaqueColor WRITE setPlaqueColor)
    Q_PROPERTY(int NoPlaqueColor READ NoPlaqueColor WRITE setNoPlaqueColor)
    Q_PROPERTY(int LostColor READ LostColor WRITE setLostColor)
    Q_PROPERTY(int BackColor READ BackColor WRITE setBackColor)
public:
    explicit PlaqueCheck(QWidget* parent = nullptr);

    bool PlaqueU() const { return plaqueU_; }
    void setPlaqueU(bool on);
    bool PlaqueD() const { return plaqueD_; }
    void setPlaqueD(bool on);
    bool PlaqueR() const { return plaqueR_; }
    void setPlaqueR(bool on);
    bool PlaqueL() const { return plaqueL_; }
    void setPlaqueL(bool on);
    bool Lost() const { return lost_; }
    void setLost(bool on);

    int BorderColor() const { return borderColor_; }
    void setBorderColor(int color);
    int PlaqueColor() const { return plaqueColor_; }
    void setPlaqueColor(int color);
    int NoPlaqueColor() const { return noPlaqueColor_; }
    void setNoPlaqueColor(int color);
    int LostColor() const { return lostColor_; }
    void setLostColor(int color);
    // The surface's background; the faces cover it, so setting it does not redraw.
    int BackColor() const { return backColor_; }
    void setBackColor(int color);
    // Enabled is the widget's own (setEnabled); a disabled cell receives no mouse input.
    bool Enabled() const { return isEnabled(); }

    // Draws the cell now.
    void ReDraw();

    // The cell drawn on any surface, w x h pixels from its top-left corner.
    void drawOn(gdi::Surface& surface, int w, int h) const;
    // The cell as it is drawn on screen, at the widget's size.
    QImage picture() const;

    QSize sizeHint() const override { return QSize(64, 64); }

signals:
    void ChangePlaque();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // A double-click is one toggle: the second press of it is not a new click.
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void setFlag(bool& flag, bool on);

    bool plaqueU_ = false;
    bool plaqueD_ = false;
    bool plaqueR_ = false;
    bool plaqueL_ = false;
    bool lost_ = false;
    int borderColor_ = 0x000000;
    int plaqueColor_ = 0x4040FF;
    int noPlaqueColor_ = 0xFFFFFF;
    int lostColor_ = 0x408040;
    int backColor_ = 0xC0FFFF;
};
