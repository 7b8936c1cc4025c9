// The menu after login: who is logged in, the record button, and log out.
#pragma once
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

class QPushButton;

namespace Ui {
class FrmMKarte01_002;
}

class FrmMKarte01_002 : public QWidget {
    Q_OBJECT
public:
    explicit FrmMKarte01_002(QWidget* parent = nullptr);
    ~FrmMKarte01_002() override;

    // The menu of the latest login (null when none is loaded).
    static FrmMKarte01_002* loaded();
    // Unloads any earlier menu and loads a new one (not yet shown).
    static FrmMKarte01_002* loadNew();

    // The record path behind the record button: the patient search (true when it ran; the flag
    // tells whether a patient was chosen) and the record book of the current patient. The
    // button is enabled only while both are present.
    struct RecordServices {
        std::function<bool(bool& chosen)> patientSearch;
        std::function<bool()> karteMain;
    };
    static void setRecordServices(RecordServices services);

    QPushButton* CmdKarte(int index) const { return cmdKarte_.at(static_cast<size_t>(index)); }
    QPushButton* CmdMainte(int index) const { return cmdMainte_.at(static_cast<size_t>(index)); }

public slots:
    void CmdKarte_Click(int index);
    void CmdEnd_Click();

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void Form_Load();
    // Enables and shows the login form again (log out).
    void showLogin();

    std::unique_ptr<Ui::FrmMKarte01_002> ui;
    std::array<QPushButton*, 3> cmdKarte_{};  // index 1..2
    std::array<QPushButton*, 5> cmdMainte_{}; // index 1..4
};
