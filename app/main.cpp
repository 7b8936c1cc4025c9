// The program's entry: builds the application, wires the screen folders to the shell and runs the
// start-up procedure.
#include <QApplication>

#include "app/entry/MdlPlaqueEntry.h"
#include "app/printing/PrintingGlobals.h"
#include "app/recordbook/MdlKartePrint.h"
#include "app/recordbook/RecordBookServices.h"
#include "app/shell/MdlMain.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    PSuPrintingRegisterRelease();
    PSuRecordBookRegister();
    MdlKartePrint::PSuKartePrintRegister();
    MdlPlaqueEntry::PSuPlaqueEntryRegister();
    return MdlMain::runProgram(app);
}
