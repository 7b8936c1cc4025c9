#include "app/shell/FrmMKarte99_002.h"

#include <QCloseEvent>
#include <QCoreApplication>

#include "app/shell/FormSupport.h"
#include "app/shell/MdlCommInterface.h"
#include "ui_FrmMKarte99_002.h"

namespace {
QPointer<FrmMKarte99_002> gInstance;
std::function<void(long)>& recorder() {
    static std::function<void(long)> r;
    return r;
}
} // namespace

FrmMKarte99_002::FrmMKarte99_002(QWidget* parent)
    : QWidget(parent, forms::kWindowFlags), ui(std::make_unique<Ui::FrmMKarte99_002>()) {
    forms::setUp(*ui, this);
    // The caption is this window's own literal: it is not prefixed like the other screens.
    MdlCommInterface::PSuFormCenter(this);
    // The whole screen shows the hourglass while the window is loaded.
    MdlCommInterface::PSuMousePointer(11, nullptr);
    ui->ProgWait->setMaximum(10);
    ui->ProgWait->setMinimum(0);
    ui->ProgWait->setValue(0);
}

FrmMKarte99_002::~FrmMKarte99_002() {
    formUnload();
}

void FrmMKarte99_002::formUnload() {
    if (unloaded_)
        return;
    unloaded_ = true;
    MdlCommInterface::PSuMousePointer(0, nullptr);
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

void FrmMKarte99_002::closeEvent(QCloseEvent* event) {
    // The window has no close button; a close from the window manager while the start-up
    // lets events in must not take it away. Only the program unloads it.
    if (!unloading_) {
        event->ignore();
        return;
    }
    formUnload();
    event->accept();
}

FrmMKarte99_002* FrmMKarte99_002::loaded() {
    return gInstance.data();
}

FrmMKarte99_002* FrmMKarte99_002::load() {
    return forms::loadOnce(gInstance);
}

void FrmMKarte99_002::unload() {
    if (!gInstance)
        return;
    FrmMKarte99_002* w = gInstance.data();
    gInstance = nullptr;
    w->unloading_ = true;
    w->close();
    delete w; // the pending deferred delete goes with it
}

void FrmMKarte99_002::setProgressRecorder(std::function<void(long)> r) {
    recorder() = std::move(r);
}
