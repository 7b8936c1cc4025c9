#include "app/shell/FrmMKarte01_002.h"

#include <QPointer>

#include "app/shell/MdlCommInterface.h"
#include "app/shell/MdlCommInterfaceSearch.h"
#include "app/shell/ShellGlobals.h"
#include "ui_FrmMKarte01_002.h"

using MdlCommInterface::PSuMousePointer;

namespace {
FrmMKarte01_002::RecordServices& recordServices() {
    static FrmMKarte01_002::RecordServices s;
    return s;
}
} // namespace

FrmMKarte01_002::FrmMKarte01_002(QWidget* parent)
    : forms::Form(parent), ui(std::make_unique<Ui::FrmMKarte01_002>()) {
    ui->setupUi(this);
    cmdKarte_ = {nullptr, ui->CmdKarte_1, ui->CmdKarte_2};
    cmdMainte_ = {nullptr, ui->CmdMainte_1, ui->CmdMainte_2, ui->CmdMainte_3, ui->CmdMainte_4};
    for (int i = 1; i <= 2; ++i)
        connect(cmdKarte_[i], &QPushButton::clicked, this, [this, i] { CmdKarte_Click(i); });
    // The maintenance buttons are present but have no action.
    connect(ui->CmdEnd, &QPushButton::clicked, this, &FrmMKarte01_002::CmdEnd_Click);
    setCancelButton(ui->CmdEnd);
}

FrmMKarte01_002::~FrmMKarte01_002() = default;

FrmMKarte01_002* FrmMKarte01_002::loadNew() {
    unload(forms::UnloadMode::Code);
    return load();
}

void FrmMKarte01_002::setRecordServices(RecordServices services) {
    recordServices() = std::move(services);
}

void FrmMKarte01_002::Form_Load() {
    MdlCommInterface::PSuFormCaption(this, QString());
    MdlCommInterface::PSuFormCenter(this);
    ui->LblLoginName->setText(gStaffLoginInfo.staff_name);
    // The patient search is the shell's own: the record button is always usable.
    ui->CmdKarte_2->setEnabled(true);
}

void FrmMKarte01_002::Form_Activate() {
    PSuMousePointer(0, this);
}

void FrmMKarte01_002::CmdKarte_Click(int index) {
    PSuMousePointer(11, this);
    const RecordServices services = recordServices();
    if (index != 2) {
        PSuMousePointer(0, this);
        return;
    }
    // The services run other windows: the program may end (and unload the menu) meanwhile.
    QPointer<FrmMKarte01_002> self(this);
    auto gone = [&self] { return !self || self->isUnloaded(); };
    bool chosen = false;
    const bool ran = services.patientSearch ? services.patientSearch(chosen)
                                            : MdlCommInterface::PFuBolPatientSearch(chosen);
    if (!ran || !chosen || !services.karteMain) {
        if (!gone())
            PSuMousePointer(0, this);
        return;
    }
    if (gone())
        return;
    repaint();
    const bool shown = services.karteMain();
    if (gone())
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

void FrmMKarte01_002::logOut() {
    PSuMousePointer(11, this);
    emit loggedOut();
}

void FrmMKarte01_002::CmdEnd_Click() {
    logOut();
    unloadForm(forms::UnloadMode::Code);
}

void FrmMKarte01_002::Form_QueryUnload(bool&, forms::UnloadMode mode) {
    if (mode == forms::UnloadMode::ControlMenu)
        logOut();
}
