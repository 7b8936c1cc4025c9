// The record-loading wait window: what is being read, how many of how many, and a progress bar, kept
// on top of every window while a record book loads.
#pragma once
#include <QElapsedTimer>
#include <QWidget>
#include <memory>

#include "app/shell/FormSupport.h"

namespace Ui {
class FrmMkarte99_001;
}

// The default instance: loaded and shown modeless by the load, unloaded by it on success and failure
// alike; the window's own close is refused.
class FrmMkarte99_001 : public forms::Form, public forms::DefaultInstance<FrmMkarte99_001> {
    Q_OBJECT
public:
    explicit FrmMkarte99_001(QWidget* parent = nullptr);
    ~FrmMkarte99_001() override;

    void setGetMessage(const QString& text);
    void setGetCnt(long n);
    void setAllCnt(long n);
    void setBarRange(long min, long max);
    void setBarValue(long value);
    // Paints the window now; at most about 60 times a second, the load being far quicker than the eye.
    void refresh();

protected:
    void Form_Load() override;
    void Form_QueryUnload(bool& cancel, forms::UnloadMode mode) override;
    void Form_Unload(bool& cancel) override;

private:
    std::unique_ptr<Ui::FrmMkarte99_001> ui;
    QElapsedTimer lastPaint_;
    bool busyShown_ = false;
};
