#include "app/recordbook/KarteRowBlocks.h"

#include "app/recordcore/KarteGlobals.h"
#include "platform/spread/SpreadGrid.h"

namespace MdlKarteMain {
namespace {

const QString kContinued = QStringLiteral("@");

QString marker(SpreadGrid& g, long row) {
    return g.getText(5, static_cast<int>(row));
}

long recAt(SpreadGrid& g, long row) {
    return g.getText(4, static_cast<int>(row)).toLong();
}

} // namespace

bool FuBolIsFreeRow(SpreadGrid& grid, long row) {
    return grid.getText(4, static_cast<int>(row)).isEmpty() && marker(grid, row) != kContinued;
}

long FuLngGetLineBlock(SpreadGrid& grid, long row, long& count) {
    const QString m = marker(grid, row);
    if (m.isEmpty() || m == QLatin1String("0")) {
        count = 1;
        return row;
    }
    long start = row;
    if (m == kContinued) {
        while (start > 1 && marker(grid, start) != QLatin1String("1"))
            --start;
    }
    count = 1;
    for (long r = start + 1; r <= grid.maxRows() && marker(grid, r) == kContinued; ++r)
        ++count;
    return start;
}

void PSuGetLineDateRange(SpreadGrid& grid, long row) {
    long prev = 0;
    long next = 0;
    if (gLngCurRec != 0) {
        const KarteLine& line = lineAt(gLngCurRec);
        prev = line.prv_rec_no;
        next = line.nxt_rec_no;
    } else {
        for (long r = row - 1; r >= 1 && prev == 0; --r)
            prev = recAt(grid, r);
        if (prev == 0)
            prev = gLngMonthFirstRec == 0 ? 0 : lineAt(gLngMonthFirstRec).prv_rec_no;
        for (long r = row + 1; r <= grid.maxRows() && next == 0; ++r)
            next = recAt(grid, r);
        if (next == 0)
            next = gLngMonthNextRec;
    }
    gStrKarteDateFrom = prev == 0 ? QStringLiteral("2000/01/01") : lineAt(prev).karte_date;
    gStrKarteDateTo = next == 0 ? todayText() : lineAt(next).karte_date;
    gLngPrevRec = prev;
    gLngNextRec = next;
}

void SuKarteRowFollow(SpreadGrid& grid, long row) {
    for (long r = row + 1; r < grid.maxRows(); ++r) {
        const QString m = marker(grid, r);
        if (m == kContinued)
            continue;
        if (m.isEmpty())
            grid.setActiveCell(1, static_cast<int>(r)); // the grid brings the active cell into view
        return;
    }
}

} // namespace MdlKarteMain
