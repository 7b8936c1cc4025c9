// The Windows message box (MessageBoxA) on QMessageBox, with a seam that lets tests answer boxes.
#pragma once
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace msgbox {

// Button sets (style & 0x0F).
enum Buttons {
    MB_OK = 0,
    MB_OKCANCEL = 1,
    MB_ABORTRETRYIGNORE = 2,
    MB_YESNOCANCEL = 3,
    MB_YESNO = 4,
    MB_RETRYCANCEL = 5
};
// Icons (style & 0xF0).
enum Icons {
    MB_ICONNONE = 0,
    MB_ICONSTOP = 16,
    MB_ICONQUESTION = 32,
    MB_ICONEXCLAMATION = 48,
    MB_ICONINFORMATION = 64
};
// Results.
enum Results { IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7 };

// Shows a box owned by owner (may be null) and returns the button pressed (1-7).
// Text is plain (never HTML); CR LF shows as a line break; the first button is the default.
int msgBoxA(QWidget* owner, const QString& text, const QString& caption, int style);

// The window that is active now (GetActiveWindow); may be null.
QWidget* activeWindow();

// ---- test seam -------------------------------------------------------------------------
struct Shown {
    QString text; // as passed (CR LF kept)
    QString caption;
    int style = 0;
};
// With the seam on, no box is shown: each call is recorded and answered from the queue,
// or with the first button of its set when the queue is empty.
void enableTestSeam(bool on);
bool testSeamEnabled();
void pushAnswer(int result);
void clearAnswers();
QList<Shown> shown();
void clearShown();

} // namespace msgbox
