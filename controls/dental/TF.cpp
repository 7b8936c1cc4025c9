#include "controls/dental/TF.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/gdi/Gdi.h"

using kestrin::ToothFace;

TF::TF(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setBackColor(backColor_);
}

void TF::redraw() {
    repaint();
}

void TF::setFlag(bool& flag, bool on) {
    flag = on;
    redraw();
}

void TF::setBackColor(int color) {
    backColor_ = color;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, gdi::colorFromBgr(color));
    setPalette(pal);
}

void TF::setBorderColor(int color) {
    borderColor_ = color;
    redraw();
}
void TF::setSelColor(int color) {
    selColor_ = color;
    redraw();
}
void TF::setNoneColor(int color) {
    noneColor_ = color;
    redraw();
}
void TF::setLostColor(int color) {
    lostColor_ = color;
    redraw();
}

void TF::setDirD(bool on) {
    setFlag(dirD_, on);
}
void TF::setDirL(bool on) {
    setFlag(dirL_, on);
}
void TF::setDirR(bool on) {
    setFlag(dirR_, on);
}
void TF::setDirC(bool on) {
    setFlag(dirC_, on);
}
void TF::setDispC(bool on) {
    setFlag(dispC_, on);
}
void TF::setLost(bool on) {
    setFlag(lost_, on);
}
void TF::setDirU(bool on) {
    setFlag(dirU_, on);
}

QRect TF::centreDisc(int w, int h) {
    const int cx = gdi::vbRound(w / 2.0);
    const int cy = gdi::vbRound(h / 2.0);
    const int x1 = gdi::vbRound(cx - w / 4.0);
    const int y1 = gdi::vbRound(cy - h / 4.0);
    const int x2 = gdi::vbRound(cx + w / 4.0);
    const int y2 = gdi::vbRound(cy + h / 4.0);
    return QRect(QPoint(x1, y1), QPoint(x2, y2));
}

std::optional<ToothFace> TF::hitFace(double w, double h, double x, double y, bool dispC) {
    const int c = gdi::vbRound(w / 2.0);
    const int r = gdi::vbRound(w / 4.0);
    const double d = (x - c) * (x - c) + (y - c) * (y - c);
    if (!(double(c) * c > d))
        return std::nullopt;
    if (double(r) * r > d && dispC)
        return ToothFace::C;
    return kestrin::diagonalFace(w, h, x, y);
}

void TF::drawOn(gdi::Surface& s, int w, int h) const {
    const gdi::Pen border{gdi::PenStyle::Solid, 1, gdi::colorFromBgr(borderColor_)};
    const gdi::Pen nullPen = gdi::stockPen(8);
    const gdi::Pen oldPen = s.pen();
    const gdi::Brush oldBrush = s.brush();
    const auto brushOf = [&](bool on) {
        return gdi::solidBrush(gdi::colorFromBgr(on ? selColor_ : noneColor_));
    };
    if (lost_) {
        s.selectPen(nullPen);
        s.selectBrush(gdi::solidBrush(gdi::colorFromBgr(lostColor_)));
        s.ellipse(0, 0, w + 1, h + 1);
        s.selectPen(border);
        s.arc(0, 0, w, h, 0, 0, 0, 0);
    } else {
        s.selectPen(border);
        // Sectors run counter-clockwise from the first radial point to the second.
        s.selectBrush(brushOf(dirU_));
        s.pie(0, 0, w, h, w, 0, 0, 0);
        s.selectBrush(brushOf(dirL_));
        s.pie(0, 0, w, h, 0, 0, 0, h);
        s.selectBrush(brushOf(dirD_));
        s.pie(0, 0, w, h, 0, h, w, h);
        s.selectBrush(brushOf(dirR_));
        s.pie(0, 0, w, h, w, h, w, 0);
        if (dispC_) {
            const QRect c = centreDisc(w, h);
            s.selectPen(nullPen);
            s.selectBrush(brushOf(dirC_));
            s.ellipse(c.left() + 1, c.top() + 1, c.right() + 1, c.bottom() + 1);
            s.selectPen(border);
            s.arc(c.left() + 1, c.top() + 1, c.right(), c.bottom(), 0, 0, 0, 0);
        }
    }
    s.selectBrush(oldBrush);
    s.selectPen(oldPen);
}

QImage TF::picture() const {
    gdi::ImageSurface s(size(), gdi::colorFromBgr(backColor_));
    drawOn(s, width(), height());
    return s.picture();
}

void TF::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, picture());
}

void TF::resize(int w, int h) {
    const int s = side(w, h);
    QWidget::resize(s, s);
}

void TF::setGeometry(int x, int y, int w, int h) {
    const int s = side(w, h);
    QWidget::setGeometry(x, y, s, s);
}

void TF::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (squaring_)
        return;
    squaring_ = true;
    const int s = side(width(), height());
    if (s != width() || s != height())
        resize(s, s);
    squaring_ = false;
}

void TF::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        setLost(!lost_);
        emit ChangeStatus();
        return;
    }
    if (event->button() != Qt::LeftButton || lost_)
        return;
    const QPointF pos = event->position();
    if (const auto face = hitFace(width(), height(), pos.x(), pos.y(), dispC_)) {
        switch (*face) {
        case ToothFace::C:
            setDirC(!dirC_);
            break;
        case ToothFace::U:
            setDirU(!dirU_);
            break;
        case ToothFace::R:
            setDirR(!dirR_);
            break;
        case ToothFace::L:
            setDirL(!dirL_);
            break;
        case ToothFace::D:
            setDirD(!dirD_);
            break;
        }
    }
    emit ChangeStatus();
}

void TF::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}
