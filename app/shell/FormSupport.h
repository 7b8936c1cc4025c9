// The one form pattern: every window of the program is a forms::Form with a default instance.
//
// A form is FrmX.h/.cpp/.ui (objectNames = the control names). It derives from forms::Form and from
// forms::DefaultInstance<FrmX>, sets up its designed controls in its constructor, and puts the rest of
// its loading into Form_Load:
//
//     class FrmX : public forms::Form, public forms::DefaultInstance<FrmX> {
//         Q_OBJECT
//     public:
//         explicit FrmX(QWidget* parent = nullptr);  // ui->setupUi(this); connect the buttons;
//                                                    // setCancelButton(ui->CmdCancel);
//                                                    // setDefaultButton(ui->CmdOk);
//         QString PPoStrResult() const;              // results the opener reads after the modal show
//     signals:
//         void loggedOut();                          // how a form tells its opener something
//     protected:
//         void Form_Load() override;                 // caption, centring, data; may set the load state
//         void Form_Activate() override;             // each time the window becomes active
//         void Form_QueryUnload(bool& cancel, forms::UnloadMode mode) override;
//         void Form_Unload(bool& cancel) override;
//     };
//
// Default instance (one per form class, as the program's forms always had):
//   FrmX::load()          loads the form when it is not loaded (constructs it, then Form_Load) and returns
//                         it, not yet shown; FrmX::load(prepare) runs prepare(form) between the two, for a
//                         value that must be there when Form_Load runs.
//   FrmX::loaded()        the loaded form, or null.
//   FrmX::unload()        the close path in code (UnloadMode::Code); true when nothing is loaded afterwards.
// Showing: form->show() for a modeless window; forms::showModal(form) for a modal one (it returns when
// the form is hidden or unloaded; read its results then, then unload it). Never call exec() or start an
// event loop of your own: tests answer every modal window through the seam of showModal.
//
// Close path: FrmX::unload(), form->unloadForm(mode) and the window's own close (window manager, close())
// all run Form_QueryUnload(cancel, mode), then Form_Unload(cancel); either may cancel. When neither did,
// the default instance is cleared at once, unloaded() is emitted, the window is hidden and it is destroyed
// when control returns to the event loop (so an opener can still read its results right after).
// A close by the window system arrives with UnloadMode::ControlMenu.
//
// Keys: Esc clicks the cancel button; Enter clicks the button that has the focus, else the default button
// (disabled or hidden buttons are not clicked).
//
// Forms never include each other's headers to talk back: the opener includes the form it opens, and the
// opened form reports by a signal (the menu's loggedOut, which the login connects) or by a routine the
// opener registers. The shell includes no screen folder: screens register what the shell calls.
//
// Sub-screens with a load state (1 loading, 2 ready, 3 failed, 4 nothing to show) are opened by
// forms::openSubScreen, which follows the program's load-state protocol.
//
// Tests: the widget test main turns on the seam of modal::show (platform/msgbox/Modal.h). A test pushes a
// responder before the action that opens a modal form:
//     modal::pushResponder([](QWidget& w) { w.findChild<QPushButton*>("CmdOk")->click(); });
// With no responder queued the form is closed as by its window's close button. modal::shown() lists the
// objectNames of the forms shown modally.
#pragma once
#include <QAbstractButton>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

#include "platform/msgbox/Modal.h"

namespace forms {

// A top-level window with a title bar and no close, minimise or maximise buttons.
inline constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;

// Why a form is being unloaded, as Form_QueryUnload is told.
enum class UnloadMode {
    ControlMenu = 0, // the window's close (window manager, close())
    Code = 1,        // unloaded by the program
};

// The load state of a sub-screen, read by its opener right after loading.
enum class LoadState { Loading = 1, Ready = 2, Failed = 3, NothingToShow = 4 };

class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(QWidget* parent = nullptr, Qt::WindowFlags flags = kWindowFlags);
    ~Form() override;

    // The close path in code: Form_QueryUnload, Form_Unload, then the window goes. False when cancelled.
    bool unloadForm(UnloadMode mode = UnloadMode::Code);
    // True once the form has unloaded (it is destroyed at the next turn of the event loop).
    bool isUnloaded() const { return unloaded_; }

    LoadState loadState() const { return loadState_; }

signals:
    // Emitted once when the form has unloaded, before it is destroyed.
    void unloaded();

protected:
    // The form's events; the defaults do nothing.
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_QueryUnload(bool& cancel, UnloadMode mode);
    virtual void Form_Unload(bool& cancel);

    // The button Esc clicks, and the button Enter clicks when no other button has the focus.
    void setCancelButton(QAbstractButton* button) { cancelButton_ = button; }
    void setDefaultButton(QAbstractButton* button) { defaultButton_ = button; }
    void setLoadState(LoadState state) { loadState_ = state; }

    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    template <typename F> friend class DefaultInstance;

    QPointer<QAbstractButton> cancelButton_;
    QPointer<QAbstractButton> defaultButton_;
    LoadState loadState_ = LoadState::Loading;
    bool unloading_ = false;
    bool unloaded_ = false;
};

// The default instance of form class F (F derives from Form and from DefaultInstance<F>).
template <typename F> class DefaultInstance {
public:
    static F* loaded() { return instance().data(); }

    static F* load(const std::function<void(F&)>& prepare = {}) {
        if (F* f = loaded())
            return f;
        F* f = new F();
        instance() = f;
        QObject::connect(f, &Form::unloaded, [f] {
            if (instance().data() == f)
                instance() = nullptr;
        });
        if (prepare)
            prepare(*f);
        static_cast<Form*>(f)->Form_Load();
        return f;
    }

    static bool unload(UnloadMode mode = UnloadMode::Code) {
        F* f = loaded();
        return !f || f->unloadForm(mode);
    }

private:
    static QPointer<F>& instance() {
        static QPointer<F> p;
        return p;
    }
};

// Shows the form modally; returns when it has been hidden or unloaded. Tests answer it through the seam
// of modal::show.
void showModal(Form* form);

// Unloads every other window of the program, one after the other: forms through their close path in
// code, any other top-level window by closing and destroying it.
void unloadAllExcept(QWidget* keep);

// The load-state protocol of the sub-screen openers: loads F (prepare runs before its Form_Load); on load
// state 3 shows message <workId>/899 (OK, critical icon), unloads it and returns false; on 4 unloads it
// silently and returns false; otherwise shows it modally, hands it to readResults (when it is still
// there: a form that unloaded itself has handed its results over already), unloads it and returns true.
template <typename F>
bool openSubScreen(const QString& workId, const std::function<void(F&)>& prepare = {},
                   const std::function<void(F&)>& readResults = {});

// Message <workId>/899 of a sub-screen that failed to start.
void showStartFailure(const QString& workId);

template <typename F>
bool openSubScreen(const QString& workId, const std::function<void(F&)>& prepare,
                   const std::function<void(F&)>& readResults) {
    F* f = F::load(prepare);
    const LoadState state = f->loadState();
    if (state == LoadState::Failed) {
        showStartFailure(workId);
        F::unload();
        return false;
    }
    if (state == LoadState::NothingToShow) {
        F::unload();
        return false;
    }
    QPointer<F> form(f);
    showModal(f);
    if (form && !form->isUnloaded() && readResults)
        readResults(*form);
    F::unload();
    return true;
}

} // namespace forms
