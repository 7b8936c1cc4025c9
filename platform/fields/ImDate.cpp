#include "platform/fields/ImDate.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>

#include "platform/text/Era.h"
#include "platform/text/KeyCodes.h"

// The line edit inside the field: it shows the slots and hands every key to the field. The field
// detaches it when it goes: Qt takes the focus away from the edit only after the field's own part is
// gone, and that focus-out must not call back into it.
class EraDateLineEdit : public QLineEdit {
public:
    explicit EraDateLineEdit(ImDate* owner) : QLineEdit(owner), owner_(owner) {
        setAttribute(Qt::WA_InputMethodEnabled, false);
        setContextMenuPolicy(Qt::NoContextMenu);
        setAcceptDrops(false);
        setObjectName(QStringLiteral("edit"));
    }
    void detach() { owner_ = nullptr; }

protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (owner_)
            owner_->keyPressed(e);
    }
    void inputMethodEvent(QInputMethodEvent* e) override { e->ignore(); }
    void mousePressEvent(QMouseEvent* e) override {
        QLineEdit::mousePressEvent(e);
        // A click puts the caret on a slot: the era of an empty field, else the slot at or after the click.
        if (owner_ && !hasSelectedText())
            setCursorPosition(owner_->mask_.isEmpty() ? 0
                                                      : fields::EraDateMask::nextEditable(cursorPosition()));
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override {
        e->accept();
        if (owner_)
            emit owner_->DblClick();
    }
    void focusInEvent(QFocusEvent* e) override {
        QLineEdit::focusInEvent(e);
        if (owner_)
            owner_->refresh(owner_->mask_.isEmpty() ? 0 : cursorPosition());
    }
    void focusOutEvent(QFocusEvent* e) override {
        QLineEdit::focusOutEvent(e);
        if (owner_)
            owner_->refresh(0);
    }

private:
    ImDate* owner_;
};

namespace {

QDate dateOfValue(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::QDate:
        return value.toDate();
    case QMetaType::QDateTime:
        return value.toDateTime().date();
    case QMetaType::QString:
        return era::parseDate(value.toString());
    default:
        return {};
    }
}

// The caret position one step to the right of pos.
int caretRight(int pos) {
    return pos <= 1 ? 3 : fields::EraDateMask::nextEditable(pos + 1);
}

} // namespace

ImDate::ImDate(QWidget* parent) : QWidget(parent), edit_(new EraDateLineEdit(this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(edit_);
    setFocusProxy(edit_);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    refresh(0);
}

ImDate::~ImDate() {
    edit_->detach();
}

QVariant ImDate::Value() const {
    const QDate d = mask_.date();
    return d.isValid() ? QVariant(d) : QVariant();
}

void ImDate::setValue(const QVariant& value) {
    mask_.setDate(dateOfValue(value));
    refresh(0);
}

bool ImDate::ValueIsNull() const {
    return !mask_.date().isValid();
}

QString ImDate::Text() const {
    return edit_->text();
}

void ImDate::setText(const QString& text) {
    setValue(era::parseDate(text));
}

void ImDate::setTabStop(bool on) {
    tabStop_ = on;
    // Out of the tab order the field still takes the focus by a click.
    edit_->setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
    setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
}

int ImDate::SelStart() const {
    return edit_->cursorPosition();
}

void ImDate::setSelStart(int pos) {
    edit_->setCursorPosition(pos);
}

QSize ImDate::sizeHint() const {
    const QFontMetrics fm(edit_->font());
    const int w = fm.horizontalAdvance(QStringLiteral("平成 00年00月00日")) + fm.averageCharWidth() * 2;
    return QSize(w + 8, edit_->sizeHint().height());
}

void ImDate::refresh(int pos) {
    const bool blank = mask_.isEmpty() && !edit_->hasFocus();
    edit_->setText(blank ? QString() : mask_.text());
    edit_->setCursorPosition(blank ? 0 : pos);
}

void ImDate::edited(int pos) {
    const QString before = edit_->text();
    refresh(pos);
    if (edit_->text() != before)
        emit Change();
}

void ImDate::keyPressed(QKeyEvent* e) {
    const int pos = edit_->cursorPosition();
    QPointer<ImDate> self(this);
    emit KeyDown(keys::windowsKeyCode(e->key(), e->modifiers()), keys::windowsShiftState(e->modifiers()));
    if (self && !e->text().isEmpty())
        emit KeyPress(e->text().at(0).unicode());
    if (!self)
        return;

    if (e->matches(QKeySequence::Copy)) {
        edit_->copy();
        return;
    }
    if (e->matches(QKeySequence::SelectAll)) {
        edit_->selectAll();
        return;
    }
    if (e->matches(QKeySequence::Paste)) {
        const QDate d = era::parseDate(QApplication::clipboard()->text());
        if (d.isValid()) {
            mask_.setDate(d);
            edited(0);
        }
        return;
    }

    const bool selection = edit_->hasSelectedText();
    const int selFrom = edit_->selectionStart();
    const int selTo = selFrom + static_cast<int>(edit_->selectedText().size());
    switch (e->key()) {
    case Qt::Key_Left:
        edit_->setCursorPosition(fields::EraDateMask::previousEditable(pos));
        return;
    case Qt::Key_Right:
        edit_->setCursorPosition(caretRight(pos));
        return;
    case Qt::Key_Home:
        edit_->setCursorPosition(0);
        return;
    case Qt::Key_End:
        edit_->setCursorPosition(fields::EraDateMask::kLength - 1);
        return;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (mask_.spin(pos, e->key() == Qt::Key_Up ? 1 : -1, QDate::currentDate()))
            edited(pos);
        return;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        if (selection) {
            mask_.eraseRange(selFrom, selTo);
            edited(fields::EraDateMask::nextEditable(selFrom));
        } else {
            edited(e->key() == Qt::Key_Backspace ? mask_.eraseBefore(pos) : mask_.eraseAt(pos));
        }
        return;
    default:
        break;
    }

    // Tab, Enter, Esc and the like belong to the form.
    if (e->text().isEmpty() || !e->text().at(0).isPrint() ||
        (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        e->ignore();
        return;
    }
    fields::EraDateMask typed = mask_;
    const int at = selection ? selFrom : pos;
    if (selection)
        typed.eraseRange(selFrom, selTo);
    const int next = typed.type(at, e->text().at(0));
    if (next < 0)
        return; // not a character the field takes
    mask_ = typed;
    edited(next);
}
