#include "app/printing/FrmMKarte03_005.h"

#include <QApplication>
#include <QPointer>

#include "app/printing/InstructSheet.h"
#include "app/printing/MdlPrinterSetup.h"
#include "app/recordcore/KarteGlobals.h"
#include "app/recordcore/MdlPlaque.h"
#include "app/shell/MdlCommInterface.h"
#include "app/shell/ShellGlobals.h"
#include "platform/error/VbError.h"
#include "platform/printer/Printer.h"
#include "platform/spread/SpreadGrid.h"
#include "ui_FrmMKarte03_005.h"

using gdi::vbRound;
using MdlCommInterface::PSuMousePointer;

namespace {
const QString kWorkId = QStringLiteral("033");
} // namespace

FrmMKarte03_005::FrmMKarte03_005(QWidget* parent)
    : forms::Form(parent), ui(std::make_unique<Ui::FrmMKarte03_005>()) {
    ui->setupUi(this);
    connect(ui->CmdPrint, &QPushButton::clicked, this, &FrmMKarte03_005::CmdPrint_Click);
    connect(ui->CmdCancel, &QPushButton::clicked, this, &FrmMKarte03_005::CmdCancel_Click);
    setCancelButton(ui->CmdCancel);

    // The list: a tick, the date, the times and the staff member of each visit.
    SpreadGrid& grid = *ui->SpdEkList;
    grid.setMaxCols(4);
    grid.setMaxRows(0);
    grid.setDisplayRowHeaders(false);
    grid.setFontName(QStringLiteral("ＭＳ Ｐゴシック"));
    grid.setFontSize(10);
    const QString headings[] = {QStringLiteral("印刷"), QStringLiteral("実地指導日"),
                                QStringLiteral("指導時刻"), QStringLiteral("衛生士名")};
    const double widths[] = {5, 17, 23, 21};
    grid.setRow(-1);
    for (int c = 1; c <= 4; ++c) {
        grid.setText(c, 0, headings[c - 1]);
        grid.setColWidth(c, widths[c - 1]);
        grid.setCol(c);
        grid.setCellType(c == 1 ? SpreadGrid::CellTypeCheckBox : SpreadGrid::CellTypeStaticText);
        grid.setTypeHAlign(c == 1 ? 2 : 0);
        grid.setTypeVAlign(2);
    }
}

FrmMKarte03_005::~FrmMKarte03_005() = default;

SpreadGrid* FrmMKarte03_005::SpdEkList() const {
    return ui->SpdEkList;
}

bool FrmMKarte03_005::PFuBolEkListView() {
    PSuMousePointer(11, nullptr);
    FrmMKarte03_005* form = load();
    const forms::LoadState state = form->loadState();
    if (state == forms::LoadState::Failed) {
        forms::showStartFailure(kWorkId);
        PSuMousePointer(0, nullptr);
        unload();
        return false;
    }
    if (state == forms::LoadState::NothingToShow) {
        PSuMousePointer(0, nullptr);
        unload();
        return false;
    }
    PSuMousePointer(0, form);
    forms::showModal(form);
    unload();
    // "戻る" leaves the busy pointer of its own click: the screen below gets the normal one back.
    PSuMousePointer(0, nullptr);
    return true;
}

void FrmMKarte03_005::Form_Load() {
    setLoadState(forms::LoadState::Loading);
    MdlCommInterface::PSuFormCaption(this, QString());
    MdlCommInterface::PSuFormCenter(this);
    karteInfoCopy_ = gKarteInfo;
    if (!FuBolEkListInit())
        setLoadState(forms::LoadState::Failed);
    else
        setLoadState(ui->SpdEkList->maxRows() != 0 ? forms::LoadState::Ready
                                                   : forms::LoadState::NothingToShow);
}

void FrmMKarte03_005::Form_Unload(bool& /*cancel*/) {
    rows_.clear();
}

void FrmMKarte03_005::reportError(const QString& procedure, const std::exception& e) {
    PFuBolPutLog(procedure, errorDescription(e));
    PFuDispMessage(kWorkId, QStringLiteral("900"), EnMsgDispButton::O, EnMsgDispIcon::E,
                   QStringLiteral("\r\n") + errorDescription(e));
}

bool FrmMKarte03_005::FuBolEkListInit() {
    SpreadGrid& grid = *ui->SpdEkList;
    grid.setRow(0);
    grid.setMaxRows(0);
    PSuMousePointer(11, this);
    bool ok = FuBolEkListSerach();
    if (ok)
        ok = FuBolEkListSetSpd();
    PSuMousePointer(0, this);
    return ok;
}

bool FrmMKarte03_005::FuBolEkListSerach() {
    try {
        rows_ = EkListRows::build(karteInfoCopy_);
        return true;
    } catch (const std::exception& e) {
        reportError(QStringLiteral("FuBolEkListSerach"), e);
        return false;
    }
}

bool FrmMKarte03_005::FuBolEkListSetSpd() {
    try {
        SpreadGrid& grid = *ui->SpdEkList;
        grid.setRow(0);
        grid.setMaxRows(0);
        grid.setReDraw(false);
        grid.setSetting(191, SpreadGrid::UnitTwips);
        grid.setRowHeight(-1, 360);
        grid.setSetting(27, grid.setting(67).toInt());
        for (size_t i = 0; i < rows_.size(); ++i) {
            const int row = static_cast<int>(i) + 1;
            const EkListRow& r = rows_[i];
            grid.setRow(row);
            grid.setMaxRows(row);
            grid.setText(1, row, r.current ? QStringLiteral("1") : QStringLiteral("0"));
            grid.setText(2, row, r.dateText);
            grid.setText(3, row, r.timeText);
            grid.setText(4, row, r.staffText);
        }
        grid.setReDraw(true);
        if (!rows_.empty())
            ui->CmdPrint->setEnabled(true);
        return true;
    } catch (const std::exception& e) {
        reportError(QStringLiteral("FuBolEkListSetSpd"), e);
        return false;
    }
}

void FrmMKarte03_005::CmdPrint_Click() {
    SpreadGrid& grid = *ui->SpdEkList;
    if (MdlPlaque::FuBolSpdNoCheck(grid)) {
        PFuDispMessage(kWorkId, QStringLiteral("201"), EnMsgDispButton::O, EnMsgDispIcon::Manual);
        return;
    }
    const long result = MdlPrinterSetup::PFuLngSetPrintCnf(this, printer::paper::kA4, printer::kPortrait);
    if (result == MdlPrinterSetup::kPrintCancel)
        PSuMousePointer(0, this);
    if (result != MdlPrinterSetup::kPrintGo)
        return;

    PSuMousePointer(11, this);
    try {
        printer::Printer& device = printer::currentPrinter();
        gdi::DeviceSurface& dc = device.hDC();
        // The frame keeps its distance from the paper's edges whatever the printable area's offset.
        const double offX = device.ScaleX(dc.deviceCaps(gdi::caps::kPhysicalOffsetX), 3, 1);
        const double offY = device.ScaleY(dc.deviceCaps(gdi::caps::kPhysicalOffsetY), 3, 1);
        frame_.left = vbRound(1440.0 / 4 * 3 - offX);
        frame_.top = vbRound(1440.0 / 2 - offY);
        frame_.right = vbRound(device.Width() + frame_.left - 2 * 1080.0);
        frame_.bottom = vbRound(device.Height() + frame_.top - 2 * 720.0);
        dc.setBkMode(gdi::BkMode::Transparent);

        std::vector<InstructSheet::Row> rows;
        for (int row = 1; row <= grid.maxRows(); ++row) {
            const size_t i = static_cast<size_t>(row - 1);
            rows.push_back({i < rows_.size() ? rows_[i].historyIndex : kCurrentVisit,
                            grid.getText(1, row) == QStringLiteral("1")});
        }
        SheetDevice sheetDevice{dc, device.ColorMode(), [&device] { device.NewPage(); },
                                [&device] { device.EndDoc(); }};
        InstructSheet sheet(sheetDevice, frame_, karteInfoCopy_);
        sheet.FuLngInstructDraw(rows);
    } catch (const std::exception& e) {
        // The printer failed between the set-up and the drawing: whatever began is ended.
        printer::currentPrinter().EndDoc();
        reportError(QStringLiteral("CmdPrint_Click"), e);
    }
    QPointer<FrmMKarte03_005> self(this);
    PSuMousePointer(0, this);
    hide();
    QApplication::processEvents();
    if (self)
        unload();
}

void FrmMKarte03_005::CmdCancel_Click() {
    PSuMousePointer(11, this);
    unload();
}
