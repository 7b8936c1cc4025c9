// The system's print set-up dialog (the old PrintDlgA in set-up mode) on a QPrinter, shown through the
// modal seam.
#pragma once

class QPrinter;
class QWidget;

namespace printer {

// Shows the system dialog for the printer, owned by `owner` (may be null): the user may change the
// printer, the paper, the orientation and the printer's own settings. True when confirmed, with the
// printer holding the choice; false when cancelled, with the printer left as the dialog found it.
bool runPrintDialog(QPrinter& printer, QWidget* owner);

} // namespace printer
