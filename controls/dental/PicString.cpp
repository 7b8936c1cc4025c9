#include "controls/dental/PicString.h"

#include <QEvent>
#include <QPainter>

#include "platform/gdi/Gdi.h"

PicString::PicString(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(sizeHint());
}

void PicString::setBackColor(int color) {
    backColor_ = color;
    update();
}
void PicString::setForeColor(int color) {
    foreColor_ = color;
    update();
}
void PicString::setEncString(const QString& text) {
    encString_ = text;
    update();
}
void PicString::setDelColor(int color) {
    delColor_ = color;
    update();
}
void PicString::setDelMark(bool on) {
    delMark_ = on;
    update();
}

void PicString::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange)
        update();
    QWidget::changeEvent(event);
}

namespace {

// One character at a point size of its own; the size the surface had is put back exactly (a copy of
// it, never a product that could drift from 9.75).
void drawAtSize(gdi::Surface& s, double points, int x, int y, const QString& ch) {
    const double keep = s.fontSize();
    s.setFontSize(points);
    s.textOut(x, y, ch);
    s.setFontSize(keep);
}

} // namespace

int PicString::drawEncString(gdi::Surface& s, const QString& enc, const QColor& back, const QColor& fore,
                             bool delMark, const QColor& delColor) {
    s.clear(back);
    const QColor oldText = s.setTextColor(fore);
    const gdi::BkMode oldMode = s.setBkMode(gdi::BkMode::Transparent);
    int x = 0;
    for (qsizetype i = 0; i < enc.size(); i += 2) {
        const QString ch = enc.mid(i, 1);
        const QChar k = i + 1 < enc.size() ? enc.at(i + 1) : QChar();
        const double size = s.fontSize();
        if (k.isNull() || k == u' ' || k == u'N') {
            s.textOut(x, 0, ch);
            if (k != u'N')
                x += s.textWidthPx(ch);
        } else if (QStringLiteral("UuCcDd").contains(k)) {
            s.setFontSize(size / 2);
            const int h = s.textHeightPx(ch);
            const QChar kind = k.toUpper();
            const int y = kind == u'U' ? 0 : kind == u'C' ? gdi::vbRound(h / 2.0) : h;
            s.textOut(x, y, ch);
            if (k.isUpper())
                x += s.textWidthPx(ch);
            s.setFontSize(size);
        } else if (k >= u'4' && k <= u'8') {
            const double f = k.digitValue() / 10.0;
            const int wN = s.textWidthPx(ch);
            const int hN = s.textHeightPx(ch);
            drawAtSize(s, size * f, gdi::vbRound((1 - f) * wN / 2 + x), gdi::vbRound((1 - f) * hN / 2), ch);
        }
        // Any other code hides its character and keeps the position.
    }
    if (delMark) {
        const int hH = s.textHeightPx(QStringLiteral("H"));
        const gdi::Pen old = s.selectPen(gdi::Pen{gdi::PenStyle::Solid, gdi::vbRound(hH / 10.0), delColor});
        const int y = gdi::vbRound(hH / 2.0);
        // A line of no length draws nothing.
        s.moveTo(0, y);
        s.lineTo(x, y);
        s.selectPen(old);
    }
    s.setBkMode(oldMode);
    s.setTextColor(oldText);
    return x;
}

QImage PicString::picture() const {
    // Back and fore colours are the surface's own and may name system colours; the pen takes its value
    // as it is.
    const QColor back = gdi::oleColor(static_cast<gdi::OleColor>(backColor_));
    gdi::ImageSurface s(size(), back);
    s.setFont(font());
    drawEncString(s, encString_, back, gdi::oleColor(static_cast<gdi::OleColor>(foreColor_)), delMark_,
                  gdi::colorFromBgr(delColor_));
    return s.picture();
}

void PicString::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, picture());
}
