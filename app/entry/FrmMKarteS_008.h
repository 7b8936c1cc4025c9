// The text input sub-screen: one line of text for a run of small characters, OK and back.
#pragma once
#include <memory>

#include "app/entry/OkBackForm.h"

namespace Ui {
class FrmMKarteS_008;
}

// Opened by MdlSubScreen::PFuBolStrInput, which centres it, shows it modally and reads the text when
// the user accepted.
class FrmMKarteS_008 : public OkBackForm, public forms::DefaultInstance<FrmMKarteS_008> {
    Q_OBJECT
public:
    explicit FrmMKarteS_008(QWidget* parent = nullptr);
    ~FrmMKarteS_008() override;

    // The text of txtString.
    QString PPoStrInputString() const;
    void setPPoStrInputString(const QString& text);

protected:
    void Form_Load() override;

private:
    std::unique_ptr<Ui::FrmMKarteS_008> ui;
};
