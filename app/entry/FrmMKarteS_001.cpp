#include "app/entry/FrmMKarteS_001.h"

#include "app/shell/MdlCommInterface.h"
#include "controls/toothchart/DentalPart.h"
#include "controls/toothchart/ToothPartCode.h"
#include "ui_FrmMKarteS_001.h"

FrmMKarteS_001::FrmMKarteS_001(QWidget* parent)
    : OkBackForm(parent), ui(std::make_unique<Ui::FrmMKarteS_001>()) {
    ui->setupUi(this);
    setUpOkBack(ui->CmdFNC_0, ui->CmdFNC_1);
}

FrmMKarteS_001::~FrmMKarteS_001() = default;

DentalPart* FrmMKarteS_001::DentalPart1() const {
    return ui->DentalPart1;
}

void FrmMKarteS_001::Form_Load() {
    MdlCommInterface::PSuFormCaption(this, QString());
    ui->DentalPart1->setPPoPart33(ToothPartCode::kEmpty);
    ui->DentalPart1->setPPoPartText(QString());
    MdlCommInterface::PSuFormCenter(this);
    setPPoBolInputEffective(false);
}

QString FrmMKarteS_001::PPoPartText() const {
    return ui->DentalPart1->PPoPartText();
}

void FrmMKarteS_001::setPPoPartText(const QString& text) {
    ui->DentalPart1->setPPoPartText(text);
}

QString FrmMKarteS_001::PPoPart33() const {
    return ui->DentalPart1->PPoPart33();
}

void FrmMKarteS_001::setPPoPart33(const QString& code) {
    ui->DentalPart1->setPPoPart33(code);
}

bool FrmMKarteS_001::PPoBolTextEnable() const {
    return ui->DentalPart1->PPoBolTextEnable();
}

void FrmMKarteS_001::setPPoBolTextEnable(bool on) {
    ui->DentalPart1->setPPoBolTextEnable(on);
}

bool FrmMKarteS_001::PPoBolInputEnable() const {
    return ui->DentalPart1->isEnabled();
}

void FrmMKarteS_001::setPPoBolInputEnable(bool on) {
    ui->DentalPart1->setEnabled(on);
    ui->CmdFNC_0->setEnabled(on);
}

bool FrmMKarteS_001::PPoBolFixInputMode() const {
    return ui->DentalPart1->PPoBolFixInputMode();
}

void FrmMKarteS_001::setPPoBolFixInputMode(bool on) {
    ui->DentalPart1->setPPoBolFixInputMode(on);
}

int FrmMKarteS_001::PPoInputMode() const {
    return ui->DentalPart1->PPoInputMode();
}

void FrmMKarteS_001::setPPoInputMode(int mode) {
    ui->DentalPart1->setPPoInputMode(mode);
}
