#include "app/printing/PrintingGlobals.h"

#include "app/shell/MdlMain.h"

void PSuPrintingRegisterRelease() {
    MdlMain::setReleaseRoutine(QStringLiteral("printing"), [] {
        // Only the program's reference goes: the window itself stays as it is.
        if (gFrmPrintDlg)
            gFrmPrintDlg = nullptr;
    });
}

void resetPrintingGlobals() {
    gFrmPrintDlg = nullptr;
}
