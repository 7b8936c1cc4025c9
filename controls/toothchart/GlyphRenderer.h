// The tooth glyph control without its window: code, part text, delete mark, font, colours, and PSuDraw
// on its own surface or on any other surface. The glyph widget, the part picture and the text cell
// picture each hold one.
#pragma once
#include <QFont>
#include <QString>

#include "controls/toothchart/GlyphLayout.h"
#include "controls/toothchart/PartControl.h"
#include "platform/gdi/PaintSurface.h"
#include "platform/gdi/StoredProperties.h"

// BackStyle and BorderStyle are stored only.
class GlyphRenderer : public gdi::StoredStyles {
public:
    GlyphRenderer();

    // The code, held by the splitter (padded with "0", cut to 33); setting it does not redraw.
    QString PPoStrParts33() const { return partControl_.PPoStrParts33(); }
    void setPPoStrParts33(const QString& code) { partControl_.setPPoStrParts33(code); }
    QString PPoStrPartsText() const { return partsText_; }
    void setPPoStrPartsText(const QString& text) { partsText_ = text; }
    bool PPoBolDelMark() const { return delMark_; }
    void setPPoBolDelMark(bool on) { delMark_ = on; }
    // Size of the last drawing, in twips.
    int PPoDrawWidth() const { return drawWidth_; }
    void setPPoDrawWidth(int tw) { drawWidth_ = tw; }
    int PPoDrawHeight() const { return drawHeight_; }
    void setPPoDrawHeight(int tw) { drawHeight_ = tw; }
    // The control's font: every measuring uses it.
    const QFont& Font() const { return font_; }
    void setFont(const QFont& f) { font_ = f; }
    // Back colour of its own surface; fore colour: the text on its own surface and every line.
    gdi::OleColor BackColor() const { return backColor_; }
    void setBackColor(gdi::OleColor c) { backColor_ = c; }
    gdi::OleColor ForeColor() const { return foreColor_; }
    void setForeColor(gdi::OleColor c) { foreColor_ = c; }

    // Draws the glyph on its own surface, at (0, 0), in its own font and fore colour.
    void PSuDraw();
    // Draws the glyph on another surface at (offX, offY) twips, the text in that surface's selected font
    // and text colour. A drawFont becomes the control's font first (and stays).
    void PSuDraw(gdi::Surface& target, const QFont* drawFont, int offX, int offY);
    // Measures without drawing anywhere (the size PSuDraw would give); sets the draw size too.
    void measure(const QFont* drawFont = nullptr);

    // The control's own persistent surface (never smaller than one pixel).
    gdi::ImageSurface& ownSurface() { return own_; }
    void resizeOwnSurface(QSize px);
    const PartControl& partControl() const { return partControl_; }

private:
    void draw(gdi::Surface* target, const QFont* drawFont, int offX, int offY, bool ownTarget);

    PartControl partControl_;
    QString partsText_;
    bool delMark_ = false;
    int drawWidth_ = 0;
    int drawHeight_ = 0;
    QFont font_;
    gdi::OleColor backColor_ = 0x00C0C000;
    gdi::OleColor foreColor_ = 0x80000012;
    gdi::ImageSurface own_;
};
