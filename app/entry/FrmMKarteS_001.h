// The tooth-part entry sub-screen: one tooth-part panel, OK and back, and whether the user accepted.
#pragma once
#include <memory>

#include "app/entry/OkBackForm.h"

class DentalPart;

namespace Ui {
class FrmMKarteS_001;
}

// Opened by the tooth-part openers, which set its members (the first access loads it with the empty
// code and no text), show it modally and read the result. Its members pass through to DentalPart1 at
// the moment they are read or written; only the accept flag is the screen's own.
class FrmMKarteS_001 : public OkBackForm, public forms::DefaultInstance<FrmMKarteS_001> {
    Q_OBJECT
public:
    explicit FrmMKarteS_001(QWidget* parent = nullptr);
    ~FrmMKarteS_001() override;

    QString PPoPartText() const;
    void setPPoPartText(const QString& text);
    // The tooth-part code; a let of "" is refused by the panel and changes nothing.
    QString PPoPart33() const;
    void setPPoPart33(const QString& code);
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

protected:
    void Form_Load() override;

private:
    std::unique_ptr<Ui::FrmMKarteS_001> ui;
};
