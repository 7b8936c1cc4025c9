// The entry screen's accept: the checks in their order, the confirmation, and the copy of the screen
// into the record it hands back.
#include "app/entry/FrmMKarte03_002.h"

#include <cmath>

#include "app/entry/ClockMinutes.h"
#include "app/entry/EntryClock.h"
#include "app/entry/EntryQueries.h"
#include "app/entry/EntryTexts.h"
#include "app/entry/MdlSubScreen.h"
#include "app/recordcore/KarteGlobals.h"
#include "app/shell/MdlCommInterface.h"
#include "app/shell/MdlCommStructure.h"
#include "app/shell/ShellGlobals.h"
#include "controls/timeentry/ClockText.h"
#include "controls/timeentry/MyImTime.h"
#include "controls/toothchart/DText.h"
#include "controls/toothchart/DrawGlyphor.h"
#include "platform/ado/Ado.h"
#include "platform/fields/ImDate.h"
#include "platform/spread/SpreadGrid.h"
#include "platform/text/Era.h"
#include "platform/text/Text.h"
#include "ui_FrmMKarte03_002.h"

namespace {

// At most this many cleaning items go with one visit.
constexpr int kMaxCleaningItems = 10;
// After this many seconds on the screen, an end time already passed is questioned.
constexpr long kLongStaySeconds = 900;

// A check that fails: its message (OK, stop icon) and the control that takes the focus.
bool refuse(const char* number, QWidget* control, QWidget*& focus) {
    PFuDispMessage(MdlSubScreen::kWorkId, QString::fromLatin1(number), EnMsgDispButton::O, EnMsgDispIcon::E);
    focus = control;
    return false;
}

bool declined(const QString& question) {
    return PFuDispMessage(MdlSubScreen::kWorkId, QStringLiteral("006"), EnMsgDispButton::YN,
                          EnMsgDispIcon::Manual, question) == EnMsgDispResult::IDNO;
}

QString dateText(const QDate& date) {
    return date.toString(QStringLiteral("yyyy/MM/dd"));
}

} // namespace

bool FrmMKarte03_002::FuBolInputCheck() {
    try {
        QWidget* focus = nullptr;
        if (!FuBolInputValueCheck(focus)) {
            if (focus)
                focus->setFocus();
            return false;
        }
        if (PFuDispMessage(MdlSubScreen::kWorkId, QStringLiteral("000"), EnMsgDispButton::YN,
                           EnMsgDispIcon::Q) == EnMsgDispResult::IDNO)
            return false;
        SuGetDateTime();
        gStrParts33 = ui->DrawGlyphor1->PPoStrParts33();
        gStrPartsText = ui->DrawGlyphor1->PPoStrPartsText();
        if (!SuGetPlaqueData() || !SuGetCleaningData())
            return false;
        info_.visit.inst_point = ui->DtxComment_0->PPoStrDString();
        info_.visit.communicate_point = ui->DtxComment_1->PPoStrDString();
        info_.history_ubound = historyIndex_;
        return true;
    } catch (const std::exception& e) {
        PFuBolPutLog(QStringLiteral("FuBolInputCheck"), errorDescription(e));
        return false;
    }
}

bool FrmMKarte03_002::FuBolInputValueCheck(QWidget*& focus) {
    focus = nullptr;
    const QString date = ui->ImdEntryDate->Text();
    if (!era::parseDate(date).isValid())
        return refuse("201", ui->ImdEntryDate, focus);
    const QString start = ui->ImiTime_0->text();
    if (!quorvin::vbIsDate(start))
        return refuse("202", ui->ImiTime_0, focus);
    const QString end = ui->ImiTime_1->text();
    if (!quorvin::vbIsDate(end))
        return refuse("202", ui->ImiTime_1, focus);
    const long minutes = clockminutes::minutesBetween(start, end).value_or(0);
    if (minutes < 0)
        return refuse("204", ui->ImiTime_0, focus);
    if (!MdlCommInterface::PFuBolYukoDateCheck(date, gStrKarteDateFrom, gStrKarteDateTo))
        return refuse("205", ui->ImdEntryDate, focus);
    if (text::vbTrim(ui->DtxComment_0->PPoStrDString()).isEmpty())
        return refuse("206", ui->DtxComment_0, focus);
    if (ui->SpdCleaning->selModeSelCount() > kMaxCleaningItems)
        return refuse("203", ui->SpdCleaning, focus);

    const double expected = text::vbVal(gStrEiseiChkMM);
    if (expected != 0 && minutes < expected) {
        if (declined(entrytexts::durationQuestion(end, minutes))) {
            focus = ui->ImiTime_1;
            return false;
        }
    } else if (static_cast<long>(std::floor(entryclock::timer())) -
                   static_cast<long>(std::floor(firstActivated_)) >
               kLongStaySeconds) {
        // Long on the screen with an end already passed: propose now as the end.
        const QDateTime now = entryclock::now();
        const QString nowText = text::vbFormatDateTime(now, QStringLiteral("hh:mm"));
        if (nowText > end) {
            const long sinceStart = clockminutes::minutesBetween(start, nowText).value_or(0);
            if (expected != 0 && expected < sinceStart &&
                !declined(entrytexts::proposalQuestion(now, sinceStart))) {
                ui->ImiTime_1->setText(nowText);
                // A minute off the list's step empties the end time: it is never handed back empty.
                if (!quorvin::vbIsDate(ui->ImiTime_1->text()))
                    return refuse("202", ui->ImiTime_1, focus);
            }
        }
    }

    long count = 0;
    if (!FuBolActInstructionSerach(count))
        return false;
    if (count >= 1)
        return refuse("208", ui->ImiTime_0, focus);
    return true;
}

bool FrmMKarte03_002::FuBolActInstructionSerach(long& count) {
    const QString sql = entryqueries::overlapCountSql(
        gPatientInfo.personal_id, gStaffLoginInfo.staff_class_code, gStaffLoginInfo.staff_code,
        dateText(era::parseDate(ui->ImdEntryDate->Text())), ui->ImiTime_0->text(), ui->ImiTime_1->text());
    count = 0;
    return entryqueries::runRead(
        QStringLiteral("FuBolActInstructionSerach"), sql, QStringLiteral("805"),
        [&count](ado::Recordset& rs) {
            if (!rs.eof())
                count = static_cast<long>(rs.field(0).toLongLong());
        },
        entryqueries::QueryLog::Plain);
}

void FrmMKarte03_002::SuGetDateTime() {
    info_.visit.entry = dateText(ui->ImdEntryDate->date());
    info_.visit.inst_start_time = ui->ImiTime_0->text();
    info_.visit.inst_end_time = ui->ImiTime_1->text();
}

bool FrmMKarte03_002::SuGetCleaningData() {
    try {
        SpreadGrid& g = *ui->SpdCleaning;
        QStringList items;
        for (int row = 0; row <= g.maxRows(); ++row) {
            g.setRow(row);
            if (g.selModeSelected()) {
                g.setCol(1);
                items << g.text();
            }
        }
        info_.visit.cleaning_imp = items;
        return true;
    } catch (...) {
        return false;
    }
}
