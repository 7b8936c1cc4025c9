// The start-up wait window: a message and a progress bar (0 to 10) while the start-up works.
#pragma once
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

namespace Ui {
class FrmMKarte99_002;
}

class FrmMKarte99_002 : public QWidget {
    Q_OBJECT
public:
    explicit FrmMKarte99_002(QWidget* parent = nullptr);
    ~FrmMKarte99_002() override;

    // Sets the bar, repaints at once and lets the event loop run once.
    void PoSetProgValue(long value);
    int progValue() const;

    // The program's one instance of the window (null when not loaded).
    static FrmMKarte99_002* loaded();
    // Loads the instance when needed and returns it (not yet shown).
    static FrmMKarte99_002* load();
    // Closes and destroys the instance when it is loaded.
    static void unload();

    // Tests: every value given to PoSetProgValue is passed to the recorder (empty to stop).
    static void setProgressRecorder(std::function<void(long)> recorder);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void formUnload();

    std::unique_ptr<Ui::FrmMKarte99_002> ui;
    bool unloaded_ = false;
    bool unloading_ = false;
};
