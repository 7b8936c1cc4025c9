// The shown month on the record chain: paging to the next or previous month that holds lines (in
// chain order, not by calendar) and taking an unsaved line out of the chain.
#pragma once
#include <QString>
#include <vector>

namespace MdlKarteMain {

// The lines of the shown month (gLngMonthFirstRec up to gLngMonthNextRec) in chain order. A broken
// or looping chain throws.
std::vector<long> monthRecs();
// The month key of a line: "yyyy/mm" of its date.
QString lineMonth(long rec);
// The first line after rec's month along the chain; 0 at the chain's end.
long nextMonthStart(long rec);
// Moves gLngMonthFirstRec, gStrKarteMonth and gLngMonthNextRec to the next month (nothing changes at
// the chain's end) or to the previous one (nothing changes at its start). No trap of their own: a
// broken chain throws.
void pageNextMonth();
void pagePreviousMonth();
// Unlinks the line (added since the last save) from the chain: its neighbours are joined, the head
// and the month's first line move past it, and an emptied chain has head 0. Its slot stays.
void unlinkLine(long rec);

} // namespace MdlKarteMain
