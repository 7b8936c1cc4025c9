#include "app/shell/FormSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QList>

#include "app/shell/ShellGlobals.h"

namespace forms {

namespace {

bool usable(const QAbstractButton* b) {
    return b && b->isEnabled() && b->isVisible();
}

} // namespace

Form::Form(QWidget* parent, Qt::WindowFlags flags) : QWidget(parent, flags) {}

Form::~Form() = default;

void Form::Form_QueryUnload(bool&, UnloadMode) {}

void Form::Form_Unload(bool&) {}

bool Form::unloadForm(UnloadMode mode) {
    if (unloaded_)
        return true;
    if (unloading_)
        return false; // asked again while its own handlers run
    unloading_ = true;
    bool cancel = false;
    Form_QueryUnload(cancel, mode);
    if (!cancel)
        Form_Unload(cancel);
    unloading_ = false;
    if (cancel)
        return false;
    unloaded_ = true;
    emit unloaded();
    hide();
    deleteLater();
    return true;
}

bool Form::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate)
        Form_Activate();
    return QWidget::event(e);
}

void Form::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Escape:
        if (usable(cancelButton_)) {
            cancelButton_->click();
            return;
        }
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        // A button with the focus takes Enter itself; anywhere else it is the default button's.
        auto* focused = qobject_cast<QAbstractButton*>(focusWidget());
        QAbstractButton* target = usable(focused) ? focused : defaultButton_.data();
        if (usable(target)) {
            target->click();
            return;
        }
        break;
    }
    default:
        break;
    }
    QWidget::keyPressEvent(e);
}

void Form::closeEvent(QCloseEvent* e) {
    if (unloaded_ || unloadForm(UnloadMode::ControlMenu))
        e->accept();
    else
        e->ignore();
}

void showModal(Form* form) {
    modal::show(form);
}

void unloadAllExcept(QWidget* keep) {
    QList<QPointer<QWidget>> windows;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w == keep || w->parentWidget() != nullptr)
            continue;
        const Qt::WindowType type = w->windowType();
        if (type == Qt::Popup || type == Qt::ToolTip || type == Qt::Desktop)
            continue;
        windows.append(w);
    }
    for (const QPointer<QWidget>& w : windows) {
        if (!w)
            continue;
        if (auto* form = qobject_cast<Form*>(w.data())) {
            form->unloadForm(UnloadMode::Code);
            continue;
        }
        w->close();
        if (w)
            w->deleteLater();
    }
}

void showStartFailure(const QString& workId) {
    PFuDispMessage(workId, QStringLiteral("899"), EnMsgDispButton::O, EnMsgDispIcon::E);
}

} // namespace forms
