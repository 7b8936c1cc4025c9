// The staff login: the clinic's active hygiene staff, password check, menu; closing it ends the program.
#pragma once
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "app/shell/ShellGlobals.h"

namespace Ui {
class FrmMKarte01_001;
}

class FrmMKarte01_001 : public QWidget {
    Q_OBJECT
public:
    explicit FrmMKarte01_001(QWidget* parent = nullptr);
    ~FrmMKarte01_001() override;

    // The program's one login form (null when not loaded).
    static FrmMKarte01_001* loaded();
    // Loads the form when needed (its staff list is read then) and returns it, not yet shown.
    static FrmMKarte01_001* load();

    // True while the form unloads, that is, while the program ends.
    bool isEnding() const { return unloaded_; }

    // The next activation reloads the staff list.
    void PPoSetRefresh(bool value) { refresh_ = value; }

    // The staff list query for a clinic code (the code's quotes doubled).
    static QString staffListSql(const QString& clinicCode);
    // The staff list as loaded, entry i belonging to item i of the drop-down list.
    const std::vector<StaffLoginInfo>& staffList() const { return staffList_; }

    // Tests: what ends the event loop at the end of the program (default: quit the application).
    static void setQuitHandler(std::function<void()> handler);

public slots:
    void CmdLogin_Click();
    void CmdKeyboard_Click();
    void CmdEnd_Click();

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void Form_Load();
    void Form_Activate();
    void Form_Unload();
    bool FuBolStaffListGet();
    bool FuBolLoginCheck(QWidget*& focusTarget);

    std::unique_ptr<Ui::FrmMKarte01_001> ui;
    std::vector<StaffLoginInfo> staffList_;
    bool refresh_ = false;
    bool unloaded_ = false;
};
