// The small input sub-screens' common ground: an OK and a back button (CmdFNC 0 and 1) that hide the
// screen, and the accept flag its opener reads afterwards.
#pragma once
#include <array>

#include "app/shell/FormSupport.h"

class QPushButton;

// The screen never unloads itself: its opener shows it modally, reads the flag and unloads it.
class OkBackForm : public forms::Form {
    Q_OBJECT
public:
    // True only when the user left with OK.
    bool PPoBolInputEffective() const { return inputEffective_; }
    void setPPoBolInputEffective(bool on) { inputEffective_ = on; }

    QPushButton* CmdFNC(int index) const { return cmdFNC_.at(static_cast<size_t>(index)); }

public slots:
    // Index 0 (OK) and 1 (back) hide the screen, the flag set first: hiding ends the opener's modal
    // wait. Other indexes do nothing.
    void CmdFNC_Click(int index);

protected:
    explicit OkBackForm(QWidget* parent);
    // Takes the designed buttons: Enter clicks OK, Esc clicks back.
    void setUpOkBack(QPushButton* ok, QPushButton* back);
    void Form_Activate() override;

private:
    std::array<QPushButton*, 2> cmdFNC_{};
    bool inputEffective_ = false;
};
