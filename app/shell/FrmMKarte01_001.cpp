#include "app/shell/FrmMKarte01_001.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>

#include "app/shell/FormSupport.h"
#include "app/shell/FrmMKarte01_002.h"
#include "app/shell/FrmMKarte99_002.h"
#include "app/shell/MdlCommADODB.h"
#include "app/shell/MdlCommInterface.h"
#include "app/shell/MdlMain.h"
#include "app/shell/MdlScreenKey.h"
#include "platform/error/VbError.h"
#include "ui_FrmMKarte01_001.h"

using MdlCommInterface::PSuMousePointer;

namespace {
std::function<void()>& quitHandler() {
    static std::function<void()> h;
    return h;
}
} // namespace

FrmMKarte01_001::FrmMKarte01_001(QWidget* parent)
    : forms::Form(parent), ui(std::make_unique<Ui::FrmMKarte01_001>()) {
    ui->setupUi(this);
    connect(ui->CmdLogin, &QPushButton::clicked, this, &FrmMKarte01_001::CmdLogin_Click);
    connect(ui->CmdKeyboard, &QPushButton::clicked, this, &FrmMKarte01_001::CmdKeyboard_Click);
    connect(ui->CmdEnd, &QPushButton::clicked, this, &FrmMKarte01_001::CmdEnd_Click);
    setDefaultButton(ui->CmdLogin);
    setCancelButton(ui->CmdEnd);
}

FrmMKarte01_001::~FrmMKarte01_001() = default;

void FrmMKarte01_001::setQuitHandler(std::function<void()> handler) {
    quitHandler() = std::move(handler);
}

void FrmMKarte01_001::Form_Load() {
    refresh_ = false;
    // The whole screen is busy while the list loads; the form itself stays enabled.
    PSuMousePointer(11, nullptr);
    MdlCommInterface::PSuFormCaption(this, QString());
    MdlCommInterface::PSuFormCenter(this);
    ui->ImtPassWord->setText(QString());
    ui->CboStaffName->clear();
    FuBolStaffListGet(); // a failed load leaves the list empty; the form still opens
    PSuMousePointer(0, nullptr);
}

void FrmMKarte01_001::Form_Activate() {
    if (refresh_) {
        ui->CboStaffName->clear();
        FuBolStaffListGet();
        refresh_ = false;
    }
    PSuMousePointer(0, this);
}

QString FrmMKarte01_001::staffListSql(const QString& clinicCode) {
    return QStringLiteral("SELECT") + QStringLiteral(" m_personnel.staff_code, ") +
           QStringLiteral(" m_personnel.staff_name, ") + QStringLiteral(" m_personnel.passwd ") +
           QStringLiteral("FROM m_personnel,m_cp_link ") +
           QStringLiteral("WHERE m_personnel.staff_class_code = m_cp_link.staff_class_code ") +
           QStringLiteral(" AND  m_personnel.staff_code = m_cp_link.staff_code ") +
           QStringLiteral(" AND  m_personnel.staff_class_code = '") + QStringLiteral("2") +
           QStringLiteral("' ") + QStringLiteral(" AND  m_cp_link.clinic_code = '") +
           ado::sqlQuote(clinicCode) + QStringLiteral("' ") +
           QStringLiteral(" AND  m_cp_link.retirementday IS NULL ") +
           QStringLiteral("ORDER BY m_personnel.staff_code");
}

void FrmMKarte01_001::readStaffList(ado::Recordset& rs, std::vector<StaffLoginInfo>& list) {
    list.clear();
    for (; !rs.eof(); rs.moveNext()) {
        StaffLoginInfo s;
        s.staff_class_code = QStringLiteral("2");
        s.staff_code = MdlCommInterface::PFuStrNullToStr(rs.field(QStringLiteral("staff_code")));
        s.staff_name = MdlCommInterface::PFuStrNullToStr(rs.field(QStringLiteral("staff_name")));
        s.passwd = MdlCommInterface::PFuStrNullToStr(rs.field(QStringLiteral("passwd")));
        list.push_back(s);
    }
}

int FrmMKarte01_001::loginRefusal(int index, const QString& typed, const std::vector<StaffLoginInfo>& list) {
    if (index < 0)
        return 202;
    if (typed.isEmpty())
        return 203;
    if (static_cast<size_t>(index) >= list.size())
        throw VbError::of(9, QStringLiteral("FuBolLoginCheck"));
    // Plain, exact comparison: letter case and blanks count.
    return typed == list[static_cast<size_t>(index)].passwd ? 0 : 204;
}

bool FrmMKarte01_001::FuBolStaffListGet() {
    std::unique_ptr<ado::Connection> con;
    std::unique_ptr<ado::Recordset> rs;
    try {
        const QString sql = staffListSql(gClinicInfo.clinic_code);
        if (!MdlCommADODB::PFuBolDBConnect(con))
            return false;
        long count = 0;
        if (!MdlCommADODB::PFuBolExecuteSql(sql, *con, count, 0, rs)) {
            MdlCommADODB::PFuDbConClose(*con);
            return false;
        }

        readStaffList(*rs, staffList_);
        for (const StaffLoginInfo& s : staffList_)
            ui->CboStaffName->addItem(s.staff_name);
        // Nobody is chosen until the user picks a name.
        ui->CboStaffName->setCurrentIndex(-1);

        const bool rsClosed = MdlCommADODB::PFuDbRsClose(*rs);
        const bool conClosed = MdlCommADODB::PFuDbConClose(*con);
        return rsClosed && conClosed;
    } catch (...) {
        PFuDispMessage(QStringLiteral("001"), QStringLiteral("900"), EnMsgDispButton::O, EnMsgDispIcon::E);
        MdlCommADODB::PSuDbCloseQuietly(rs, con);
        return false;
    }
}

bool FrmMKarte01_001::FuBolLoginCheck(QWidget*& focusTarget) {
    focusTarget = nullptr;
    try {
        const int index = ui->CboStaffName->currentIndex();
        const int refusal = loginRefusal(index, ui->ImtPassWord->text(), staffList_);
        if (refusal != 0) {
            PFuDispMessage(QStringLiteral("001"), QString::number(refusal), EnMsgDispButton::O,
                           EnMsgDispIcon::W);
            if (refusal == 204)
                ui->ImtPassWord->setText(QString());
            focusTarget = refusal == 202 ? static_cast<QWidget*>(ui->CboStaffName) : ui->ImtPassWord;
            return false;
        }
        ui->ImtPassWord->setText(QString());
        // The chosen entry, field by field.
        const StaffLoginInfo& chosen = staffList_[static_cast<size_t>(index)];
        StaffLoginInfo info;
        info.staff_class_code = chosen.staff_class_code;
        info.staff_code = chosen.staff_code;
        info.staff_name = chosen.staff_name;
        info.passwd = chosen.passwd;
        gStaffLoginInfo = info;
        return true;
    } catch (const std::exception& e) {
        PFuDispMessage(QStringLiteral("001"), QStringLiteral("801"), EnMsgDispButton::O, EnMsgDispIcon::E,
                       QStringLiteral("\r\n") + errorDescription(e));
        return false;
    }
}

void FrmMKarte01_001::CmdLogin_Click() {
    PSuMousePointer(11, this);
    QWidget* focusTarget = nullptr;
    if (FuBolLoginCheck(focusTarget)) {
        FrmMKarte99_002::unload();
        FrmMKarte01_002* menu = FrmMKarte01_002::loadNew();
        connect(menu, &FrmMKarte01_002::loggedOut, this, &FrmMKarte01_001::showAgain);
        menu->show();
        menu->raise();
        menu->activateWindow();
        // Hidden and still disabled until the menu logs out.
        hide();
    } else {
        PSuMousePointer(0, this);
        if (focusTarget)
            focusTarget->setFocus();
    }
}

void FrmMKarte01_001::CmdKeyboard_Click() {
    MdlScreenKey::PSuScreenKeyShow();
}

void FrmMKarte01_001::showAgain() {
    // At the end of the program the menu is only unloaded: nothing to show again.
    if (ending_)
        return;
    setEnabled(true);
    show();
    raise();
    activateWindow();
}

void FrmMKarte01_001::CmdEnd_Click() {
    QCoreApplication::processEvents();
    unloadForm(forms::UnloadMode::Code);
    QCoreApplication::processEvents();
}

void FrmMKarte01_001::Form_Unload(bool&) {
    // Closing the login form, by its end button, Esc or the window manager, ends the program.
    ending_ = true;
    staffList_.clear();
    forms::unloadAllExcept(this);
    MdlMain::PSuCommObjRelease();
    if (auto& h = quitHandler())
        h();
    else
        // Once this unload is over: the application closes every visible window before it quits, and
        // this one is still shown and unloading now, so it would refuse and the program would go on.
        QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                  Qt::QueuedConnection);
}
