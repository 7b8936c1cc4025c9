#include "controls/cancelline/Brannic.h"

#include <QPainter>

#include "platform/error/VbError.h"

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

void Brannic::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    const auto bgr = static_cast<quint32>(lineColor_);
    QPen pen(QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF));
    pen.setWidth(lineWidth_);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    for (const QLine& line : lines(size()))
        p.drawLine(line);
}
