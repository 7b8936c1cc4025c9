#include "app/recordcore/KarteLineEdit.h"

#include "app/recordcore/KarteGlobals.h"
#include "app/shell/ShellGlobals.h"
#include "platform/error/VbError.h"

namespace MdlKarteMain {
namespace {

void appendLine() {
    // A new line with no neighbours in a book that has a head would cut the whole chain off.
    if (gLngPrevRec == 0 && gLngNextRec == 0 && gIntKarteHead != 0)
        throw VbError::of(5, QStringLiteral("Orvanta"), QStringLiteral("no place in the chain"));
    const int rec = newNumberChecked(ubound(gKarteLines) + 1);
    KarteLine* prev = gLngPrevRec != 0 ? &lineAt(gLngPrevRec) : nullptr;
    KarteLine* next = gLngNextRec != 0 ? &lineAt(gLngNextRec) : nullptr;
    const long prevRec = gLngPrevRec, nextRec = gLngNextRec;

    KarteLine l;
    l.rec_no = rec;
    l.prv_rec_no = static_cast<int>(prevRec);
    l.nxt_rec_no = static_cast<int>(nextRec);
    l.link_changed = true;
    l.entry_no = 0;
    l.nest_level = 0;
    l.ent_date_time = timeStamp();
    l.ent_staff_class_code = gStaffLoginInfo.staff_class_code;
    l.ent_staff_code = gStaffLoginInfo.staff_code;
    l.ent_staff_name = gStaffLoginInfo.staff_name;
    l.line_state = kLineNew;
    // Pointers into the list die when it grows: the neighbours are linked first.
    if (prev) {
        prev->nxt_rec_no = rec;
        prev->link_changed = true;
    }
    if (next) {
        next->prv_rec_no = rec;
        next->link_changed = true;
    }
    gKarteLines.push_back(std::move(l));
    gLngCurRec = rec;
    if (!prev)
        gIntKarteHead = rec;
    if (next) {
        if (gLngMonthFirstRec == nextRec)
            gLngMonthFirstRec = rec;
    } else if (gLngMonthFirstRec == 0) {
        gLngMonthFirstRec = rec;
    }
}

void clearDeletion(KarteLine& l) {
    l.del_mark.clear();
    l.del_date_time.clear();
    l.del_staff_class_code.clear();
    l.del_staff_code.clear();
    l.del_staff_name.clear();
}

} // namespace

void PSuKarteLineAdd(const QString& mode, const QString& delMark) {
    if (mode == QLatin1String("1")) {
        appendLine();
    } else if (mode == QLatin1String("2")) {
        KarteLine& l = lineAt(gLngCurRec);
        l.ent_date_time = timeStamp();
        l.line_state = kLineNew;
    } else if (mode == QLatin1String("3")) {
        if (delMark == QLatin1String("1")) {
            KarteLine& l = lineAt(gLngCurRec);
            l.del_mark = QStringLiteral("1");
            l.del_date_time = timeStamp();
            l.del_staff_class_code = gStaffLoginInfo.staff_class_code;
            l.del_staff_code = gStaffLoginInfo.staff_code;
            l.del_staff_name = gStaffLoginInfo.staff_name;
            l.line_state = kLineDeleting;
        }
    } else if (mode == QLatin1String("4")) {
        if (delMark != QLatin1String("1")) {
            KarteLine& l = lineAt(gLngCurRec);
            clearDeletion(l);
            l.line_state = kLineStored;
        }
    }
    lineAt(gLngCurRec).changed = true;
}

void PSuKarteLineDataSet(const QString& mode, const QuadMasks& masks) {
    KarteLine& l = lineAt(gLngCurRec);
    if (mode == QLatin1String("1")) {
        l.entry_no = 0;
        l.claim.clear();
        l.obj_id = kObjInstruction;
        gJittisidouList.emplace_back();
        l.detail_index = ubound(gJittisidouList);
        gJittisidouList.back().entry_no = 0;
    }
    if (mode != QLatin1String("1") && mode != QLatin1String("2"))
        return;
    const InstructVisitData& v = gKarteInfo.visit;
    l.karte_date = v.entry;
    l.part = gStrParts33;
    l.part_text = gStrPartsText;
    const std::array<QString, 4> ref = masks(gStrParts33);
    for (int i = 0; i < 4; ++i)
        l.ref[i] = ref[i];
    l.ent_staff_class_code = gStaffLoginInfo.staff_class_code;
    l.ent_staff_code = gStaffLoginInfo.staff_code;
    l.ent_staff_name = gStaffLoginInfo.staff_name;

    // The element's entry_no stays: the save allocates it.
    copyInstructionFields(jittisidouAt(l.detail_index), v);
}

} // namespace MdlKarteMain
