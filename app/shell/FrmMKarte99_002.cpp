#include "app/shell/FrmMKarte99_002.h"

#include <QCoreApplication>

#include "app/shell/MdlCommInterface.h"
#include "ui_FrmMKarte99_002.h"

namespace {
std::function<void(long)>& recorder() {
    static std::function<void(long)> r;
    return r;
}
} // namespace

FrmMKarte99_002::FrmMKarte99_002(QWidget* parent)
    : forms::Form(parent), ui(std::make_unique<Ui::FrmMKarte99_002>()) {
    ui->setupUi(this);
}

FrmMKarte99_002::~FrmMKarte99_002() {
    // Destroyed without its unload (at the very end of the program): the pointer goes back all the same.
    if (busyShown_)
        MdlCommInterface::PSuMousePointer(0, nullptr);
}

void FrmMKarte99_002::Form_Load() {
    // The caption is this window's own literal: it is not prefixed like the other screens.
    MdlCommInterface::PSuFormCenter(this);
    // The whole screen shows the hourglass while the window is loaded.
    MdlCommInterface::PSuMousePointer(11, nullptr);
    busyShown_ = true;
    ui->ProgWait->setMaximum(10);
    ui->ProgWait->setMinimum(0);
    ui->ProgWait->setValue(0);
}

void FrmMKarte99_002::Form_QueryUnload(bool& cancel, forms::UnloadMode mode) {
    cancel = mode == forms::UnloadMode::ControlMenu;
}

void FrmMKarte99_002::Form_Unload(bool&) {
    MdlCommInterface::PSuMousePointer(0, nullptr);
    busyShown_ = false;
    ui->ProgWait->setValue(0);
}

void FrmMKarte99_002::PoSetProgValue(long value) {
    ui->ProgWait->setValue(static_cast<int>(value));
    if (auto& r = recorder())
        r(value);
    repaint();
    QCoreApplication::processEvents();
}

int FrmMKarte99_002::progValue() const {
    return ui->ProgWait->value();
}

void FrmMKarte99_002::setProgressRecorder(std::function<void(long)> r) {
    recorder() = std::move(r);
}
