#include "app/recordbook/KarteMonthChain.h"

#include "app/recordcore/KarteGlobals.h"
#include "platform/error/VbError.h"
#include "platform/text/Text.h"

namespace MdlKarteMain {
namespace {

// A walk of more steps than the book has slots is going round a cycle.
class StepLimit {
public:
    void step(long rec) {
        if (++steps_ > gKarteLines.size())
            throw VbError::of(9, QStringLiteral("Orvanta"), QStringLiteral("gKarteLines(%1)").arg(rec));
    }

private:
    size_t steps_ = 0;
};

} // namespace

std::vector<long> monthRecs() {
    std::vector<long> recs;
    StepLimit limit;
    for (long rec = gLngMonthFirstRec; rec != 0 && rec != gLngMonthNextRec; rec = lineAt(rec).nxt_rec_no) {
        limit.step(rec);
        recs.push_back(rec);
    }
    return recs;
}

QString lineMonth(long rec) {
    return text::vbLeft(lineAt(rec).karte_date, 7);
}

long nextMonthStart(long rec) {
    const QString month = lineMonth(rec);
    StepLimit limit;
    for (long r = lineAt(rec).nxt_rec_no; r != 0; r = lineAt(r).nxt_rec_no) {
        limit.step(r);
        if (lineMonth(r) != month)
            return r;
    }
    return 0;
}

void pageNextMonth() {
    if (gLngMonthFirstRec == 0)
        return;
    const long first = nextMonthStart(gLngMonthFirstRec);
    if (first == 0)
        return;
    gLngMonthFirstRec = first;
    gStrKarteMonth = lineMonth(first);
    gLngMonthNextRec = nextMonthStart(first);
}

void pagePreviousMonth() {
    if (gLngMonthFirstRec == 0)
        return;
    const long before = lineAt(gLngMonthFirstRec).prv_rec_no;
    if (before == 0)
        return;
    const QString month = lineMonth(before);
    long first = before;
    StepLimit limit;
    for (long r = lineAt(before).prv_rec_no;; r = lineAt(r).prv_rec_no) {
        if (r == 0) {
            first = gIntKarteHead;
            break;
        }
        limit.step(r);
        if (lineMonth(r) != month)
            break;
        first = r;
    }
    gLngMonthFirstRec = first;
    gStrKarteMonth = month;
    gLngMonthNextRec = nextMonthStart(first);
}

void unlinkLine(long rec) {
    KarteLine& line = lineAt(rec);
    const long prev = line.prv_rec_no;
    const long next = line.nxt_rec_no;
    if (gLngMonthFirstRec == rec)
        gLngMonthFirstRec = next;
    if (prev == 0 && next == 0)
        gIntKarteHead = 0;
    else if (gIntKarteHead == rec)
        gIntKarteHead = static_cast<int>(next);
    if (prev != 0) {
        KarteLine& p = lineAt(prev);
        p.nxt_rec_no = static_cast<int>(next);
        p.link_changed = true;
    }
    if (next != 0) {
        KarteLine& n = lineAt(next);
        n.prv_rec_no = static_cast<int>(prev);
        n.link_changed = true;
    }
}

} // namespace MdlKarteMain
