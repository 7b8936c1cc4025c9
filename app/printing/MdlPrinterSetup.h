// The print set-up before every print job: the system's dialog when [Printer] Dialog is "Y", the
// program's own dialog otherwise; the printer confirmed last is remembered for the system dialog.
#pragma once
#include <QString>

class QWidget;

namespace MdlPrinterSetup {

// Results of PFuLngSetPrintCnf.
constexpr long kPrintGo = 0;     // the printer is confirmed: print
constexpr long kPrintCancel = 1; // the user backed out: print nothing
constexpr long kPrintFailed = 2; // failed, message 000/899 shown and logged: print nothing

// Lets the user confirm the current printer for a job on the paper code and orientation (1 portrait,
// 2 landscape) given; form owns the system dialog.
long PFuLngSetPrintCnf(QWidget* form, long paper, long orientation);

// The system dialog preset from the current printer with the paper (unless the printer has a user
// size) and the orientation; true when confirmed, the printer then holding the choice. A paper size
// the printer cannot take shows "指定された用紙サイズが不正です" and the job goes on.
bool PFuBolShowPrinter(long flags, QWidget* owner, long paper, long orientation);
// Makes the printer of that name (any case) current and sets the three values (failures ignored);
// true when the current printer then has that name.
bool PFuBolSelectPrinter(const QString& name, int paperSize, int orientation, int paperBin);
// Remembers the current printer's name, paper size, orientation and paper bin.
void PSuSavePrinter();
// PFuBolSelectPrinter with the remembered values.
bool PFuBolRestorePrinter();

// The remembered printer (empty name and zeros until a system dialog is confirmed).
struct RememberedPrinter {
    QString deviceName;
    int paperSize = 0;
    int orientation = 0;
    int paperBin = 0;
};
RememberedPrinter rememberedPrinter();
// Forgets the remembered printer (the start of the program; tests).
void resetRememberedPrinter();

} // namespace MdlPrinterSetup
