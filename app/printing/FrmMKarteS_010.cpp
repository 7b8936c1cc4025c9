#include "app/printing/FrmMKarteS_010.h"

#include "app/shell/MdlCommInterface.h"
#include "app/shell/ShellGlobals.h"
#include "platform/error/VbError.h"
#include "platform/printer/Printer.h"
#include "ui_FrmMKarteS_010.h"

using MdlCommInterface::PSuMousePointer;

FrmMKarteS_010::FrmMKarteS_010(QWidget* parent)
    : forms::Form(parent), ui(std::make_unique<Ui::FrmMKarteS_010>()) {
    ui->setupUi(this);
    connect(ui->cmdOK, &QPushButton::clicked, this, &FrmMKarteS_010::cmdOK_Click);
    connect(ui->CmdCancel, &QPushButton::clicked, this, &FrmMKarteS_010::CmdCancel_Click);
    for (int i = 0; i < 2; ++i)
        connect(optOrientation(i), &QRadioButton::clicked, this, [this, i] { optOrientation_Click(i); });
    setCancelButton(ui->CmdCancel);
    setDefaultButton(ui->cmdOK);
}

FrmMKarteS_010::~FrmMKarteS_010() = default;

const std::array<QString, 5>& FrmMKarteS_010::paperNames() {
    static const std::array<QString, 5> names = {
        QStringLiteral("A4 (210 × 297 mm)"), QStringLiteral("A3 (297 × 420 mm)"),
        QStringLiteral("A5 (148 × 210 mm)"), QStringLiteral("B4 (257 × 364 mm)"),
        QStringLiteral("B5 (182 × 257 mm)")};
    return names;
}

const std::array<int, 5>& FrmMKarteS_010::paperCodes() {
    static const std::array<int, 5> codes = {printer::paper::kA4, printer::paper::kA3, printer::paper::kA5,
                                             printer::paper::kB4, printer::paper::kB5};
    return codes;
}

QRadioButton* FrmMKarteS_010::optOrientation(int index) const {
    return index == 0 ? ui->optOrientation_0 : index == 1 ? ui->optOrientation_1 : nullptr;
}

bool FrmMKarteS_010::FrmPrintDlgDisp(int paper, int orientation) {
    try {
        FillPrinterList();
        FillPaperList(paper);
        checkOrientation(orientation);
        MdlCommInterface::PSuFormCenter(this);
        ui->cmdOK->setEnabled(!printer::printerNames().isEmpty());
    } catch (const std::exception& e) {
        PFuBolPutLog(QStringLiteral("FrmPrintDlgDisp"), errorDescription(e));
        throw;
    }
    forms::showModal(this);
    return true;
}

void FrmMKarteS_010::FillPrinterList() {
    try {
        const QStringList names = printer::printerNames();
        if (names.isEmpty())
            return;
        const QString current = printer::currentPrinter().DeviceName();
        ui->cboPrinter->addItems(names);
        const int at = static_cast<int>(names.indexOf(current));
        ui->cboPrinter->setCurrentIndex(at < 0 ? 0 : at);
    } catch (const std::exception& e) {
        PFuBolPutLog(QStringLiteral("FillPrinterList"), errorDescription(e));
        throw;
    }
}

void FrmMKarteS_010::FillPaperList(int paper) {
    try {
        ui->cboPaper->clear();
        for (const QString& name : paperNames())
            ui->cboPaper->addItem(name);
        selectPaper(paper);
        ui->cboPaper->setEnabled(false);
    } catch (const std::exception& e) {
        PFuBolPutLog(QStringLiteral("FillPaperList"), errorDescription(e));
        throw;
    }
}

void FrmMKarteS_010::selectPaper(int paper) {
    const auto& codes = paperCodes();
    int at = 0;
    for (size_t i = 0; i < codes.size(); ++i)
        if (codes[i] == paper) {
            at = static_cast<int>(i);
            break;
        }
    ui->cboPaper->setCurrentIndex(at);
}

void FrmMKarteS_010::checkOrientation(int orientation) {
    QRadioButton* option = optOrientation(orientation - 1);
    if (!option)
        throw VbError::of(340, QStringLiteral("optOrientation"), QString::number(orientation - 1));
    option->setChecked(true);
    optOrientation_Click(orientation - 1);
    ui->optOrientation_0->setEnabled(false);
    ui->optOrientation_1->setEnabled(false);
}

void FrmMKarteS_010::SetPaperList(int paper) {
    ui->cboPaper->setEnabled(true);
    selectPaper(paper);
    ui->cboPaper->setEnabled(false);
}

void FrmMKarteS_010::SetOrientation(int orientation) {
    try {
        checkOrientation(orientation);
    } catch (const std::exception&) {
        // The options keep what they showed.
    }
}

void FrmMKarteS_010::optOrientation_Click(int index) {
    orientationIndex_ = index;
}

void FrmMKarteS_010::cmdOK_Click() {
    printErrFlg_ = false;
    cancelFlg_ = false;
    PSuMousePointer(11, this);
    try {
        printer::Printer& p = printer::currentPrinter();
        const QString name = ui->cboPrinter->currentText();
        if (ui->cboPrinter->currentIndex() < 0 || !p.select(name))
            throw VbError::of(9, QStringLiteral("Printers"), name);
        const int at = ui->cboPaper->currentIndex();
        if (at < 0 || at >= static_cast<int>(paperCodes().size()))
            throw VbError::of(9, QStringLiteral("cboPaper"), QString::number(at));
        p.setPaperSize(paperCodes()[static_cast<size_t>(at)]);
        p.setOrientation(orientationIndex_ + 1);
        hide();
        PSuMousePointer(0, this);
    } catch (const std::exception& e) {
        PFuBolPutLog(QStringLiteral("cmdOK_Click"), errorDescription(e));
        printErrFlg_ = true;
        PSuMousePointer(0, this);
        hide();
    }
}

void FrmMKarteS_010::CmdCancel_Click() {
    PSuMousePointer(11, this);
    printErrFlg_ = false;
    cancelFlg_ = true;
    hide();
    PSuMousePointer(0, this);
}

void FrmMKarteS_010::Form_Activate() {
    PSuMousePointer(0, this);
}

void FrmMKarteS_010::Form_QueryUnload(bool& cancel, forms::UnloadMode mode) {
    if (mode != forms::UnloadMode::ControlMenu)
        return;
    cancel = true;
    CmdCancel_Click();
}
