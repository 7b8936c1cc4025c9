// The drawing canvas: a picture of its own size on which the record book draws its inspection charts.
#pragma once
#include <QFont>
#include <QImage>
#include <QObject>
#include <memory>

#include "platform/gdi/StoredProperties.h"

namespace gdi {
class ImageSurface;
}

// A non-visual holder of one 24-bit picture that draws at once, visible or not. The host sizes it
// (Width and Height in twips, 15 per pixel; each change of size makes a new picture cleared to
// BackColor), sets the draw rectangle, the flags and the colours, and draws:
//   PSuDrawText(text, back)  with back a framed box filled with PPoDrawBackColor, then the text in
//                            PPoDrawTextColor, centred in the rectangle when PPoBolTextCenter, else from
//                            its top-left corner;
//   PSuDrawPlaque()          the four triangular faces of one tooth in the rectangle, each in
//                            PPoDrawPlaqueColor or PPoDrawNoPlaqueColor by its flag;
//   DrawLine(x1, y1, x2, y2) a line with DrawPenColor and DrawPenWidth (result 0).
// Frames are one pixel on the outermost ring of their rectangle, in PPoDrawBorderColor. PFuGetPicture
// hands out an independent picture: later drawing never changes a picture already taken.
// The picture keeps its drawings until PSuClearCanvas, a new size, a new BackColor or a new Font; the
// font's size and bold flag change in place (setFontSize, setFontBold) without clearing, as the charts
// change them between rows. A size of 0 gives a null picture on which drawing does nothing.
// Colours are 0x00BBGGRR values. ForeColor, Enabled, BackStyle and BorderStyle are kept for the host,
// without effect on the picture.
class ImageCanvas : public QObject,
                    public gdi::StoredForeColor<int>,
                    public gdi::StoredEnabled,
                    public gdi::StoredStyles {
    Q_OBJECT
public:
    explicit ImageCanvas(QObject* parent = nullptr);
    ~ImageCanvas() override;

    // --- size ---
    double Width() const;
    void setWidth(double twips);
    double Height() const;
    void setHeight(double twips);
    QSize sizePx() const;
    void setSizePx(QSize size);

    // --- the picture ---
    QImage PFuGetPicture() const;
    void PSuClearCanvas();
    // Does nothing.
    void Refresh() {}

    int BackColor() const { return backColor_; }
    void setBackColor(int color);
    QFont Font() const;
    void setFont(const QFont& font);
    // In-place changes of the font object: the picture stays.
    double FontSize() const;
    void setFontSize(double points);
    bool FontBold() const;
    void setFontBold(bool on);

    // --- drawing ---
    void PSuDrawText(const QString& StrDrawString, bool BolDrawBack);
    void PSuDrawPlaque();
    int DrawLine(float fX1, float fY1, float fX2, float fY2);

    bool PPoBolPlaqueL() const { return plaqueL_; }
    void setPPoBolPlaqueL(bool on) { plaqueL_ = on; }
    bool PPoBolPlaqueR() const { return plaqueR_; }
    void setPPoBolPlaqueR(bool on) { plaqueR_ = on; }
    bool PPoBolPlaqueU() const { return plaqueU_; }
    void setPPoBolPlaqueU(bool on) { plaqueU_ = on; }
    bool PPoBolPlaqueD() const { return plaqueD_; }
    void setPPoBolPlaqueD(bool on) { plaqueD_ = on; }
    int PPoLngDrawTop() const { return drawTop_; }
    void setPPoLngDrawTop(int v) { drawTop_ = v; }
    int PPoLngDrawLeft() const { return drawLeft_; }
    void setPPoLngDrawLeft(int v) { drawLeft_ = v; }
    int PPoLngDrawWidth() const { return drawWidth_; }
    void setPPoLngDrawWidth(int v) { drawWidth_ = v; }
    int PPoLngDrawHeight() const { return drawHeight_; }
    void setPPoLngDrawHeight(int v) { drawHeight_ = v; }
    bool PPoBolTextCenter() const { return textCenter_; }
    void setPPoBolTextCenter(bool on) { textCenter_ = on; }
    int PPoDrawBackColor() const { return drawBackColor_; }
    void setPPoDrawBackColor(int c) { drawBackColor_ = c; }
    int PPoDrawBorderColor() const { return drawBorderColor_; }
    void setPPoDrawBorderColor(int c) { drawBorderColor_ = c; }
    int PPoDrawNoPlaqueColor() const { return drawNoPlaqueColor_; }
    void setPPoDrawNoPlaqueColor(int c) { drawNoPlaqueColor_ = c; }
    int PPoDrawPlaqueColor() const { return drawPlaqueColor_; }
    void setPPoDrawPlaqueColor(int c) { drawPlaqueColor_ = c; }
    int PPoDrawTextColor() const { return drawTextColor_; }
    void setPPoDrawTextColor(int c) { drawTextColor_ = c; }
    int DrawPenWidth() const { return penWidth_; }
    void setDrawPenWidth(int w) { penWidth_ = w; }
    int DrawPenColor() const { return penColor_; }
    void setDrawPenColor(int c) { penColor_ = c; }

signals:
    // Declared for hosts as the control always had them; the canvas raises none.
    void Click();
    void DblClick();
    void KeyDown(int KeyCode, int Shift);
    void KeyPress(int KeyAscii);
    void KeyUp(int KeyCode, int Shift);
    void MouseDown(int Button, int Shift, float x, float y);
    void MouseMove(int Button, int Shift, float x, float y);
    void MouseUp(int Button, int Shift, float x, float y);

private:
    std::unique_ptr<gdi::ImageSurface> surface_;
    QSize size_;
    int backColor_ = 0xFF80FF;
    bool plaqueL_ = false;
    bool plaqueR_ = false;
    bool plaqueU_ = false;
    bool plaqueD_ = false;
    int drawTop_ = 0;
    int drawLeft_ = 0;
    int drawWidth_ = 0;
    int drawHeight_ = 0;
    bool textCenter_ = false;
    int drawBackColor_ = 0xFFFFFF;
    int drawBorderColor_ = 0;
    int drawNoPlaqueColor_ = 0xFFFFFF;
    int drawPlaqueColor_ = 0x4040FF;
    int drawTextColor_ = 0;
    int penWidth_ = 1;
    int penColor_ = 0;
};
