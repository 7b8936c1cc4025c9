#include "controls/toothchart/DrawGlyphor.h"

#include <QMouseEvent>
#include <QPainter>

#include "controls/toothchart/ToothPartCode.h"
#include "platform/gdi/GdiFont.h"

DrawGlyphor::DrawGlyphor(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    QFont f = gdi::logicalFont(QStringLiteral("ＭＳ Ｐゴシック"), 9);
    lastFont_ = f;
    QWidget::setFont(f);
    r_.setFont(f);
    r_.resizeOwnSurface(size());
}

void DrawGlyphor::PSuDraw() {
    r_.setFont(font());
    r_.PSuDraw();
    update();
}

void DrawGlyphor::PSuDraw(gdi::Surface& target, const QFont* drawFont, int offX, int offY) {
    if (drawFont) {
        // The font becomes the control's font without a size fitting.
        const bool keep = fitting_;
        fitting_ = true;
        QWidget::setFont(*drawFont);
        lastFont_ = *drawFont;
        fitting_ = keep;
    }
    r_.setFont(font());
    r_.PSuDraw(target, drawFont, offX, offY);
    update();
}

void DrawGlyphor::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, r_.ownSurface().image());
}

void DrawGlyphor::resizeEvent(QResizeEvent*) {
    r_.resizeOwnSurface(size());
    fitSize();
}

void DrawGlyphor::changeEvent(QEvent* e) {
    if (e->type() == QEvent::FontChange && !fitting_) {
        const QFont f = font();
        const bool differs =
            f.family() != lastFont_.family() || gdi::fontPoints(f) != gdi::fontPoints(lastFont_);
        lastFont_ = f;
        r_.setFont(f);
        if (differs)
            fitSize();
    }
    QWidget::changeEvent(e);
}

void DrawGlyphor::fitSize() {
    // Takes the size of the fullest glyph in the font when the last drawing was smaller. Growing from
    // here resizes again; that nested fitting finds nothing larger, so it only redraws.
    if (fitting_) {
        PSuDraw();
        return;
    }
    fitting_ = true;
    const int oldW = r_.PPoDrawWidth();
    const int oldH = r_.PPoDrawHeight();
    const QString code = r_.PPoStrParts33();
    const QString text = r_.PPoStrPartsText();
    r_.setPPoStrParts33(QStringLiteral("N") + QString(32, QChar('a')));
    r_.setPPoStrPartsText(QString(5, QChar(0x3000)));
    PSuDraw();
    QSize want = size();
    if (r_.PPoDrawWidth() > oldW)
        want.setWidth(gdi::twipsToPx(r_.PPoDrawWidth()));
    if (r_.PPoDrawHeight() > oldH)
        want.setHeight(gdi::twipsToPx(r_.PPoDrawHeight()));
    r_.setPPoStrParts33(code);
    r_.setPPoStrPartsText(text);
    if (want != size()) {
        resize(want);
        r_.resizeOwnSurface(want);
    }
    PSuDraw();
    fitting_ = false;
}

void DrawGlyphor::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit Click();
    QWidget::mouseReleaseEvent(e);
}

void DrawGlyphor::mouseDoubleClickEvent(QMouseEvent* e) {
    emit DblClick();
    QWidget::mouseDoubleClickEvent(e);
}
