// The rows of the record selection list: which instruction visits of the record are listed, in which
// order, and the date and time texts that the list and the printed sheet show for a visit.
#pragma once
#include <QString>
#include <vector>

#include "app/recordcore/KarteData.h"

// The history index of the visit being edited (the record's own visit, not an element of history).
inline constexpr int kCurrentVisit = -1;

struct EkListRow {
    QString dateText;  // "ggee年mm月dd日"
    QString timeText;  // "hh時nn分～hh時nn分"
    QString staffText; // the visit's staff name
    int historyIndex = kCurrentVisit;
    bool current = false; // the visit being edited
};

namespace EkListRows {

// The visit being edited first (when it has a start time and is not marked deleted), then the stored
// visits from the last element of history to the first, deleted ones left out. Throws VbError 13 when
// a listed visit's date or a time that is given cannot be read.
std::vector<EkListRow> build(const InstructEntryData& record);

// The visit of a row: the record's own visit for kCurrentVisit, else that element of history
// (VbError 9 for an index outside it).
const InstructVisitData& visitOf(const InstructEntryData& record, int historyIndex);

// The visit's date in an era pattern ("ggee年mm月dd日", "gggee年mm月dd日"); VbError 13 when unreadable.
QString dateText(const QString& entry, const QString& pattern);
// "hh時nn分～hh時nn分" of the two clock times; a time not given yet stays empty, one that cannot be read
// throws VbError 13.
QString timeText(const QString& start, const QString& end);

} // namespace EkListRows
