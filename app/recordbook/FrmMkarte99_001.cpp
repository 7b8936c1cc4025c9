#include "app/recordbook/FrmMkarte99_001.h"

#include <algorithm>
#include <limits>

#include <QLayout>

#include "app/shell/MdlCommInterface.h"
#include "ui_FrmMkarte99_001.h"

namespace {
// Repaints closer together than this are not seen.
constexpr qint64 kPaintIntervalMs = 15;

int barValue(long v) {
    return static_cast<int>(std::clamp<long>(v, 0, std::numeric_limits<int>::max()));
}
} // namespace

FrmMkarte99_001::FrmMkarte99_001(QWidget* parent)
    : forms::Form(parent, forms::kWindowFlags | Qt::WindowStaysOnTopHint | Qt::Tool),
      ui(std::make_unique<Ui::FrmMkarte99_001>()) {
    ui->setupUi(this);
}

FrmMkarte99_001::~FrmMkarte99_001() {
    if (busyShown_)
        MdlCommInterface::PSuMousePointer(0, nullptr);
}

void FrmMkarte99_001::Form_Load() {
    MdlCommInterface::PSuFormCaption(this, QString());
    MdlCommInterface::PSuFormCenter(this);
    MdlCommInterface::PSuMousePointer(11, nullptr);
    busyShown_ = true;
}

void FrmMkarte99_001::Form_QueryUnload(bool& cancel, forms::UnloadMode mode) {
    // Only the load takes the window away; the user waits for it.
    cancel = mode == forms::UnloadMode::ControlMenu;
}

void FrmMkarte99_001::Form_Unload(bool&) {
    MdlCommInterface::PSuMousePointer(0, nullptr);
    busyShown_ = false;
}

void FrmMkarte99_001::setGetMessage(const QString& text) {
    ui->LblGetMessage->setText(text);
}

void FrmMkarte99_001::setGetCnt(long n) {
    ui->LblGetCnt->setText(QString::number(n));
}

void FrmMkarte99_001::setAllCnt(long n) {
    ui->LblAllCnt->setText(QString::number(n));
}

void FrmMkarte99_001::setBarRange(long min, long max) {
    ui->PrgBarGet->setRange(barValue(min), barValue(max));
}

void FrmMkarte99_001::setBarValue(long value) {
    ui->PrgBarGet->setValue(barValue(value));
}

void FrmMkarte99_001::refresh() {
    if (lastPaint_.isValid() && lastPaint_.elapsed() < kPaintIntervalMs)
        return;
    // The load holds the event loop: the labels' new sizes are laid out here, not by a later pass.
    if (layout())
        layout()->activate();
    repaint();
    lastPaint_.start();
}
