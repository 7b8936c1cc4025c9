// The text cell picture: marked text drawn into a ruled picture of rows of one cell height, with
// half-size runs, tooth glyphs, wrapping, line breaks and strike lines; it grows by whole rows.
#pragma once
#include <QFont>
#include <QImage>
#include <vector>

#include "controls/toothchart/GlyphRenderer.h"
#include "platform/gdi/PaintSurface.h"

class PicText {
public:
    PicText();

    gdi::OleColor BackColor() const { return backColor_; }
    void setBackColor(gdi::OleColor c) { backColor_ = c; }
    // Colour of the text, of the glyphs' lines and of the strike lines.
    gdi::OleColor ForeColor() const { return foreColor_; }
    void setForeColor(gdi::OleColor c) { foreColor_ = c; }
    bool PPoBolDelMark() const { return delMark_; }
    void setPPoBolDelMark(bool on) { delMark_ = on; }
    // Cell geometry in twips.
    int CellWidth() const { return cellWidth_; }
    void setCellWidth(int tw) { cellWidth_ = tw; }
    int CellHeight() const { return cellHeight_; }
    void setCellHeight(int tw) { cellHeight_ = tw; }
    int CellBorderWidth() const { return cellBorderWidth_; }
    void setCellBorderWidth(int tw) { cellBorderWidth_ = tw; }
    gdi::OleColor CellBorderColor() const { return cellBorderColor_; }
    void setCellBorderColor(gdi::OleColor c) { cellBorderColor_ = c; }
    // Fonts (name and size set by the caller, in place or by the setters): ordinary text and half-size
    // runs; tooth glyphs with both jaws; tooth glyphs with one jaw (or none).
    QFont& Font() { return font_; }
    void setFont(const QFont& f) { font_ = f; }
    QFont& FontFullDP() { return fontFullDP_; }
    void setFontFullDP(const QFont& f) { fontFullDP_ = f; }
    QFont& FontHalfDP() { return fontHalfDP_; }
    void setFontHalfDP(const QFont& f) { fontHalfDP_ = f; }
    // The brackets are fixed; these only report them.
    QString PPoStrCtlPrefix() const { return QStringLiteral("/{"); }
    QString PPoStrCtlPostfix() const { return QStringLiteral("/}"); }

    // Stores the marked text and draws the whole picture at once.
    QString PPoStrDText() const { return text_; }
    void setPPoStrDText(const QString& text);

    // Rows of the picture: the let sets the drawing surface's height to (CellHeight + CellBorderWidth) *
    // (n - 1) + CellHeight (at least one row) and draws the row separators on it; Picture changes only
    // with the next text.
    int CellRows() const { return cellRows_; }
    void setCellRows(int n);

    QImage Picture() const { return picture_; }
    void setPicture(const QImage& img) { picture_ = img; }

private:
    struct Placed;
    void drawCells();
    // Lays the text out in rows (measuring every element once) and answers what to draw, in order.
    std::vector<Placed> layOut(int& rows);
    void drawPlaced(const Placed& p);
    int heightPx(int rows) const;
    void drawSeparators(int rows);
    void strikeRow(int y, int x);
    void writeText(int x, int y, const QString& s, int percent);

    GlyphRenderer glyph_;
    gdi::ImageSurface surface_;
    QString text_;
    bool delMark_ = false;
    int cellWidth_ = 0;
    int cellHeight_ = 0;
    int cellBorderWidth_ = 1;
    gdi::OleColor cellBorderColor_ = 12632256;
    int cellRows_ = 0;
    int widthPx_ = 0;
    QFont font_;
    QFont fontFullDP_;
    QFont fontHalfDP_;
    gdi::OleColor backColor_ = 0x8000000F;
    gdi::OleColor foreColor_ = 0x80000012;
    QImage picture_;
};
