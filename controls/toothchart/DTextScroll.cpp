#include "controls/toothchart/DTextScroll.h"

#include <QEvent>
#include <QScrollBar>

#include "platform/gdi/PaintSurface.h"

using gdi::kTwipsPerPixel;

namespace {

// The scroll bar keeps its designed width of 255 twips.
constexpr int kScrollBarPx = 17;

} // namespace

DTextScroll::DTextScroll(QWidget* parent)
    : QWidget(parent), board_(new DTextBoard(this)), vScroll_(new QScrollBar(Qt::Vertical, this)) {
    board_->setObjectName(QStringLiteral("DTextBoard1"));
    vScroll_->setObjectName(QStringLiteral("VScroll1"));
    setFocusPolicy(Qt::NoFocus);
    setFocusProxy(board_);
    vScroll_->setFocusPolicy(Qt::NoFocus);
    vScroll_->setRange(0, 0);
    vScroll_->setEnabled(false);
    connect(board_, &DTextBoard::ChangeSize, this, &DTextScroll::boardSizeChanged);
    connect(board_, &DTextBoard::DisplayRequest, this, &DTextScroll::showCaret);
    connect(board_, &DTextBoard::Change, this, &DTextScroll::Change);
    connect(vScroll_, &QScrollBar::valueChanged, this, &DTextScroll::scrolled);
    board_->setGeometry(0, 0, std::max(0, width() - kScrollBarPx), height());
    vScroll_->setGeometry(board_->width(), 0, kScrollBarPx, height());
}

void DTextScroll::setTabStop(bool on) {
    board_->setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
}

void DTextScroll::resizeEvent(QResizeEvent*) {
    // The board takes the view's height only when it is lower; a taller board keeps its height.
    const int w = std::max(0, width() - kScrollBarPx);
    const int h = std::max(board_->height(), height());
    board_->setGeometry(0, board_->y(), w, h);
    vScroll_->setGeometry(w, 0, kScrollBarPx, height());
    vScroll_->raise();
    boardSizeChanged();
}

void DTextScroll::changeEvent(QEvent* e) {
    // A new font changes the scroll step (the board has taken the font already).
    if (e->type() == QEvent::FontChange)
        boardSizeChanged();
    QWidget::changeEvent(e);
}

void DTextScroll::boardSizeChanged() {
    gdi::ImageSurface measure(QSize(1, 1));
    measure.setFont(board_->font());
    const int step = measure.textHeightPx(QStringLiteral("A"));
    // A board lower than the view (a MinHeight below the view's height) scrolls nothing.
    const int max = std::max(0, board_->height() - height());
    vScroll_->setRange(0, max);
    vScroll_->setEnabled(vScroll_->minimum() != vScroll_->maximum());
    if (vScroll_->isEnabled()) {
        vScroll_->setPageStep(step);
        vScroll_->setSingleStep(gdi::vbRound(step / 2.0));
    }
    scrolled(vScroll_->value());
}

void DTextScroll::scrolled(int value) {
    int top = -value;
    if (value == vScroll_->minimum())
        top = 0;
    else if (value == vScroll_->maximum())
        top = -(board_->height() - height()); // the board's bottom meets the view's bottom exactly
    board_->move(0, top);
}

void DTextScroll::showCaret(int top, int bottom) {
    if (vScroll_->isEnabled()) {
        // One pixel at a time: down until the caret's bottom is in view, then up until its top is (so the
        // top wins for a caret taller than the view). Positions are whole twips of the board.
        const int viewTw = height() * kTwipsPerPixel;
        int value = vScroll_->value();
        auto visibleTop = [&] {
            return value == vScroll_->maximum() ? (board_->height() - height()) * kTwipsPerPixel
                                                : value * kTwipsPerPixel;
        };
        while (visibleTop() + viewTw < bottom && value < vScroll_->maximum())
            ++value;
        while (top < visibleTop() && value > vScroll_->minimum())
            --value;
        vScroll_->setValue(value);
    }
    board_->setFocus();
}
