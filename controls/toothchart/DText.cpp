#include "controls/toothchart/DText.h"

#include <QPaintEvent>

#include "platform/error/VbError.h"
#include "platform/gdi/PaintSurface.h"
#include "platform/text/Text.h"

using gdi::kTwipsPerPixel;

namespace {

// The border is two pixels on each side.
constexpr int kBorderPx = 2;

} // namespace

DText::DText(QWidget* parent)
    : QWidget(parent), gdi::StoredColors<gdi::OleColor>(33023, gdi::syscolor::kButtonText),
      scroll_(new DTextScroll(this)) {
    scroll_->setObjectName(QStringLiteral("DTextScroll1"));
    setFocusPolicy(Qt::NoFocus);
    setFocusProxy(scroll_);
    connect(scroll_, &DTextScroll::Change, this, &DText::Change);
}

void DText::setBackStyle(const QString& value) {
    // The runtime's conversion of a text to a whole number, then the 16-bit range of the property.
    const QString source = QStringLiteral("DText");
    const int32_t v = text::vbCLng(value, source);
    if (v < -32768 || v > 32767)
        throw VbError::of(6, source);
    backStyle_ = v;
}

void DText::paintBorder(gdi::Surface& s, QSize sizePx) {
    const int w = sizePx.width();
    const int h = sizePx.height();
    const gdi::Brush oldBrush = s.selectBrush(gdi::nullBrush());
    const gdi::Pen oldPen = s.selectPen(gdi::Pen{gdi::PenStyle::Solid, 1, QColor(172, 168, 153)});
    s.rectangle(0, 0, w, h);
    s.selectPen(gdi::Pen{gdi::PenStyle::Solid, 1, QColor(113, 111, 100)});
    s.rectangle(1, 1, w - 1, h - 1);
    s.selectPen(oldPen);
    s.selectBrush(oldBrush);
    // The right and bottom edges drawn over in light colours make the frame look sunken.
    s.line(w - 1, 0, w - 1, h, Qt::white, 1);
    s.line(0, h - 1, w - 1, h - 1, Qt::white, 1);
    const QColor light(241, 239, 226);
    s.line(w - 2, 1, w - 2, h - 1, light, 1);
    s.line(1, h - 2, w - 2, h - 2, light, 1);
}

void DText::paintEvent(QPaintEvent*) {
    gdi::DeviceSurface s(this, gdi::kScreenDpi);
    s.clear(gdi::oleColor(BackColor()));
    paintBorder(s, size());
}

void DText::resizeEvent(QResizeEvent*) {
    const int w = std::max(0, width() - 2 * kBorderPx);
    const int h = std::max(0, height() - 2 * kBorderPx);
    scroll_->setGeometry(kBorderPx, kBorderPx, w, h);
    // The board never shrinks below the view.
    scroll_->setMinHeight(h * kTwipsPerPixel);
}
