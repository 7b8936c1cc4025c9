// The tooth-part entry sub-screen: one tooth-part panel, OK and back, and whether the user accepted.
#pragma once
#include <array>
#include <memory>

#include "app/shell/FormSupport.h"

class DentalPart;
class QPushButton;

namespace Ui {
class FrmMKarteS_001;
}

// Opened by the tooth-part openers, which set its members (the first access loads it with the empty
// code and no text), show it modally and read the result. Its members pass through to DentalPart1 at
// the moment they are read or written; only the accept flag is the screen's own. The screen hides
// itself on OK or back and never unloads itself: its opener does.
class FrmMKarteS_001 : public forms::Form, public forms::DefaultInstance<FrmMKarteS_001> {
    Q_OBJECT
public:
    explicit FrmMKarteS_001(QWidget* parent = nullptr);
    ~FrmMKarteS_001() override;

    QString PPoPartText() const;
    void setPPoPartText(const QString& text);
    // The tooth-part code; a let of "" is refused by the panel and changes nothing.
    QString PPoPart33() const;
    void setPPoPart33(const QString& code);
    // True only when the user left with OK.
    bool PPoBolInputEffective() const { return inputEffective_; }
    void setPPoBolInputEffective(bool on) { inputEffective_ = on; }
    bool PPoBolTextEnable() const;
    void setPPoBolTextEnable(bool on);
    // The panel and the OK button together.
    bool PPoBolInputEnable() const;
    void setPPoBolInputEnable(bool on);
    bool PPoBolFixInputMode() const;
    void setPPoBolFixInputMode(bool on);
    // 0 normal, 1 compressed, 2 bridge; a value outside them is refused by the panel.
    int PPoInputMode() const;
    void setPPoInputMode(int mode);

    DentalPart* DentalPart1() const;
    QPushButton* CmdFNC(int index) const { return cmdFNC_.at(static_cast<size_t>(index)); }

public slots:
    void CmdFNC_Click(int index);

protected:
    void Form_Load() override;
    void Form_Activate() override;

private:
    std::unique_ptr<Ui::FrmMKarteS_001> ui;
    std::array<QPushButton*, 2> cmdFNC_{};
    bool inputEffective_ = false;
};
