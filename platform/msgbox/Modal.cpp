#include "platform/msgbox/Modal.h"

#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <deque>

namespace modal {
namespace {

struct Seam {
    bool enabled = false;
    std::deque<Responder> responders;
    QStringList shown;
};

Seam& seam() {
    static Seam s;
    return s;
}

// Ends the modal loop when the window is hidden.
class HideWatcher : public QObject {
public:
    explicit HideWatcher(QEventLoop& loop) : loop_(loop) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide)
            loop_.quit();
        return QObject::eventFilter(watched, event);
    }

private:
    QEventLoop& loop_;
};

void answer(QWidget* window) {
    QPointer<QWidget> guard(window);
    window->show();
    Seam& s = seam();
    if (!s.responders.empty()) {
        const Responder r = std::move(s.responders.front());
        s.responders.pop_front();
        r(*window);
    }
    if (guard && guard->isVisible())
        guard->close();
}

} // namespace

void show(QWidget* window) {
    if (!window)
        return;
    seam().shown.append(window->objectName());
    if (window->isVisible())
        window->hide(); // modality is set while the window is hidden
    if (seam().enabled) {
        answer(window);
        return;
    }
    QPointer<QWidget> guard(window);
    const Qt::WindowModality before = window->windowModality();
    window->setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    HideWatcher watcher(loop);
    window->installEventFilter(&watcher);
    QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    window->show();
    window->raise();
    window->activateWindow();
    if (window->isVisible())
        loop.exec(QEventLoop::DialogExec);
    if (guard) {
        guard->removeEventFilter(&watcher);
        guard->setWindowModality(before);
    }
}

void enableTestSeam(bool on) {
    seam().enabled = on;
}
bool testSeamEnabled() {
    return seam().enabled;
}
void pushResponder(Responder responder) {
    seam().responders.push_back(std::move(responder));
}
void clearResponders() {
    seam().responders.clear();
}
QStringList shown() {
    return seam().shown;
}
void clearShown() {
    seam().shown.clear();
}

} // namespace modal
