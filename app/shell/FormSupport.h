// What the program's windows share: their window style, their set-up and one-instance loading.
#pragma once
#include <QPointer>
#include <QWidget>

namespace forms {

// A top-level window with a title bar and no close, minimise or maximise buttons.
inline constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;

// Builds the designed controls on the form; closing the form unloads (destroys) it.
template <typename Ui, typename Form> void setUp(Ui& ui, Form* form) {
    ui.setupUi(form);
    form->setAttribute(Qt::WA_DeleteOnClose);
}

// The form's one instance, loaded (created, not yet shown) when it is not loaded.
template <typename Form> Form* loadOnce(QPointer<Form>& instance) {
    if (!instance)
        instance = new Form();
    return instance.data();
}

} // namespace forms
