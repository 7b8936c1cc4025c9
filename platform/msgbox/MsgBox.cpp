#include "platform/msgbox/MsgBox.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <deque>

namespace msgbox {
namespace {

struct Seam {
    bool enabled = false;
    std::deque<int> answers;
    QList<Shown> shown;
};

Seam& seam() {
    static Seam s;
    return s;
}

struct ButtonDef {
    int result;
    QString text;
};

// The buttons of a Windows button set, in their order on screen.
QList<ButtonDef> buttonsOf(int set) {
    const ButtonDef ok{IDOK, QStringLiteral("OK")};
    const ButtonDef cancel{IDCANCEL, QStringLiteral("キャンセル")};
    const ButtonDef abort{IDABORT, QStringLiteral("中止(&A)")};
    const ButtonDef retry{IDRETRY, QStringLiteral("再試行(&R)")};
    const ButtonDef ignore{IDIGNORE, QStringLiteral("無視(&I)")};
    const ButtonDef yes{IDYES, QStringLiteral("はい(&Y)")};
    const ButtonDef no{IDNO, QStringLiteral("いいえ(&N)")};
    switch (set) {
    case MB_OKCANCEL:
        return {ok, cancel};
    case MB_ABORTRETRYIGNORE:
        return {abort, retry, ignore};
    case MB_YESNOCANCEL:
        return {yes, no, cancel};
    case MB_YESNO:
        return {yes, no};
    case MB_RETRYCANCEL:
        return {retry, cancel};
    default:
        return {ok};
    }
}

QMessageBox::Icon iconOf(int icon) {
    switch (icon) {
    case MB_ICONSTOP:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

// Esc answers Cancel where the set has one, OK for an OK-only box, nothing otherwise;
// a set without either cannot be closed from the title bar either.
class WinMessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;
    int escapeResult = 0;
    int result = 0;

protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (e->key() == Qt::Key_Escape) {
            if (escapeResult != 0) {
                result = escapeResult;
                done(0);
            }
            e->accept();
            return;
        }
        QMessageBox::keyPressEvent(e);
    }
    void closeEvent(QCloseEvent* e) override {
        if (escapeResult == 0 && result == 0) {
            e->ignore();
            return;
        }
        if (result == 0)
            result = escapeResult;
        QMessageBox::closeEvent(e);
    }
};

} // namespace

QWidget* activeWindow() {
    return QApplication::activeWindow();
}

int msgBoxA(QWidget* owner, const QString& text, const QString& caption, int style) {
    int set = style & 0x0F;
    if (set > MB_RETRYCANCEL)
        set = MB_OK;
    const QList<ButtonDef> defs = buttonsOf(set);

    Seam& s = seam();
    if (s.enabled) {
        s.shown.append(Shown{text, caption, style});
        if (!s.answers.empty()) {
            int a = s.answers.front();
            s.answers.pop_front();
            return a;
        }
        return defs.first().result;
    }

    QString shownText = text;
    shownText.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shownText.replace(QChar(u'\r'), QChar(u'\n'));

    WinMessageBox box(owner);
    box.setTextFormat(Qt::PlainText);
    box.setText(shownText);
    box.setWindowTitle(caption);
    box.setIcon(iconOf(style & 0xF0));
    // One role for every button: the desktop's dialog layout then keeps them in the order added,
    // as Windows shows them, instead of moving "Yes" or "OK" to the other end.
    QList<QPair<QAbstractButton*, int>> map;
    for (const ButtonDef& d : defs) {
        QPushButton* b = box.addButton(d.text, QMessageBox::ActionRole);
        map.append({b, d.result});
        if (d.result == IDCANCEL) {
            box.escapeResult = IDCANCEL;
            box.setEscapeButton(b);
        }
    }
    box.setDefaultButton(qobject_cast<QPushButton*>(map.first().first));
    if (set == MB_OK)
        box.escapeResult = IDOK;
    if (box.escapeResult == 0)
        box.setWindowFlags((box.windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint) &
                           ~Qt::WindowCloseButtonHint);

    // A box under a busy pointer must not look hung.
    QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    QGuiApplication::restoreOverrideCursor();

    if (box.result != 0)
        return box.result;
    for (const auto& [button, result] : map)
        if (box.clickedButton() == button)
            return result;
    return box.escapeResult != 0 ? box.escapeResult : defs.first().result;
}

void enableTestSeam(bool on) {
    seam().enabled = on;
}
bool testSeamEnabled() {
    return seam().enabled;
}
void pushAnswer(int result) {
    seam().answers.push_back(result);
}
void clearAnswers() {
    seam().answers.clear();
}
QList<Shown> shown() {
    return seam().shown;
}
void clearShown() {
    seam().shown.clear();
}

} // namespace msgbox
