#include "controls/cancelline/Brannic.h"

#include "platform/error/VbError.h"
#include "platform/gdi/Gdi.h"

Brannic::Brannic(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
}

void Brannic::setPPoLineColor(int color) {
    lineColor_ = color;
    update();
}

void Brannic::setPPoLineWidth(int width) {
    const QString source = QStringLiteral("Brannic.PPoLineWidth");
    if (width < -32768 || width > 32767)
        throw VbError::of(6, source);
    if (width < 1 || width > 8192)
        throw VbError(380, source, QStringLiteral("プロパティの値が不正です。"));
    lineWidth_ = width;
    update();
}

std::array<QLine, 2> Brannic::lines(const QSize& size) {
    const int w = size.width();
    const int h = size.height();
    return {QLine(0, 0, w, h), QLine(0, h, w, 0)};
}

void Brannic::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    raise(); // above the record it crosses out
}

void Brannic::draw(gdi::Surface& surface, const QSize& size, int color, int width) {
    const QColor c = gdi::oleColor(static_cast<gdi::OleColor>(color));
    for (const QLine& l : lines(size))
        surface.line(l.x1(), l.y1(), l.x2(), l.y2(), c, width);
}

void Brannic::paintEvent(QPaintEvent*) {
    gdi::DeviceSurface surface(this);
    draw(surface, size(), lineColor_, lineWidth_);
}
