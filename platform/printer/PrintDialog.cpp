#include "platform/printer/PrintDialog.h"

#include <QPageLayout>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>

#include "platform/msgbox/Modal.h"

namespace printer {

bool runPrintDialog(QPrinter& printer, QWidget* owner) {
    // The dialog writes into the printer only when it is confirmed; a cancel leaves it untouched. The
    // layout is kept all the same, so that nothing a dialog might do on cancel reaches the printer.
    const QPageLayout before = printer.pageLayout();
    QPointer<QPrintDialog> dialog = new QPrintDialog(&printer, owner);
    dialog->setObjectName(QStringLiteral("PrintDlg"));
    dialog->setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog->setOption(QAbstractPrintDialog::PrintShowPageSize, true);
    dialog->setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog->setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog->setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    modal::show(dialog);
    const bool accepted = dialog && dialog->result() == QDialog::Accepted;
    if (!accepted)
        printer.setPageLayout(before);
    delete dialog;
    return accepted;
}

} // namespace printer
