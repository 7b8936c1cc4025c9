#include "app/recordcore/KarteHandover.h"

#include "app/recordcore/KarteGlobals.h"
#include "app/recordcore/KarteTrap.h"
#include "app/shell/ShellGlobals.h"
#include "platform/error/VbError.h"
#include "platform/spread/SpreadGrid.h"
#include "platform/text/Text.h"

namespace MdlKarteMain {
namespace {

// Grid columns the record grid keeps per row: the line's rec_no and the line's stored date.
constexpr int kColRecNo = 4;
constexpr int kColDate = 6;

// The part code of a visit when the book holds none: compressed notation, every tooth present.
const QString kDefaultParts33 = QStringLiteral("Caaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa");

// The rec_no in column 4 of the row, 0 when the cell is empty.
long rowRecNo(SpreadGrid& grid, long row) {
    const QString cell = grid.getText(kColRecNo, static_cast<int>(row));
    if (text::vbTrim(cell).isEmpty())
        return 0;
    return text::vbCLng(cell, QStringLiteral("Orvanta"));
}

// The visit an instruction element holds.
void copyVisit(InstructVisitData& v, const KarteJittisidouData& d) {
    copyInstructionFields(v, d);
    v.entry_no = d.entry_no;
}

void setExistingVisit(long rec) {
    const KarteLine& l = lineAt(rec);
    if (l.obj_id != kObjInstruction)
        throw VbError::of(13, QStringLiteral("Orvanta"), QStringLiteral("obj_id ") + l.obj_id);
    const KarteJittisidouData& d = jittisidouAt(l.detail_index);
    gKarteInfo.mode = (l.del_mark == QLatin1String("1") && !l.changed) ? QStringLiteral("6") : l.line_state;
    gStrParts33 = l.part;
    gStrPartsText = l.part_text;
    InstructVisitData v;
    copyVisit(v, d);
    v.entry = l.karte_date;
    v.entry_no = l.entry_no;
    v.del_mark = l.del_mark;
    v.staff_name = l.del_staff_name.isEmpty() ? l.ent_staff_name : l.del_staff_name;
    gKarteInfo.visit = std::move(v);
    gKarteInfo.changed = l.changed;
}

void setNewVisit(SpreadGrid& grid, long row) {
    gKarteInfo.mode = QStringLiteral("1");
    InstructVisitData v;
    v.entry = FuStrGetRowDate(grid, row);
    v.plaque.fill(kBlankPlaque);
    v.staff_name = gStaffLoginInfo.staff_name;
    gKarteInfo.changed = false;
    gStrParts33.clear();
    gStrPartsText.clear();
    // The defaults come from the last undeleted inspection or instruction of the whole book.
    walkChain([&v](KarteLine& line) {
        if (line.del_mark == QLatin1String("1") ||
            (line.obj_id != kObjInspection && line.obj_id != kObjInstruction))
            return;
        if (!line.part.isEmpty()) {
            gStrParts33 = line.part;
            gStrPartsText = line.part_text;
        }
        if (line.obj_id == kObjInstruction) {
            v.plaque = jittisidouAt(line.detail_index).plaque;
        } else {
            const KarteSisyuKensaData& d = sisyuKensaAt(line.detail_index);
            if (d.inspection_cls == QLatin1String("2"))
                v.plaque = d.plaque;
        }
    });
    if (gStrParts33.isEmpty())
        gStrParts33 = kDefaultParts33;
    gKarteInfo.visit = std::move(v);
}

} // namespace

bool PFuBolInstructDataSet(SpreadGrid& grid, long& row) {
    try {
        // A screen closed without handing back must find nothing to take over.
        gKarteInfo.updated = false;
        const long rec = rowRecNo(grid, row);
        if (rec != 0)
            setExistingVisit(rec);
        else
            setNewVisit(grid, row);
        return FuBolOldInstructLogGet(grid, row);
    } catch (const std::exception& e) {
        return stepFailed(QStringLiteral("PFuBolInstructDataSet"), QStringLiteral("900"), e);
    }
}

bool FuBolOldInstructLogGet(SpreadGrid& grid, long row) {
    try {
        gKarteInfo.history.clear();
        gKarteInfo.history_ubound = -1;
        long k = -1;
        const long cur = rowRecNo(grid, row);
        long stop = 0;
        if (row != 1) {
            for (long r = row - 1; r >= 1; --r) {
                if (!grid.getText(kColRecNo, static_cast<int>(r)).isEmpty()) {
                    stop = rowRecNo(grid, r);
                    break;
                }
            }
        }
        if (gIntKarteHead == 0)
            return true;
        // Without a line above, the stop is the line after the first line of the month.
        if (stop == 0 && gLngMonthFirstRec != 0)
            stop = lineAt(gLngMonthFirstRec).nxt_rec_no;
        walkChain([&](KarteLine& line) {
            if (line.obj_id == kObjInstruction && line.del_mark != QLatin1String("1") && line.rec_no != cur) {
                ++k;
                InstructVisitData v;
                copyVisit(v, jittisidouAt(line.detail_index));
                v.staff_name =
                    line.del_staff_class_code.isEmpty() ? line.ent_staff_name : line.del_staff_name;
                gKarteInfo.history.push_back(std::move(v));
            }
            if (line.rec_no == stop)
                gKarteInfo.history_ubound = k;
        });
        return true;
    } catch (const std::exception& e) {
        return stepFailed(QStringLiteral("FuBolOldInstructLogGet"), QStringLiteral("811"), e);
    }
}

QString FuStrGetRowDate(SpreadGrid& grid, long row) {
    QString below;
    for (long r = row + 1; r <= grid.maxRows() && below.isEmpty(); ++r)
        below = grid.getText(kColDate, static_cast<int>(r));
    QString above;
    for (long r = row - 1; r >= 1 && above.isEmpty(); --r)
        above = grid.getText(kColDate, static_cast<int>(r));
    if (below.isEmpty() && gLngMonthNextRec == 0)
        return todayText();
    return above.isEmpty() ? below : above;
}

} // namespace MdlKarteMain
