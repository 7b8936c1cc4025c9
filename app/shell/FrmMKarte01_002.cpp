#include "app/shell/FrmMKarte01_002.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPointer>

#include "app/shell/FormSupport.h"
#include "app/shell/FrmMKarte01_001.h"
#include "app/shell/MdlCommInterface.h"
#include "app/shell/ShellGlobals.h"
#include "ui_FrmMKarte01_002.h"

using MdlCommInterface::PSuMousePointer;

namespace {
QPointer<FrmMKarte01_002> gInstance;

FrmMKarte01_002::RecordServices& recordServices() {
    static FrmMKarte01_002::RecordServices s;
    return s;
}
} // namespace

FrmMKarte01_002::FrmMKarte01_002(QWidget* parent)
    : QWidget(parent, forms::kWindowFlags), ui(std::make_unique<Ui::FrmMKarte01_002>()) {
    forms::setUp(*ui, this);
    cmdKarte_ = {nullptr, ui->CmdKarte_1, ui->CmdKarte_2};
    cmdMainte_ = {nullptr, ui->CmdMainte_1, ui->CmdMainte_2, ui->CmdMainte_3, ui->CmdMainte_4};
    for (int i = 1; i <= 2; ++i)
        connect(cmdKarte_[i], &QPushButton::clicked, this, [this, i] { CmdKarte_Click(i); });
    // The maintenance buttons are present but have no action.
    connect(ui->CmdEnd, &QPushButton::clicked, this, &FrmMKarte01_002::CmdEnd_Click);
    Form_Load();
}

FrmMKarte01_002::~FrmMKarte01_002() = default;

FrmMKarte01_002* FrmMKarte01_002::loaded() {
    return gInstance.data();
}

FrmMKarte01_002* FrmMKarte01_002::loadNew() {
    // An earlier menu is dropped without logging out: a new login is under way.
    delete gInstance.data();
    gInstance = new FrmMKarte01_002();
    return gInstance.data();
}

void FrmMKarte01_002::setRecordServices(RecordServices services) {
    recordServices() = std::move(services);
}

void FrmMKarte01_002::Form_Load() {
    MdlCommInterface::PSuFormCaption(this, QString());
    MdlCommInterface::PSuFormCenter(this);
    ui->LblLoginName->setText(gStaffLoginInfo.staff_name);
    // The record button needs the patient search and the record book.
    const RecordServices& s = recordServices();
    ui->CmdKarte_2->setEnabled(s.patientSearch && s.karteMain);
}

bool FrmMKarte01_002::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate)
        PSuMousePointer(0, this);
    return QWidget::event(e);
}

void FrmMKarte01_002::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) { // the back button is the cancel button
        ui->CmdEnd->click();
        return;
    }
    QWidget::keyPressEvent(e);
}

void FrmMKarte01_002::CmdKarte_Click(int index) {
    PSuMousePointer(11, this);
    const RecordServices services = recordServices();
    if (index != 2 || !services.patientSearch || !services.karteMain) {
        PSuMousePointer(0, this);
        return;
    }
    QPointer<FrmMKarte01_002> self(this);
    bool chosen = false;
    if (!services.patientSearch(chosen) || !chosen) {
        if (self)
            PSuMousePointer(0, this);
        return;
    }
    if (!self)
        return;
    repaint();
    const bool shown = services.karteMain();
    if (!self)
        return;
    if (shown) {
        setEnabled(true);
        raise();
        activateWindow();
        PSuMousePointer(0, this);
    } else {
        PSuMousePointer(0, this);
        raise();
        activateWindow();
    }
}

void FrmMKarte01_002::showLogin() {
    PSuMousePointer(11, this);
    FrmMKarte01_001* login = FrmMKarte01_001::loaded();
    login->setEnabled(true);
    login->show();
    login->raise();
    login->activateWindow();
}

void FrmMKarte01_002::CmdEnd_Click() {
    close();
}

void FrmMKarte01_002::closeEvent(QCloseEvent* e) {
    // Every way of closing the menu logs out, the window manager's too: otherwise the hidden,
    // disabled login would keep the program alive with no window. At the end of the program
    // (the login form unloading everything) the menu is only unloaded: no log-out step runs.
    const FrmMKarte01_001* login = FrmMKarte01_001::loaded();
    if (login && !login->isEnding())
        showLogin();
    e->accept();
}
