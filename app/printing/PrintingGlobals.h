// Program-wide values of the record printing: the kept print dialog.
#pragma once
#include <QPointer>
#include <QWidget>

// The print dialog, created on the first print set-up that does not use the system dialog and
// kept until the end of the program. A guarded pointer: it empties itself when the window goes.
inline QPointer<QWidget> gFrmPrintDlg;
