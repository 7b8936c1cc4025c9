#include "app/entry/ClockMinutes.h"

#include "controls/timeentry/ClockText.h"
#include "platform/text/Text.h"

namespace clockminutes {

std::optional<long> minutesBetween(const QString& start, const QString& end) {
    const auto a = quorvin::vbCDate(start);
    const auto b = quorvin::vbCDate(end);
    if (!a || !b)
        return std::nullopt;
    // Minutes counted on the calendar (no time zone between them), seconds dropped: the count of
    // minute boundaries between the two.
    const auto minuteOf = [](const QDateTime& t) {
        return QDate(1899, 12, 30).daysTo(t.date()) * 1440 + t.time().hour() * 60 + t.time().minute();
    };
    return static_cast<long>(minuteOf(*b) - minuteOf(*a));
}

std::optional<long> shownMinutes(const QString& start, const QString& end) {
    if (text::vbTrim(start).isEmpty() || text::vbTrim(end).isEmpty())
        return std::nullopt;
    return minutesBetween(start, end);
}

} // namespace clockminutes
