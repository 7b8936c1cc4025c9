#include "app/printing/EkListRows.h"

#include "controls/timeentry/ClockText.h"
#include "platform/error/VbError.h"
#include "platform/text/Era.h"
#include "platform/text/Text.h"

namespace EkListRows {

namespace {

const QString kDeleted = QStringLiteral("1");

QString clockText(const QString& time) {
    if (text::vbTrim(time).isEmpty())
        return QString();
    const auto at = quorvin::vbCDate(time);
    if (!at)
        throw VbError::of(13, QStringLiteral("Format"), time);
    return text::vbFormatDateTime(*at, QStringLiteral("hh時nn分"));
}

EkListRow rowOf(const InstructVisitData& v, int historyIndex) {
    EkListRow r;
    r.dateText = dateText(v.entry, QStringLiteral("ggee年mm月dd日"));
    r.timeText = timeText(v.inst_start_time, v.inst_end_time);
    r.staffText = v.staff_name;
    r.historyIndex = historyIndex;
    r.current = historyIndex == kCurrentVisit;
    return r;
}

} // namespace

std::vector<EkListRow> build(const InstructEntryData& record) {
    std::vector<EkListRow> rows;
    const InstructVisitData& edited = record.visit;
    if (!edited.inst_start_time.isEmpty() && edited.del_mark != kDeleted)
        rows.push_back(rowOf(edited, kCurrentVisit));
    for (int i = static_cast<int>(record.history.size()) - 1; i >= 0; --i)
        if (record.history[static_cast<size_t>(i)].del_mark != kDeleted)
            rows.push_back(rowOf(record.history[static_cast<size_t>(i)], i));
    return rows;
}

const InstructVisitData& visitOf(const InstructEntryData& record, int historyIndex) {
    if (historyIndex == kCurrentVisit)
        return record.visit;
    if (historyIndex < 0 || historyIndex >= static_cast<int>(record.history.size()))
        throw VbError::of(9, QStringLiteral("history"), QString::number(historyIndex));
    return record.history[static_cast<size_t>(historyIndex)];
}

QString dateText(const QString& entry, const QString& pattern) {
    const auto at = quorvin::vbCDate(entry);
    if (!at)
        throw VbError::of(13, QStringLiteral("Format"), entry);
    return era::format(at->date(), pattern);
}

QString timeText(const QString& start, const QString& end) {
    return clockText(start) + QStringLiteral("～") + clockText(end);
}

} // namespace EkListRows
