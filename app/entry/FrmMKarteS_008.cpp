#include "app/entry/FrmMKarteS_008.h"

#include "app/shell/MdlCommInterface.h"
#include "ui_FrmMKarteS_008.h"

FrmMKarteS_008::FrmMKarteS_008(QWidget* parent)
    : OkBackForm(parent), ui(std::make_unique<Ui::FrmMKarteS_008>()) {
    ui->setupUi(this);
    setUpOkBack(ui->CmdFNC_0, ui->CmdFNC_1);
}

FrmMKarteS_008::~FrmMKarteS_008() = default;

void FrmMKarteS_008::Form_Load() {
    MdlCommInterface::PSuFormCaption(this, QString());
    setPPoBolInputEffective(false);
}

QString FrmMKarteS_008::PPoStrInputString() const {
    return ui->txtString->text();
}

void FrmMKarteS_008::setPPoStrInputString(const QString& text) {
    ui->txtString->setText(text);
}
