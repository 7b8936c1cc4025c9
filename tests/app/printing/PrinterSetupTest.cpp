// The print set-up: the program's own dialog (first and later jobs, paper and orientation shown and
// applied, "戻る", a close by the window's frame, a failure) and the system dialog with the printer it
// remembers.
#include <QComboBox>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>

#include "PrintingFixture.h"

using MdlPrinterSetup::PFuLngSetPrintCnf;

namespace {

FrmMKarteS_010& dialogOf(QWidget& w) {
    return *qobject_cast<FrmMKarteS_010*>(&w);
}
QComboBox* combo(QWidget& w, const char* name) {
    return w.findChild<QComboBox*>(QString::fromLatin1(name));
}
QPushButton* button(QWidget& w, const char* name) {
    return w.findChild<QPushButton*>(QString::fromLatin1(name));
}

} // namespace

class PrinterSetupTest : public PrintingFixture {
protected:
    void SetUp() override {
        PrintingFixture::SetUp();
        if (!QPrinterInfo::availablePrinterNames().isEmpty())
            GTEST_SKIP() << "this machine has printers installed";
    }
};

TEST_F(PrinterSetupTest, WithoutPrinterTheOwnDialogOnlyGoesBack) {
    int listed = -1;
    bool okEnabled = true;
    modal::pushResponder([&](QWidget& w) {
        listed = combo(w, "cboPrinter")->count();
        okEnabled = button(w, "cmdOK")->isEnabled();
        button(w, "CmdCancel")->click();
    });
    EXPECT_EQ(PFuLngSetPrintCnf(nullptr, 9, 1), MdlPrinterSetup::kPrintCancel);
    EXPECT_EQ(listed, 0);
    EXPECT_FALSE(okEnabled);
    EXPECT_TRUE(msgbox::shown().isEmpty());
    // The dialog is kept, hidden, for the next job.
    ASSERT_NE(FrmMKarteS_010::loaded(), nullptr);
    EXPECT_EQ(gFrmPrintDlg.data(), FrmMKarteS_010::loaded());
    EXPECT_FALSE(FrmMKarteS_010::loaded()->isVisible());
}

// One dialog serves every job: the first fills it, later ones set the paper and orientation again; the
// entry shown is the caller's paper (A4 for a code not in the table) and OK applies the entry's code.
TEST_F(PrinterSetupTest, OwnDialogShowsAndAppliesTheCallersPaperAndOrientation) {
    useFilePrinter();
    struct Case {
        int paper, orientation;
        QString shown;
        int applied;
    };
    const Case cases[] = {
        {9, 1, QStringLiteral("A4 (210 × 297 mm)"), 9},  {13, 2, QStringLiteral("B5 (182 × 257 mm)"), 13},
        {99, 1, QStringLiteral("A4 (210 × 297 mm)"), 9}, {12, 2, QStringLiteral("B4 (257 × 364 mm)"), 12},
        {8, 1, QStringLiteral("A3 (297 × 420 mm)"), 8},
    };
    FrmMKarteS_010* first = nullptr;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.paper);
        QString shown;
        bool paperEnabled = true, portrait = false, landscape = false, optionsEnabled = true;
        modal::pushResponder([&](QWidget& w) {
            FrmMKarteS_010& d = dialogOf(w);
            shown = combo(w, "cboPaper")->currentText();
            paperEnabled = combo(w, "cboPaper")->isEnabled();
            portrait = d.optOrientation(0)->isChecked();
            landscape = d.optOrientation(1)->isChecked();
            optionsEnabled = d.optOrientation(0)->isEnabled() || d.optOrientation(1)->isEnabled();
            if (c.orientation == 2)
                w.grab().save(keptFile(QStringLiteral("print-dialog.png")));
            button(w, "cmdOK")->click();
        });
        ASSERT_EQ(PFuLngSetPrintCnf(nullptr, c.paper, c.orientation), MdlPrinterSetup::kPrintGo);
        EXPECT_EQ(shown, c.shown);
        EXPECT_FALSE(paperEnabled);
        EXPECT_FALSE(optionsEnabled);
        EXPECT_EQ(portrait, c.orientation == 1);
        EXPECT_EQ(landscape, c.orientation == 2);
        EXPECT_EQ(printer::currentPrinter().PaperSize(), c.applied);
        EXPECT_EQ(printer::currentPrinter().Orientation(), c.orientation);
        if (!first)
            first = FrmMKarteS_010::loaded();
        EXPECT_EQ(FrmMKarteS_010::loaded(), first);
    }
    // The printer list was filled once: a printer added since does not appear.
    printer::addFilePrinter(QStringLiteral("PDF2"), path(QStringLiteral("b.pdf")));
    int listed = -1;
    modal::pushResponder([&](QWidget& w) {
        listed = combo(w, "cboPrinter")->count();
        button(w, "cmdOK")->click();
    });
    EXPECT_EQ(PFuLngSetPrintCnf(nullptr, 9, 1), MdlPrinterSetup::kPrintGo);
    EXPECT_EQ(listed, 1);
    EXPECT_EQ(modal::shown().count(QStringLiteral("FrmMKarteS_010")), 6);
    EXPECT_TRUE(msgbox::shown().isEmpty());
}

// Closing the dialog by its frame backs out like "戻る", also after an OK of an earlier job, and the
// dialog stays for the next job.
TEST_F(PrinterSetupTest, FrameCloseOfTheOwnDialogPrintsNothing) {
    useFilePrinter();
    EXPECT_EQ(PFuLngSetPrintCnf(nullptr, 9, 1), MdlPrinterSetup::kPrintCancel); // no responder: frame close
    modal::pushResponder([](QWidget& w) { button(w, "cmdOK")->click(); });
    EXPECT_EQ(PFuLngSetPrintCnf(nullptr, 9, 1), MdlPrinterSetup::kPrintGo);
    EXPECT_EQ(PFuLngSetPrintCnf(nullptr, 9, 2), MdlPrinterSetup::kPrintCancel);
    EXPECT_EQ(printer::currentPrinter().Orientation(), 1);
    ASSERT_NE(FrmMKarteS_010::loaded(), nullptr);
    EXPECT_FALSE(FrmMKarteS_010::loaded()->isUnloaded());
    EXPECT_TRUE(msgbox::shown().isEmpty());
}

// A printer that is gone when OK is pressed: one message 000/899, the printer's state in the log.
TEST_F(PrinterSetupTest, FailureShowsOneMessageAndLogsThePrinter) {
    useFilePrinter();
    modal::pushResponder([](QWidget& w) {
        printer::clearFilePrinters();
        button(w, "cmdOK")->click();
    });
    EXPECT_EQ(PFuLngSetPrintCnf(nullptr, 9, 1), MdlPrinterSetup::kPrintFailed);
    EXPECT_EQ(shownTexts(), QStringList{QStringLiteral("プリンタの設定に失敗しました。")});
    const QString self = QStringLiteral("MdlCommInterface.PFuLngSetPrintCnf");
    const QString mark = QStringLiteral("×") + self;
    const QList<LogLine> lines = logLines();
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[0].first, QStringLiteral("cmdOK_Click"));
    const QList<LogLine> expected = {
        {self, QString()},
        {mark,
         QStringLiteral(
             "プリンタドライバに依存したエラーの可能性あり。原因切りわけのためプリンタ情報を出力します。")},
        {mark, QStringLiteral("プリンタドライバ：PDF")},
        {mark, QStringLiteral("ペーパーサイズ(A4=9)：9")},
        {mark, QStringLiteral("縦が１、横が２：1")},
        {mark,
         QStringLiteral(
             "注意：Microsoft Office Document Image WriterでA4縦設定で印刷処理を行うとエラーが発生します。"
             "その場合、A4横設定してから印刷を行うとエラーが発生しなくなります")},
    };
    EXPECT_EQ(lines.mid(1), expected);
}

// The system dialog starts from the caller's paper and orientation; a cancel leaves the printer as it
// was and remembers nothing, a confirmation is remembered for the next job.
TEST_F(PrinterSetupTest, SystemDialogPresetsAndRemembersTheConfirmedPrinter) {
    gBolPrintDialog = true;
    useFilePrinter();
    printer::Printer& p = printer::currentPrinter();
    p.setPaperSize(printer::paper::kA5);
    p.setOrientation(printer::kLandscape);
    QString seenBy;
    int seenPaper = 0, seenOrientation = 0;
    auto look = [&](QWidget& w) {
        seenBy = w.metaObject()->className();
        seenPaper = p.PaperSize();
        seenOrientation = p.Orientation();
    };
    modal::pushResponder([&](QWidget& w) {
        look(w);
        qobject_cast<QDialog*>(&w)->reject();
    });
    EXPECT_EQ(PFuLngSetPrintCnf(nullptr, 9, 1), MdlPrinterSetup::kPrintCancel);
    EXPECT_EQ(seenBy, QStringLiteral("QPrintDialog"));
    EXPECT_EQ(seenPaper, printer::paper::kA4);
    EXPECT_EQ(seenOrientation, printer::kPortrait);
    EXPECT_EQ(p.PaperSize(), printer::paper::kA5);
    EXPECT_EQ(p.Orientation(), printer::kLandscape);
    EXPECT_TRUE(MdlPrinterSetup::rememberedPrinter().deviceName.isEmpty());

    modal::pushResponder([&](QWidget& w) {
        look(w);
        qobject_cast<QDialog*>(&w)->accept();
    });
    EXPECT_EQ(PFuLngSetPrintCnf(nullptr, 9, 2), MdlPrinterSetup::kPrintGo);
    const MdlPrinterSetup::RememberedPrinter r = MdlPrinterSetup::rememberedPrinter();
    EXPECT_EQ(r.paperSize, printer::paper::kA4);
    EXPECT_EQ(r.orientation, printer::kLandscape);
    EXPECT_EQ(r.deviceName, p.DeviceName());
    EXPECT_TRUE(msgbox::shown().isEmpty());
    EXPECT_EQ(FrmMKarteS_010::loaded(), nullptr); // the program's own dialog never came up
}
