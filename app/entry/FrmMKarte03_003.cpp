#include "app/entry/FrmMKarte03_003.h"

#include "app/entry/ClockMinutes.h"
#include "app/entry/PatientLabels.h"
#include "app/entry/TextList.h"
#include "app/recordcore/KarteGlobals.h"
#include "app/shell/MdlCommInterface.h"
#include "app/shell/MdlCommStructure.h"
#include "app/shell/MdlScreenKey.h"
#include "app/shell/ShellGlobals.h"
#include "controls/cancelline/Brannic.h"
#include "controls/dental/PlaqueCheck.h"
#include "controls/timeentry/ClockText.h"
#include "controls/timeentry/MyImTime.h"
#include "controls/toothchart/DText.h"
#include "platform/error/VbError.h"
#include "platform/fields/ImDate.h"
#include "platform/spread/SpreadGrid.h"
#include "platform/text/Text.h"
#include "ui_FrmMKarte03_003.h"

using MdlCommInterface::PSuMousePointer;

namespace {

// The entry mask an empty date field shows.
const QString kEmptyDateMask = QStringLiteral("＿＿ __年__月__日");
const QString kDeleted = QStringLiteral("1");

} // namespace

FrmMKarte03_003::FrmMKarte03_003(QWidget* parent)
    : forms::Form(parent), ui(std::make_unique<Ui::FrmMKarte03_003>()) {
    ui->setupUi(this);
    cells_ = plaquechart::gatherCells(*this, QStringLiteral("PlaqueCheck"));
    for (int i = 0; i < kToothCount; ++i)
        connect(cells_[static_cast<size_t>(i)], &PlaqueCheck::ChangePlaque, this,
                [this, i] { PlaqueCheck_ChangePlaque(i); });
    connect(ui->ImiTime_0, &MyImTime::Click, this, [this](int cbo) { ImiTime_Click(0, cbo); });
    connect(ui->ImiTime_1, &MyImTime::Click, this, [this](int cbo) { ImiTime_Click(1, cbo); });
    connect(ui->SpdCleaning, &SpreadGrid::Click, this, &FrmMKarte03_003::SpdCleaning_Click);
    connect(ui->CmdCancel, &QPushButton::clicked, this, &FrmMKarte03_003::CmdCancel_Click);
    connect(ui->CmdKeyboard, &QPushButton::clicked, this, &FrmMKarte03_003::CmdKeyboard_Click);
    setCancelButton(ui->CmdCancel);

    // The cleaning items: nothing to edit or choose.
    textlist::setUpTextList(*ui->SpdCleaning, 1);
}

FrmMKarte03_003::~FrmMKarte03_003() = default;

MyImTime* FrmMKarte03_003::ImiTime(int index) const {
    return index == 0 ? ui->ImiTime_0 : ui->ImiTime_1;
}

DText* FrmMKarte03_003::DtxComment(int index) const {
    return index == 0 ? ui->DtxComment_0 : ui->DtxComment_1;
}

SpreadGrid* FrmMKarte03_003::SpdCleaning() const {
    return ui->SpdCleaning;
}

QLabel* FrmMKarte03_003::lblLost() const {
    return ui->LblLost_1;
}

QLabel* FrmMKarte03_003::lblPlaqueCnt() const {
    return ui->LblPlaqueCnt_1;
}

QLabel* FrmMKarte03_003::lblPlaqueRitu() const {
    return ui->LblPlaqueRitu_1;
}

void FrmMKarte03_003::PSuCloseWindowt() {
    unloadForm(forms::UnloadMode::Code);
}

const InstructVisitData& FrmMKarte03_003::visit() const {
    if (nowPlaque_ < 0 || nowPlaque_ >= static_cast<long>(info_.history.size()))
        throw VbError::of(9, QStringLiteral("FrmMKarte03_003"), QStringLiteral("history"));
    return info_.history[static_cast<size_t>(nowPlaque_)];
}

void FrmMKarte03_003::Form_Load() {
    setLoadState(forms::LoadState::Loading);
    MdlCommInterface::PSuFormCaption(this, QString());
    MdlCommInterface::PSuFormCenter(this);
    permanent_ = {};
    deciduous_ = {};
    info_ = gKarteInfo;
    if (!SuScreenFill() || !SuPlaqueDisp()) {
        setLoadState(forms::LoadState::Failed);
        return;
    }
    update_ = false;
    setLoadState(forms::LoadState::Ready);
}

bool FrmMKarte03_003::SuScreenFill() {
    try {
        const InstructVisitData& v = visit();
        const int step = text::vbCLng(gStrEiseiMM, QStringLiteral("FrmMKarte03_003"));
        ui->ImiTime_0->setListUnit(step);
        ui->ImiTime_1->setListUnit(step);

        // Cleared first; the date field then shows the visit's own date (left empty when the visit
        // holds none), never today's: this screen shows a past visit.
        ui->ImdEntryDate->setText(kEmptyDateMask);
        SpreadGrid& g = *ui->SpdCleaning;
        g.setRow(0);
        g.setMaxRows(0);
        ui->ImdEntryDate->setValue(v.entry);
        ui->LblMM->clear();

        textlist::fillTextList(g, v.cleaning_imp);

        patientlabels::fill(*this);
        ui->LblWriPersonName->setText(v.staff_name);

        if (quorvin::vbIsDate(v.inst_start_time))
            ui->ImiTime_0->setText(v.inst_start_time);
        if (quorvin::vbIsDate(v.inst_end_time))
            ui->ImiTime_1->setText(v.inst_end_time);

        delMark_ = v.del_mark;
        SuDelMarkDisp();

        ui->ImdEntryDate->setEnabled(false);
        ui->ImiTime_0->setEnabled(false);
        ui->ImiTime_1->setEnabled(false);
        for (PlaqueCheck* c : cells_)
            c->setEnabled(false);
        ui->DtxComment_0->setPPoStrDString(v.inst_point);
        ui->DtxComment_1->setPPoStrDString(v.communicate_point);
        ui->DtxComment_0->setEnabledText(false);
        ui->DtxComment_1->setEnabledText(false);
        return true;
    } catch (...) {
        return false;
    }
}

bool FrmMKarte03_003::SuPlaqueDisp() {
    try {
        if (!plaquechart::showPlaqueCodes(visit().plaque, permanent_, deciduous_, cells_))
            return false;
        MdlPlaque::PSuPlaqueRituDisp(*this);
        return true;
    } catch (...) {
        return false;
    }
}

void FrmMKarte03_003::SuDelMarkDisp() {
    const bool deleted = delMark_ == kDeleted;
    ui->LblAppealsDel->setVisible(deleted);
    ui->Brannic->setVisible(deleted);
}

void FrmMKarte03_003::Form_Activate() {
    PSuMousePointer(0, this);
    SuDelMarkDisp();
}

void FrmMKarte03_003::Form_Unload(bool&) {
    permanent_ = {};
    deciduous_ = {};
    info_ = InstructEntryData();
}

void FrmMKarte03_003::ImiTime_Click(int, int) {
    if (const auto minutes = clockminutes::shownMinutes(ui->ImiTime_0->text(), ui->ImiTime_1->text()))
        ui->LblMM->setText(QString::number(*minutes));
}

void FrmMKarte03_003::PlaqueCheck_ChangePlaque(int) {
    MdlPlaque::PSuPlaqueRituDisp(*this);
}

void FrmMKarte03_003::SpdCleaning_Click(int, int row) {
    // The grid toggled the row: set it back, nothing here can be chosen.
    if (row < 1)
        return;
    SpreadGrid& g = *ui->SpdCleaning;
    g.setRow(row);
    g.setSelModeSelected(!g.selModeSelected());
}

void FrmMKarte03_003::CmdCancel_Click() {
    update_ = false;
    PSuMousePointer(11, this);
    unloadForm(forms::UnloadMode::Code);
}

void FrmMKarte03_003::CmdKeyboard_Click() {
    MdlScreenKey::PSuScreenKeyShow();
}
