#include "controls/toothchart/DTextBoard.h"

#include <QEvent>
#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <optional>

#include "platform/error/VbError.h"
#include "platform/gdi/GdiFont.h"
#include "platform/gdi/PaintSurface.h"

using gdi::kTwipsPerPixel;

namespace {

const QColor kBoardBack(224, 224, 224);
const QString kSource = QStringLiteral("DTextBoard");

std::optional<DTextBoardModel::Key> boardKey(int qtKey) {
    using K = DTextBoardModel::Key;
    switch (qtKey) {
    case Qt::Key_Home:
        return K::Home;
    case Qt::Key_End:
        return K::End;
    case Qt::Key_Delete:
        return K::Delete;
    case Qt::Key_Backspace:
        return K::Backspace;
    case Qt::Key_Left:
        return K::Left;
    case Qt::Key_Right:
        return K::Right;
    case Qt::Key_Up:
        return K::Up;
    case Qt::Key_Down:
        return K::Down;
    default:
        return std::nullopt;
    }
}

} // namespace

DTextBoard::DTextBoard(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_InputMethodEnabled);
    setFocusPolicy(Qt::StrongFocus);
    tmrCursor_.setInterval(500);
    connect(&tmrCursor_, &QTimer::timeout, this, &DTextBoard::blink);
    model_.setFont(font());
    model_.setFontDP(font());
    model_.setGeometryTw(width() * kTwipsPerPixel, height() * kTwipsPerPixel);
    applyHeight();
}

void DTextBoard::setPPoStrDString(const QString& text) {
    model_.setText(text);
    applyHeight();
    update();
}

void DTextBoard::setFontDP(const QFont& f) {
    fontDPSet_ = true;
    model_.setFontDP(f);
    applyHeight();
    update();
}

void DTextBoard::setMinHeight(int tw) {
    model_.setMinHeightTw(tw);
    applyHeight();
    update();
}

void DTextBoard::PSuInsString(const QString& text) {
    apply(model_.insString(text));
}

void DTextBoard::setPPoStrCtlPrefix(const QString&) {
    throw VbError(382, kSource, QStringLiteral("このプロパティは実行時には設定できません。"));
}

void DTextBoard::setPPoStrCtlPostfix(const QString&) {
    throw VbError(382, kSource, QStringLiteral("このプロパティは実行時には設定できません。"));
}

void DTextBoard::applyHeight() {
    const int h = gdi::twipsToPx(model_.heightTw());
    if (h != height()) {
        // The resize comes back as a resize event; the layout it would start has just been made.
        fitting_ = true;
        resize(width(), h);
        fitting_ = false;
    }
    notifySize();
}

void DTextBoard::notifySize() {
    if (size() == notified_)
        return;
    notified_ = size();
    emit ChangeSize();
}

void DTextBoard::moveCaret() {
    const DTextBoardModel::CaretLine c = model_.caretLine();
    if (hasFocus())
        QGuiApplication::inputMethod()->update(Qt::ImCursorRectangle);
    emit DisplayRequest(c.top, c.bottom);
}

void DTextBoard::apply(DTextBoardModel::Effect e) {
    applyHeight();
    update();
    if (e.moved)
        moveCaret();
    if (e.changed)
        emit Change();
}

QRect DTextBoard::caretRectPx() const {
    const DTextBoardModel::CaretLine c = model_.caretLine();
    const int top = gdi::twipsToPx(c.top);
    return QRect(gdi::twipsToPx(c.x), top, 1, std::max(1, gdi::twipsToPx(c.bottom) - top));
}

void DTextBoard::blink() {
    caretShown_ = !caretShown_;
    update(caretRectPx());
}

void DTextBoard::paintBoard(gdi::Surface& s, const QRect& clipPx) {
    const QRect all(QPoint(0, 0), s.sizePx());
    const QRect area = clipPx.isNull() ? all : clipPx & all;
    s.fillRect(gdi::GdiRect{area.left(), area.top(), area.right() + 1, area.bottom() + 1}, kBoardBack);
    s.setTextColor(gdi::oleColor(gdi::syscolor::kButtonText));
    model_.paint(s, clipPx);
    const QRect caret = caretRectPx();
    if (!preedit_.isEmpty()) {
        // The input method's text not yet committed stands at the caret, underlined, over what follows.
        s.setFont(font());
        const int w = s.textWidthPx(preedit_);
        const int h = s.lineMetrics().height;
        s.fillRect(gdi::GdiRect{caret.left(), caret.top(), caret.left() + w + 1, caret.top() + h},
                   kBoardBack);
        s.setFontUnderline(true);
        s.textOut(caret.left() + 1, caret.top(), preedit_);
        s.setFontUnderline(false);
    }
    if (caretShown_ && hasFocus())
        s.line(caret.left(), caret.top(), caret.left(), caret.bottom() + 1,
               gdi::oleColor(gdi::syscolor::kWindowText), 1);
}

void DTextBoard::paintEvent(QPaintEvent* e) {
    gdi::DeviceSurface s(this, gdi::kScreenDpi);
    paintBoard(s, e->rect());
}

void DTextBoard::resizeEvent(QResizeEvent*) {
    notifySize();
    if (fitting_)
        return;
    // A new width wraps the text again; a new height fits it again.
    model_.setGeometryTw(width() * kTwipsPerPixel, height() * kTwipsPerPixel);
    applyHeight();
    update();
}

void DTextBoard::changeEvent(QEvent* e) {
    if (e->type() == QEvent::FontChange) {
        model_.setFont(font());
        if (!fontDPSet_)
            model_.setFontDP(font());
        applyHeight();
        update();
    }
    QWidget::changeEvent(e);
}

void DTextBoard::typeText(const QString& text) {
    // One character at a time (a surrogate pair is one character), as each key press inserts one.
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype len =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate() ? 2 : 1;
        apply(model_.type(text.mid(i, len)));
        i += len;
    }
}

void DTextBoard::keyPressEvent(QKeyEvent* e) {
    if (const auto key = boardKey(e->key())) {
        apply(model_.key(*key));
        e->accept();
        return;
    }
    QString text = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter ? QStringLiteral("\r") : e->text();
    // Delete arrives as DEL and Esc as ESC: neither is a character of the text; Esc goes on to the form.
    text.remove(QChar(0x7F));
    text.remove(QChar(0x1B));
    if (text.isEmpty()) {
        QWidget::keyPressEvent(e);
        return;
    }
    typeText(text);
    e->accept();
}

void DTextBoard::inputMethodEvent(QInputMethodEvent* e) {
    typeText(e->commitString());
    preedit_ = e->preeditString();
    update();
    e->accept();
}

QVariant DTextBoard::inputMethodQuery(Qt::InputMethodQuery query) const {
    switch (query) {
    case Qt::ImEnabled:
        return true;
    case Qt::ImCursorRectangle:
        return caretRectPx();
    case Qt::ImFont:
        return gdi::deviceFont(font(), gdi::kScreenDpi);
    case Qt::ImCursorPosition:
    case Qt::ImAnchorPosition:
        return 0;
    case Qt::ImSurroundingText:
    case Qt::ImCurrentSelection:
        return QString();
    case Qt::ImHints:
        return int(Qt::ImhMultiLine);
    default:
        return QWidget::inputMethodQuery(query);
    }
}

void DTextBoard::mousePressEvent(QMouseEvent* e) {
    const int button = e->button() == Qt::LeftButton ? 1 : e->button() == Qt::RightButton ? 2 : 4;
    const QPoint p = e->position().toPoint();
    apply(model_.press(button, p.x() * kTwipsPerPixel, p.y() * kTwipsPerPixel));
    e->accept();
}

void DTextBoard::focusInEvent(QFocusEvent* e) {
    tmrCursor_.start();
    moveCaret();
    update(caretRectPx());
    QWidget::focusInEvent(e);
}

void DTextBoard::focusOutEvent(QFocusEvent* e) {
    tmrCursor_.stop();
    caretShown_ = false;
    update(caretRectPx());
    QWidget::focusOutEvent(e);
}
