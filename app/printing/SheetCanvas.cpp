#include "app/printing/SheetCanvas.h"

#include <cmath>

#include "platform/gdi/ScaleUnits.h"

using gdi::vbRound;

SheetCanvas::SheetCanvas(gdi::Surface& dc, const PageFrame& frame, int colorMode)
    : dc_(dc), frame_(frame), colorMode_(colorMode) {}

int SheetCanvas::px(double tw) const {
    return vbRound(dc_.pxFromTwX(tw));
}

int SheetCanvas::py(double tw) const {
    return vbRound(dc_.pxFromTwY(tw));
}

long SheetCanvas::twX(double pixels) const {
    return vbRound(dc_.twFromPxX(pixels));
}

long SheetCanvas::twY(double pixels) const {
    return vbRound(dc_.twFromPxY(pixels));
}

void SheetCanvas::computeColumnUnit() {
    const long u = vbRound((frame_.right - frame_.left - 1440) / 16.0);
    u_ = px(u);
    columnUnit_ = twX(u_);
    v_ = py(columnUnit_);
}

int SheetCanvas::pad() const {
    // Int(): a quotient a hair above a whole number (36 / 2.4) stays that number.
    return static_cast<int>(std::floor(36.0 / dc_.twipsPerPixelY() + 1e-9));
}

int SheetCanvas::margin() const {
    return vbRound(
        gdi::scaleConvert(36, gdi::scale::kHimetric, gdi::scale::kTwips, true, dc_.twipsPerPixelY()));
}

void SheetCanvas::box(int left, int top, int right, int bottom, const QString& text, bool label) {
    dc_.selectBrush(label ? gdi::stockBrush(1) : gdi::nullBrush());
    dc_.setPolyFillMode(gdi::FillMode::Winding);
    dc_.rectangle(left, top, right, bottom);
    gdi::GdiRect r{left, top, right, bottom};
    dc_.drawText(text, r, gdi::dt::kCenter | gdi::dt::kVCenter | gdi::dt::kSingleLine);
    selectNullBrush();
}

void SheetCanvas::frameRect(int left, int top, int right, int bottom) {
    selectNullBrush();
    dc_.rectangle(left, top, right, bottom);
}

void SheetCanvas::selectNullBrush() {
    dc_.selectBrush(gdi::nullBrush());
    dc_.setPolyFillMode(gdi::FillMode::Winding);
}
