// The part picture: a tooth-part code with its part text drawn centred into a picture of one grid cell,
// at the largest of four font sizes that fits.
#pragma once
#include <QFont>
#include <QImage>

#include "controls/toothchart/GlyphRenderer.h"
#include "platform/gdi/PaintSurface.h"
#include "platform/gdi/StoredProperties.h"

// Stored only: Font (the drawing always uses "ＭＳ ゴシック"), Enabled, BackStyle and BorderStyle.
class PicPart : public gdi::StoredEnabled, public gdi::StoredFont, public gdi::StoredStyles {
public:
    PicPart();

    // Cell size in twips.
    int CellWidth() const { return cellWidth_; }
    void setCellWidth(int tw) { cellWidth_ = tw; }
    int CellHeight() const { return cellHeight_; }
    void setCellHeight(int tw) { cellHeight_ = tw; }
    // Back colour of the picture and colour of the written text (the glyph's lines keep the glyph's own
    // fore colour, button text by default).
    gdi::OleColor BackColor() const { return backColor_; }
    void setBackColor(gdi::OleColor c) { backColor_ = c; }
    gdi::OleColor ForeColor() const { return foreColor_; }
    void setForeColor(gdi::OleColor c) { foreColor_ = c; }
    QString PPoStrParts33() const { return glyph_.PPoStrParts33(); }
    void setPPoStrParts33(const QString& code) { glyph_.setPPoStrParts33(code); }
    QString PPoStrPartsText() const { return glyph_.PPoStrPartsText(); }
    void setPPoStrPartsText(const QString& text) { glyph_.setPPoStrPartsText(text); }
    bool PPoBolDelMark() const { return glyph_.PPoBolDelMark(); }
    void setPPoBolDelMark(bool on) { glyph_.setPPoBolDelMark(on); }
    void Refresh() {}

    // Builds the picture: cell-sized, cleared to the back colour, the glyph centred at the first of 12,
    // 10.5, 9 and 7.5 points at which it fits (7.5 when none does; larger glyphs are cut at the edges).
    void PSuRedraw();
    // The picture as a value; a 0-sized cell gives a null picture.
    QImage Picture() const { return picture_; }
    void setPicture(const QImage& img) { picture_ = img; }
    // The point size the last redraw drew at.
    double drawnFontSize() const { return drawnSize_; }

    // Sizes tried, in order.
    static constexpr double kFontSizes[] = {12, 10.5, 9, 7.5};

private:
    GlyphRenderer glyph_;
    gdi::ImageSurface surface_;
    int cellWidth_ = 0;
    int cellHeight_ = 0;
    gdi::OleColor backColor_ = 0x8000000F;
    gdi::OleColor foreColor_ = 0x80000012;
    QImage picture_;
    double drawnSize_ = 0;
};
