// The staff login: the clinic's active hygiene staff, password check, menu; closing it ends the program.
#pragma once
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "app/shell/FormSupport.h"
#include "app/shell/ShellGlobals.h"

namespace ado {
class Recordset;
}
namespace Ui {
class FrmMKarte01_001;
}

// The default instance: load() reads the staff list; unloading the form ends the program.
class FrmMKarte01_001 : public forms::Form, public forms::DefaultInstance<FrmMKarte01_001> {
    Q_OBJECT
public:
    explicit FrmMKarte01_001(QWidget* parent = nullptr);
    ~FrmMKarte01_001() override;

    // The next activation reloads the staff list.
    void PPoSetRefresh(bool value) { refresh_ = value; }

    // The staff list query for a clinic code (the code's quotes doubled).
    static QString staffListSql(const QString& clinicCode);
    // Appends one entry per row of the staff query to list (emptied first): class "2", the row's code,
    // name and password, each Null read as "". A failing read leaves the rows read so far.
    static void readStaffList(ado::Recordset& rs, std::vector<StaffLoginInfo>& list);
    // The message that refuses a login with list index chosen and password typed: 0 none (entry index
    // logs in), 202 nobody chosen, 203 no password typed, 204 not the stored password (exact: case and
    // blanks count). An index past the list is a run-time error (9).
    static int loginRefusal(int index, const QString& typed, const std::vector<StaffLoginInfo>& list);
    // The staff list as loaded, entry i belonging to item i of the drop-down list.
    const std::vector<StaffLoginInfo>& staffList() const { return staffList_; }

    // Tests: what ends the event loop at the end of the program (default: quit the application).
    static void setQuitHandler(std::function<void()> handler);

public slots:
    void CmdLogin_Click();
    void CmdKeyboard_Click();
    void CmdEnd_Click();

protected:
    void Form_Load() override;
    void Form_Activate() override;
    // Any unload of the login ends the program.
    void Form_Unload(bool& cancel) override;

private:
    // The menu logged out: the login is enabled and shown again.
    void showAgain();
    bool FuBolStaffListGet();
    bool FuBolLoginCheck(QWidget*& focusTarget);

    std::unique_ptr<Ui::FrmMKarte01_001> ui;
    std::vector<StaffLoginInfo> staffList_;
    bool refresh_ = false;
    bool ending_ = false;
};
