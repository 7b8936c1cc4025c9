#include "app/recordcore/KarteGlobals.h"

#include "app/recordcore/KarteTrap.h"

#include <QDateTime>

#include "app/shell/ShellGlobals.h"
#include "platform/error/VbError.h"

namespace MdlKarteMain {
namespace {

const QString kSource = QStringLiteral("Orvanta");

[[noreturn]] void outOfRange(const char* what, long index) {
    throw VbError::of(9, kSource, QStringLiteral("%1(%2)").arg(QLatin1String(what)).arg(index));
}

template <typename List> auto& elementAt(List& list, long index, const char* what) {
    if (index < 0 || index > ubound(list))
        outOfRange(what, index);
    return list[static_cast<size_t>(index)];
}

} // namespace

void PSuKarteWorkErase_End() {
    try {
        gKarteLines.assign(1, KarteLine());
        gAppealsList.assign(1, KarteAppealsData());
        gSisyuKensaList.assign(1, KarteSisyuKensaData());
        gJittisidouList.assign(1, KarteJittisidouData());
        gKarteInfo.mode.clear();
        gKarteInfo.history.assign(1, InstructVisitData());
        gKarteStoredHead = KarteStoredHead();
        // Nothing of the previous patient's book may survive into the next one.
        gIntKarteHead = 0;
        gLngStoredCount = 0;
        gBolKarteNew = true;
        gStrKarteMonth.clear();
        gLngMonthFirstRec = gLngMonthNextRec = 0;
        gLngCurRec = 0;
    } catch (const std::exception& e) {
        trapped(QStringLiteral("PSuKarteWorkErase_End"), QStringLiteral("900"), e, EnMsgDispIcon::Manual,
                QString());
    }
}

void resetRecordBookGlobals() {
    gKarteLines.assign(1, KarteLine());
    gAppealsList.assign(1, KarteAppealsData());
    gSisyuKensaList.assign(1, KarteSisyuKensaData());
    gJittisidouList.assign(1, KarteJittisidouData());
    gIntKarteHead = 0;
    gLngStoredCount = 0;
    gBolKarteNew = false;
    gStrKarteEntTime.clear();
    gStrKarteUpdTime.clear();
    gStrKarteMonth.clear();
    gLngMonthFirstRec = gLngMonthNextRec = 0;
    gLngCurRec = gLngPrevRec = gLngNextRec = 0;
    gStrKarteDateFrom.clear();
    gStrKarteDateTo.clear();
    gStrParts33.clear();
    gStrPartsText.clear();
    gKarteInfo = InstructEntryData();
    gKarteStoredHead = KarteStoredHead();
}

KarteLine& lineAt(long rec) {
    KarteLine& line = elementAt(gKarteLines, rec, "gKarteLines");
    if (rec == 0 || line.rec_no != rec)
        outOfRange("gKarteLines", rec);
    return line;
}

KarteAppealsData& appealsAt(long index) {
    return elementAt(gAppealsList, index, "gAppealsList");
}

KarteSisyuKensaData& sisyuKensaAt(long index) {
    return elementAt(gSisyuKensaList, index, "gSisyuKensaList");
}

KarteJittisidouData& jittisidouAt(long index) {
    return elementAt(gJittisidouList, index, "gJittisidouList");
}

int int16Checked(qint64 value) {
    if (value < -32768 || value > 32767)
        throw VbError::of(6, kSource, QString::number(value));
    return static_cast<int>(value);
}

int newNumberChecked(qint64 value) {
    if (value < 1 || value > 32767)
        throw VbError::of(6, kSource, QString::number(value));
    return static_cast<int>(value);
}

std::vector<int> chainRecs() {
    std::vector<int> recs;
    const long slotCount = ubound(gKarteLines);
    for (int rec = gIntKarteHead; rec != 0; rec = lineAt(rec).nxt_rec_no) {
        if (static_cast<long>(recs.size()) >= slotCount)
            throw VbError::of(9, kSource, QStringLiteral("chain of more than %1 lines").arg(slotCount));
        lineAt(rec); // a link outside the book or to an empty slot
        recs.push_back(rec);
    }
    return recs;
}

void walkChain(const std::function<void(KarteLine&)>& visit) {
    for (int rec : chainRecs())
        visit(lineAt(rec));
}

QString timeStamp() {
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy/MM/dd-HH:mm:ss"));
}

QString todayText() {
    return QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd"));
}

QString monthText() {
    return QDate::currentDate().toString(QStringLiteral("yyyy/MM"));
}

} // namespace MdlKarteMain
