// The drawing ground of the instruction record sheet: the page frame in twips, the conversions to the
// printer's pixels, the 16-column unit of the charts and the labelled boxes.
#pragma once
#include <QString>

#include "platform/gdi/Surface.h"

// The page frame in twips from the printer's origin (the print button sets it).
struct PageFrame {
    long left = 0;
    long top = 0;
    long right = 0;
    long bottom = 0;
};

class SheetCanvas {
public:
    // colorMode: the printer's, 2 for colour.
    SheetCanvas(gdi::Surface& dc, const PageFrame& frame, int colorMode);

    gdi::Surface& dc() const { return dc_; }
    const PageFrame& frame() const { return frame_; }
    int colorMode() const { return colorMode_; }

    // Twips to whole device pixels (halves to even) and back.
    int px(double tw) const;
    int py(double tw) const;
    long twX(double pixels) const;
    long twY(double pixels) const;

    // The width of one of the 16 chart columns from the page frame, a whole number of pixels: U across
    // and V down in pixels, columnUnit() in twips. Each header procedure computes it again.
    void computeColumnUnit();
    long columnUnit() const { return columnUnit_; }
    int U() const { return u_; }
    int V() const { return v_; }
    // The right edge of the label column (1440 twips wide), in twips.
    long x0() const { return frame_.left + 1440; }
    // The inner vertical margin of the header rows: Int(36 twips in pixels).
    int pad() const;
    // The inner margin of the text boxes: 36 HIMETRIC in twips, used as pixels.
    int margin() const;

    // A labelled box: Rectangle and the text centred in it on one line; a label is filled light grey,
    // a value only framed. The null brush is selected afterwards.
    void box(int left, int top, int right, int bottom, const QString& text, bool label);
    // A frame of the null brush.
    void frameRect(int left, int top, int right, int bottom);
    void selectNullBrush();

private:
    gdi::Surface& dc_;
    PageFrame frame_;
    int colorMode_;
    long columnUnit_ = 0;
    int u_ = 0;
    int v_ = 0;
};
