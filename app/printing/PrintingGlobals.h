// Program-wide values of the record printing: the kept print dialog, and its end-of-program step.
#pragma once
#include <QPointer>
#include <QWidget>

// The print dialog, created on the first print set-up that does not use the system dialog and
// kept until the end of the program. A guarded pointer: it empties itself when the window goes.
inline QPointer<QWidget> gFrmPrintDlg;

// Puts the values above back to their start-up state (the print dialog's window is left as it is).
void resetPrintingGlobals();

// Hands the printing's end-of-program step to the shell's release: the program's reference to the
// kept print dialog is dropped (its window stays as it is). The program calls it once at start.
void PSuPrintingRegisterRelease();
