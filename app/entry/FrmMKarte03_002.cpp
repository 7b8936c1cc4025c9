#include "app/entry/FrmMKarte03_002.h"

#include "app/entry/ClockMinutes.h"
#include "app/entry/EntryClock.h"
#include "app/entry/EntryQueries.h"
#include "app/entry/EntryTexts.h"
#include "app/entry/MdlSubScreen.h"
#include "app/entry/PatientLabels.h"
#include "app/entry/TextList.h"
#include "app/printing/FrmMKarte03_005.h"
#include "app/recordcore/KarteGlobals.h"
#include "app/shell/FrmMKarteS_009.h"
#include "app/shell/MdlCommInterface.h"
#include "app/shell/MdlCommStructure.h"
#include "app/shell/MdlScreenKey.h"
#include "app/shell/ShellGlobals.h"
#include "controls/cancelline/Brannic.h"
#include "controls/dental/PlaqueCheck.h"
#include "controls/timeentry/MyImTime.h"
#include "controls/toothchart/DText.h"
#include "controls/toothchart/DrawGlyphor.h"
#include "platform/ado/Ado.h"
#include "platform/error/VbError.h"
#include "platform/fields/ImDate.h"
#include "platform/msgbox/MsgBox.h"
#include "platform/spread/SpreadGrid.h"
#include "platform/text/Text.h"
#include "ui_FrmMKarte03_002.h"

#include <QTableView>
#include <cmath>
#include <map>

using MdlCommInterface::PSuMousePointer;

namespace {

const QString kSource = QStringLiteral("FrmMKarte03_002");
// The entry mask an empty date field shows.
const QString kEmptyDateMask = QStringLiteral("＿＿ __年__月__日");
const QString kDeleted = QStringLiteral("1");
// Grid operation modes: a click toggles its row; read only (the click handler turns the row back).
constexpr int kToggleRows = 4;
constexpr int kReadOnly = 1;

int ask(const char* number, EnMsgDispButton buttons, EnMsgDispIcon icon, const QString& added = QString()) {
    return PFuDispMessage(MdlSubScreen::kWorkId, QString::fromLatin1(number), buttons, icon, added);
}

// The buttons and states of each mode: delete and restore (enabled, disabled or hidden), whether the
// visit can be edited and accepted, and the cancel cross.
enum class Shown { Enabled, Disabled, Hidden };
enum class DeleteMark { Hidden, Shown, AsStored };
struct ModeButtons {
    Shown remove, restore;
    bool accept; // the visit can be edited and accepted
    DeleteMark deleteMark;
};
const std::map<int, ModeButtons> kModeButtons = {
    {1, {Shown::Disabled, Shown::Disabled, true, DeleteMark::Hidden}},  // new visit
    {2, {Shown::Disabled, Shown::Disabled, true, DeleteMark::Hidden}},  // new line
    {3, {Shown::Enabled, Shown::Disabled, false, DeleteMark::Hidden}},  // stored
    {4, {Shown::Hidden, Shown::Enabled, false, DeleteMark::Shown}},     // deleted, not yet saved
    {5, {Shown::Disabled, Shown::Disabled, false, DeleteMark::Shown}},  // stored as deleted
    {6, {Shown::Disabled, Shown::Hidden, false, DeleteMark::AsStored}}, // view only
};

bool isEditMode(const QString& mode) {
    return mode == QLatin1String("1") || mode == QLatin1String("2");
}

} // namespace

bool FrmMKarte03_002::logTrapped(const QString& proc) {
    QString description;
    try {
        throw;
    } catch (const std::exception& e) {
        description = errorDescription(e);
    } catch (...) {
    }
    PFuBolPutLog(proc, description);
    return false;
}

FrmMKarte03_002::FrmMKarte03_002(QWidget* parent)
    : forms::Form(parent), ui(std::make_unique<Ui::FrmMKarte03_002>()) {
    ui->setupUi(this);
    cells_ = plaquechart::gatherCells(*this, QStringLiteral("PlaqueCheck"));
    historyCells_ = plaquechart::gatherCells(*this, QStringLiteral("PlaqueCheckHistory"));
    for (int i = 0; i < kToothCount; ++i)
        connect(cells_[static_cast<size_t>(i)], &PlaqueCheck::ChangePlaque, this,
                [this, i] { PlaqueCheck_ChangePlaque(i); });
    cmdHistory_ = {ui->CmdHistory_0, ui->CmdHistory_1, ui->CmdHistory_2};
    cmdInstMainPoint_ = {ui->CmdInstMainPoint_0, ui->CmdInstMainPoint_1, ui->CmdInstMainPoint_2};
    cmdMessage_ = {ui->CmdMessage_0, ui->CmdMessage_1, ui->CmdMessage_2};
    for (int i = 0; i < 3; ++i) {
        const auto at = static_cast<size_t>(i);
        connect(cmdHistory_[at], &QPushButton::clicked, this, [this, i] { CmdHistory_Click(i); });
        connect(cmdInstMainPoint_[at], &QPushButton::clicked, this, [this, i] { CmdInstMainPoint_Click(i); });
        connect(cmdMessage_[at], &QPushButton::clicked, this, [this, i] { CmdMessage_Click(i); });
    }
    connect(ui->CmdFNC_1, &QPushButton::clicked, this, [this] { CmdFNC_Click(1); });
    connect(ui->CmdFNC_2, &QPushButton::clicked, this, [this] { CmdFNC_Click(2); });
    connect(ui->CmdUpdate, &QPushButton::clicked, this, &FrmMKarte03_002::CmdUpdate_Click);
    connect(ui->CmdCancel, &QPushButton::clicked, this, &FrmMKarte03_002::CmdCancel_Click);
    connect(ui->CmdPrint, &QPushButton::clicked, this, &FrmMKarte03_002::CmdPrint_Click);
    connect(ui->CmdKeyboard, &QPushButton::clicked, this, &FrmMKarte03_002::CmdKeyboard_Click);
    connect(ui->cmdSeisouCSV, &QPushButton::clicked, this, &FrmMKarte03_002::cmdSeisouCSV_Click);
    connect(ui->CmdIkatuPl, &QPushButton::clicked, this, &FrmMKarte03_002::CmdIkatuPl_Click);
    connect(ui->CmdIkatuPlClr, &QPushButton::clicked, this, &FrmMKarte03_002::CmdIkatuPlClr_Click);
    connect(ui->CmdBuiInput, &QPushButton::clicked, this, &FrmMKarte03_002::CmdBuiInput_Click);
    connect(ui->ImiTime_0, &MyImTime::Click, this, [this](int cbo) { ImiTime_Click(0, cbo); });
    connect(ui->ImiTime_1, &MyImTime::Click, this, [this](int cbo) { ImiTime_Click(1, cbo); });
    connect(ui->ImdEntryDate, &ImDate::DblClick, this, &FrmMKarte03_002::ImdEntryDate_DblClick);
    connect(ui->ImdEntryDate, &ImDate::KeyDown, this, &FrmMKarte03_002::ImdEntryDate_KeyDown);
    connect(ui->ImdEntryDate, &ImDate::KeyPress, this, &FrmMKarte03_002::ImdEntryDate_KeyPress);
    connect(ui->SpdCleaning, &SpreadGrid::Click, this, &FrmMKarte03_002::SpdCleaning_Click);
    connect(ui->SpdCleaning, &SpreadGrid::KeyDown, this, &FrmMKarte03_002::SpdCleaning_KeyDown);
    connect(ui->DtxComment_0, &DText::Change, this, [this] { DtxComment_Change(0); });
    connect(ui->DtxComment_1, &DText::Change, this, [this] { DtxComment_Change(1); });
    setCancelButton(ui->CmdCancel);

    // The tooth part on white, as the record book draws its parts.
    ui->DrawGlyphor1->setBackColor(0xFFFFFF);
    // The cleaning items: each click ticks or unticks its row.
    textlist::setUpTextList(*ui->SpdCleaning, kToggleRows);
}

FrmMKarte03_002::~FrmMKarte03_002() = default;

ImDate* FrmMKarte03_002::ImdEntryDate() const {
    return ui->ImdEntryDate;
}

MyImTime* FrmMKarte03_002::ImiTime(int index) const {
    return index == 0 ? ui->ImiTime_0 : ui->ImiTime_1;
}

DText* FrmMKarte03_002::DtxComment(int index) const {
    return index == 0 ? ui->DtxComment_0 : ui->DtxComment_1;
}

DText* FrmMKarte03_002::DtxCommentHistory(int index) const {
    return index == 0 ? ui->DtxCommentHistory_0 : ui->DtxCommentHistory_1;
}

SpreadGrid* FrmMKarte03_002::SpdCleaning() const {
    return ui->SpdCleaning;
}

DrawGlyphor* FrmMKarte03_002::DrawGlyphor1() const {
    return ui->DrawGlyphor1;
}

QLabel* FrmMKarte03_002::lblLost() const {
    return ui->LblLost_1;
}

QLabel* FrmMKarte03_002::lblPlaqueCnt() const {
    return ui->LblPlaqueCnt_1;
}

QLabel* FrmMKarte03_002::lblPlaqueRitu() const {
    return ui->LblPlaqueRitu_1;
}

// ---- loading ------------------------------------------------------------------------------------------

void FrmMKarte03_002::Form_Load() {
    PSuMousePointer(11, this);
    setLoadState(forms::LoadState::Loading);
    MdlCommInterface::PSuFormCaption(this, QString());
    MdlCommInterface::PSuFormCenter(this);
    permanent_ = {};
    deciduous_ = {};
    historyPermanent_ = {};
    historyDeciduous_ = {};
    info_ = gKarteInfo;
    if (!SuScreenInit() || !SuPlaqueDisp() || !SuHistoryDisp()) {
        setLoadState(forms::LoadState::Failed);
        return;
    }
    dirty_ = false;
    SuAdjacentCaption();
    setLoadState(forms::LoadState::Ready);
}

void FrmMKarte03_002::Form_Activate() {
    if (firstActivated_ == 0)
        firstActivated_ = entryclock::timer();
    PSuMousePointer(0, this);
}

void FrmMKarte03_002::Form_Unload(bool&) {
    permanent_ = {};
    deciduous_ = {};
    historyPermanent_ = {};
    historyDeciduous_ = {};
    PSuMousePointer(11, this);
}

bool FrmMKarte03_002::SuScreenInit() {
    try {
        const int step = text::vbCLng(gStrEiseiMM, kSource);
        ui->ImiTime_0->setListUnit(step);
        ui->ImiTime_1->setListUnit(step);
        nowAtInit_ = entryclock::now();
        SuScreenClear();

        const InstructVisitData& v = info_.visit;
        if (info_.mode == QLatin1String("6"))
            SuCleaningListView();
        else if (!SuCleaningListMaster())
            return false;

        ui->DrawGlyphor1->setPPoStrParts33(gStrParts33);
        ui->DrawGlyphor1->setPPoStrPartsText(gStrPartsText);
        ui->DrawGlyphor1->PSuDraw();

        historyIndex_ = info_.history_ubound;

        // The ticked items: a new visit takes those of the nearest earlier visit that stands, a new
        // line its own; a stored visit shows its items with none ticked, and nothing can be ticked.
        SpreadGrid& g = *ui->SpdCleaning;
        if (info_.mode == QLatin1String("1")) {
            QStringList items = v.cleaning_imp;
            if (info_.history_ubound != -1) {
                const long earlier = PFuLngGetNoRemarkIndex();
                if (earlier != -1)
                    items = info_.history.at(static_cast<size_t>(earlier)).cleaning_imp;
            }
            MdlPlaque::FuBolSpdCheckSet(g, items);
        } else if (info_.mode == QLatin1String("2")) {
            if (!MdlPlaque::FuBolSpdCheckSet(g, v.cleaning_imp)) {
                PFuBolPutLog(QStringLiteral("SuScreenInit"), QStringLiteral("FuBolSpdCheckSet()"));
                return false;
            }
        } else {
            g.setOperationMode(kReadOnly);
        }

        dirty_ = false;
        ui->CmdUpdate->setEnabled(false);
        ui->DtxComment_0->setPPoStrDString(QString());
        ui->DtxComment_1->setPPoStrDString(QString());

        patientlabels::fill(*this);
        ui->LblWriPersonName->setText(v.staff_name);

        if (text::vbTrim(v.entry).isEmpty())
            ui->ImdEntryDate->setValue(nowAtInit_.date());
        else
            ui->ImdEntryDate->setValue(v.entry);

        // The default end lies the expected minutes after now, also when a start was stored.
        ui->ImiTime_0->setText(text::vbTrim(v.inst_start_time).isEmpty()
                                   ? text::vbFormatDateTime(nowAtInit_, QStringLiteral("hh:mm"))
                                   : v.inst_start_time);
        const auto expected = static_cast<qint64>(std::nearbyint(text::vbVal(gStrEiseiChkMM)));
        ui->ImiTime_1->setText(
            text::vbTrim(v.inst_end_time).isEmpty()
                ? text::vbFormatDateTime(nowAtInit_.addSecs(expected * 60), QStringLiteral("hh:mm"))
                : v.inst_end_time);
        ImiTime_Click(0, 0);

        showDeleteMark_ = v.del_mark == kDeleted;
        ui->DtxComment_0->setPPoStrDString(v.inst_point);
        ui->DtxComment_1->setPPoStrDString(v.communicate_point);

        SuButtonsByMode(info_.mode);
        return true;
    } catch (...) {
        return logTrapped(QStringLiteral("SuScreenInit"));
    }
}

void FrmMKarte03_002::SuButtonsByMode(const QString& mode) {
    const auto row = kModeButtons.find(text::vbCLng(mode, kSource));
    if (row != kModeButtons.end()) {
        const ModeButtons& m = row->second;
        for (const auto& [button, state] :
             {std::pair{ui->CmdFNC_1, m.remove}, std::pair{ui->CmdFNC_2, m.restore}}) {
            if (state == Shown::Hidden)
                button->setVisible(false);
            else
                button->setEnabled(state == Shown::Enabled);
        }
        ui->CmdUpdate->setEnabled(m.accept);
        editable_ = m.accept;
        if (m.deleteMark != DeleteMark::AsStored)
            showDeleteMark_ = m.deleteMark == DeleteMark::Shown;
        // A visit that cannot be edited keeps its item list out of the way of the Tab key.
        if (!m.accept)
            ui->SpdCleaning->view()->setFocusPolicy(Qt::ClickFocus);
    }

    for (QPushButton* b : cmdInstMainPoint_)
        b->setEnabled(editable_);
    for (QPushButton* b : cmdMessage_)
        b->setEnabled(editable_);
    ui->CmdIkatuPl->setEnabled(editable_);
    ui->CmdIkatuPlClr->setEnabled(editable_);
    ui->CmdBuiInput->setEnabled(editable_);
    ui->ImdEntryDate->setEnabled(editable_);
    ui->Brannic->setVisible(showDeleteMark_);
    for (DText* d : {ui->DtxComment_0, ui->DtxComment_1}) {
        d->setEnabledText(editable_);
        d->setTabStop(editable_);
    }
    for (DText* d : {ui->DtxCommentHistory_0, ui->DtxCommentHistory_1}) {
        d->setEnabledText(false);
        d->setTabStop(false);
    }
    ui->ImiTime_0->setEnabled(editable_);
    ui->ImiTime_1->setEnabled(editable_);
    // The cells never take the focus; only an editable visit's cells take clicks.
    for (PlaqueCheck* c : cells_)
        c->setEnabled(editable_);
    for (PlaqueCheck* c : historyCells_)
        c->setEnabled(false);
    ui->cmdSeisouCSV->setVisible(gBolMainBtn);
}

void FrmMKarte03_002::SuScreenClear() {
    for (DText* d : findChildren<DText*>())
        d->setPPoStrDString(QString());
    for (ImDate* d : findChildren<ImDate*>())
        d->setText(kEmptyDateMask);
    for (SpreadGrid* g : findChildren<SpreadGrid*>()) {
        g->setRow(0);
        g->setMaxRows(0);
    }
    for (QLabel* l : {ui->LblMM, ui->LblLost_1, ui->LblPlaqueCnt_1, ui->LblPlaqueRitu_1, ui->LblPlaqueRituH})
        l->clear();
}

bool FrmMKarte03_002::SuCleaningListMaster() {
    std::vector<std::pair<QString, QString>> items;
    if (!FuBolMasterSerach(items))
        return false;
    for (size_t i = 0; i < items.size(); ++i)
        if (!items[i].second.isEmpty())
            textlist::fillTextRow(*ui->SpdCleaning, static_cast<int>(i) + 1, items[i].second);
    return true;
}

void FrmMKarte03_002::SuCleaningListView() {
    textlist::fillTextList(*ui->SpdCleaning, info_.visit.cleaning_imp);
}

bool FrmMKarte03_002::FuBolMasterSerach(std::vector<std::pair<QString, QString>>& items) {
    // A visit still to be entered picks from the master; any other shows what its stored row keeps.
    const QString sql = isEditMode(info_.mode)
                            ? entryqueries::cleaningMasterSql()
                            : entryqueries::storedCleaningSql(gPatientInfo.personal_id, info_.visit.entry,
                                                              info_.visit.entry_no);
    items.clear();
    return entryqueries::runRead(
        QStringLiteral("FuBolMasterSerach"), sql, QStringLiteral("802"),
        [&items](ado::Recordset& rs) { items = entryqueries::readCleaningRows(rs); });
}

long FrmMKarte03_002::PFuLngGetNoRemarkIndex() {
    try {
        for (long i = historyIndex_; i >= 0; --i)
            if (text::vbTrim(info_.history.at(static_cast<size_t>(i)).del_mark) != kDeleted)
                return i;
    } catch (const std::exception& e) {
        PFuBolPutLog(QStringLiteral("PFuLngGetNoRemarkIndex"), errorDescription(e));
    }
    return -1;
}

// ---- history panel --------------------------------------------------------------------------------------

bool FrmMKarte03_002::historyShown() const {
    return historyIndex_ >= 0 && historyIndex_ < static_cast<long>(info_.history.size());
}

bool FrmMKarte03_002::SuHistoryDisp() {
    try {
        // An index outside the history (a first visit with later ones after it) shows an empty panel.
        if (historyShown()) {
            const InstructVisitData& v = info_.history[static_cast<size_t>(historyIndex_)];
            ui->LblDateHitory->setText(entrytexts::historyDate(v.entry));
            ui->LblTimeHistory->setText(entrytexts::historyTimes(v.inst_start_time, v.inst_end_time));
            ui->LblWriPersonNameHistory->setText(v.staff_name);
            ui->DtxCommentHistory_0->setPPoStrDString(v.inst_point);
            ui->DtxCommentHistory_1->setPPoStrDString(v.communicate_point);
            if (!SuPlaqueHistoryDisp(v))
                return false;
            ui->BrannicHistory->setVisible(v.del_mark == kDeleted);
        } else {
            for (QLabel* l :
                 {ui->LblDateHitory, ui->LblTimeHistory, ui->LblWriPersonNameHistory, ui->LblPlaqueRituH})
                l->clear();
            ui->DtxCommentHistory_0->setPPoStrDString(QString());
            ui->DtxCommentHistory_1->setPPoStrDString(QString());
            plaquechart::clearCells(historyCells_);
            ui->BrannicHistory->setVisible(false);
        }
        SuHistoryButtons();
        return true;
    } catch (...) {
        return logTrapped(QStringLiteral("SuHistoryDisp"));
    }
}

void FrmMKarte03_002::SuHistoryButtons() {
    const bool any = !info_.history.empty() && historyIndex_ >= 0;
    cmdHistory_[0]->setEnabled(any);
    cmdHistory_[1]->setEnabled(any && historyIndex_ > 0);
    cmdHistory_[2]->setEnabled(any && historyIndex_ < ubound(info_.history));
}

void FrmMKarte03_002::SuHistoryCancelDisp() {
    ui->BrannicHistory->setVisible(historyShown() &&
                                   info_.history[static_cast<size_t>(historyIndex_)].del_mark == kDeleted);
    update();
}

// ---- buttons and events
// ------------------------------------------------------------------------------------

void FrmMKarte03_002::handBack(bool updated) {
    info_.updated = updated;
    gKarteInfo = info_;
    unloadForm(forms::UnloadMode::Code);
}

void FrmMKarte03_002::markChanged() {
    info_.changed = true;
    ui->CmdUpdate->setEnabled(true);
}

void FrmMKarte03_002::CmdUpdate_Click() {
    if (FuBolInputCheck())
        handBack(true);
}

void FrmMKarte03_002::CmdCancel_Click() {
    if (dirty_ && ask("003", EnMsgDispButton::YN, EnMsgDispIcon::Q) == EnMsgDispResult::IDNO)
        return;
    handBack(false);
}

void FrmMKarte03_002::CmdFNC_Click(int index) {
    if (index == 1) {
        if (ask("001", EnMsgDispButton::YN, EnMsgDispIcon::Q) == EnMsgDispResult::IDNO)
            return;
        info_.visit.del_mark = kDeleted;
        handBack(true);
    } else if (index == 2) {
        if (ask("002", EnMsgDispButton::YN, EnMsgDispIcon::Q) == EnMsgDispResult::IDNO)
            return;
        // The mark taken back is one blank, as the record book expects it.
        info_.visit.del_mark = QStringLiteral(" ");
        dirty_ = false;
        ui->CmdUpdate->setEnabled(false);
        handBack(true);
    }
}

void FrmMKarte03_002::CmdHistory_Click(int index) {
    try {
        if (index == 0) {
            PSuMousePointer(11, this);
            QString delMark;
            bool update = false;
            if (MdlSubScreen::PFuBolPlaqueDetailDisp(historyIndex_, delMark, update))
                SuHistoryCancelDisp();
            PSuMousePointer(0, this);
        } else if (index == 1 && historyIndex_ > 0) {
            --historyIndex_;
            SuHistoryDisp();
        } else if (index == 2 && historyIndex_ < ubound(info_.history)) {
            ++historyIndex_;
            SuHistoryDisp();
        }
    } catch (const std::exception& e) {
        PSuMousePointer(0, this);
        PFuBolPutLog(QStringLiteral("CmdHistory_Click"), errorDescription(e));
    }
}

void FrmMKarte03_002::CmdPrint_Click() {
    // The sheet shows the record as the screen found it: what is being typed is not on it yet.
    if (dirty_)
        ask("207", EnMsgDispButton::O, EnMsgDispIcon::Manual);
    FrmMKarte03_005::PFuBolEkListView();
    PSuMousePointer(0, this);
}

void FrmMKarte03_002::CmdKeyboard_Click() {
    MdlScreenKey::PSuScreenKeyShow();
}

void FrmMKarte03_002::cmdSeisouCSV_Click() {
    try {
        ui->SpdCleaning->saveTabFile(gStrAppPath + QStringLiteral("SpdCleaning.txt"));
    } catch (const std::exception& e) {
        msgbox::msgBoxA(this, errorDescription(e), kAppTitle, msgbox::MB_OK);
    }
}

void FrmMKarte03_002::ImiTime_Click(int, int) {
    if (const auto minutes = clockminutes::shownMinutes(ui->ImiTime_0->text(), ui->ImiTime_1->text()))
        ui->LblMM->setText(QString::number(*minutes));
    dirty_ = true;
}

void FrmMKarte03_002::ImdEntryDate_DblClick() {
    if (!FrmMKarteS_009::PFuFrmCalenInit(ui->ImdEntryDate))
        ask("899", EnMsgDispButton::O, EnMsgDispIcon::Manual);
    dirty_ = true;
}

void FrmMKarte03_002::ImdEntryDate_KeyDown(int keyCode, int) {
    MdlCommInterface::PFuBolEraKeyCheck(dirty_, ui->ImdEntryDate->SelStart(), 0, keyCode);
}

void FrmMKarte03_002::ImdEntryDate_KeyPress(int keyAscii) {
    MdlCommInterface::PFuBolEraKeyCheck(dirty_, ui->ImdEntryDate->SelStart(), keyAscii, -9999);
}

void FrmMKarte03_002::SpdCleaning_Click(int, int row) {
    if (isEditMode(info_.mode)) {
        markChanged();
        dirty_ = true;
        return;
    }
    // The grid toggled the row: set it back, a stored visit's items stay as they are.
    if (row < 1)
        return;
    SpreadGrid& g = *ui->SpdCleaning;
    g.setRow(row);
    g.setSelModeSelected(!g.selModeSelected());
}

void FrmMKarte03_002::SpdCleaning_KeyDown(int, int) {
    // A key ticks nothing in the read-only grid, so there is nothing to turn back there.
    if (isEditMode(info_.mode))
        SpdCleaning_Click(ui->SpdCleaning->activeCol(), ui->SpdCleaning->activeRow());
}

void FrmMKarte03_002::DtxComment_Change(int) {
    dirty_ = true;
}
