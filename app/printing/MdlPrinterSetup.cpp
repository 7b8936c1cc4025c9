#include "app/printing/MdlPrinterSetup.h"

#include <QPageLayout>
#include <QPointer>
#include <QPrinter>

#include "app/printing/FrmMKarteS_010.h"
#include "app/printing/PrintingGlobals.h"
#include "app/shell/ShellGlobals.h"
#include "platform/error/VbError.h"
#include "platform/msgbox/MsgBox.h"
#include "platform/printer/PrintDialog.h"
#include "platform/printer/Printer.h"

namespace MdlPrinterSetup {

namespace {

RememberedPrinter& remembered() {
    static RememberedPrinter r;
    return r;
}

// Runs a printer setting; a setting the printer refuses is passed over.
template <typename F> void ignoringFailure(F&& f) {
    try {
        f();
    } catch (const std::exception&) {
    }
}

// Message 000/899 and the printer's state in the log, as the support desk needs it.
long reportFailure(const QString& description) {
    PFuDispMessage(QStringLiteral("000"), QStringLiteral("899"), EnMsgDispButton::O, EnMsgDispIcon::Manual);
    const QString self = QStringLiteral("MdlCommInterface.PFuLngSetPrintCnf");
    const QString mark = QStringLiteral("×") + self;
    printer::Printer& p = printer::currentPrinter();
    PFuBolPutLog(self, description);
    PFuBolPutLog(
        mark,
        QStringLiteral(
            "プリンタドライバに依存したエラーの可能性あり。原因切りわけのためプリンタ情報を出力します。"));
    PFuBolPutLog(mark, QStringLiteral("プリンタドライバ：") + p.DeviceName());
    PFuBolPutLog(mark, QStringLiteral("ペーパーサイズ(A4=9)：") + QString::number(p.PaperSize()));
    PFuBolPutLog(mark, QStringLiteral("縦が１、横が２：") + QString::number(p.Orientation()));
    PFuBolPutLog(mark,
                 QStringLiteral("注意：Microsoft Office Document Image WriterでA4縦設定で印刷処理を行うとエ"
                                "ラーが発生します。その場合、A4横設定してから印刷を行うとエラーが発生しな"
                                "くなります"));
    return kPrintFailed;
}

// The program's own dialog: created and filled on first use, shown again afterwards.
long ownDialog(long paper, long orientation) {
    QPointer<FrmMKarteS_010> dialog = qobject_cast<FrmMKarteS_010*>(gFrmPrintDlg.data());
    if (!dialog) {
        dialog = FrmMKarteS_010::load();
        gFrmPrintDlg = dialog.data();
        dialog->FrmPrintDlgDisp(static_cast<int>(paper), static_cast<int>(orientation));
    } else {
        if (!printer::printerNames().isEmpty()) {
            dialog->SetPaperList(static_cast<int>(paper));
            dialog->SetOrientation(static_cast<int>(orientation));
        }
        forms::showModal(dialog);
    }
    // A dialog unloaded while it was shown (the program ending) chose nothing.
    if (!dialog || dialog->GetCancelFlg())
        return kPrintCancel;
    if (!dialog->GetPrintErrFlg())
        return kPrintGo;
    return reportFailure(QString());
}

} // namespace

long PFuLngSetPrintCnf(QWidget* form, long paper, long orientation) {
    try {
        if (gBolPrintDialog) {
            PFuBolRestorePrinter();
            if (PFuBolShowPrinter(64, form, paper, orientation)) {
                PSuSavePrinter();
                return kPrintGo;
            }
            return kPrintCancel;
        }
        return ownDialog(paper, orientation);
    } catch (const std::exception& e) {
        return reportFailure(errorDescription(e));
    }
}

bool PFuBolShowPrinter(long /*flags*/, QWidget* owner, long paper, long orientation) {
    printer::Printer& p = printer::currentPrinter();
    // The preset is the dialog's starting point only: a cancel leaves the printer as it was.
    const QPageLayout before = p.device().pageLayout();
    if (p.PaperSize() != printer::paper::kUser)
        ignoringFailure([&] { p.setPaperSize(static_cast<int>(paper)); });
    ignoringFailure([&] { p.setOrientation(static_cast<int>(orientation)); });
    if (!printer::runPrintDialog(p.device(), owner)) {
        p.device().setPageLayout(before);
        return false;
    }
    if (!p.device().pageLayout().isValid()) {
        msgbox::msgBoxA(owner, QStringLiteral("指定された用紙サイズが不正です"),
                        QStringLiteral("プリンタの設定"), msgbox::MB_OK);
        p.device().setPageLayout(before);
    }
    return true;
}

bool PFuBolSelectPrinter(const QString& name, int paperSize, int orientation, int paperBin) {
    printer::Printer& p = printer::currentPrinter();
    ignoringFailure([&] {
        for (const QString& installed : printer::printerNames())
            if (installed.compare(name, Qt::CaseInsensitive) == 0) {
                p.select(installed);
                break;
            }
    });
    ignoringFailure([&] { p.setPaperSize(paperSize); });
    ignoringFailure([&] { p.setOrientation(orientation); });
    ignoringFailure([&] { p.setPaperBin(paperBin); });
    return p.DeviceName().compare(name, Qt::CaseInsensitive) == 0;
}

void PSuSavePrinter() {
    const printer::Printer& p = printer::currentPrinter();
    remembered() = RememberedPrinter{p.DeviceName(), p.PaperSize(), p.Orientation(), p.PaperBin()};
}

bool PFuBolRestorePrinter() {
    const RememberedPrinter r = remembered();
    return PFuBolSelectPrinter(r.deviceName, r.paperSize, r.orientation, r.paperBin);
}

RememberedPrinter rememberedPrinter() {
    return remembered();
}

void resetRememberedPrinter() {
    remembered() = RememberedPrinter{};
}

} // namespace MdlPrinterSetup
