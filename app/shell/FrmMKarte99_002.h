// The start-up wait window: a message and a progress bar (0 to 10) while the start-up works.
#pragma once
#include <QWidget>
#include <functional>
#include <memory>

#include "app/shell/FormSupport.h"

namespace Ui {
class FrmMKarte99_002;
}

// The default instance: loaded by the start-up, unloaded by it (or by the login); the window's own
// close is refused.
class FrmMKarte99_002 : public forms::Form, public forms::DefaultInstance<FrmMKarte99_002> {
    Q_OBJECT
public:
    explicit FrmMKarte99_002(QWidget* parent = nullptr);
    ~FrmMKarte99_002() override;

    // Sets the bar, repaints at once and lets the event loop run once.
    void PoSetProgValue(long value);
    int progValue() const;

    // Tests: every value given to PoSetProgValue is passed to the recorder (empty to stop).
    static void setProgressRecorder(std::function<void(long)> recorder);

protected:
    void Form_Load() override;
    // The window has no close button; a close from the window manager while the start-up lets events
    // in must not take it away. Only the program unloads it.
    void Form_QueryUnload(bool& cancel, forms::UnloadMode mode) override;
    void Form_Unload(bool& cancel) override;

private:
    std::unique_ptr<Ui::FrmMKarte99_002> ui;
    bool busyShown_ = false;
};
