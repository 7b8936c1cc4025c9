#include "app/recordbook/KarteLoadWindow.h"

#include <QCoreApplication>

#include "app/recordbook/FrmMkarte99_001.h"

namespace MdlKarteMain {

void KarteLoadWindow::showWindow() {
    FrmMkarte99_001* w = FrmMkarte99_001::load();
    w->show();
    // The load keeps the event loop waiting: one pass now, so the window is mapped and painted.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void KarteLoadWindow::unloadWindow() {
    FrmMkarte99_001::unload();
}

void KarteLoadWindow::setGetMessage(const QString& text) {
    if (auto* w = FrmMkarte99_001::loaded())
        w->setGetMessage(text);
}

void KarteLoadWindow::setGetCnt(long n) {
    if (auto* w = FrmMkarte99_001::loaded())
        w->setGetCnt(n);
}

void KarteLoadWindow::setAllCnt(long n) {
    if (auto* w = FrmMkarte99_001::loaded())
        w->setAllCnt(n);
}

void KarteLoadWindow::setBarRange(long min, long max) {
    if (auto* w = FrmMkarte99_001::loaded())
        w->setBarRange(min, max);
}

void KarteLoadWindow::setBarValue(long value) {
    if (auto* w = FrmMkarte99_001::loaded())
        w->setBarValue(value);
}

void KarteLoadWindow::refresh() {
    if (auto* w = FrmMkarte99_001::loaded())
        w->refresh();
}

bool PFuBolKarteGetData() {
    KarteLoadWindow window;
    return PFuBolKarteGetData(window);
}

} // namespace MdlKarteMain
