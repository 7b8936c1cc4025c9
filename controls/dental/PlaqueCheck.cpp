#include "controls/dental/PlaqueCheck.h"

#include <QMouseEvent>
#include <QPainter>

#include "controls/dental/ToothFace.h"
#include "platform/gdi/Gdi.h"

using kestrin::ToothFace;

PlaqueCheck::PlaqueCheck(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    // The right button marks the tooth lost; it must not open a menu.
    setContextMenuPolicy(Qt::NoContextMenu);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setBackColor(backColor_);
    resize(sizeHint());
}

void PlaqueCheck::setFlag(bool& flag, bool on) {
    flag = on;
    ReDraw();
}

void PlaqueCheck::setPlaqueU(bool on) {
    setFlag(plaqueU_, on);
}
void PlaqueCheck::setPlaqueD(bool on) {
    setFlag(plaqueD_, on);
}
void PlaqueCheck::setPlaqueR(bool on) {
    setFlag(plaqueR_, on);
}
void PlaqueCheck::setPlaqueL(bool on) {
    setFlag(plaqueL_, on);
}
void PlaqueCheck::setLost(bool on) {
    setFlag(lost_, on);
}

void PlaqueCheck::setBorderColor(int color) {
    borderColor_ = color;
    ReDraw();
}
void PlaqueCheck::setPlaqueColor(int color) {
    plaqueColor_ = color;
    ReDraw();
}
void PlaqueCheck::setNoPlaqueColor(int color) {
    noPlaqueColor_ = color;
    ReDraw();
}
void PlaqueCheck::setLostColor(int color) {
    lostColor_ = color;
    ReDraw();
}

void PlaqueCheck::setBackColor(int color) {
    backColor_ = color;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, gdi::colorFromBgr(color));
    setPalette(pal);
}

void PlaqueCheck::ReDraw() {
    repaint();
}

void PlaqueCheck::drawOn(gdi::Surface& s, int w, int h) const {
    const gdi::Pen oldPen = s.selectPen(gdi::Pen{gdi::PenStyle::Solid, 1, gdi::colorFromBgr(borderColor_)});
    const gdi::Brush oldBrush = s.brush();
    const gdi::FillMode oldMode = s.setPolyFillMode(gdi::FillMode::Winding);
    const QPoint far(w - 1, h - 1);
    // The centre rounds halves to even: a 49-pixel cell has its centre at 24.
    const QPoint c(gdi::vbRound(w / 2.0), gdi::vbRound(h / 2.0));
    if (lost_) {
        s.selectBrush(gdi::solidBrush(gdi::colorFromBgr(lostColor_)));
        s.polygon({QPoint(0, 0), QPoint(far.x(), 0), far, QPoint(0, far.y())});
    } else {
        const auto face = [&](bool on, const QPoint& a, const QPoint& b) {
            s.selectBrush(gdi::solidBrush(gdi::colorFromBgr(on ? plaqueColor_ : noPlaqueColor_)));
            s.polygon({a, b, c});
        };
        face(plaqueU_, QPoint(0, 0), QPoint(far.x(), 0));
        face(plaqueL_, QPoint(0, 0), QPoint(0, far.y()));
        face(plaqueD_, far, QPoint(0, far.y()));
        face(plaqueR_, far, QPoint(far.x(), 0));
    }
    s.setPolyFillMode(oldMode);
    s.selectBrush(oldBrush);
    s.selectPen(oldPen);
}

QImage PlaqueCheck::picture() const {
    gdi::ImageSurface s(size(), gdi::colorFromBgr(backColor_));
    drawOn(s, width(), height());
    return s.picture();
}

void PlaqueCheck::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, picture());
}

void PlaqueCheck::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        setLost(!lost_);
        emit ChangePlaque();
        return;
    }
    if (event->button() != Qt::LeftButton || lost_)
        return;
    const QPointF pos = event->position();
    switch (kestrin::diagonalFace(width(), height(), pos.x(), pos.y())) {
    case ToothFace::U:
        setPlaqueU(!plaqueU_);
        break;
    case ToothFace::R:
        setPlaqueR(!plaqueR_);
        break;
    case ToothFace::L:
        setPlaqueL(!plaqueL_);
        break;
    default:
        setPlaqueD(!plaqueD_);
        break;
    }
    emit ChangePlaque();
}

void PlaqueCheck::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}
