// The text input sub-screen: one line of text for a run of small characters, OK and back.
#pragma once
#include <array>
#include <memory>

#include "app/shell/FormSupport.h"

class QPushButton;

namespace Ui {
class FrmMKarteS_008;
}

// Opened by MdlSubScreen::PFuBolStrInput, which centres it, shows it modally and reads the text when
// the user accepted. It hides itself on OK or back; its opener unloads it.
class FrmMKarteS_008 : public forms::Form, public forms::DefaultInstance<FrmMKarteS_008> {
    Q_OBJECT
public:
    explicit FrmMKarteS_008(QWidget* parent = nullptr);
    ~FrmMKarteS_008() override;

    // The text of txtString.
    QString PPoStrInputString() const;
    void setPPoStrInputString(const QString& text);
    // True only when the user left with OK.
    bool PPoBolInputEffective() const { return inputEffective_; }
    void setPPoBolInputEffective(bool on) { inputEffective_ = on; }

    QPushButton* CmdFNC(int index) const { return cmdFNC_.at(static_cast<size_t>(index)); }

public slots:
    void CmdFNC_Click(int index);

protected:
    void Form_Load() override;
    void Form_Activate() override;

private:
    std::unique_ptr<Ui::FrmMKarteS_008> ui;
    std::array<QPushButton*, 2> cmdFNC_{};
    bool inputEffective_ = false;
};
