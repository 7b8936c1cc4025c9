// The menu after login: who is logged in, the record button, and log out.
#pragma once
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "app/shell/FormSupport.h"

class QPushButton;

namespace Ui {
class FrmMKarte01_002;
}

// The default instance is the menu of the latest login.
class FrmMKarte01_002 : public forms::Form, public forms::DefaultInstance<FrmMKarte01_002> {
    Q_OBJECT
public:
    explicit FrmMKarte01_002(QWidget* parent = nullptr);
    ~FrmMKarte01_002() override;

    // Unloads any earlier menu (without logging out: a new login is under way) and loads a new one
    // (not yet shown).
    static FrmMKarte01_002* loadNew();

    // The record path behind the record button: the patient search (true when it ran; the flag
    // tells whether a patient was chosen; the shell's own search when none is set) and the record
    // book of the current patient, registered by the record book (without it the button stops after
    // the choice).
    struct RecordServices {
        std::function<bool(bool& chosen)> patientSearch;
        std::function<bool()> karteMain;
    };
    static void setRecordServices(RecordServices services);

    QPushButton* CmdKarte(int index) const { return cmdKarte_.at(static_cast<size_t>(index)); }
    QPushButton* CmdMainte(int index) const { return cmdMainte_.at(static_cast<size_t>(index)); }

signals:
    // Log out: the login form is to be enabled and shown again. Sent by the back button (and Esc) and by
    // a close of the window, never when the program unloads the menu at its end.
    void loggedOut();

public slots:
    void CmdKarte_Click(int index);
    void CmdEnd_Click();

protected:
    void Form_Load() override;
    void Form_Activate() override;
    // A close of the window logs out as the back button does: otherwise the hidden, disabled login
    // would keep the program alive with no window.
    void Form_QueryUnload(bool& cancel, forms::UnloadMode mode) override;

private:
    // Steps 1 and 2 of the log out: busy pointer on the menu, the login shown again.
    void logOut();

    std::unique_ptr<Ui::FrmMKarte01_002> ui;
    std::array<QPushButton*, 3> cmdKarte_{};  // index 1..2
    std::array<QPushButton*, 5> cmdMainte_{}; // index 1..4
};
