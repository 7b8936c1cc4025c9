#include "app/entry/OkBackForm.h"

#include <QPushButton>

#include "app/shell/MdlCommInterface.h"

OkBackForm::OkBackForm(QWidget* parent) : forms::Form(parent) {}

void OkBackForm::setUpOkBack(QPushButton* ok, QPushButton* back) {
    cmdFNC_ = {ok, back};
    for (int i = 0; i < 2; ++i)
        connect(cmdFNC_[static_cast<size_t>(i)], &QPushButton::clicked, this, [this, i] { CmdFNC_Click(i); });
    setDefaultButton(ok);
    setCancelButton(back);
}

void OkBackForm::Form_Activate() {
    MdlCommInterface::PSuMousePointer(0, this);
}

void OkBackForm::CmdFNC_Click(int index) {
    if (index != 0 && index != 1)
        return;
    inputEffective_ = index == 0;
    hide();
}
