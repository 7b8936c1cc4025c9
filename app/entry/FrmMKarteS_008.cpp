#include "app/entry/FrmMKarteS_008.h"

#include "app/shell/MdlCommInterface.h"
#include "ui_FrmMKarteS_008.h"

FrmMKarteS_008::FrmMKarteS_008(QWidget* parent)
    : forms::Form(parent), ui(std::make_unique<Ui::FrmMKarteS_008>()) {
    ui->setupUi(this);
    cmdFNC_ = {ui->CmdFNC_0, ui->CmdFNC_1};
    for (int i = 0; i < 2; ++i)
        connect(cmdFNC_[i], &QPushButton::clicked, this, [this, i] { CmdFNC_Click(i); });
    setDefaultButton(ui->CmdFNC_0);
    setCancelButton(ui->CmdFNC_1);
}

FrmMKarteS_008::~FrmMKarteS_008() = default;

void FrmMKarteS_008::Form_Load() {
    MdlCommInterface::PSuFormCaption(this, QString());
    inputEffective_ = false;
}

void FrmMKarteS_008::Form_Activate() {
    MdlCommInterface::PSuMousePointer(0, this);
}

void FrmMKarteS_008::CmdFNC_Click(int index) {
    if (index != 0 && index != 1)
        return;
    // The flag first: hiding ends the opener's modal wait.
    inputEffective_ = index == 0;
    hide();
}

QString FrmMKarteS_008::PPoStrInputString() const {
    return ui->txtString->text();
}

void FrmMKarteS_008::setPPoStrInputString(const QString& text) {
    ui->txtString->setText(text);
}
