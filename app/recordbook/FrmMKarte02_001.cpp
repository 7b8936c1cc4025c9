#include "app/recordbook/FrmMKarte02_001.h"

#include "ui_FrmMKarte02_001.h"

#include <QPixmap>

#include "app/recordbook/KarteMonthChain.h"
#include "app/recordbook/KarteMonthView.h"
#include "app/recordbook/KarteOpen.h"
#include "app/recordbook/KarteRowBlocks.h"
#include "app/recordbook/RecordBookServices.h"
#include "app/recordcore/KarteGlobals.h"
#include "app/recordcore/KarteHandover.h"
#include "app/recordcore/KarteLineEdit.h"
#include "app/recordcore/KarteSave.h"
#include "app/recordcore/KarteTrap.h"
#include "app/shell/MdlCommADODB.h"
#include "app/shell/MdlCommInterface.h"
#include "app/shell/MdlCommInterfaceSearch.h"
#include "app/shell/MdlScreenKey.h"
#include "app/shell/ShellGlobals.h"
#include "platform/msgbox/MsgBox.h"
#include "platform/spread/SpreadGrid.h"
#include "platform/text/Text.h"

using namespace MdlKarteMain;
using MdlCommInterface::PSuMousePointer;

namespace {

const QString kWork = QStringLiteral("011");

int ask(const char* number, EnMsgDispButton buttons, EnMsgDispIcon icon) {
    return PFuDispMessage(kWork, QString::fromLatin1(number), buttons, icon);
}

// The visit came back accepted, and not from a view-only or stored-deleted line.
bool visitAccepted() {
    return gKarteInfo.updated && gKarteInfo.mode != QLatin1String("6") &&
           gKarteInfo.mode != QLatin1String("5");
}

// The record tables of a patient, in the order the test deletes empty them.
const QStringList kRecordTables = {
    QStringLiteral("m_karte"),
    QStringLiteral("m_kh_record"),
    QStringLiteral("m_actual_instruction"),
    QStringLiteral("m_selection_imp"),
    QStringLiteral("m_kr_cir_inspection"),
    QStringLiteral("m_kr_plaque"),
    QStringLiteral("m_kr_miller"),
    QStringLiteral("m_kr_pocket"),
    QStringLiteral("m_kr_appeals"),
};

} // namespace

FrmMKarte02_001::FrmMKarte02_001(QWidget* parent) : forms::Form(parent), ui(new Ui::FrmMKarte02_001) {
    ui->setupUi(this);
    cmdNew_ = {ui->CmdNew_0, nullptr, nullptr,      nullptr,      nullptr,
               nullptr,      nullptr, ui->CmdNew_7, ui->CmdNew_8, ui->CmdNew_9};
    cmdPageCange_ = {ui->CmdPageCange_0, ui->CmdPageCange_1};
    for (int i : {0, 7, 8, 9})
        connect(cmdNew_[i], &QPushButton::clicked, this, [this, i] { CmdNew_Click(i); });
    for (int i : {0, 1})
        connect(cmdPageCange_[i], &QPushButton::clicked, this, [this, i] { CmdPageCange_Click(i); });
    connect(ui->CmdInsideChange, &QPushButton::clicked, this, &FrmMKarte02_001::CmdInsideChange_Click);
    connect(ui->cmdReflesh, &QPushButton::clicked, this, &FrmMKarte02_001::cmdReflesh_Click);
    connect(ui->CmdUpdate, &QPushButton::clicked, this, &FrmMKarte02_001::CmdUpdate_Click);
    connect(ui->CmdNewLine, &QPushButton::clicked, this, &FrmMKarte02_001::CmdNewLine_Click);
    connect(ui->CmdDelLine, &QPushButton::clicked, this, &FrmMKarte02_001::CmdDelLine_Click);
    connect(ui->CmdLineEdit, &QPushButton::clicked, this, &FrmMKarte02_001::CmdLineEdit_Click);
    connect(ui->CmdCancel, &QPushButton::clicked, this, &FrmMKarte02_001::CmdCancel_Click);
    connect(ui->CmdKeyboard, &QPushButton::clicked, this, &FrmMKarte02_001::CmdKeyboard_Click);
    connect(ui->CmdPrint, &QPushButton::clicked, this, &FrmMKarte02_001::CmdPrint_Click);
    connect(ui->cmdDeleteData, &QPushButton::clicked, this, &FrmMKarte02_001::cmdDeleteData_Click);
    connect(ui->cmdKanjaDelete, &QPushButton::clicked, this, &FrmMKarte02_001::cmdKanjaDelete_Click);
    connect(ui->SpdKarte, &SpreadGrid::DblClick, this, &FrmMKarte02_001::SpdKarte_DblClick);
    setCancelButton(ui->CmdCancel);

    sheet_.SpdKarte = ui->SpdKarte;
    sheet_.CmdPageCange = {ui->CmdPageCange_0, ui->CmdPageCange_1};
    sheet_.form = this;
    PSuKarteSheetDesign(sheet_);

    ui->CmdNew_0->setVisible(false);
    ui->cmdDeleteData->setVisible(false);
    ui->cmdKanjaDelete->setVisible(false);
    ui->FraTest->setVisible(false);
    ui->CmdPageCange_0->setEnabled(false);
    ui->CmdPageCange_1->setEnabled(false);
}

FrmMKarte02_001::~FrmMKarte02_001() = default;

SpreadGrid* FrmMKarte02_001::SpdKarte() const {
    return ui->SpdKarte;
}

QPushButton* FrmMKarte02_001::button(const char* name) const {
    return findChild<QPushButton*>(QLatin1String(name));
}

QLabel* FrmMKarte02_001::label(const char* name) const {
    return findChild<QLabel*>(QLatin1String(name));
}

bool FrmMKarte02_001::setFacePhoto(const QString& path) {
    if (path.isEmpty()) {
        ui->ImgFace->setPixmap(QPixmap());
        return true;
    }
    QPixmap photo(path);
    if (photo.isNull()) {
        ui->ImgFace->setPixmap(QPixmap());
        return false;
    }
    const QSize room = ui->ImgFace->contentsRect().size();
    ui->ImgFace->setPixmap(photo.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    return true;
}

void FrmMKarte02_001::enableServiceButtons() {
    const RecordBookServices& s = recordBookServices();
    ui->CmdNew_7->setEnabled(static_cast<bool>(s.plaqueEntryDisp));
    ui->CmdLineEdit->setEnabled(static_cast<bool>(s.plaqueEntryDisp));
    ui->CmdPrint->setEnabled(static_cast<bool>(s.printKarte));
}

void FrmMKarte02_001::Form_Load() {
    PSuMousePointer(11, nullptr);
    MdlCommInterface::PSuFormCaption(this, QString());
    MdlCommInterface::PSuFormCenter(this);
    ui->FraTest->setVisible(gBolMainBtn);
    enableServiceButtons();
}

void FrmMKarte02_001::Form_Activate() {
    PSuMousePointer(0, nullptr);
}

void FrmMKarte02_001::Form_QueryUnload(bool& cancel, forms::UnloadMode mode) {
    if (sheet_.laying) {
        cancel = true;
        return;
    }
    if (leaving_ || mode != forms::UnloadMode::ControlMenu)
        return;
    if (!mayDiscardChanges()) {
        cancel = true;
        return;
    }
    PSuKarteWorkErase_End();
}

bool FrmMKarte02_001::mayDiscardChanges() {
    try {
        if (!FuBolKarteChanged())
            return true;
    } catch (const std::exception& e) {
        // A chain that cannot be walked cannot be saved either: ask all the same.
        PFuBolPutLog(QStringLiteral("FuBolKarteChanged"), errorDescription(e));
    }
    return ask("000", EnMsgDispButton::OC, EnMsgDispIcon::Q) != EnMsgDispResult::IDCANCEL;
}

// ---- adding, editing, inserting, deleting --------------------------------------------------------

void FrmMKarte02_001::CmdNew_Click(int index) {
    SpreadGrid& g = *ui->SpdKarte;
    const long row = g.activeRow();
    if (row == 0)
        return;
    try {
        if (!FuBolIsFreeRow(g, row)) {
            ask("201", EnMsgDispButton::O, EnMsgDispIcon::W);
            return;
        }
        PSuMousePointer(11, this);
        gLngCurRec = 0;
        PSuGetLineDateRange(g, row);
        // Only the instruction adds a line; the hidden chief-complaint and inspection buttons add nothing.
        const RecordBookServices& s = recordBookServices();
        long gridRow = row;
        if (index != 7 || !s.plaqueEntryDisp || !PFuBolInstructDataSet(g, gridRow) || !s.plaqueEntryDisp() ||
            !visitAccepted()) {
            PSuMousePointer(0, this);
            return;
        }
        PSuKarteLineAdd(QStringLiteral("1"), QString());
        PSuKarteLineDataSet(QStringLiteral("1"), quadMasksOf(sheet_.PartControl1));
        if (relayCurrentLine(row))
            SuKarteRowFollow(g, g.activeRow());
        PSuMousePointer(0, this);
    } catch (const std::exception& e) {
        g.setReDraw(true);
        PSuMousePointer(0, this);
        stepFailed(QStringLiteral("CmdNew_Click"), QStringLiteral("900"), e);
    }
}

bool FrmMKarte02_001::relayCurrentLine(long row) {
    SpreadGrid& g = *ui->SpdKarte;
    g.setReDraw(false);
    long r = row;
    long rec = gLngCurRec;
    long rowsUsed = 0;
    bool keepRows = false;
    const bool ok = PFlBolKarteSpdDataSet(sheet_, r, rec, rowsUsed, keepRows);
    g.setReDraw(true);
    return ok;
}

void FrmMKarte02_001::CmdLineEdit_Click() {
    SpreadGrid& g = *ui->SpdKarte;
    const long row = g.activeRow();
    if (row < 1)
        return;
    try {
        long count = 0;
        const long start = FuLngGetLineBlock(g, row, count);
        const QString recText = g.getText(4, static_cast<int>(start));
        if (recText.isEmpty()) {
            ask("202", EnMsgDispButton::O, EnMsgDispIcon::i);
            return;
        }
        gLngCurRec = recText.toLong();
        PSuGetLineDateRange(g, start);
        PFuBolKarteLineEdit(start, gLngCurRec);
    } catch (const std::exception& e) {
        stepFailed(QStringLiteral("CmdLineEdit_Click"), QStringLiteral("900"), e);
    }
}

bool FrmMKarte02_001::PFuBolKarteLineEdit(long row, long rec) {
    SpreadGrid& g = *ui->SpdKarte;
    try {
        PSuMousePointer(11, this);
        if (lineAt(rec).obj_id == kObjInstruction) {
            const RecordBookServices& s = recordBookServices();
            long gridRow = row;
            if (!s.plaqueEntryDisp || !PFuBolInstructDataSet(g, gridRow) || !s.plaqueEntryDisp() ||
                !visitAccepted()) {
                PSuMousePointer(0, this);
                return false;
            }
            PSuKarteLineAdd(gKarteInfo.mode, gKarteInfo.visit.del_mark);
            PSuKarteLineDataSet(gKarteInfo.mode, quadMasksOf(sheet_.PartControl1));
        }
        const bool ok = relayCurrentLine(row);
        PSuMousePointer(0, this);
        return ok;
    } catch (const std::exception& e) {
        g.setReDraw(true);
        PSuMousePointer(0, this);
        return stepFailed(QStringLiteral("PFuBolKarteLineEdit"), QStringLiteral("900"), e);
    }
}

void FrmMKarte02_001::SpdKarte_DblClick(int, int row) {
    // As the edit button, even while the form is disabled around it; not while the entry is missing.
    if (row <= 0 || !ui->CmdLineEdit->isEnabled())
        return;
    setEnabled(false);
    CmdLineEdit_Click();
    setEnabled(true);
}

void FrmMKarte02_001::CmdNewLine_Click() {
    SpreadGrid& g = *ui->SpdKarte;
    const long row = g.activeRow();
    if (row < 1)
        return;
    PSuMousePointer(11, this);
    long count = 0;
    const long start = FuLngGetLineBlock(g, row, count);
    g.setReDraw(false);
    PSuKarteRowInsert(sheet_, start, 1);
    g.setActiveCell(1, static_cast<int>(start));
    g.setReDraw(true);
    PSuMousePointer(0, this);
}

void FrmMKarte02_001::CmdDelLine_Click() {
    SpreadGrid& g = *ui->SpdKarte;
    const long row = g.activeRow();
    if (row < 1)
        return;
    PSuMousePointer(11, this);
    try {
        if (FuBolIsFreeRow(g, row)) {
            // At least one free row always stays below the last line.
            const bool last = row == g.maxRows();
            if (!last || (row > 1 && FuBolIsFreeRow(g, row - 1))) {
                g.deleteRows(static_cast<int>(row), 1);
                g.setMaxRows(g.maxRows() - 1);
            } else {
                ask("210", EnMsgDispButton::O, EnMsgDispIcon::E);
            }
        } else {
            long count = 0;
            const long start = FuLngGetLineBlock(g, row, count);
            const QString recText = g.getText(4, static_cast<int>(start));
            if (!recText.isEmpty()) {
                const long rec = recText.toLong();
                if (rec <= gLngStoredCount) {
                    ask("209", EnMsgDispButton::O, EnMsgDispIcon::E);
                    PSuMousePointer(0, this);
                    return;
                }
                if (ask("001", EnMsgDispButton::OC, EnMsgDispIcon::Q) == EnMsgDispResult::IDCANCEL) {
                    PSuMousePointer(0, this);
                    return;
                }
                unlinkLine(rec);
            }
            g.deleteRows(static_cast<int>(start), static_cast<int>(count));
            g.setMaxRows(g.maxRows() - static_cast<int>(count));
        }
    } catch (const std::exception& e) {
        stepFailed(QStringLiteral("CmdDelLine_Click"), QStringLiteral("900"), e);
    }
    PSuMousePointer(0, this);
}

// ---- months, saving ------------------------------------------------------------------------------

void FrmMKarte02_001::CmdPageCange_Click(int index) {
    PSuMousePointer(11, this);
    try {
        if (index == 0)
            pageNextMonth();
        else
            pagePreviousMonth();
        // The month buttons follow the laid month: next while a later month holds lines, previous while
        // the month's first line has one before it.
        PFuBolKarteMonthDisp(sheet_, -1);
    } catch (const std::exception& e) {
        stepFailed(QStringLiteral("CmdPageCange_Click"), QStringLiteral("900"), e);
    }
    PSuMousePointer(0, this);
}

void FrmMKarte02_001::cmdReflesh_Click() {
    PSuMousePointer(11, this);
    PFuBolKarteMonthDisp(sheet_, -1);
    PSuMousePointer(0, this);
}

void FrmMKarte02_001::CmdUpdate_Click() {
    try {
        if (!FuBolKarteChanged()) {
            ask("205", EnMsgDispButton::O, EnMsgDispIcon::E);
            return;
        }
    } catch (const std::exception& e) {
        stepFailed(QStringLiteral("CmdUpdate_Click"), QStringLiteral("900"), e);
        return;
    }
    if (ask("002", EnMsgDispButton::OC, EnMsgDispIcon::Q) == EnMsgDispResult::IDCANCEL)
        return;
    PSuMousePointer(11, this);
    if (PFuBolKarteUpdate() && PFuBolKarteMonthDisp(sheet_, -1)) {
        ui->LblLastTime->setText(gStrKarteUpdTime.isEmpty() ? gStrKarteEntTime : gStrKarteUpdTime);
        PSuMousePointer(0, this);
        ask("501", EnMsgDispButton::O, EnMsgDispIcon::i);
        return;
    }
    PSuMousePointer(0, this);
}

// ---- patient, leaving ----------------------------------------------------------------------------

void FrmMKarte02_001::CmdInsideChange_Click() {
    if (!mayDiscardChanges())
        return;
    bool chosen = false;
    if (!MdlCommInterface::PFuBolPatientSearch(chosen) || !chosen)
        return;
    PSuMousePointer(11, this);
    hide(); // the opener shows the screen again once the new patient is in place
    const bool loaded = PFuBolPersonalGet(*this);
    PSuMousePointer(0, this);
    if (!loaded) {
        // Never show the grid of the previous patient over the memory of the new one.
        leaving_ = true;
        PSuKarteWorkErase_End();
        unloadForm(forms::UnloadMode::Code);
    }
}

void FrmMKarte02_001::CmdCancel_Click() {
    PSuMousePointer(11, this);
    if (!mayDiscardChanges()) {
        PSuMousePointer(0, this);
        return;
    }
    leaving_ = true;
    PSuKarteWorkErase_End();
    PSuMousePointer(0, this);
    if (!unloadForm(forms::UnloadMode::Code))
        leaving_ = false;
}

void FrmMKarte02_001::CmdKeyboard_Click() {
    MdlScreenKey::PSuScreenKeyShow();
}

void FrmMKarte02_001::CmdPrint_Click() {
    const RecordBookServices& s = recordBookServices();
    if (s.printKarte)
        s.printKarte(*this);
}

// ---- test deletes --------------------------------------------------------------------------------

void FrmMKarte02_001::cmdDeleteData_Click() {
    runTestDeletes(kRecordTables, QStringLiteral("検査データを削除しますか"));
}

void FrmMKarte02_001::cmdKanjaDelete_Click() {
    runTestDeletes(kRecordTables +
                       QStringList{QStringLiteral("m_personal_info"), QStringLiteral("m_kh_insurance")},
                   QStringLiteral("患者の個人情報とカルテデータを削除しますか"));
}

void FrmMKarte02_001::runTestDeletes(const QStringList& tables, const QString& prompt) {
    if (msgbox::msgBoxA(this, prompt, kAppTitle, msgbox::MB_OKCANCEL) == msgbox::IDCANCEL)
        return;
    std::unique_ptr<ado::Connection> con;
    if (!MdlCommADODB::PFuBolDBConnect(con))
        return;
    if (!MdlCommADODB::PFuBolDbBeginTrans(*con)) {
        MdlCommADODB::PFuDbConClose(*con);
        return;
    }
    const QString id = ado::sqlQuote(text::vbTrim(ui->LblInside_id->text()));
    for (const QString& table : tables) {
        try {
            con->execute(QStringLiteral(" delete from ") + table.leftJustified(20) +
                         QStringLiteral(" where personal_id = '") + id + QLatin1Char('\''));
        } catch (const std::exception& e) {
            msgbox::msgBoxA(this, errorDescription(e), kAppTitle, msgbox::MB_OK);
            MdlCommADODB::PFuBolDbRollback(*con);
            MdlCommADODB::PFuDbConClose(*con);
            return;
        }
    }
    MdlCommADODB::PFuBolDbCommitTrans(*con);
    MdlCommADODB::PFuDbConClose(*con);
    leaving_ = true;
    PSuKarteWorkErase_End();
    unloadForm(forms::UnloadMode::Code);
}
